// micr-calibration-page: writes the calibration page to a PDF or PNG file,
// for users without a print dialog at hand, print shops and scripts.
#include "calibration/CalibrationPage.h"
#include "calibration/Measurement.h"
#include "calibration/PageExport.h"
#include "common/VendorDetails.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// Exit statuses: the page was written or the fonts are all there; the work
// failed; the command line was refused.
constexpr int Done = 0;
constexpr int Failed = 1;
constexpr int Refused = 2;

class Refusal
{
public:
    explicit Refusal(QString message) : message_(std::move(message)) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

struct CommandLine
{
    QCommandLineOption bold{QStringLiteral("bold"), QStringLiteral("Label the sample lines with the bold MICR faces.")};
    QCommandLineOption dpi{QStringLiteral("dpi"),
                           QStringLiteral("Device resolution the page is laid out for: N or XxY dots per inch "
                                          "(default 600)."),
                           QStringLiteral("N|XxY")};
    QCommandLineOption paper{QStringLiteral("paper"),
                             QStringLiteral("letter (default) or a4; the page starts a quarter inch in from the "
                                            "top and left edges of the paper."),
                             QStringLiteral("NAME")};
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("The file to write, FILE.pdf or FILE.png; it is written whole or not "
                                             "at all."),
                              QStringLiteral("FILE")};
    QCommandLineOption checkFonts{QStringLiteral("check-fonts"),
                                  QStringLiteral("List each MICR and security face as installed or missing; fails "
                                                 "when a standard MICR face is missing.")};
    QCommandLineOption measured{QStringLiteral("measured"),
                                QStringLiteral("Instead of writing the page: the lengths measured on a printed "
                                               "page, as LINE=LENGTH[,LINE=LENGTH...], for example "
                                               "\"3=7 1/16,5=179.3 mm\". Prints the face to use, every line's "
                                               "length and whether it is within tolerance; exits 0 when it "
                                               "is, 1 when not."),
                                QStringLiteral("READINGS")};
    QCommandLineOption page{QStringLiteral("page"),
                            QStringLiteral("calibration (default): the page with five sample lines; placement: "
                                           "where the MICR line lands on a cheque, measured from the paper's "
                                           "edges."),
                            QStringLiteral("NAME")};
    QCommandLineOption cheque{QStringLiteral("cheque"),
                              QStringLiteral("For the placement page: the top (default), middle or bottom cheque "
                                             "of 3-up stock."),
                              QStringLiteral("WHICH")};
    QCommandLineOption line{QStringLiteral("line"),
                            QStringLiteral("For the placement page: the face of calibration line N (1 to 5, "
                                           "default 3) for the sample MICR line; with --bold, its bold face."),
                            QStringLiteral("N")};
    QCommandLineOption placementMeasured{
        QStringLiteral("placement-measured"),
        QStringLiteral("Instead of writing a page: what was measured on a printed placement page, as "
                       "bar=LENGTH,right=LENGTH,bottom=LENGTH (the reference bar, and the marks from the "
                       "paper's right edge and the cheque's bottom edge). Prints the page scale, the printer's "
                       "offsets and the correction; exits 0 when all are within tolerance, 1 when not."),
        QStringLiteral("READINGS")};
    QCommandLineParser parser;

    CommandLine()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Writes the MICR calibration page, exactly as the wizard prints it: a PDF (FILE.pdf)\n"
            "or a raster image (FILE.png). Print the file at 100 % (no \"fit to page\") and\n"
            "measure the sample lines."));
        parser.addOptions({bold, dpi, paper, output, checkFonts, measured, page, cheque, line, placementMeasured});
        parser.addHelpOption();
        parser.addVersionOption();
    }

    // Parses the arguments or throws a Refusal that says what is wrong.
    void Parse(const QStringList &arguments)
    {
        if (!parser.parse(arguments)) {
            const QStringList unknown = parser.unknownOptionNames();
            if (!unknown.isEmpty())
                throw Refusal(QStringLiteral("unknown argument \"%1%2\"")
                                  .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                                       unknown.first()));
            // The only other fault: an option that takes a value came last.
            throw Refusal(QStringLiteral("%1 needs a value").arg(arguments.last()));
        }
        if (!parser.positionalArguments().isEmpty())
            throw Refusal(QStringLiteral("unknown argument \"%1\"").arg(parser.positionalArguments().first()));
    }
};

