#include "CopyInfoDlg.h"

#include "ConfirmBlank.h"
#include "PropertySheet.h"
#include "ResourceIds.h"

const char kStandardCopyrightNotice[] =
    "This level is copyright 2000 by the author of this map.\n\n<br><br>Authors may use this level "
    "as a base to build additional levels.\n\n<br><br>You are NOT allowed to commercially exploit "
    "this level, i.e. put it on a CD or any other electronic medium that is sold for money without "
    "the author's explicit permission.  This includes posting the file on "
    "ftp.example.com"
    ", who have a tendency to do so, or any other major ftp that bundles CD-ROMs out of what they "
    "carry."
    "\n\n<br><br>You MAY distribute this level through any electronic network (internet, FIDO, "
    "local BBS etc.), provided you include this file and leave the archive intact.";

const MessageMap<CCopyInfoDlg> CCopyInfoDlg::messageMap = {
    {BN_CLICKED, IDC_STDCOPYRIGHT, &CCopyInfoDlg::OnStdCopyright},
};

CCopyInfoDlg::CCopyInfoDlg() : CPropertyPage(IDD_COPYRIGHT)
{
    UseMessageMap(messageMap);
}

void CCopyInfoDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_COPYRIGHT, m_ctlCopyright);
    DDX_Text(pDX, IDC_COPYRIGHT, m_strCopyright);
    DDX_Check(pDX, IDC_STDCOPYRIGHT, m_bStdCopyright);
}

bool CCopyInfoDlg::OnSetActive()
{
    GetParentSheet()->SetWizardButtons(PSWIZB_FINISH);
    return CPropertyPage::OnSetActive();
}

// Checking the box puts the notice in place of the text and keeps that text; clearing it gives
// the text back, unless the notice was edited meanwhile.
void CCopyInfoDlg::OnStdCopyright()
{
    UpdateData(true);
    if (m_bStdCopyright == 1) {
        m_strTextBeforeNotice = m_strCopyright;
        m_strCopyright = kStandardCopyrightNotice;
    } else if (m_strCopyright == kStandardCopyrightNotice) {
        m_strCopyright = m_strTextBeforeNotice;
    }
    UpdateData(false);
}

bool CCopyInfoDlg::OnWizardFinish()
{
    UpdateData(true);
    return !m_strCopyright.empty() ||
           ConfirmBlank(*this,
                        "You have not provided any copyright information.\nSure to continue?");
}
