#include "ScanAnalysis.h"

#include "wording/ScanWording.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <sys/resource.h>

namespace {

constexpr char HelperName[] = "micr-calibration-scan";

// AddressSanitizer reserves terabytes of address space for its shadow
// memory: under it the helper is bounded by its time alone.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool BoundMemory = false;
#else
constexpr bool BoundMemory = true;
#endif

ScanRefusal Failed(const QString &detail)
{
    return ScanRefusal{ScanProblem::Failed, 0, detail};
}

} // namespace

QStringList ScanHelperArguments(const ScanRequest &request)
{
    const PlacementLayout &layout = request.layout;
    QStringList arguments{request.task, request.file,
                          QStringLiteral("--paper-width"), QString::number(layout.paperInches.width(), 'g', 10),
                          QStringLiteral("--paper-height"), QString::number(layout.paperInches.height(), 'g', 10),
                          QStringLiteral("--cheque"), ChequeName(layout.cheque)};
    if (!request.paperFromSheet || request.customStock)
        arguments << QStringLiteral("--cheque-height") << QString::number(layout.stock.chequeInches, 'g', 10);
    arguments << QStringLiteral("--applied")
              << QStringLiteral("%1,%2").arg(layout.applied.right, 0, 'g', 10).arg(layout.applied.up, 0, 'g', 10);
    if (request.paperFromSheet)
        arguments << QStringLiteral("--paper-from-sheet");
    if (request.dpi)
        arguments << QStringLiteral("--dpi") << QString::number(*request.dpi, 'g', 10);
    if (!request.face.isEmpty())
        arguments << QStringLiteral("--face") << request.face;
    return arguments;
}

void BoundScanHelper(QProcess &helper)
{
    helper.setChildProcessModifier([] {
        if (BoundMemory) {
            const rlimit limit{ScanHelperBytes, ScanHelperBytes};
            setrlimit(RLIMIT_AS, &limit);
        }
    });
    helper.setStandardInputFile(QProcess::nullDevice());
    helper.setProcessChannelMode(QProcess::SeparateChannels);
}

std::variant<QJsonObject, ScanRefusal> ScanHelperAnswer(QProcess &helper, bool timedOut)
{
    if (helper.error() == QProcess::FailedToStart)
        return ScanHelperMissing();
    if (timedOut)
        return Failed(QCoreApplication::translate("Exporter", "no answer within %1 s").arg(ScanHelperMilliseconds / 1000));
    const QJsonObject answer = QJsonDocument::fromJson(helper.readAllStandardOutput()).object();
    if (helper.exitStatus() != QProcess::NormalExit || answer.isEmpty())
        return Failed(QCoreApplication::translate("Exporter", "the scan helper stopped (out of memory?)"));
    if (const std::optional<ScanRefusal> refusal = Wording::ScanRefusalFromJson(answer))
        return *refusal;
    return answer;
}

ScanRefusal ScanHelperMissing()
{
    return Failed(QStringLiteral("%1 is not installed").arg(QLatin1String(HelperName)));
}

ScanAnalysis::ScanAnalysis(QObject *parent) : QObject(parent), deadline_(new QTimer(this))
{
    deadline_->setSingleShot(true);
    deadline_->setInterval(ScanHelperMilliseconds);
    connect(deadline_, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        if (helper_)
            helper_->kill();
    });
}

ScanAnalysis::~ScanAnalysis()
{
    Cancel();
}

void ScanAnalysis::Start(const ScanRequest &request)
{
    Cancel();
    request_ = request;
    timedOut_ = false;
    const QString program = ScanHelperProgram();
    if (program.isEmpty()) {
        emit Refused(ScanHelperMissing());
        return;
    }
    helper_ = new QProcess(this);
    BoundScanHelper(*helper_);
    // Either ends the task: finished, or not started at all.
    connect(helper_, &QProcess::finished, this, &ScanAnalysis::Done);
    connect(helper_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Done();
    });
    helper_->start(program, ScanHelperArguments(request));
    deadline_->start();
}

void ScanAnalysis::Cancel()
{
    deadline_->stop();
    if (!helper_)
        return;
    QProcess *helper = helper_;
    helper_ = nullptr;
    helper->disconnect(this);
    helper->kill();
    helper->waitForFinished(-1);
    helper->deleteLater();
}

void ScanAnalysis::Done()
{
    if (!helper_)
        return;
    deadline_->stop();
    QProcess *helper = helper_;
    helper_ = nullptr;
    helper->disconnect(this);
    const auto answer = ScanHelperAnswer(*helper, timedOut_);
    helper->deleteLater();
    if (const auto *refusal = std::get_if<ScanRefusal>(&answer))
        emit Refused(*refusal);
    else
        emit Finished(std::get<QJsonObject>(answer));
}
