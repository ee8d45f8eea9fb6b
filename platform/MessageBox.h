// Message boxes, the program's one way of speaking to the user, behind one seam for tests.
#pragma once

#include "CString.h"

#include <functional>

class QWidget;

struct MessageBoxRequest {
    CString text;
    CString caption;
    unsigned flags; // MB_OK or MB_YESNO, with MB_ICONEXCLAMATION, MB_ICONSTOP or no icon
};

// Answers in place of the user: gets each box that would be shown and returns IDOK, IDYES or IDNO.
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Puts `handler` in place of the real message boxes; an empty handler brings them back.
void SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a modal box over `owner` and returns the button pressed.
int ShowMessageBox(QWidget* owner, const MessageBoxRequest& request);
