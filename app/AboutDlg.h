// The About box: the program's icon, name, version and makers.
#pragma once

#include "Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
