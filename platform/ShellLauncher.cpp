#include "ShellLauncher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {
ShellHandler &CurrentHandler()
{
    static ShellHandler handler = OpenWithDesktop;
    return handler;
}

bool IsWebAddress(const QString &target)
{
    const QUrl url(target, QUrl::StrictMode);
    return url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1;
}
} // namespace

void SetShellHandler(ShellHandler handler)
{
    CurrentHandler() = std::move(handler);
}

void ResetShellHandler()
{
    CurrentHandler() = OpenWithDesktop;
}

void OpenWithShell(QWidget *owner, const QString &verb, const QString &target)
{
    CurrentHandler()(owner, verb, target);
}

QWidget *OwnerWindow(const QWidget *form)
{
    QWidget *owner = form ? form->parentWidget() : nullptr;
    return owner && owner->isWindow() ? owner : nullptr;
}

void OpenWithDesktop(QWidget * /*owner*/, const QString & /*verb*/, const QString &target)
{
    // "open" and the default action are the same thing to a Linux desktop.
    if (IsWebAddress(target)) {
        QDesktopServices::openUrl(QUrl(target));
        return;
    }
    const QFileInfo document(QDir::current(), target);
    if (!document.exists()) {
        // Nothing to hand over; the program shows nothing and goes on.
        std::fprintf(stderr, "micr-calibration: %s is not in %s\n", qPrintable(target),
                     QDir::currentPath().toLocal8Bit().constData());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(document.absoluteFilePath()));
}