void ReadResolution(const QString &text, ExportOptions &options)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6})(?:[xX](\\d{1,6}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        throw Refusal(QStringLiteral("--dpi takes N or XxY in dots per inch, not \"%1\"").arg(text));
    options.dpiX = match.captured(1).toInt();
    options.dpiY = match.captured(2).isEmpty() ? options.dpiX : match.captured(2).toInt();
    for (int dpi : {options.dpiX, options.dpiY}) {
        if (dpi < MinimumExportDpi || dpi > MaximumExportDpi)
            throw Refusal(QStringLiteral("--dpi must be between %1 and %2, not %3")
                              .arg(MinimumExportDpi)
                              .arg(MaximumExportDpi)
                              .arg(dpi));
    }
}

QPageSize::PageSizeId ReadPaper(const QString &text)
{
    if (text.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        return QPageSize::Letter;
    if (text.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
        return QPageSize::A4;
    throw Refusal(QStringLiteral("--paper is letter or a4, not \"%1\"").arg(text));
}

// One of `names`, as its index.
int ReadChoice(const QString &option, const QString &text, const QStringList &names)
{
    const qsizetype index = names.indexOf(text.toLower());
    if (index < 0)
        throw Refusal(QStringLiteral("--%1 is %2 or %3, not \"%4\"")
                          .arg(option, names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last(), text));
    return int(index);
}

ExportOptions ReadExportOptions(const CommandLine &line)
{
    ExportOptions options;
    if (line.parser.isSet(line.page))
        options.page = ExportedPage(ReadChoice(QStringLiteral("page"), line.parser.value(line.page),
                                               {QStringLiteral("calibration"), QStringLiteral("placement")}));
    if (line.parser.isSet(line.cheque))
        options.cheque = ChequePosition(ReadChoice(QStringLiteral("cheque"), line.parser.value(line.cheque),
                                                   {QStringLiteral("top"), QStringLiteral("middle"),
                                                    QStringLiteral("bottom")}));
    if (line.parser.isSet(line.line))
        options.line = ReadChoice(QStringLiteral("line"), line.parser.value(line.line),
                                  {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                   QStringLiteral("4"), QStringLiteral("5")})
            + 1;
    options.bold = line.parser.isSet(line.bold);
    if (line.parser.isSet(line.dpi))
        ReadResolution(line.parser.value(line.dpi), options);
    if (line.parser.isSet(line.paper))
        options.paper = ReadPaper(line.parser.value(line.paper));
    options.output = line.parser.value(line.output);
    if (options.output.isEmpty())
        throw Refusal(QStringLiteral("no output file: give one with -o FILE"));
    const QString suffix = QFileInfo(options.output).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png"))
        throw Refusal(QStringLiteral("the output file must end in .pdf or .png, not \"%1\"").arg(options.output));
    return options;
}

LineLengths ReadMeasuredLengths(const QString &text)
{
    LineLengths measured;
    // Readings are split before each "N=", so "179,3 mm" keeps its comma.
    static const QRegularExpression separator(QStringLiteral(",(?=\\s*\\d+\\s*=)"));
    static const QRegularExpression reading(QStringLiteral("^\\s*(\\d+)\\s*=(.*)$"));
    for (const QString &part : text.split(separator)) {
        const QRegularExpressionMatch match = reading.match(part);
        if (!match.hasMatch())
            throw Refusal(QStringLiteral("--measured takes LINE=LENGTH[,LINE=LENGTH...], not \"%1\"").arg(part));
        const int line = match.captured(1).toInt();
        if (line < FirstCalibrationLine || line > LastCalibrationLine)
            throw Refusal(QStringLiteral("there is no line %1 on the page: lines are 1 to 5").arg(match.captured(1)));
        if (measured[std::size_t(line - 1)])
            throw Refusal(QStringLiteral("line %1 is given twice").arg(line));
        QString error;
        const std::optional<double> length =
            ParseLength(match.captured(2), ShortestReadingInches, LongestReadingInches, &error);
        if (!length)
            throw Refusal(QStringLiteral("line %1: %2").arg(line).arg(error.left(1).toLower() + error.mid(1)));
        measured[std::size_t(line - 1)] = length;
    }
    return measured;
}

// The face to use first, then every line, the residual, the verdict and
// what to do.
int ReportMeasurements(const LineLengths &measured, FontWeightChoice weight)
{
    const Assessment assessment = AssessReadings(NominalLineLengths(), measured);
    if (assessment.recommended == 0) {
        std::fprintf(stderr, "micr-calibration-page: the MICR faces are not installed, so no line can be "
                             "predicted; see --check-fonts\n");
        return Failed;
    }
    std::printf("Line %d: %s\n", assessment.recommended, MicrFaceName(assessment.recommended, weight));
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const LineEstimate &estimate = assessment.lines[std::size_t(line - 1)];
        std::printf("  line %d  %-26s %s\n", line, MicrFaceName(line, weight),
                    estimate.length ? qPrintable(FormatLength(*estimate.length)
                                                 + (estimate.predicted ? QStringLiteral("  predicted")
                                                                       : QStringLiteral("  measured")))
                                    : "no length: face not installed");
    }
    std::printf("Residual: %s from 7 in\n", qPrintable(FormatResidual(assessment.residual)));
    std::printf("Verdict: %s\n", qPrintable(AssessmentVerdictText(assessment)));
    for (const QString &line : Advice(assessment, weight))
        std::printf("%s\n", qPrintable(line));
    return assessment.usable() ? Done : Failed;
}

PlacementReadings ReadPlacementReadings(const QString &text)
{
    // Each reading's own range: the bar near 7 in, the marks near 1 in.
    struct Field
    {
        const char *name;
        double shortest;
        double longest;
        double PlacementReadings::*reading;
    };
    static const Field fields[] = {
        {"bar", ShortestReadingInches, LongestReadingInches, &PlacementReadings::bar},
        {"right", 0.25, 2, &PlacementReadings::fromRightEdge},
        {"bottom", 0.25, 2, &PlacementReadings::fromBottomEdge},
    };
    static const QRegularExpression separator(QStringLiteral(",(?=\\s*[a-z]+\\s*=)"));
    static const QRegularExpression reading(QStringLiteral("^\\s*([a-z]+)\\s*=(.*)$"));
    PlacementReadings readings;
    QStringList given;
    for (const QString &part : text.split(separator)) {
        const QRegularExpressionMatch match = reading.match(part);
        const auto field = std::find_if(std::begin(fields), std::end(fields), [&match](const Field &f) {
            return match.hasMatch() && match.captured(1) == QLatin1String(f.name);
        });
        if (field == std::end(fields))
            throw Refusal(QStringLiteral("--placement-measured takes bar=LENGTH,right=LENGTH,bottom=LENGTH, "
                                         "not \"%1\"").arg(part));
        if (given.contains(match.captured(1)))
            throw Refusal(QStringLiteral("%1 is given twice").arg(match.captured(1)));
        QString error;
        const std::optional<double> length = ParseLength(match.captured(2), field->shortest, field->longest, &error);
        if (!length)
            throw Refusal(QStringLiteral("%1: %2").arg(match.captured(1), error.left(1).toLower() + error.mid(1)));
        readings.*(field->reading) = *length;
        given << match.captured(1);
    }
    if (given.size() != 3)
        throw Refusal(QStringLiteral("--placement-measured needs all three readings: bar, right and bottom"));
    return readings;
}

int ReportPlacement(const PlacementReadings &readings)
{
    const PlacementResult result = AssessPlacement(readings);
    for (const QString &line : DescribePlacement(result))
        std::printf("%s\n", qPrintable(line));
    return result.scaleFine() && result.offsetsFine() ? Done : Failed;
}

int CheckFonts()
{
    for (const QString &line : FaceReport())
        std::printf("%s\n", qPrintable(line));
    return MissingMicrFaces().isEmpty() ? Done : Failed;
}

int WritePage(const ExportOptions &options)
{
    const QStringList missing = MissingMicrFaces();
    if (!missing.isEmpty())
        std::fprintf(stderr,
                     "micr-calibration-page: warning: not installed, their sample lines cannot be "
                     "measured: %s\n",
                     qPrintable(missing.join(QStringLiteral(", "))));
    QString error;
    if (!ExportCalibrationPage(options, &error)) {
        std::fprintf(stderr, "micr-calibration-page: %s\n", qPrintable(error));
        return Failed;
    }
    return Done;
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application, though nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("micr-calibration-page"));
    QGuiApplication::setApplicationVersion(QLatin1String(Vendor::Version));

    CommandLine line;
    try {
        line.Parse(QGuiApplication::arguments());
        if (line.parser.isSet(QStringLiteral("help")) || line.parser.isSet(QStringLiteral("help-all")))
            line.parser.showHelp(Done);
        if (line.parser.isSet(QStringLiteral("version")))
            line.parser.showVersion();
        if (line.parser.isSet(line.checkFonts))
            return CheckFonts();
        if (line.parser.isSet(line.placementMeasured))
            return ReportPlacement(ReadPlacementReadings(line.parser.value(line.placementMeasured)));
        if (line.parser.isSet(line.measured))
            return ReportMeasurements(ReadMeasuredLengths(line.parser.value(line.measured)),
                                      line.parser.isSet(line.bold) ? FontWeightChoice::Bold
                                                                   : FontWeightChoice::Standard);
        return WritePage(ReadExportOptions(line));
    } catch (const Refusal &refusal) {
        std::fprintf(stderr, "micr-calibration-page: %s\nTry micr-calibration-page --help.\n",
                     qPrintable(refusal.message()));
        return Refused;
    }
}
