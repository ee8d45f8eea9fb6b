// The wizard sheet: posted button requests, Next and Back through page checks, Finish, Help.
#include "GuiTest.h"
#include "PropertyPage.h"
#include "PropertySheet.h"
#include "ResourceIds.h"

#include <QLabel>
#include <QTest>

namespace {

class Page : public CPropertyPage {
public:
    Page(int templateId, unsigned buttons) : CPropertyPage(templateId), m_buttons(buttons) {}
    bool OnSetActive() override
    {
        GetParentSheet()->SetWizardButtons(m_buttons);
        return CPropertyPage::OnSetActive();
    }
    bool OnWizardNext() override
    {
        ++nextChecks;
        return advance;
    }
    bool OnWizardFinish() override { return advance; }

    bool advance = true;
    int nextChecks = 0;

private:
    unsigned m_buttons;
};

struct Wizard {
    Page first{IDD_GENINFO, PSWIZB_NEXT};
    Page middle{IDD_PLAYINFO, PSWIZB_BACK | PSWIZB_NEXT};
    Page last{IDD_COPYRIGHT, PSWIZB_FINISH};
    CPropertySheet sheet{"Cairnwright Readme Tool"};

    Wizard()
    {
        sheet.AddPage(&first);
        sheet.AddPage(&middle);
        sheet.AddPage(&last);
        sheet.SetWizardMode();
    }
};

} // namespace

using WizardSheetTest = GuiTest;

TEST_F(WizardSheetTest, ButtonRequestsTakeEffectWhenTheEventLoopTurns)
{
    Wizard wizard;
    WhenModalShown([&](QWidget* window) {
        QAbstractButton* back = Button(window, "< &Back");
        QAbstractButton* next = Button(window, "&Next >");
        QAbstractButton* finish = Button(window, "&Finish");
        EXPECT_EQ(window->windowTitle(), "Cairnwright Readme Tool");
        EXPECT_FALSE(back->isEnabled());

        QTest::mouseClick(next, Qt::LeftButton);
        EXPECT_EQ(wizard.sheet.GetActiveIndex(), 1);
        EXPECT_FALSE(back->isEnabled()); // the page's request is posted, not yet carried out
        TurnEventLoop();
        EXPECT_TRUE(back->isEnabled());

        wizard.sheet.SetWizardButtons(PSWIZB_FINISH);
        EXPECT_TRUE(next->isVisible());
        TurnEventLoop();
        EXPECT_FALSE(next->isVisible());
        EXPECT_TRUE(finish->isVisible() && finish->isEnabled());
        EXPECT_FALSE(back->isEnabled());
        PressKey(window, Qt::Key_Escape);
    });
    EXPECT_EQ(wizard.sheet.DoModal(), IDCANCEL);
}

TEST_F(WizardSheetTest, NextMovesOnOnlyWhenThePageAgreesAndFinishEndsTheWizard)
{
    Wizard wizard;
    wizard.first.advance = false;
    WhenModalShown([&](QWidget* window) {
        TurnEventLoop();
        PressKey(window, Qt::Key_Return); // Enter presses Next
        EXPECT_EQ(wizard.first.nextChecks, 1);
        EXPECT_EQ(wizard.sheet.GetActiveIndex(), 0);

        wizard.first.advance = true;
        // A mnemonic clicks its button the way a mouse does, after a short press.
        PressKey(window, Qt::Key_N, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return wizard.sheet.GetActiveIndex() == 1; }));
        TurnEventLoop();
        PressKey(window, Qt::Key_B, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return wizard.sheet.GetActiveIndex() == 0; }));
        EXPECT_EQ(wizard.middle.nextChecks, 0); // Back asks the page nothing

        QTest::mouseClick(Button(window, "&Next >"), Qt::LeftButton);
        TurnEventLoop();
        QTest::mouseClick(Button(window, "&Next >"), Qt::LeftButton);
        TurnEventLoop();
        EXPECT_EQ(wizard.sheet.GetActiveIndex(), 2);
        wizard.last.advance = false;
        QTest::mouseClick(Button(window, "&Finish"), Qt::LeftButton);
        EXPECT_TRUE(window->isVisible());
        wizard.last.advance = true;
        PressKey(window, Qt::Key_F, Qt::AltModifier);
    });
    EXPECT_EQ(wizard.sheet.DoModal(), ID_WIZFINISH);
}

TEST_F(WizardSheetTest, HelpAndF1ShowTheHelpOfTheShownPage)
{
    Wizard wizard;
    WhenModalShown([&](QWidget* window) {
        TurnEventLoop();
        QTest::mouseClick(Button(window, "&Help"), Qt::LeftButton);
        auto* help = window->findChild<QWidget*>("HelpWindow");
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->findChild<QLabel*>()->text().startsWith("General information"));
        help->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));

        QTest::mouseClick(Button(window, "&Next >"), Qt::LeftButton);
        TurnEventLoop();
        PressKey(window, Qt::Key_F1);
        help = window->findChild<QWidget*>("HelpWindow");
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->findChild<QLabel*>()->text().startsWith("Play information"));
        window->close();
    });
    EXPECT_EQ(wizard.sheet.DoModal(), IDCANCEL);
}
