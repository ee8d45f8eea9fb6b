// The program's strings, help texts, icon images and version.
#pragma once

// The string with this id; nullptr when there is none.
const char* FindString(int id);

// The short help shown for a help context (0x20000 plus a dialog's number); nullptr when none.
const char* FindHelpText(unsigned context);

// An icon's images as XPM data, 32x32 and 16x16; nullptr when there is no such icon.
const char* const* FindIconXpm(int iconId, int size);

constexpr unsigned kHelpContextBase = 0x20000;

constexpr char kVersion[] = "1.0.0.1";
