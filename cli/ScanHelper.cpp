#include "ScanHelper.h"

#include "Command.h"

#include <QProcess>

std::variant<QJsonObject, ScanRefusal> RunScanHelper(const ScanRequest &request)
{
    const QString program = ScanHelperProgram();
    if (program.isEmpty())
        return ScanHelperMissing();
    QProcess helper;
    BoundScanHelper(helper);
    helper.start(program, ScanHelperArguments(request));
    bool timedOut = false;
    if (!helper.waitForFinished(ScanHelperMilliseconds) && helper.state() != QProcess::NotRunning) {
        timedOut = true;
        helper.kill();
        helper.waitForFinished();
    }
    return ScanHelperAnswer(helper, timedOut);
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
