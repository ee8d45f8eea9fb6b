// Icons as handles that the program passes around without knowing the toolkit's icon type.
#pragma once

struct IconHandle;
using HICON = const IconHandle*;

// The icon resource with this id, loaded once and kept for the life of the program.
HICON LoadIconResourceHandle(int iconId);
