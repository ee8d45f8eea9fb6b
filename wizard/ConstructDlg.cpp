#include "ConstructDlg.h"

#include "DataExchange.h"
#include "ResourceIds.h"
#include "WizardTexts.h"

CConstructDlg::CConstructDlg() : CBackNextPage(IDD_CONSTRUCT) {}

void CConstructDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_CONSTIME, m_strConsTime);
    DDX_Text(pDX, IDC_EDITORS, m_strEditors);
    DDX_Text(pDX, IDC_BASE, m_strBase);
}

bool CConstructDlg::OnWizardNext()
{
    UpdateData(true);
    Default(m_strEditors, IDC_EDITORS, "Cairnwright");
    Default(m_strConsTime, IDC_CONSTIME, kNotSpecified);
    Default(m_strBase, IDC_BASE, kNotSpecified);
    return true;
}

// A blank field and its box get the default, so that reading the box on leaving keeps it.
void CConstructDlg::Default(CString& field, int id, const char* text)
{
    if (!field.empty())
        return;
    field = text;
    SetDlgItemText(id, field);
}
