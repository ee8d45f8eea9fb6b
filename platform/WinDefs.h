// The numbers the dialog layer speaks in: message-box flags and answers, wizard buttons,
// notifications and menu flags.
#pragma once

#include "DialogTemplate.h"

enum MessageBoxFlag : unsigned {
    MB_OK = 0x0,
    MB_YESNO = 0x4,
    MB_ICONSTOP = 0x10,
    MB_ICONEXCLAMATION = 0x30,
    MB_TYPEMASK = 0xF,
    MB_ICONMASK = 0xF0,
};

// Answers and results, beside IDOK and IDCANCEL.
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int ID_WIZFINISH = 0x3025;

enum WizardButton : unsigned {
    PSWIZB_BACK = 0x1,
    PSWIZB_NEXT = 0x2,
    PSWIZB_FINISH = 0x4,
};

enum Notification : int {
    BN_CLICKED = 0,
};

enum MenuFlag : unsigned {
    MF_STRING = 0x0,
    MF_SEPARATOR = 0x800,
};

enum SystemCommand : unsigned {
    SC_CLOSE = 0xF060,
};
