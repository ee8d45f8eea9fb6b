// Page 3: installation instructions; leaving them blank needs a Yes.
#pragma once

#include "BackNextPage.h"

class CInstallInfo : public CBackNextPage {
public:
    CInstallInfo();

    bool OnWizardNext() override;

    CString m_strInstall;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
