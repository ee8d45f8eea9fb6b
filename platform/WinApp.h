// The application object and the program's start.
#pragma once

#include "CString.h"
#include "Icon.h"

class CWnd;

class CWinApp {
public:
    // There is one application object, a static one; it registers itself here.
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Runs the program; returning false ends it.
    virtual bool InitInstance() { return false; }

    HICON LoadIcon(int iconId) const { return LoadIconResourceHandle(iconId); }

    CWnd* m_pMainWnd = nullptr;
    // The executable's file name without folder and extension.
    CString m_pszAppName;
};

CWinApp* AfxGetApp();
const CString& AfxGetAppName();

// The program's start: sets up the toolkit and the application object, then runs InitInstance.
int AfxWinMain(int argc, char** argv);
