// Page 4: construction facts; blanks get default texts.
#pragma once

#include "BackNextPage.h"

class CConstructDlg : public CBackNextPage {
public:
    CConstructDlg();

    bool OnWizardNext() override;

    CString m_strConsTime;
    CString m_strEditors;
    CString m_strBase;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void Default(CString& field, int id, const char* text);
};
