#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace Platform {

namespace {
QString &TitleStorage()
{
    static QString title;
    return title;
}
} // namespace

// Kept apart from QGuiApplication::applicationDisplayName, which the xcb
// platform would append to every window caption.
void SetApplicationTitle(const QString &title) { TitleStorage() = title; }
QString ApplicationTitle() { return TitleStorage(); }

QString WithFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(),
                    WithFullStop(message), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

} // namespace Platform
