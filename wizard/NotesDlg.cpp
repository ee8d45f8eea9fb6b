#include "NotesDlg.h"

#include "ConfirmBlank.h"
#include "DataExchange.h"
#include "ResourceIds.h"

CNotesDlg::CNotesDlg() : CBackNextPage(IDD_NOTES) {}

void CNotesDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_BUGS, m_strBugs);
    DDX_Text(pDX, IDC_NOTES, m_strNotes);
}

bool CNotesDlg::OnWizardNext()
{
    UpdateData(true);
    if (m_strNotes.empty())
        return ConfirmBlank(*this, "You have not provided any level notes. Sure to continue?");
    if (m_strBugs.empty())
        return ConfirmBlank(*this,
                            "You have not provided any known bug warnings. Sure to continue?");
    return true;
}
