#pragma once

#include <QString>

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

} // namespace Platform
