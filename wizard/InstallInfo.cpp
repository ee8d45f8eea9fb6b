#include "InstallInfo.h"

#include "ConfirmBlank.h"
#include "DataExchange.h"
#include "ResourceIds.h"

CInstallInfo::CInstallInfo() : CBackNextPage(IDD_INSTALL) {}

void CInstallInfo::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_INSTALL, m_strInstall);
}

bool CInstallInfo::OnWizardNext()
{
    UpdateData(true);
    return !m_strInstall.empty() ||
           ConfirmBlank(*this, "You haven't provided any installation information.\n"
                               "Are you sure you want to continue?");
}
