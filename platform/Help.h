// The program's own short help, in place of a help engine this platform does not have.
#pragma once

#include <functional>

class QWidget;

// Shows the help for `context` in a small window over `owner`; a context without help text gets
// the message "Failed to launch help.".
void ShowHelp(QWidget* owner, unsigned context);

// Makes F1 in `window` show the help of whatever `context` returns at that moment.
void InstallHelpKey(QWidget* window, std::function<unsigned()> context);
