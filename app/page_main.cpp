// micr-calibration-page: writes the calibration page to a PDF or PNG file,
// for users without a print dialog at hand, print shops and scripts.
#include "calibration/CalibrationPage.h"
#include "calibration/PageExport.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Fonts need a GUI application, though nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QString error;
    const auto options = ParseExportArguments(QGuiApplication::arguments().mid(1), &error);
    if (!options) {
        std::fprintf(stderr, "micr-calibration-page: %s\nTry micr-calibration-page --help.\n",
                     qPrintable(error));
        return 2;
    }
    if (options->help) {
        std::fputs(qPrintable(ExportUsage()), stdout);
        return 0;
    }
    if (options->checkFonts) {
        for (const QString &line : FaceReport())
            std::printf("%s\n", qPrintable(line));
        return MissingMicrFaces().isEmpty() ? 0 : 1;
    }
    const QStringList missing = MissingMicrFaces();
    if (!missing.isEmpty())
        std::fprintf(stderr,
                     "micr-calibration-page: warning: not installed, their sample lines cannot be "
                     "measured: %s\n",
                     qPrintable(missing.join(QStringLiteral(", "))));
    if (!ExportCalibrationPage(*options, &error)) {
        std::fprintf(stderr, "micr-calibration-page: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
