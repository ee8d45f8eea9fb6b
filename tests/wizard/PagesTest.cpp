// Pages 2 to 6: defaults for blanks, questions before going on with a blank, the notice box,
// Back and Cancel.
#include "ReadmeRun.h"
#include "TempDir.h"
#include "WizardDriver.h"

using PagesTest = WizardTest;

TEST_F(PagesTest, BlankPlayAndConstructionFieldsGetDefaultsShownAfterBack)
{
    ScriptedMessageBoxes boxes;
    Run([&](WizardDriver& w) {
        w.GoTo(3, boxes);
        w.Next(); // construction page left blank
        w.Back();
        EXPECT_EQ(w.Text(w.wizard.m_constructDlg, IDC_EDITORS), "Cairnwright");
        EXPECT_EQ(w.Text(w.wizard.m_constructDlg, IDC_BASE), "Not Specified");
        EXPECT_EQ(w.Text(w.wizard.m_constructDlg, IDC_CONSTIME), "Not Specified");
        w.Back();
        w.Back();
        EXPECT_EQ(w.Text(w.wizard.m_playInfo, IDC_LEVELNAME), "Not Specified");
        EXPECT_EQ(w.Text(w.wizard.m_playInfo, IDC_GAMETYPE), "Not Specified");
        w.Cancel();
    });
    const ReadmeRecord record = FillReadmeRecord(*wizard);
    EXPECT_EQ(record.gameType, "Not Specified");
    EXPECT_EQ(record.levelName, "Not Specified");
    EXPECT_EQ(record.editorsUsed, "Cairnwright");
    EXPECT_EQ(record.levelBase, "Not Specified");
    EXPECT_EQ(record.constructionTime, "Not Specified");
}

TEST_F(PagesTest, TheGameTypeShownAgainIsExactlyTheTextItHeld)
{
    ScriptedMessageBoxes boxes;
    Run([&](WizardDriver& w) {
        w.GoTo(1, boxes);
        w.Type(w.wizard.m_playInfo, IDC_GAMETYPE, "VMA: D");
        w.Type(w.wizard.m_playInfo, IDC_NEWFILES, "keep.utx"); // box unchecked
        w.Next();
        w.Back();
        EXPECT_EQ(w.Text(w.wizard.m_playInfo, IDC_GAMETYPE), "VMA: D");
        EXPECT_EQ(w.Text(w.wizard.m_playInfo, IDC_NEWFILES), "keep.utx");
        w.Cancel();
    });
    const ReadmeRecord record = FillReadmeRecord(*wizard);
    EXPECT_EQ(record.gameType, "VMA: D");
    EXPECT_EQ(record.newGraphicsSounds, "");
}

