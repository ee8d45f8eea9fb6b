#include "ReadmeRun.h"

#include "ReadmeFile.h"
#include "WizardDlg.h"
#include "WizardTexts.h"

ReadmeRecord FillReadmeRecord(const CWizardDlg& wizard)
{
    const CGenInfo& general = wizard.m_genInfo;
    const CPlayInfo& play = wizard.m_playInfo;
    ReadmeRecord record;
    record.title = general.m_strTitle;
    record.author = general.m_strAuthor;
    record.releaseDate = general.m_strReleaseDate;
    record.fileName = general.m_strFilename;
    record.email = general.m_strEmail;
    record.webUrl = general.m_strWebURL;
    record.otherMaps = general.m_strOtherMaps;
    record.gameType = play.m_strGameType;
    record.levelName = play.m_strLevelName;
    record.singlePlayer = YesNoText(play.m_bSinglePlayer);
    record.deathmatch = YesNoText(play.m_bDeathmatch);
    record.cooperative = YesNoText(play.m_bCooperative);
    record.botsSupported = YesNoText(play.m_bBots);
    record.darkMatch = YesNoText(play.m_bDarkMatch);
    record.difficultySettings = YesNoText(play.m_bDifficulty);
    record.newGraphicsSounds = NewGraphicsText(play.m_bNewGraphics, play.m_strNewFiles);
    record.installInstructions = wizard.m_installInfo.m_strInstall;
    record.editorsUsed = wizard.m_constructDlg.m_strEditors;
    record.levelBase = wizard.m_constructDlg.m_strBase;
    record.constructionTime = wizard.m_constructDlg.m_strConsTime;
    record.mapNotes = wizard.m_notesDlg.m_strNotes;
    record.knownBugs = wizard.m_notesDlg.m_strBugs;
    record.copyright = wizard.m_copyInfoDlg.m_strCopyright;
    return record;
}

void RunReadmeWizard(CWnd& mainDialog)
{
    CWizardDlg wizard(kToolCaption);
    wizard.SetWizardMode();
    if (wizard.DoModal() != ID_WIZFINISH)
        return;
    const CString path = CreateReadmeFile(FillReadmeRecord(wizard));
    mainDialog.MessageBox("File successfully created at " + path, "Success", MB_OK);
}
