// Helpers for tests that drive real widgets on the offscreen platform.
#pragma once

#include "MessageBox.h"
#include "WinDefs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>

// The message boxes a test expects, in order, with the answers it gives. A box it did not expect
// fails the test (and is answered No or OK); so does an expected box that never came.
class ScriptedMessageBoxes {
public:
    ScriptedMessageBoxes()
    {
        SetMessageBoxHandler([this](const MessageBoxRequest& shown) { return Answer(shown); });
    }
    ~ScriptedMessageBoxes()
    {
        SetMessageBoxHandler({});
        for (const Expected& e : m_expected)
            ADD_FAILURE() << "message box never shown: " << e.box.text;
    }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    ScriptedMessageBoxes& Expect(const CString& text, const CString& caption, unsigned flags,
                                 int answer)
    {
        m_expected.push_back({{text, caption, flags}, answer});
        return *this;
    }
    bool AllShown() const { return m_expected.empty(); }

private:
    struct Expected {
        MessageBoxRequest box;
        int answer;
    };

    int Answer(const MessageBoxRequest& shown)
    {
        const int refusal = (shown.flags & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected message box: \"" << shown.text << "\" (" << shown.caption
                          << ", flags " << shown.flags << ")";
            return refusal;
        }
        const Expected e = m_expected.front();
        m_expected.pop_front();
        EXPECT_EQ(shown.text, e.box.text);
        EXPECT_EQ(shown.caption, e.box.caption);
        EXPECT_EQ(shown.flags, e.box.flags) << shown.text;
        return e.answer;
    }

    std::deque<Expected> m_expected;
};

// Runs `action` on the next modal window that opens, from inside its modal loop. If none opens
// within five seconds the test fails and the modal window there is, if any, is closed.
inline void WhenModalShown(std::function<void(QWidget*)> action)
{
    QWidget* before = QApplication::activeModalWidget();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    auto* timer = new QTimer;
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before && modal->isVisible()) {
            timer->deleteLater();
            timer->stop();
            modal->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
            action(modal);
        } else if (std::chrono::steady_clock::now() > deadline) {
            timer->deleteLater();
            timer->stop();
            ADD_FAILURE() << "no modal window opened";
            if (modal)
                modal->close();
        }
    });
    timer->start();
}

// Types a key into a window the way the window system does, so that shortcuts and mnemonics
// work, and the key goes to the window's focus widget.
inline void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

// Lets posted requests, such as the wizard's button changes, take effect.
inline void TurnEventLoop()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The push button of `window` with this text (mnemonics included).
inline QAbstractButton* Button(QWidget* window, const QString& text)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text() == text)
            return button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

// The visible windows left open: none should be, once a test is over.
inline QStringList OpenWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            open << (w->windowTitle() + " (" + w->metaObject()->className() + ")");
    return open;
}

// A GUI test fails when it leaves a window open.
class GuiTest : public testing::Test {
protected:
    void TearDown() override
    {
        const QStringList open = OpenWindows();
        EXPECT_TRUE(open.isEmpty()) << "left open: " << open.join(", ").toStdString();
    }
};
