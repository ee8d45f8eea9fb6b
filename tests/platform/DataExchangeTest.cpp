// Data exchange between fields and real controls, both ways.
#include "DataExchange.h"
#include "Dialog.h"
#include "GuiTest.h"
#include "MultiLineEdit.h"
#include "ResourceIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// The play page's controls, exchanged with plain fields.
class PlayFields : public CDialog {
public:
    PlayFields() : CDialog(IDD_PLAYINFO) {}
    CString levelName, gameType;
    int bots = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_LEVELNAME, levelName);
        DDX_CBString(pDX, IDC_GAMETYPE, gameType);
        DDX_Check(pDX, IDC_BOTS, bots);
    }
};

// The notes page's two multi-line boxes.
class NotesFields : public CDialog {
public:
    NotesFields() : CDialog(IDD_NOTES) {}
    CString notes, bugs;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NOTES, notes);
        DDX_Text(pDX, IDC_BUGS, bugs);
    }
};

QStringList Entries(QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

} // namespace

using DataExchangeTest = GuiTest;

TEST_F(DataExchangeTest, LineEditCheckBoxAndComboRoundTrip)
{
    PlayFields dialog;
    dialog.levelName = "Castle <1> & \xC3\xA9";
    dialog.bots = 1;
    WhenModalShown([&](QWidget* window) {
        auto* level = qobject_cast<QLineEdit*>(dialog.GetDlgItem(IDC_LEVELNAME));
        auto* bots = qobject_cast<QCheckBox*>(dialog.GetDlgItem(IDC_BOTS));
        auto* combo = qobject_cast<QComboBox*>(dialog.GetDlgItem(IDC_GAMETYPE));
        EXPECT_EQ(level->text(), QString::fromUtf8("Castle <1> & \xC3\xA9"));
        EXPECT_TRUE(bots->isChecked());
        EXPECT_EQ(combo->currentText(), "");
        EXPECT_EQ(Entries(combo),
                  QStringList({"", "Vexmoor: Deathmatch", "Vexmoor: SinglePlayer",
                               "Vexmoor: Skyrend Game", "VMA: Assault", "VMA: Capture The Flag",
                               "VMA: Deathmatch", "VMA: Domination"}));

        level->clear();
        QTest::keyClicks(level, "Keep");
        QTest::mouseClick(bots, Qt::LeftButton);
        QTest::keyClicks(combo->lineEdit(), "VMA: D");
        dialog.UpdateData(true);
        EXPECT_EQ(dialog.levelName, "Keep");
        EXPECT_EQ(dialog.bots, 0);
        EXPECT_EQ(dialog.gameType, "VMA: D"); // never completed to an entry
        EXPECT_EQ(combo->count(), 8);         // nor added to the list

        for (const char* text : {"VMA: D", "VMA: Deathmatch", "vma: deathmatch", "Not Specified"}) {
            dialog.gameType = text;
            dialog.UpdateData(false);
            EXPECT_EQ(combo->currentText().toStdString(), text);
            const bool isEntry =
                combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
            EXPECT_EQ(combo->currentIndex() >= 0, isEntry) << text;
            dialog.UpdateData(true);
            EXPECT_EQ(dialog.gameType, text);
        }
        window->close();
    });
    dialog.DoModal();
}

TEST_F(DataExchangeTest, MultiLineEditKeepsTypedBreaksApartFromBareLineFeeds)
{
    NotesFields dialog;
    dialog.notes = "Part A.\n\n<br><br>Part B.\r\nTyped line.";
    WhenModalShown([&](QWidget* window) {
        dialog.UpdateData(true);
        EXPECT_EQ(dialog.notes, "Part A.\n\n<br><br>Part B.\r\nTyped line.");

        auto* bugs = qobject_cast<MultiLineEdit*>(dialog.GetDlgItem(IDC_BUGS));
        QTest::keyClicks(bugs, "one");
        QTest::keyClick(bugs, Qt::Key_Return);
        QTest::keyClicks(bugs, "two");
        QTest::keyClick(bugs, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(bugs, Qt::Key_Enter);
        QTest::keyClicks(bugs, "three");
        dialog.UpdateData(true);
        EXPECT_EQ(dialog.bugs, "one\r\ntwo\r\n\r\nthree");

        QTest::keyClick(bugs, Qt::Key_Tab); // Tab moves on rather than typing a tab
        dialog.UpdateData(true);
        EXPECT_EQ(dialog.bugs, "one\r\ntwo\r\n\r\nthree");
        window->close();
    });
    dialog.DoModal();
}
