// The main dialog and the About box, driven through their real widgets.
#include "GuiTest.h"
#include "ReadmeDlg.h"
#include "ResourceIds.h"

#include <QLabel>
#include <QMenu>
#include <QTest>

using MainDialogTest = GuiTest;

TEST_F(MainDialogTest, EscapeTheCloseButtonAndTheCloseBoxEndItWithCancel)
{
    const std::function<void(CReadmeDlg&, QWidget*)> ways[] = {
        [](CReadmeDlg&, QWidget* window) { PressKey(window, Qt::Key_Escape); },
        [](CReadmeDlg& dlg, QWidget*) {
            QTest::mouseClick(dlg.GetDlgItem(IDCANCEL), Qt::LeftButton);
        },
        [](CReadmeDlg&, QWidget* window) { window->close(); },
    };
    for (const auto& close : ways) {
        CReadmeDlg dlg;
        WhenModalShown([&](QWidget* window) { close(dlg, window); });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
}

TEST_F(MainDialogTest, LooksAsItsTemplateSays)
{
    CReadmeDlg dlg;
    WhenModalShown([&](QWidget* window) {
        EXPECT_EQ(window->windowTitle(), "Cairnwright Readme Tool");
        EXPECT_FALSE(window->windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        const QIcon icon = window->windowIcon();
        EXPECT_EQ(icon.availableSizes(), QList<QSize>({QSize(32, 32), QSize(16, 16)}));
        EXPECT_EQ(QApplication::focusWidget(), dlg.GetDlgItem(IDC_BEGIN));
        // Enter presses the button that has the focus: here About..., which opens the About box.
        dlg.GetDlgItem(IDC_ABOUT)->setFocus();
        WhenModalShown([](QWidget* about) { PressKey(about, Qt::Key_Return); });
        PressKey(window, Qt::Key_Return);
        PressKey(window, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(MainDialogTest, AboutButtonAndSystemMenuEntryShowTheAboutBox)
{
    CReadmeDlg dlg;
    QStringList aboutTexts;
    int aboutShown = 0;
    const auto readAbout = [&](QWidget* about) {
        ++aboutShown;
        EXPECT_EQ(about->windowTitle(), "About cwreadme");
        aboutTexts.clear();
        for (QLabel* label : about->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                aboutTexts << label->text();
        EXPECT_FALSE(about->findChildren<QLabel*>().front()->pixmap().isNull());
        QTest::mouseClick(Button(about, "OK"), Qt::LeftButton);
    };
    WhenModalShown([&](QWidget* window) {
        WhenModalShown(readAbout);
        QTest::mouseClick(dlg.GetDlgItem(IDC_ABOUT), Qt::LeftButton);

        auto* menu = window->findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_GE(actions.size(), 2);
        EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
        EXPECT_EQ(actions.back()->text(), "&About cwreadme...");
        WhenModalShown(readAbout);
        actions.back()->trigger();
        window->close();
    });
    dlg.DoModal();
    EXPECT_EQ(aboutShown, 2);
    EXPECT_TRUE(aboutTexts.contains("Cairnwright Readme Generator Utility Version 1.0"));
}
