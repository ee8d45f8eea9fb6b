// The question a page asks before it goes on with a blank answer.
#pragma once

class CWnd;

// Asks `question` with Yes and No over `page`; true when the user answers Yes.
bool ConfirmBlank(CWnd& page, const char* question);
