#include "ReadmeDlg.h"

#include "AboutDlg.h"
#include "ReadmeRun.h"
#include "ResourceIds.h"
#include "Resources.h"
#include "WinApp.h"

namespace {
constexpr unsigned IDM_ABOUTBOX = 0x0010;
}

const MessageMap<CReadmeDlg> CReadmeDlg::messageMap = {
    {BN_CLICKED, IDC_BEGIN, &CReadmeDlg::OnBegin},
    {BN_CLICKED, IDC_ABOUT, &CReadmeDlg::OnAbout},
};

CReadmeDlg::CReadmeDlg(CWnd* parent)
    : CDialog(IDD_CWREADME_DIALOG, parent), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME))
{
    UseMessageMap(messageMap);
}

bool CReadmeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CMenu* systemMenu = GetSystemMenu()) {
        const CString about = FindString(IDS_ABOUTBOX);
        if (!about.empty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    SetIcon(m_hIcon);
    return true;
}

void CReadmeDlg::OnSysCommand(unsigned id)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        OnAbout();
    else
        CDialog::OnSysCommand(id);
}

void CReadmeDlg::OnBegin()
{
    RunReadmeWizard(*this);
}

void CReadmeDlg::OnAbout()
{
    CAboutDlg about;
    about.DoModal();
}