TEST_F(PagesTest, BlankAnswersAskAndNoStaysWithTheTextKept)
{
    const struct {
        const char* what;
        int page;
        std::function<void(WizardDriver&)> fill;
        std::vector<const char*> questions; // asked in turn; the last one is answered
        bool answerYes;
    } cases[] = {
        {"installation, No", 2, [](WizardDriver&) {}, {kInstallQuestion}, false},
        {"installation, Yes", 2, [](WizardDriver&) {}, {kInstallQuestion}, true},
        {"notes blank, No",
         4,
         [](WizardDriver& w) { w.Type(w.wizard.m_notesDlg, IDC_BUGS, "Bugs."); },
         {kNotesQuestion},
         false},
        {"notes and bugs blank, Yes asks nothing more",
         4,
         [](WizardDriver&) {},
         {kNotesQuestion},
         true},
        {"bugs blank, No",
         4,
         [](WizardDriver& w) { w.Type(w.wizard.m_notesDlg, IDC_NOTES, "Notes."); },
         {kBugsQuestion},
         false},
        {"bugs blank, Yes",
         4,
         [](WizardDriver& w) { w.Type(w.wizard.m_notesDlg, IDC_NOTES, "\n"); },
         {kBugsQuestion},
         true},
        {"notes and bugs filled",
         4,
         [](WizardDriver& w) {
             w.Type(w.wizard.m_notesDlg, IDC_NOTES, "Notes.");
             w.Type(w.wizard.m_notesDlg, IDC_BUGS, "Bugs.");
         },
         {},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedMessageBoxes boxes;
        Run([&](WizardDriver& w) {
            w.GoTo(c.page, boxes);
            c.fill(w);
            for (const char* question : c.questions)
                boxes.Expect(question, "Error!", kQuestion, c.answerYes ? IDYES : IDNO);
            w.Next();
            EXPECT_TRUE(boxes.AllShown());
            EXPECT_EQ(w.Page(), c.answerYes ? c.page + 1 : c.page);
            w.Cancel();
        });
    }
}

TEST_F(PagesTest, FinishWithABlankCopyrightAsks)
{
    for (const bool yes : {false, true}) {
        ScriptedMessageBoxes boxes;
        const int result = Run([&](WizardDriver& w) {
            w.GoTo(5, boxes);
            EXPECT_FALSE(Button(w.window, "< &Back")->isEnabled());
            EXPECT_FALSE(Button(w.window, "&Next >")->isVisible());
            boxes.Expect(kCopyrightQuestion, "Error!", kQuestion, yes ? IDYES : IDNO);
            w.Finish();
            if (!yes) {
                EXPECT_TRUE(w.window->isVisible());
                w.window->close(); // the close box, right after a refused Finish
            }
        });
        EXPECT_EQ(result, yes ? ID_WIZFINISH : IDCANCEL);
    }
}

TEST_F(PagesTest, TheNoticeBoxPutsTheNoticeInAndClearingItGivesTheTextBack)
{
    ScriptedMessageBoxes boxes;
    Run([&](WizardDriver& w) {
        CCopyInfoDlg& page = w.wizard.m_copyInfoDlg;
        w.GoTo(5, boxes);
        EXPECT_TRUE(page.m_ctlCopyright.IsAttached());
        w.Type(page, IDC_COPYRIGHT, "My own terms.\nTwo lines.");
        w.Click(page, IDC_STDCOPYRIGHT);
        EXPECT_TRUE(w.Checked(page, IDC_STDCOPYRIGHT));
        EXPECT_EQ(w.Text(page, IDC_COPYRIGHT).toStdString(), kStandardCopyrightNotice);
        w.Click(page, IDC_STDCOPYRIGHT);
        EXPECT_FALSE(w.Checked(page, IDC_STDCOPYRIGHT));
        EXPECT_EQ(w.Text(page, IDC_COPYRIGHT), "My own terms.\r\nTwo lines.");

        w.Click(page, IDC_STDCOPYRIGHT);
        w.Type(page, IDC_COPYRIGHT, " Edited.");
        w.Click(page, IDC_STDCOPYRIGHT); // the edited notice stays
        EXPECT_EQ(w.Text(page, IDC_COPYRIGHT).toStdString(),
                  std::string(kStandardCopyrightNotice) + " Edited.");
        w.Finish();
    });
    EXPECT_EQ(wizard->m_copyInfoDlg.m_strCopyright,
              std::string(kStandardCopyrightNotice) + " Edited.");
}

TEST_F(PagesTest, CancelOnAnyPageWritesNothingAndTheNextRunStartsEmpty)
{
    TempDir dir;
    CurrentDir here(dir.path());
    for (int page = 0; page < 6; ++page) {
        ScriptedMessageBoxes boxes;
        const int result = Run([&](WizardDriver& w) {
            EXPECT_EQ(w.Text(w.wizard.m_genInfo, IDC_TITLE), "");
            w.GoTo(page, boxes);
            EXPECT_EQ(w.Page(), page);
            w.Cancel();
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    EXPECT_TRUE(dir.names().empty());
}

TEST_F(PagesTest, BackToTheSecondPageAndNextRunsItsCheckAgainWithTheValuesKept)
{
    ScriptedMessageBoxes boxes;
    Run([&](WizardDriver& w) {
        w.GoTo(1, boxes);
        w.Type(w.wizard.m_playInfo, IDC_LEVELNAME, "CTF-Keep");
        w.Next();
        boxes.Expect(kInstallQuestion, "Error!", kQuestion, IDYES);
        w.Next();
        w.Next();
        w.Back();
        w.Back();
        w.Back();
        EXPECT_EQ(w.Page(), 1);
        EXPECT_EQ(w.Text(w.wizard.m_playInfo, IDC_LEVELNAME), "CTF-Keep");
        w.Next();
        EXPECT_EQ(w.Text(w.wizard.m_playInfo, IDC_GAMETYPE), "Not Specified");
        w.Cancel();
    });
    EXPECT_EQ(wizard->m_playInfo.m_strGameType, "Not Specified");
}

TEST_F(PagesTest, EnterInTheGameTypeBoxPressesNext)
{
    ScriptedMessageBoxes boxes;
    Run([&](WizardDriver& w) {
        w.GoTo(1, boxes);
        QWidget* combo = w.wizard.m_playInfo.GetDlgItem(IDC_GAMETYPE);
        combo->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), "VMA: Assault");
        PressKey(w.window, Qt::Key_Return);
        TurnEventLoop();
        EXPECT_EQ(w.Page(), 2);
        w.Cancel();
    });
    EXPECT_EQ(wizard->m_playInfo.m_strGameType, "VMA: Assault");
}
