#include "ReadmeApp.h"

#include "ReadmeDlg.h"

bool CReadmeApp::InitInstance()
{
    CReadmeDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
