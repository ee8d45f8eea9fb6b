// Dialogs built from templates: tab order, message maps, failures in handlers, help.
#include "Dialog.h"
#include "FileException.h"
#include "GuiTest.h"
#include "Help.h"
#include "ResourceIds.h"

#include <QLabel>
#include <QTest>

#include <cerrno>
#include <new>

namespace {

// The main dialog's template with a map that binds Begin only.
class BeginDialog : public CDialog {
public:
    BeginDialog() : CDialog(IDD_CWREADME_DIALOG) { UseMessageMap(messageMap); }

    std::function<void()> onBegin = [] {};
    int begun = 0;

private:
    void OnBegin()
    {
        ++begun;
        onBegin();
    }
    static const MessageMap<BeginDialog> messageMap;
};

const MessageMap<BeginDialog> BeginDialog::messageMap = {
    {BN_CLICKED, IDC_BEGIN, &BeginDialog::OnBegin},
};

std::vector<int> TabOrder(CWnd& dialog, int stops)
{
    std::vector<int> ids;
    for (int i = 0; i < stops; ++i) {
        QWidget* focus = QApplication::focusWidget();
        int id = 0;
        for (int candidate = 1; candidate < 1100 && id == 0; ++candidate)
            if (QWidget* control = dialog.GetDlgItem(candidate))
                if (control == focus || control->isAncestorOf(focus))
                    id = candidate;
        ids.push_back(id);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return ids;
}

} // namespace

using DialogTest = GuiTest;

TEST_F(DialogTest, TabOrderIsTemplateOrderStartingAtTheFirstStop)
{
    const struct {
        int templateId;
        std::vector<int> order;
    } cases[] = {
        {IDD_CWREADME_DIALOG, {IDC_BEGIN, IDCANCEL, IDC_ABOUT, IDC_BEGIN}},
        {IDD_PLAYINFO,
         {IDC_LEVELNAME, IDC_GAMETYPE, IDC_SINGLEPLAYER, IDC_COOPERATIVE, IDC_DEATHMATCH,
          IDC_DARKMATCH, IDC_BOTS, IDC_DIFFICULTY, IDC_NEWGRAPHICS, IDC_NEWFILES, IDC_LEVELNAME}},
    };
    for (const auto& c : cases) {
        CDialog dialog(c.templateId);
        std::vector<int> seen;
        WhenModalShown([&](QWidget* window) {
            seen = TabOrder(dialog, static_cast<int>(c.order.size()));
            window->close();
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(seen, c.order) << "template " << c.templateId;
    }
}

TEST_F(DialogTest, MessageMapRunsTheBoundMemberOnly)
{
    BeginDialog dialog;
    WhenModalShown([&](QWidget*) {
        QTest::mouseClick(dialog.GetDlgItem(IDC_BEGIN), Qt::LeftButton);
        QTest::mouseClick(dialog.GetDlgItem(IDC_ABOUT), Qt::LeftButton);
        EXPECT_EQ(dialog.begun, 1);
        QTest::keyClick(dialog.GetDlgItem(IDC_BEGIN), Qt::Key_Space);
        EXPECT_EQ(dialog.begun, 2);
        QTest::mouseClick(dialog.GetDlgItem(IDCANCEL), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(DialogTest, EscapeAndTheCloseBoxEndWithCancel)
{
    for (const bool escape : {true, false}) {
        CDialog dialog(IDD_ABOUTBOX);
        WhenModalShown([&](QWidget* window) {
            if (escape)
                QTest::keyClick(window, Qt::Key_Escape);
            else
                window->close();
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
}

TEST_F(DialogTest, AFailureInAHandlerIsReportedAndTheDialogStaysOpen)
{
    const struct {
        std::function<void()> fail;
        const char* text;
        unsigned flags;
    } cases[] = {
        {[] { throw CFileException("/tmp/castle.htm", ENOSPC); },
         "Disk full while accessing /tmp/castle.htm.", MB_ICONSTOP},
        {[] { throw CFileException("/nowhere/castle.htm", ENOENT); },
         "Could not write the file /nowhere/castle.htm.\nNo such file or directory.", MB_ICONSTOP},
        {[] { throw std::bad_alloc(); }, "Out of memory.", MB_ICONEXCLAMATION},
    };
    for (const auto& c : cases) {
        ScriptedMessageBoxes boxes;
        boxes.Expect(c.text, "cwreadme", c.flags, IDOK);
        BeginDialog dialog;
        dialog.onBegin = c.fail;
        WhenModalShown([&](QWidget* window) {
            QTest::mouseClick(dialog.GetDlgItem(IDC_BEGIN), Qt::LeftButton);
            EXPECT_TRUE(boxes.AllShown());
            EXPECT_TRUE(window->isVisible());
            QTest::mouseClick(dialog.GetDlgItem(IDCANCEL), Qt::LeftButton);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
}

TEST_F(DialogTest, F1ShowsTheHelpOfTheDialogAndAContextWithoutHelpSaysSo)
{
    CDialog dialog(IDD_CWREADME_DIALOG);
    WhenModalShown([&](QWidget* window) {
        QTest::keyClick(dialog.GetDlgItem(IDC_ABOUT), Qt::Key_F1);
        auto* help = window->findChild<QWidget*>("HelpWindow");
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), "cwreadme");
        EXPECT_TRUE(help->findChild<QLabel*>()->text().startsWith("Begin starts the wizard"));
        help->close();

        ScriptedMessageBoxes boxes;
        boxes.Expect("Failed to launch help.", "cwreadme", MB_ICONEXCLAMATION, IDOK);
        ShowHelp(window, 0x20000 + 999);
        window->close();
    });
    dialog.DoModal();
}

TEST_F(DialogTest, EveryTextBoxIsNamedAfterItsLabel)
{
    const struct {
        int templateId;
        int id;
        const char* name;
    } cases[] = {
        {IDD_GENINFO, IDC_TITLE, "Title"},
        {IDD_GENINFO, IDC_FILENAME, "Filename"},
        {IDD_GENINFO, IDC_OTHERMAPS, "Other Maps by Author"},
        {IDD_PLAYINFO, IDC_GAMETYPE, "Game Type"},
        {IDD_PLAYINFO, IDC_LEVELNAME, "Level Name"},
        {IDD_PLAYINFO, IDC_NEWFILES, "Filename(s)"},
        {IDD_PLAYINFO, IDC_BOTS, "Bots Supported"},
        {IDD_INSTALL, IDC_INSTALL, "Instructions for Installation"},
        {IDD_CONSTRUCT, IDC_BASE, "Level base"},
        {IDD_NOTES, IDC_NOTES, "Description / Map Notes"},
        {IDD_NOTES, IDC_BUGS, "Known bugs"},
        {IDD_COPYRIGHT, IDC_COPYRIGHT, "Copyright Information"},
    };
    for (const auto& c : cases) {
        CDialog dialog(c.templateId);
        QString name;
        WhenModalShown([&](QWidget* window) {
            QWidget* control = dialog.GetDlgItem(c.id);
            name = control->accessibleName();
            if (auto* box = qobject_cast<QAbstractButton*>(control); box && name.isEmpty())
                name = box->text(); // a check box is named by its own text
            window->close();
        });
        dialog.DoModal();
        EXPECT_EQ(name.toStdString(), c.name) << "control " << c.id;
    }
}
