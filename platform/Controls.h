// Builds a template's controls as real widgets on a window.
#pragma once

#include "DialogUnits.h"

#include <map>

class QWidget;
struct DialogTemplate;

// Creates every control of `dialog` on `window`, placed by dialog units, in template order,
// with the tab order following it. Returns the controls that have an id of their own.
std::map<int, QWidget*> CreateControls(QWidget* window, const DialogTemplate& dialog,
                                       BaseUnits base);

// Gives a dialog window the frame of a fixed-size dialog: caption, system menu and close box,
// no minimize or maximize box.
void SetDialogFrame(QWidget* dialog);

// The window a new modal window opens over: its parent's, or else the window that is modal now
// (the main dialog, for the About box and the wizard); nullptr for the first window of all.
class CWnd;
QWidget* OwnerWindow(CWnd* parent);

// The icon resource as Qt needs it, with its 32x32 and 16x16 images.
class QIcon;
QIcon LoadIconResource(int iconId);
