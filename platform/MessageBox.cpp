#include "MessageBox.h"

#include "WinDefs.h"

#include <QMessageBox>

namespace {

MessageBoxHandler& Handler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon IconFor(unsigned flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

void SetMessageBoxHandler(MessageBoxHandler handler)
{
    Handler() = std::move(handler);
}

int ShowMessageBox(QWidget* owner, const MessageBoxRequest& request)
{
    if (Handler())
        return Handler()(request);

    QMessageBox box(IconFor(request.flags), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    if ((request.flags & MB_TYPEMASK) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}
