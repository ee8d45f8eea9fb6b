// The main dialog: Begin starts a readme, About... shows the About box, Close ends the program.
#pragma once

#include "Dialog.h"

class CReadmeDlg : public CDialog {
public:
    explicit CReadmeDlg(CWnd* parent = nullptr);

    void OnSysCommand(unsigned id) override;

protected:
    bool OnInitDialog() override;

private:
    void OnBegin();
    void OnAbout();

    static const MessageMap<CReadmeDlg> messageMap;
    HICON m_hIcon;
};
