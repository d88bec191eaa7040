#include "TestSupport.h"

#include "platform/ShellLauncher.h"

#include <QDir>
#include <QFile>
#include <QTest>

LaunchRecorder::LaunchRecorder()
{
    SetShellHandler([this](QWidget *owner, const QString &verb, const QString &target) {
        launches.push_back({owner, verb, target});
    });
}

LaunchRecorder::~LaunchRecorder()
{
    ResetShellHandler();
}

QStringList WarningCollector::lines;

namespace {
QtMessageHandler previousHandler = nullptr;
void Collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("micr-calibration:")))
        WarningCollector::lines.append(message);
    else if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

WarningCollector::WarningCollector()
{
    lines.clear();
    previousHandler = qInstallMessageHandler(Collect);
}

WarningCollector::~WarningCollector()
{
    qInstallMessageHandler(previousHandler);
}

namespace {

// Long enough for a loaded machine; a dialog not active by then is answered
// as it is.
constexpr int ActivationMilliseconds = 5000;

} // namespace

std::shared_ptr<bool> AnswerNextModal(std::function<void(QWidget *)> answer, int timeoutMs,
                                      std::function<bool(QWidget *)> wanted)
{
    auto seen = std::make_shared<bool>(false);
    auto *timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("AnswerNextModal"));
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        *waited += 20;
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && (!wanted || wanted(modal))) {
            *seen = true;
            timer->stop();
            timer->deleteLater();
            // As a person answers it: once it is the active window, so that
            // keys typed go where they would. The platform's activation
            // comes as an event of its own, which may still be on its way.
            // (A headless Wayland compositor has no seat and activates no
            // window at all.)
            if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
                QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }, ActivationMilliseconds);
            answer(modal);
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
    return seen;
}

void StopAnsweringModals()
{
    for (QTimer *timer : qApp->findChildren<QTimer *>(QStringLiteral("AnswerNextModal"), Qt::FindDirectChildrenOnly))
        delete timer;
}

std::shared_ptr<bool> RejectNextModal()
{
    return AnswerNextModal([](QWidget *modal) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    });
}
