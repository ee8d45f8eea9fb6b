#include "Help.h"

#include "MessageBox.h"
#include "Resources.h"
#include "WinApp.h"
#include "WinDefs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

void ShowHelp(QWidget* owner, unsigned context)
{
    const char* text = FindHelpText(context);
    if (!text) {
        ShowMessageBox(owner, {"Failed to launch help.", AfxGetAppName(), MB_ICONEXCLAMATION});
        return;
    }
    // A child window of the owner, so that it takes input while the owner is modal.
    auto* help = new QWidget(owner, Qt::Tool);
    help->setObjectName(QStringLiteral("HelpWindow"));
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->setWindowTitle(QString::fromStdString(AfxGetAppName()));
    auto* label = new QLabel(QString::fromUtf8(text), help);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, help);
    QObject::connect(buttons, &QDialogButtonBox::rejected, help, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), help);
    QObject::connect(escape, &QShortcut::activated, help, &QWidget::close);
    auto* layout = new QVBoxLayout(help);
    layout->addWidget(label);
    layout->addWidget(buttons);
    help->setFixedWidth(320);
    help->show();
    buttons->button(QDialogButtonBox::Close)->setFocus();
}

void InstallHelpKey(QWidget* window, std::function<unsigned()> context)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window,
                     [window, context = std::move(context)] { ShowHelp(window, context()); });
}
