// Page 2: how the level is played; a blank game type or level name becomes "Not Specified".
#pragma once

#include "BackNextPage.h"

class CPlayInfo : public CBackNextPage {
public:
    CPlayInfo();

    bool OnWizardNext() override;

    int m_bBots = 0;
    int m_bCooperative = 0;
    int m_bDarkMatch = 0;
    int m_bDifficulty = 0;
    int m_bDeathmatch = 0;
    int m_bNewGraphics = 0;
    int m_bSinglePlayer = 0;
    CString m_strGameType;
    CString m_strLevelName;
    CString m_strNewFiles;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
