#include "StartupTrace.h"

#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace Platform {

namespace {

long PeakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget *window, bool exitThere) : QObject(window), exitThere_(exitThere) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            std::fprintf(stderr, "first-paint peak-rss-kb=%ld\n", PeakResidentKilobytes());
            std::fflush(stderr);
            if (exitThere_)
                std::_Exit(0);
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    bool exitThere_;
};

} // namespace

void TraceFirstPaint(QWidget *window)
{
    const QByteArray mode = qgetenv("MICR_STARTUP_TRACE");
    if (mode.isEmpty())
        return;
    window->installEventFilter(new FirstPaintWatch(window, mode == "exit"));
}

} // namespace Platform
