#include "PlayInfo.h"

#include "DataExchange.h"
#include "ResourceIds.h"
#include "WizardTexts.h"

CPlayInfo::CPlayInfo() : CBackNextPage(IDD_PLAYINFO) {}

void CPlayInfo::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_BOTS, m_bBots);
    DDX_Check(pDX, IDC_COOPERATIVE, m_bCooperative);
    DDX_Check(pDX, IDC_DARKMATCH, m_bDarkMatch);
    DDX_Check(pDX, IDC_DIFFICULTY, m_bDifficulty);
    DDX_Check(pDX, IDC_DEATHMATCH, m_bDeathmatch);
    DDX_Check(pDX, IDC_NEWGRAPHICS, m_bNewGraphics);
    DDX_Check(pDX, IDC_SINGLEPLAYER, m_bSinglePlayer);
    DDX_CBString(pDX, IDC_GAMETYPE, m_strGameType);
    DDX_Text(pDX, IDC_LEVELNAME, m_strLevelName);
    DDX_Text(pDX, IDC_NEWFILES, m_strNewFiles);
}

bool CPlayInfo::OnWizardNext()
{
    UpdateData(true);
    // The boxes show the default too, so that reading them on leaving the page keeps it.
    if (m_strLevelName.empty()) {
        m_strLevelName = kNotSpecified;
        SetDlgItemText(IDC_LEVELNAME, m_strLevelName);
    }
    if (m_strGameType.empty()) {
        m_strGameType = kNotSpecified;
        SetDlgItemText(IDC_GAMETYPE, m_strGameType);
    }
    return true;
}
