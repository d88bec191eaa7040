#include "PostScriptToPdf.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Ghostscript is given this long to make a PDF of a one-page file.
constexpr int GhostscriptMilliseconds = 30000;

void Refuse(ChequeFileProblem *problem, ChequeFileProblem::Kind kind, const QString &path,
            const QString &detail = QString())
{
    problem->kind = kind;
    problem->path = path;
    problem->detail = detail;
}

} // namespace

QString GhostscriptProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("gs"));
}

std::optional<QString> PostScriptToPdf(const QString &path, const QString &folder, ChequeFileProblem *problem)
{
    using Kind = ChequeFileProblem::Kind;
    const QString gs = GhostscriptProgram();
    if (gs.isEmpty()) {
        Refuse(problem, Kind::NoGhostscript, path);
        return std::nullopt;
    }
    const QString pdf = folder + QStringLiteral("/cheque.pdf");
    QProcess process;
    process.start(gs, {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
                       QStringLiteral("-dNOPAUSE"), QStringLiteral("-sDEVICE=pdfwrite"),
                       QStringLiteral("-sOutputFile=") + pdf, QStringLiteral("-f"), path});
    if (!process.waitForFinished(GhostscriptMilliseconds)) {
        process.kill();
        process.waitForFinished();
        Refuse(problem, Kind::GhostscriptTimedOut, path);
        problem->seconds = GhostscriptMilliseconds / 1000;
        return std::nullopt;
    }
    const QString complaint = QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput())
                                  .section(QLatin1Char('\n'), 0, 0)
                                  .trimmed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || !QFileInfo(pdf).size()) {
        Refuse(problem, Kind::NotPostScript, path, complaint);
        return std::nullopt;
    }
    return pdf;
}
