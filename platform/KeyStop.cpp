#include "KeyStop.h"

#include <QKeyEvent>
#include <QWidget>

namespace Platform {

KeyStop::KeyStop(QWidget *control, int key) : QObject(control), key_(key)
{
    control->installEventFilter(this);
}

bool KeyStop::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        && static_cast<QKeyEvent *>(event)->key() == key_) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Platform
