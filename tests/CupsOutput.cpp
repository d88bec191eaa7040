#include "CupsOutput.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

QDir CupsPdfDir()
{
    return QDir(qEnvironmentVariable("MICR_CUPS_PDF_DIR"));
}

QStringList CupsPdfFiles()
{
    QStringList files;
    for (const QFileInfo &info : CupsPdfDir().entryInfoList({"*.pdf"}, QDir::Files, QDir::Name))
        files << info.fileName() + QLatin1Char('@') + QString::number(info.lastModified().toMSecsSinceEpoch());
    return files;
}

QString WaitForNewCupsPdf(const QStringList &before, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        for (const QString &entry : CupsPdfFiles()) {
            if (before.contains(entry))
                continue;
            const QString path = CupsPdfDir().filePath(entry.section(QLatin1Char('@'), 0, 0));
            qint64 size = -1;
            while (QFileInfo(path).size() != size) {
                size = QFileInfo(path).size();
                QTest::qWait(300);
            }
            return path;
        }
        QTest::qWait(100);
    }
    return {};
}

QString RunProgram(const QString &program, const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput());
}
