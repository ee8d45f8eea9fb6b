// Page 1: the seven facts that head every readme; all are required.
#pragma once

#include "PropertyPage.h"

class CGenInfo : public CPropertyPage {
public:
    CGenInfo();

    bool OnSetActive() override;
    bool OnWizardNext() override;

    CString m_strAuthor;
    CString m_strEmail;
    CString m_strFilename;
    CString m_strOtherMaps;
    CString m_strReleaseDate;
    CString m_strTitle;
    CString m_strWebURL;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
