// micr-calibration-scan: measures a scanned sheet and answers in one JSON
// object on standard output. The exporter runs it as a child process with a
// time and memory limit, so that no image library is loaded into the
// exporter or the wizard and a damaged image cannot bring them down.
//
//   micr-calibration-scan place|gauge|measure FILE [--dpi N] --paper-width W
//       --paper-height H --cheque top|middle|bottom --cheque-height L
//       [--applied RIGHT,UP] [--face FAMILY] [--paper-from-sheet]
//   micr-calibration-scan devices
//   micr-calibration-scan acquire DEVICE --dpi N --out FILE.png
//
// It is also the one process that loads SANE: "devices" lists the
// scanners, "acquire" scans with one {"progress": F} line at each percent
// before its answer (scanclient/ScannerWire).
//
// "measure" measures the calibration page's sample lines; the placement
// options do not concern it.
//
// --paper-from-sheet: the paper is the Letter or A4 sheet found (its
// usual stock unless --cheque-height is given), for a window that does not
// ask which paper was scanned.
//
// Exit status 0 with the findings (and under "overlay" where they are in
// the scan's pixels, for a window to draw), 1 with {"refused": KEY, ...},
// 2 for a command line it does not take.
#include "answers/PlacementLayout.h"
#include "answers/Readings.h"
#include "scan/CalibrationScan.h"
#include "scan/ChequeGauge.h"
#include "scan/PlacementScan.h"
#include "scan/SaneScanner.h"
#include "scan/ScanImage.h"
#include "scan/Sheet.h"
#include "scanclient/ScannerWire.h"
#include "wording/ScanWording.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cstdio>

namespace {

int Answer(const QJsonObject &object, int status)
{
    std::fputs(QJsonDocument(object).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
    return status;
}

int Refuse(const ScanRefusal &refusal)
{
    return Answer(Wording::ScanRefusalAsJson(refusal), 1);
}

} // namespace

int main(int argc, char *argv[])
{
    // The faces' shapes are drawn with Qt's fonts, which need a GUI
    // application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption dpi(QStringLiteral("dpi"), {}, QStringLiteral("N"));
    const QCommandLineOption paperWidth(QStringLiteral("paper-width"), {}, QStringLiteral("W"), QStringLiteral("8.5"));
    const QCommandLineOption paperHeight(QStringLiteral("paper-height"), {}, QStringLiteral("H"), QStringLiteral("11"));
    const QCommandLineOption cheque(QStringLiteral("cheque"), {}, QStringLiteral("C"), QStringLiteral("top"));
    const QCommandLineOption chequeHeight(QStringLiteral("cheque-height"), {}, QStringLiteral("L"), QStringLiteral("3.5"));
    const QCommandLineOption applied(QStringLiteral("applied"), {}, QStringLiteral("R,U"), QStringLiteral("0,0"));
    const QCommandLineOption face(QStringLiteral("face"), {}, QStringLiteral("FAMILY"));
    const QCommandLineOption paperFromSheet(QStringLiteral("paper-from-sheet"));
    // For the benchmark: how long decoding and measuring took, on stderr.
    const QCommandLineOption timing(QStringLiteral("timing"));
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("FILE"));
    parser.addOptions({dpi, paperWidth, paperHeight, cheque, chequeHeight, applied, face, paperFromSheet, timing, out});
    parser.addPositionalArgument(QStringLiteral("task"), {});
    parser.addPositionalArgument(QStringLiteral("file"), {});
    const QStringList task = parser.parse(application.arguments()) ? parser.positionalArguments() : QStringList();
    if (task.size() == 1 && task[0] == QLatin1String("devices")) {
        const ScannerAnswer answer = ListScanners();
        return Answer(answer.json, answer.status);
    }
    if (task.size() == 2 && task[0] == QLatin1String("acquire") && parser.value(dpi).toInt() > 0 && parser.isSet(out)) {
        const ScannerAnswer answer = AcquireScan(task[1], parser.value(dpi).toInt(), parser.value(out), [](double fraction) {
            Answer(ScannerProgressAsJson(fraction), 0);
            std::fflush(stdout);
        });
        return Answer(answer.json, answer.status);
    }
    const QStringList tasks{QStringLiteral("place"), QStringLiteral("gauge"), QStringLiteral("measure")};
    if (task.size() != 2 || !tasks.contains(task[0]))
        return Answer({{QStringLiteral("error"), parser.errorText()}}, 2);

    PlacementLayout layout;
    layout.paperInches = QSizeF(parser.value(paperWidth).toDouble(), parser.value(paperHeight).toDouble());
    layout.stock = StockOfHeight(parser.value(chequeHeight).toDouble());
    const QStringList cheques{QStringLiteral("top"), QStringLiteral("middle"), QStringLiteral("bottom")};
    layout.cheque = ChequePosition(std::max(0, int(cheques.indexOf(parser.value(cheque)))));
    const QStringList moves = parser.value(applied).split(u',');
    if (moves.size() == 2)
        layout.applied = {moves[0].toDouble(), moves[1].toDouble()};

    QElapsedTimer clock;
    clock.start();
    struct Timing
    {
        const QElapsedTimer &clock;
        bool shown;
        qint64 decoded = 0;
        ~Timing()
        {
            if (shown)
                std::fprintf(stderr, "decoded in %lld ms, measured in %lld ms\n", static_cast<long long>(decoded),
                             static_cast<long long>(clock.elapsed() - decoded));
        }
    } timed{clock, parser.isSet(timing)};
    ScanRefusal why;
    const std::optional<double> given =
        parser.isSet(dpi) ? std::optional<double>(parser.value(dpi).toDouble()) : std::nullopt;
    const std::optional<ScanImage> scan = LoadScan(task[1], given, &why);
    if (!scan)
        return Refuse(why);
    timed.decoded = clock.elapsed();
    const std::optional<Sheet> sheet = FindSheet(*scan, &why);
    if (!sheet)
        return Refuse(why);
    if (task[0] == QLatin1String("measure")) {
        const std::optional<CalibrationFound> found = MeasureCalibration(*scan, *sheet, &why);
        return found ? Answer(Wording::CalibrationFoundAsJson(*found), 0) : Refuse(why);
    }
    if (parser.isSet(paperFromSheet)) {
        // Letter is 11 in tall, A4 11.69: the nearer of the two.
        const QSizeF letter = LetterPaperInches(), a4 = A4PaperInches();
        layout.paperInches = std::abs(sheet->Height() - letter.height()) <= std::abs(sheet->Height() - a4.height()) ? letter : a4;
        if (!parser.isSet(chequeHeight))
            layout.stock = StockForPaper(layout.paperInches.height());
    }
    if (task[0] == QLatin1String("place")) {
        const std::optional<PlacementFound> found = MeasurePlacement(*scan, *sheet, layout, &why);
        return found ? Answer(Wording::PlacementFoundAsJson(*found), 0) : Refuse(why);
    }
    const std::vector<FaceShape> shapes = FaceShapes(parser.value(face), sheet->dpiX);
    if (shapes.empty())
        return Refuse({ScanProblem::Failed, 0, QStringLiteral("the face %1 is not installed").arg(parser.value(face))});
    const std::optional<GaugeFound> found = GaugeCheque(*scan, *sheet, layout, shapes, &why);
    return found ? Answer(Wording::GaugeFoundAsJson(*found), 0) : Refuse(why);
}
