#pragma once

#include <QString>

#include <exception>

class QWidget;

namespace Platform {

// The application's title: the caption of its error boxes.
void SetApplicationTitle(const QString &title);
QString ApplicationTitle();

// The message as the error box shows it: a full stop is appended when the
// last character's code is above that of the full stop.
QString WithFullStop(const QString &message);

// The standard error box: message, the application's title as caption, an
// error icon and an OK button. Modal; returns when the user dismisses it.
void ShowErrorBox(const QString &message);

// Runs a handler's work and shows a failure it raises in the error box, as
// the event loop would. Qt's own code is not exception-safe, so a handler
// that can fail catches here rather than let the failure unwind through Qt.
template <class Work> void ShowingErrors(Work &&work)
{
    try {
        work();
    } catch (const std::exception &error) {
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace Platform
