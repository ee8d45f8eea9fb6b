// Begin to Finish: the wizard walked by keyboard, the readme's bytes, the messages, and failure.
#include "ReadmeDlg.h"
#include "TempDir.h"
#include "WizardDriver.h"

namespace {

std::string Golden(const std::string& name)
{
    return ReadBytes(std::string(GOLDEN_DIR) + "/" + name);
}

void TypeHere(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// The whole road by keyboard alone: type, Tab to the next box, Enter or Alt+N for Next.
void WalkTheWizard(QWidget* sheet, CWizardDlg& wizard)
{
    TurnEventLoop();
    const auto key = [sheet](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        PressKey(sheet, k, m);
    };
    // Enter presses Next from a one-line box; in a multi-line box it is Alt+N.
    const auto enterNext = [&](int page) {
        key(Qt::Key_Return);
        TurnEventLoop();
        EXPECT_EQ(wizard.GetActiveIndex(), page);
    };
    const auto next = [&](int page) {
        key(Qt::Key_N, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return wizard.GetActiveIndex() == page; }));
        TurnEventLoop();
    };

    for (const char* text : {"Castle Keep", "A. Builder", "11 December 2026", "castle.vxm",
                             "builder@example.org", "www.example.org/castle", "None."}) {
        TypeHere(text);
        key(Qt::Key_Tab);
    }
    enterNext(1);

    TypeHere("CTF-Keep");
    key(Qt::Key_Tab);
    TypeHere("VMA: Capture The Flag");
    for (const bool tick : {true, false, true, false, true, false, true}) {
        key(Qt::Key_Tab); // single player, cooperative, deathmatch, dark match, bots, difficulty,
                          // new
        if (tick)
            key(Qt::Key_Space);
    }
    key(Qt::Key_Tab);
    TypeHere("keep.utx, keep.uax");
    enterNext(2);

    TypeHere("Unzip into the Maps folder.");
    key(Qt::Key_Return); // a new line inside the box, not Next
    TypeHere("Start the game.");
    next(3);

    TypeHere("Cairnwright");
    key(Qt::Key_Tab);
    key(Qt::Key_Tab); // the level base stays blank
    TypeHere("2 weeks");
    enterNext(4);

    TypeHere("A keep on a hill.");
    key(Qt::Key_Return);
    TypeHere("Two towers & a <moat>.");
    key(Qt::Key_Tab);
    TypeHere("None.");
    next(5);

    key(Qt::Key_Space); // the focus is on the standard-notice box
    key(Qt::Key_F, Qt::AltModifier);
}

} // namespace

using ReadmeRunTest = GuiTest;

TEST_F(ReadmeRunTest, TheRoadOfOneReadmeByKeyboard)
{
    TempDir dir;
    CurrentDir here(dir.path());
    const std::string cwd = std::filesystem::current_path().string();
    ScriptedMessageBoxes boxes;
    boxes.Expect("File successfully created at " + cwd + "/castle.htm", "Success", MB_OK, IDOK);

    CReadmeDlg dlg;
    WhenModalShown([&](QWidget* main) {
        WhenModalShown([&](QWidget* sheet) { WalkTheWizard(sheet, WizardOf(sheet)); });
        PressKey(main, Qt::Key_Return); // Begin has the focus
        EXPECT_TRUE(boxes.AllShown());
        EXPECT_TRUE(main->isVisible());
        PressKey(main, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(ReadBytes("castle.htm"), Golden("road.htm"));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"castle.htm"});
}

TEST_F(ReadmeRunTest, AReadmeThatCannotBeWrittenIsReportedAndTheMainDialogStays)
{
    TempDir dir;
    CurrentDir here(dir.path());
    const std::string path = std::filesystem::current_path().string() + "/nowhere/castle.htm";
    ScriptedMessageBoxes boxes;
    BeginFromMainDialog([&](WizardDriver& w) {
        w.GoTo(5, boxes, {{IDC_FILENAME, "nowhere/castle.vxm"}});
        w.Type(w.wizard.m_copyInfoDlg, IDC_COPYRIGHT, "Mine.");
        boxes.Expect("Could not write the file " + path + ".\nNo such file or directory.",
                     "cwreadme", MB_ICONSTOP, IDOK);
        w.Finish();
    });
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_TRUE(dir.names().empty());
}
