// Writes a model scan for the benchmark: the placement page for the top
// cheque on Letter, printed and scanned at 600 dpi against a dark lid.
//   scan-model OUTPUT.png
#include "ScanModel.h"

#include "pages/PageExport.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2)
        return 2;
    QTemporaryDir dir;
    ExportOptions options;
    options.page = ExportedPage::Placement;
    options.dpiX = options.dpiY = DrawnDpi;
    options.output = dir.filePath(QStringLiteral("page.png"));
    QString error;
    if (!ExportCalibrationPage(options, &error))
        return 1;
    const Printer printer{1.002, 0.999, 0.02, -0.01, 0.05, 0.001};
    return PrintAndScan(DrawnPage(options.output), PaperInches(options.paper), printer, Scanner{600, 1.0, true, false})
                   .save(QString::fromLocal8Bit(argv[1]))
               ? 0
               : 1;
}
