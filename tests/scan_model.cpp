// Writes a model scan for the benchmark: the placement page for the top
// cheque on Letter, with "cheque" a top cheque carrying the sample MICR
// line in Line 3's face, or with "calibration" the calibration page,
// printed and scanned at 600 dpi against a dark lid.
//   scan-model OUTPUT.png [cheque|calibration]
#include "ScanModel.h"

#include "pages/PageExport.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 2 || argc > 3)
        return 2;
    const Printer printer{1.002, 0.999, 0.02, -0.01, 0.05, 0.001};
    const Scanner scanner{600, 1.0, true, false};
    const bool calibration = argc == 3 && QByteArray(argv[2]) == "calibration";
    if (argc == 3 && !calibration) {
        const PlacementLayout layout;
        const cv::Mat cheque = DrawnCheque(layout.paperInches, QString::fromLatin1(MicrFaceName(3, FontWeightChoice::Standard)),
                                           SampleMicrLine(), PositionOneRightInches(layout), BaselineInches(layout));
        return PrintAndScan(cheque, layout.paperInches, printer, scanner).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    QTemporaryDir dir;
    ExportOptions options;
    options.page = calibration ? ExportedPage::Calibration : ExportedPage::Placement;
    options.dpiX = options.dpiY = DrawnDpi;
    options.output = dir.filePath(QStringLiteral("page.png"));
    QString error;
    if (!ExportCalibrationPage(options, &error))
        return 1;
    return PrintAndScan(DrawnPage(options.output), PaperInches(options.paper), printer, scanner)
                   .save(QString::fromLocal8Bit(argv[1]))
               ? 0
               : 1;
}
