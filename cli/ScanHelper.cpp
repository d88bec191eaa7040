#include "ScanHelper.h"

#include "Command.h"
#include "scanclient/ScanHelperProgram.h"
#include "wording/ScanWording.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QProcess>

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

} // namespace

std::variant<QJsonObject, ScanRefusal> RunScanHelper(const ScanRequest &request)
{
    const QString program = ScanHelperProgram();
    if (program.isEmpty())
        return ScanRefusal{ScanProblem::Failed, 0, QStringLiteral("%1 is not installed").arg(QLatin1String(HelperName))};
    const PlacementLayout &layout = request.layout;
    QStringList arguments{request.task, request.file,
                          QStringLiteral("--paper-width"), QString::number(layout.paperInches.width(), 'g', 10),
                          QStringLiteral("--paper-height"), QString::number(layout.paperInches.height(), 'g', 10),
                          QStringLiteral("--cheque"), ChequeName(layout.cheque),
                          QStringLiteral("--cheque-height"), QString::number(layout.stock.chequeInches, 'g', 10),
                          QStringLiteral("--applied"),
                          QStringLiteral("%1,%2").arg(layout.applied.right, 0, 'g', 10).arg(layout.applied.up, 0, 'g', 10)};
    if (request.dpi)
        arguments << QStringLiteral("--dpi") << QString::number(*request.dpi, 'g', 10);
    if (!request.face.isEmpty())
        arguments << QStringLiteral("--face") << request.face;
    QProcess helper;
    helper.setChildProcessModifier([] {
        if (BoundMemory) {
            const rlimit limit{ScanHelperBytes, ScanHelperBytes};
            setrlimit(RLIMIT_AS, &limit);
        }
    });
    helper.setProcessChannelMode(QProcess::SeparateChannels);
    helper.start(program, arguments);
    if (!helper.waitForFinished(ScanHelperMilliseconds)) {
        helper.kill();
        helper.waitForFinished();
        return ScanRefusal{ScanProblem::Failed, 0,
                           QCoreApplication::translate("Exporter", "no answer within %1 s").arg(ScanHelperMilliseconds / 1000)};
    }
    const QJsonObject answer = QJsonDocument::fromJson(helper.readAllStandardOutput()).object();
    if (helper.exitStatus() != QProcess::NormalExit || answer.isEmpty())
        return ScanRefusal{ScanProblem::Failed, 0, QCoreApplication::translate("Exporter", "the scan helper stopped (out of memory?)")};
    if (const std::optional<ScanRefusal> refusal = Wording::ScanRefusalFromJson(answer))
        return *refusal;
    return answer;
}

int ScanRefusalStatus(const ScanRefusal &refusal)
{
    switch (refusal.problem) {
    case ScanProblem::Unreadable:
    case ScanProblem::TooLarge:
    case ScanProblem::TooCoarse:
    case ScanProblem::PdfPages:
    case ScanProblem::PdfImages:
        return Refused;
    default:
        return Failed;
    }
}
