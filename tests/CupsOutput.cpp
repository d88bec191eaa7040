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
            QString path = CupsPdfDir().filePath(entry.section(QLatin1Char('@'), 0, 0));
            // Ghostscript can pause for seconds on a loaded machine: the file
            // is whole once the private scheduler has finished every job
            // (a job held on a stopped queue is given up on at the timeout).
            while (timer.elapsed() < timeoutMs
                   && !RunProgram(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty())
                QTest::qWait(200);
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

QRect InkBounds(const QImage &page)
{
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    int left = grey.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] >= 128)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            if (top < 0)
                top = y;
            bottom = y;
        }
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage RasterisePdf(const QString &pdf, int dpi, const QString &rasterBase)
{
    int exitCode = -1;
    RunProgram(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), pdf, rasterBase},
               &exitCode);
    return exitCode == 0 ? QImage(rasterBase + QStringLiteral(".png")) : QImage();
}
