#include "ChequeFileClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>

namespace {

const char ReaderName[] = "micr-calibration-reader";

// Under AddressSanitizer the reader reserves terabytes of address space for
// its shadow memory, so only its time is bounded there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool BoundMemory = false;
#else
constexpr bool BoundMemory = true;
#endif

// The request: the reader's first argument names what to read, so other
// kinds of input can be added beside cheque files.
QStringList ChequeRequest(const QString &path, int pageNumber)
{
    QStringList request{QStringLiteral("cheque")};
    if (pageNumber > 0)
        request << QStringLiteral("--page") << QString::number(pageNumber);
    return request << QStringLiteral("--") << path;
}

void Prepare(QProcess &process)
{
    process.setProgram(ReaderProgram());
    process.setStandardInputFile(QProcess::nullDevice());
    // What the reader (and Ghostscript under it) says is no answer.
    process.setStandardErrorFile(QProcess::nullDevice());
    // Applied in the child before the reader starts, so they bind it (and
    // Ghostscript, which inherits them) whatever the reader does. The CPU
    // limit stops a Ghostscript left running after the reader was killed.
    process.setChildProcessModifier([] {
        if (BoundMemory) {
            const rlimit memory{rlim_t(ReaderMemoryBytes), rlim_t(ReaderMemoryBytes)};
            setrlimit(RLIMIT_AS, &memory);
        }
        const rlimit cpu{rlim_t(ReaderSeconds + 1), rlim_t(ReaderSeconds + 2)};
        setrlimit(RLIMIT_CPU, &cpu);
    });
}

ChequeFileReading Refused(const QString &path, ChequeFileProblem::Kind kind, int seconds = 0)
{
    ChequeFileReading reading;
    reading.problem.kind = kind;
    reading.problem.path = path;
    reading.problem.seconds = seconds;
    return reading;
}

// The reading the finished reader handed over, or why there is none.
ChequeFileReading Answer(QProcess &process, const QString &path, bool timedOut)
{
    using Kind = ChequeFileProblem::Kind;
    if (process.error() == QProcess::FailedToStart)
        return Refused(path, Kind::ReaderMissing);
    if (timedOut)
        return Refused(path, Kind::ReaderTimedOut, ReaderSeconds);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        if (std::optional<ChequeFileReading> reading = ChequeFileReadingFromWire(process.readAllStandardOutput())) {
            // Said with the path as the user gave it.
            reading->problem.path = path;
            return *reading;
        }
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == ReaderOutOfMemoryExit) {
        ChequeFileReading refused = Refused(path, Kind::ReaderOutOfMemory);
        refused.problem.megabytes = int(ReaderMemoryBytes >> 20);
        return refused;
    }
    return Refused(path, Kind::ReaderCrashed);
}

} // namespace

QString ReaderProgram()
{
    QString chosen = qEnvironmentVariable("MICR_CALIBRATION_READER");
    if (!chosen.isEmpty())
        return chosen;
    QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(ReaderName));
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStringLiteral(MICR_READER_DIR "/") + QLatin1String(ReaderName);
}

ChequeFileReading ReadChequeFileApart(const QString &path, int pageNumber)
{
    QProcess process;
    Prepare(process);
    process.setArguments(ChequeRequest(path, pageNumber));
    process.start();
    bool timedOut = false;
    if (process.waitForStarted(-1) && !process.waitForFinished(ReaderSeconds * 1000)) {
        timedOut = process.state() != QProcess::NotRunning;
        process.kill();
        process.waitForFinished(-1);
    }
    return Answer(process, path, timedOut);
}

ChequeFileReadingJob::ChequeFileReadingJob(QObject *parent) : QObject(parent), deadline_(new QTimer(this))
{
    deadline_->setSingleShot(true);
    deadline_->setInterval(ReaderSeconds * 1000);
    connect(deadline_, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        if (process_)
            process_->kill();
    });
}

ChequeFileReadingJob::~ChequeFileReadingJob()
{
    Cancel();
}

void ChequeFileReadingJob::Start(const QString &path)
{
    Cancel();
    path_ = path;
    timedOut_ = false;
    process_ = new QProcess(this);
    Prepare(*process_);
    process_->setArguments(ChequeRequest(path, 0));
    // Either ends the reading: finished, or not started at all.
    connect(process_, &QProcess::finished, this, &ChequeFileReadingJob::Done);
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Done();
    });
    process_->start();
    deadline_->start();
}

void ChequeFileReadingJob::Cancel()
{
    deadline_->stop();
    if (!process_)
        return;
    QProcess *process = process_;
    process_ = nullptr;
    process->disconnect(this);
    process->kill();
    process->waitForFinished(-1);
    process->deleteLater();
}

void ChequeFileReadingJob::Done()
{
    if (!process_)
        return;
    deadline_->stop();
    QProcess *process = process_;
    process_ = nullptr;
    process->disconnect(this);
    const ChequeFileReading reading = Answer(*process, path_, timedOut_);
    process->deleteLater();
    emit Finished(reading);
}
