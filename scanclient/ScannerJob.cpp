#include "ScannerJob.h"

#include "ScanHelperProgram.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>

namespace {

// AddressSanitizer reserves terabytes of address space for its shadow
// memory: under it the helper is bounded by its time alone.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool BoundMemory = false;
#else
constexpr bool BoundMemory = true;
#endif

// SIGTERM first, so that the helper cancels the scan and frees the
// scanner; killed if it does not end in time.
void EndNow(QProcess *process)
{
    process->terminate();
    if (!process->waitForFinished(ScannerStopSeconds * 1000)) {
        process->kill();
        process->waitForFinished(-1);
    }
}

} // namespace

ScannerJob::ScannerJob(QObject *parent) : QObject(parent), deadline_(new QTimer(this)), stopping_(new QTimer(this))
{
    qRegisterMetaType<ScannerFailure>();
    qRegisterMetaType<QList<ScannerDevice>>();
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        Stop();
    });
    stopping_->setSingleShot(true);
    stopping_->setInterval(ScannerStopSeconds * 1000);
    connect(stopping_, &QTimer::timeout, this, [this] {
        if (process_)
            process_->kill();
    });
}

ScannerJob::~ScannerJob()
{
    Abandon();
}

void ScannerJob::ListDevices()
{
    Abandon();
    file_.clear();
    Start({QStringLiteral("devices")}, ScannerListSeconds);
}

void ScannerJob::Scan(const QString &device, int dpi, const QString &file)
{
    Abandon();
    file_ = file;
    Start({QStringLiteral("acquire"), device, QStringLiteral("--dpi"), QString::number(dpi), QStringLiteral("--out"), file},
          ScannerScanSeconds);
}

void ScannerJob::Abandon()
{
    if (!process_)
        return;
    deadline_->stop();
    stopping_->stop();
    QProcess *process = process_;
    process_ = nullptr;
    process->disconnect(this);
    EndNow(process);
    process->deleteLater();
    if (!file_.isEmpty())
        QFile::remove(file_);
}

void ScannerJob::Start(const QStringList &arguments, int seconds)
{
    answer_ = {};
    seconds_ = seconds;
    cancelled_ = false;
    timedOut_ = false;
    process_ = new QProcess(this);
    process_->setStandardInputFile(QProcess::nullDevice());
    // What SANE's backends say on stderr is no answer.
    process_->setStandardErrorFile(QProcess::nullDevice());
    process_->setChildProcessModifier([] {
        if (BoundMemory) {
            const rlimit memory{rlim_t(ScannerHelperBytes), rlim_t(ScannerHelperBytes)};
            setrlimit(RLIMIT_AS, &memory);
        }
    });
    connect(process_, &QProcess::readyReadStandardOutput, this, &ScannerJob::ReadLines);
    connect(process_, &QProcess::finished, this, &ScannerJob::Done);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Done();
    });
    // With no helper found, or none that starts, Failed(HelperMissing)
    // comes from within start().
    QProcess *started = process_;
    started->start(ScanHelperProgram(), arguments);
    if (process_ == started)
        deadline_->start(seconds * 1000);
}

void ScannerJob::Cancel()
{
    if (!process_)
        return;
    cancelled_ = true;
    Stop();
}

void ScannerJob::Stop()
{
    if (!process_)
        return;
    process_->terminate();
    stopping_->start();
}

void ScannerJob::ReadLines()
{
    while (process_ && process_->canReadLine()) {
        const QJsonObject line = QJsonDocument::fromJson(process_->readLine()).object();
        if (const std::optional<double> fraction = ScannerProgressFromJson(line))
            emit Progress(*fraction);
        else if (!line.isEmpty())
            answer_ = line;
    }
}

void ScannerJob::Done()
{
    if (!process_)
        return;
    deadline_->stop();
    stopping_->stop();
    ReadLines();
    // An answer cut short by the end of the output has no newline.
    if (answer_.isEmpty())
        answer_ = QJsonDocument::fromJson(process_->readAll()).object();
    QProcess *process = process_;
    process_ = nullptr;
    process->disconnect(this);
    process->deleteLater();
    const bool started = process->error() != QProcess::FailedToStart;
    const bool answered = process->exitStatus() == QProcess::NormalExit && !answer_.isEmpty();
    // Asked to stop, the helper may have saved the scan just before: the
    // user said no, so no file stays.
    if (cancelled_ || timedOut_) {
        if (!file_.isEmpty())
            QFile::remove(file_);
        return cancelled_ ? Fail(ScannerProblem::Cancelled) : Fail(ScannerProblem::TimedOut, {}, seconds_);
    }
    if (!started)
        return Fail(ScannerProblem::HelperMissing);
    if (!answered)
        return Fail(ScannerProblem::HelperStopped);
    const ScannerProblem refused = ScannerProblemFromKey(answer_.value(QStringLiteral("refused")).toString());
    if (refused != ScannerProblem::None)
        return Fail(refused, answer_.value(QStringLiteral("detail")).toString());
    if (answer_.contains(QStringLiteral("devices"))) {
        const QList<ScannerDevice> devices = ScannerDevicesFromJson(answer_);
        if (devices.isEmpty())
            return Fail(ScannerProblem::NoDevice);
        emit Listed(devices);
        return;
    }
    const QString saved = answer_.value(QStringLiteral("saved")).toString();
    if (saved.isEmpty())
        return Fail(ScannerProblem::HelperStopped);
    emit Saved(saved, answer_.value(QStringLiteral("dpi")).toDouble());
}

void ScannerJob::Fail(ScannerProblem problem, const QString &detail, int seconds)
{
    emit Failed({problem, detail, seconds});
}
