// Linked into the start-up programs: closes the first window as soon as it is shown, so that a
// start can be timed from launch to the first dialog on screen and back out.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class CloseWhenShown : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QTimer::singleShot(0, static_cast<QWidget*>(watched), &QWidget::close);
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }
};

void Install()
{
    QCoreApplication::instance()->installEventFilter(new CloseWhenShown);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
