// The application: shows the main dialog and ends when it closes.
#pragma once

#include "WinApp.h"

class CReadmeApp : public CWinApp {
public:
    bool InitInstance() override;
};
