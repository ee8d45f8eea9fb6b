#include "WizardDlg.h"

CWizardDlg::CWizardDlg(const CString& caption, CWnd* parent, unsigned startPage)
    : CPropertySheet(caption, parent, startPage)
{
    AddPage(&m_genInfo);
    AddPage(&m_playInfo);
    AddPage(&m_installInfo);
    AddPage(&m_constructDlg);
    AddPage(&m_notesDlg);
    AddPage(&m_copyInfoDlg);
}
