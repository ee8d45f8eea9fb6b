// Page 5: the level's description and known bugs; blanks need a Yes, one question at a time.
#pragma once

#include "BackNextPage.h"

class CNotesDlg : public CBackNextPage {
public:
    CNotesDlg();

    bool OnWizardNext() override;

    CString m_strBugs;
    CString m_strNotes;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
