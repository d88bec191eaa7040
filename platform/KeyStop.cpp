#include "KeyStop.h"

#include "DataFiles.h"
#include "ShellLauncher.h"

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

namespace {
class HelpKey : public QObject
{
public:
    HelpKey(QWidget *window, QString page) : QObject(window), window_(window), page_(std::move(page)) {}

protected:
    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
            return false;
        OpenWithShell(window_, QStringLiteral("open"), HelpInUserLanguage(page_));
        return true;
    }

private:
    QWidget *window_;
    QString page_;
};
} // namespace

void OpenHelpOnF1(QWidget *window, const QString &page)
{
    window->installEventFilter(new HelpKey(window, page));
}


} // namespace Platform
