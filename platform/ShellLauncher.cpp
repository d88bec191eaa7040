#include "ShellLauncher.h"

#include "DataFiles.h"
#include "ErrorBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <memory>

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

constexpr auto ChmType = "application/vnd.ms-htmlhelp";

// Translated when said, not when the program starts.
QString WebBrowser()
{
    return QCoreApplication::translate("ShellLauncher", "a web browser (for example firefox-esr or chromium)");
}

// What opens a type of file, for the message when nothing does.
QString HandlerFor(const QString &mimeType)
{
    if (mimeType == QLatin1String(ChmType))
        return QCoreApplication::translate("ShellLauncher", "a CHM help viewer (for example xchm or kchmviewer)");
    if (mimeType == QLatin1String("application/pdf"))
        return QCoreApplication::translate("ShellLauncher", "a PDF viewer (for example evince, okular or atril)");
    return QCoreApplication::translate("ShellLauncher", "an application that opens %1 files").arg(mimeType);
}

// Says that `shown` could not be opened and what to install; the name or
// address can be selected and copied.
void ShowCannotOpen(QWidget *owner, const QString &shown, const QString &reason)
{
    QMessageBox box(QMessageBox::Warning, Platform::ApplicationTitle(),
                    QCoreApplication::translate("ShellLauncher", "Cannot open %1").arg(shown), QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("CannotOpenBox"));
    box.setInformativeText(reason);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

// Asks the desktop, through xdg-mime, whether it names an application for
// a type of file, and calls `answer` with what it says once it has said it:
// the GUI goes on meanwhile. When it cannot be asked (no xdg-mime, or no
// answer within a few seconds), the answer is yes and the opener is left to
// find out.
void AskDesktopHandles(const QString &mimeType, const std::function<void(bool)> &answer)
{
    constexpr int PatienceMs = 5000;
    auto *query = new QProcess(qApp);
    auto answered = std::make_shared<bool>(false);
    const auto reply = [query, answered, answer](bool handles) {
        if (*answered)
            return;
        *answered = true;
        query->deleteLater();
        answer(handles);
    };
    QObject::connect(query, &QProcess::finished, query, [query, reply](int, QProcess::ExitStatus status) {
        reply(status != QProcess::NormalExit || !query->readAllStandardOutput().trimmed().isEmpty());
    });
    QObject::connect(query, &QProcess::errorOccurred, query, [reply](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            reply(true);
    });
    QTimer::singleShot(PatienceMs, query, [query, reply] {
        reply(true);
        query->kill();
    });
    query->start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
}

// Hands `url` (an address or a file's path) to xdg-open and returns at once; if the desktop then reports
// that nothing could open it, says so.
void Launch(QWidget *owner, const QString &url, const QString &shown, const QString &handler)
{
    auto *opener = new QProcess(qApp);
    QPointer<QWidget> parent = owner;
    const QString reason = QCoreApplication::translate("ShellLauncher", "Nothing on this desktop opened it. Install %1, or open it yourself:\n%2")
                               .arg(handler, shown);
    QObject::connect(opener, &QProcess::finished, opener, [=](int exitCode, QProcess::ExitStatus status) {
        opener->deleteLater();
        if (status != QProcess::NormalExit || exitCode != 0)
            ShowCannotOpen(parent, shown, reason);
    });
    QObject::connect(opener, &QProcess::errorOccurred, opener, [=](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        opener->deleteLater();
        ShowCannotOpen(parent, shown,
                       QCoreApplication::translate("ShellLauncher", "xdg-open, which hands files and addresses to the desktop, is missing. "
                                      "Install xdg-utils, or open it yourself:\n%1")
                           .arg(shown));
    });
    opener->start(QStringLiteral("xdg-open"), {url});
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

void OpenWithDesktop(QWidget *owner, const QString & /*verb*/, const QString &target)
{
    // "open" and the default action are the same thing to a Linux desktop.
    if (IsWebAddress(target)) {
        Launch(owner, target, target, WebBrowser());
        return;
    }
    const QString path = Platform::LocateDataFile(target);
    if (path.isEmpty()) {
        ShowCannotOpen(owner, target,
                       QCoreApplication::translate("ShellLauncher", "It is neither in the working folder nor in the program's data folder (%1). "
                                      "Reinstall the program.")
                           .arg(Platform::DataFolders().value(0, QCoreApplication::translate("ShellLauncher", "none found"))));
        return;
    }
    const QString mimeType = QMimeDatabase().mimeTypeForFile(path).name();
    if (mimeType == QLatin1String("text/html")) {
        // A help page: xdg-open finds a browser where no default is named.
        Launch(owner, path, path, WebBrowser());
        return;
    }
    QPointer<QWidget> parent = owner;
    AskDesktopHandles(mimeType, [parent, path, mimeType](bool handles) {
        if (handles) {
            Launch(parent, path, path, HandlerFor(mimeType));
            return;
        }
        // The same help as web pages, where no CHM viewer is installed.
        const QString htmlHelp =
            mimeType == QLatin1String(ChmType)
                ? Platform::LocateDataFile(Platform::HelpInUserLanguage(QStringLiteral("help/index.html")))
                : QString();
        if (!htmlHelp.isEmpty()) {
            Launch(parent, htmlHelp, htmlHelp, WebBrowser());
            return;
        }
        ShowCannotOpen(parent, path,
                       QCoreApplication::translate("ShellLauncher", "No application on this desktop opens %1 files. Install %2.")
                           .arg(QMimeDatabase().mimeTypeForName(mimeType).comment(), HandlerFor(mimeType)));
    });
}
