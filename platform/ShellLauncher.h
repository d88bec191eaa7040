#pragma once

#include <QString>

#include <functional>

class QWidget;

// Hands a document or a web address to the desktop's default handler and
// returns at once. The target is a file name relative to the working
// directory, or a web address. The verb is empty (the default action) or
// "open"; the owner is the window whose messages the handler may parent.
// Nothing is reported back: callers rely on the request being made, no more.
void OpenWithShell(QWidget *owner, const QString &verb, const QString &target);

// The owner window for a launch from a handler of `form`: the form's own
// owner when that is a window, otherwise the application's (null: the
// application has no window of its own in Qt).
QWidget *OwnerWindow(const QWidget *form);

// Where launches go. Tests put a recorder here so nothing is really opened.
using ShellHandler = std::function<void(QWidget *owner, const QString &verb, const QString &target)>;
void SetShellHandler(ShellHandler handler);
void ResetShellHandler();

// What OpenWithShell does when no other handler is set.
void OpenWithDesktop(QWidget *owner, const QString &verb, const QString &target);
