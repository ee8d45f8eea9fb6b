// Page 6: the copyright terms, with a ready-made standard notice, and the wizard's Finish.
#pragma once

#include "DataExchange.h"
#include "PropertyPage.h"

extern const char kStandardCopyrightNotice[];

class CCopyInfoDlg : public CPropertyPage {
public:
    CCopyInfoDlg();

    bool OnSetActive() override;
    bool OnWizardFinish() override;

    CEdit m_ctlCopyright;
    CString m_strCopyright;
    int m_bStdCopyright = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnStdCopyright();

    static const MessageMap<CCopyInfoDlg> messageMap;
    CString m_strTextBeforeNotice; // given back when the notice box is cleared
};
