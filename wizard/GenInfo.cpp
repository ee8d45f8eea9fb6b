#include "GenInfo.h"

#include "DataExchange.h"
#include "PropertySheet.h"
#include "ReadmeFile.h"
#include "ResourceIds.h"
#include "WizardTexts.h"

CGenInfo::CGenInfo() : CPropertyPage(IDD_GENINFO) {}

void CGenInfo::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_AUTHOR, m_strAuthor);
    DDX_Text(pDX, IDC_EMAIL, m_strEmail);
    DDX_Text(pDX, IDC_FILENAME, m_strFilename);
    DDX_Text(pDX, IDC_OTHERMAPS, m_strOtherMaps);
    DDX_Text(pDX, IDC_RELEASEDATE, m_strReleaseDate);
    DDX_Text(pDX, IDC_TITLE, m_strTitle);
    DDX_Text(pDX, IDC_WEBURL, m_strWebURL);
}

bool CGenInfo::OnSetActive()
{
    GetParentSheet()->SetWizardButtons(PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

bool CGenInfo::OnWizardNext()
{
    UpdateData(true);
    for (const CString* field : {&m_strAuthor, &m_strEmail, &m_strOtherMaps, &m_strFilename,
                                 &m_strReleaseDate, &m_strTitle, &m_strWebURL}) {
        if (field->empty()) {
            MessageBox("You left one or more field blank!\nPlease fill them all in to continue.",
                       kErrorCaption, MB_ICONEXCLAMATION);
            return false;
        }
    }
    if (!HasLevelExtension(m_strFilename)) {
        MessageBox("The filename for your level is invalid.\nPlease enter a valid filename.",
                   kErrorCaption, MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}
