// micr-calibration-page: writes the calibration page to a PDF or PNG file,
// for users without a print dialog at hand, print shops and scripts.
#include "SettingsExport.h"

#include "calibration/CalibrationPage.h"
#include "calibration/Measurement.h"
#include "calibration/MicrLine.h"
#include "calibration/PageExport.h"
#include "calibration/PlacementCheck.h"
#include "calibration/PrinterProfiles.h"
#include "common/VendorDetails.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    QCommandLineOption bold{QStringLiteral("bold"),
                            QStringLiteral("The bold MICR faces: the calibration page's labels, the placement "
                                           "page's MICR line, the face named by --measured.")};
    QCommandLineOption dpi{QStringLiteral("dpi"),
                           QStringLiteral("Device resolution the page is laid out for: N or XxY dots per inch "
                                          "(default 600)."),
                           QStringLiteral("N|XxY")};
    QCommandLineOption paper{QStringLiteral("paper"),
                             QStringLiteral("letter (default) or a4. The calibration page starts a quarter inch "
                                            "in from the paper's top and left edges; the placement page is "
                                            "measured from the paper's own edges, on 3-up stock of the paper."),
                             QStringLiteral("NAME")};
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("The file to write, FILE.pdf or FILE.png; it is written whole or not "
                                             "at all."),
                              QStringLiteral("FILE")};
    QCommandLineOption checkFonts{QStringLiteral("check-fonts"),
                                  QStringLiteral("List each MICR and security face as installed or missing; fails "
                                                 "when a standard MICR face is missing.")};
    QCommandLineOption measured{QStringLiteral("measured"),
                                QStringLiteral("Instead of writing a page: the lengths measured on a printed "
                                               "calibration page, as LINE=LENGTH[,LINE=LENGTH...], for example "
                                               "\"3=7 1/16,5=179.3 mm\" (inches, fractions, mm or cm). Prints "
                                               "\"Line N: FACE\" when a face is within tolerance, otherwise "
                                               "\"Not calibrated: REASON\", then every line's length, the "
                                               "residual and the verdict; exits 0 for good or marginal, 1 when "
                                               "not calibrated."),
                                QStringLiteral("READINGS")};
    QCommandLineOption page{QStringLiteral("page"),
                            QStringLiteral("calibration (default): the page with five sample lines; placement: "
                                           "where the MICR line lands on a cheque, measured from the paper's "
                                           "edges."),
                            QStringLiteral("NAME")};
    QCommandLineOption cheque{QStringLiteral("cheque"),
                              QStringLiteral("Placement page and readings: the top (default), middle or bottom "
                                             "cheque of 3-up stock."),
                              QStringLiteral("WHICH")};
    QCommandLineOption chequeHeight{QStringLiteral("cheque-height"),
                                    QStringLiteral("Placement page and readings: the height of one cheque of "
                                                   "3-up stock, from 3 in to a third of the paper (default "
                                                   "3.5 in on Letter, 99 mm on A4)."),
                                    QStringLiteral("LENGTH")};
    QCommandLineOption line{QStringLiteral("line"),
                            QStringLiteral("Placement page and readings: the page's MICR line is in the face of "
                                           "calibration line N (1 to 5, default 3); with --bold, its bold face."),
                            QStringLiteral("N")};
    QCommandLineOption placementMeasured{
        QStringLiteral("placement-measured"),
        QStringLiteral("Instead of writing a page: what was measured on a printed placement page, as "
                       "bar=LENGTH,right=LENGTH,bottom=LENGTH or top=LENGTH instead of bottom, and optionally "
                       "vbar=LENGTH: the reference bar, the distance from the paper's right edge to where "
                       "position 1 ends, the baseline from the cheque's bottom edge (cheque stock) or from the "
                       "paper's top edge (plain paper), and the vertical bar. Prints the scale with its "
                       "verdict, where the MICR line landed and how far to move it; exits 0 when the scale is "
                       "fine and both moves are within 1/32 in, 1 otherwise."),
        QStringLiteral("READINGS")};
    QCommandLineOption micrLine{
        QStringLiteral("micr-line"),
        QStringLiteral("Composes your own MICR line from your bank's details, as "
                       "layout=us,routing=NUMBER,onus=FIELD[,aux=FIELD][,epc=DIGIT] or "
                       "layout=ca,branch=NUMBER,institution=NUMBER,onus=FIELD[,aux=FIELD] (the on-us fields as "
                       "your bank prints them; symbols as A B C D or : ; < =). Prints the text to type, each "
                       "field's positions, every fault, and where the line goes on the cheque; with --page "
                       "placement the page prints it. Exits 0 with no fault, 1 with one."),
        QStringLiteral("FIELDS")};
    QCommandLineOption checkLine{QStringLiteral("check-line"),
                                 QStringLiteral("Checks a MICR line as typed against the standard's fields, its "
                                                "last character at position 14 (at 1 when it ends in an amount "
                                                "field). Exits 0 with no fault, 1 with one."),
                                 QStringLiteral("TEXT")};
    QCommandLineOption chequeWidth{QStringLiteral("cheque-width"),
                                   QStringLiteral("With --micr-line or --check-line: the cheque's width (default "
                                                  "8.5 in), for where the line's left end goes."),
                                   QStringLiteral("LENGTH")};
    QCommandLineOption profiles{QStringLiteral("profiles"),
                                QStringLiteral("List what the wizard remembers of each printer: its face, its "
                                               "last calibration and its placement correction.")};
    QCommandLineOption exportSettings{
        QStringLiteral("export-settings"),
        QStringLiteral("Writes what your cheque program (freecheck, gnucash or odoo) needs for the MICR line to "
                       "land where the standard puts it on this printer: to stdout, or whole to -o FILE. The face "
                       "and correction are --printer QUEUE's, or --line N's (default 3); GnuCash's format prints "
                       "the --micr-line given. Where it goes is said on stderr."),
        QStringLiteral("PROGRAM")};
    QCommandLineOption printer{QStringLiteral("printer"),
                               QStringLiteral("With --export-settings: a printer the wizard remembers."),
                               QStringLiteral("QUEUE")};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("With --measured, --placement-measured, --micr-line or --check-line: "
                                           "print one JSON object; with --profiles, one array.")};
    QCommandLineParser parser;

    CommandLine()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Writes the MICR calibration page or the placement page, exactly as the wizard\n"
            "prints them: a PDF (FILE.pdf) or a raster image (FILE.png). Print the file at\n"
            "100 % (no \"fit to page\"): measure the calibration page's sample lines, or the\n"
            "placement page's bars and where its MICR line lands, and give the readings\n"
            "back with --measured or --placement-measured."));
        parser.addOptions({bold, dpi, paper, output, checkFonts, measured, page, cheque, chequeHeight, line,
                           placementMeasured, micrLine, checkLine, chequeWidth, profiles, exportSettings, printer, json});
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

// The placement page's layout: cheque, stock, line and weight, on `paper`.
PlacementLayout ReadPlacementLayout(const CommandLine &line, QPageSize::PageSizeId paper)
{
    PlacementLayout layout;
    layout.paperInches = PaperInches(paper);
    layout.stock = StockForPaper(layout.paperInches.height());
    if (line.parser.isSet(line.cheque))
        layout.cheque = ChequePosition(ReadChoice(QStringLiteral("cheque"), line.parser.value(line.cheque),
                                                  {QStringLiteral("top"), QStringLiteral("middle"),
                                                   QStringLiteral("bottom")}));
    if (line.parser.isSet(line.chequeHeight)) {
        QString error;
        const std::optional<ChequeStock> stock =
            CustomStock(line.parser.value(line.chequeHeight), layout.paperInches.height(), &error);
        if (!stock)
            throw Refusal(QStringLiteral("--cheque-height: %1").arg(error.left(1).toLower() + error.mid(1)));
        layout.stock = *stock;
    }
    if (line.parser.isSet(line.line))
        layout.line = ReadChoice(QStringLiteral("line"), line.parser.value(line.line),
                                 {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("4"), QStringLiteral("5")})
            + 1;
    layout.weight = line.parser.isSet(line.bold) ? FontWeightChoice::Bold : FontWeightChoice::Standard;
    return layout;
}

MicrFields ReadMicrFields(const QString &text);

ExportOptions ReadExportOptions(const CommandLine &line)
{
    ExportOptions options;
    if (line.parser.isSet(line.page))
        options.page = ExportedPage(ReadChoice(QStringLiteral("page"), line.parser.value(line.page),
                                               {QStringLiteral("calibration"), QStringLiteral("placement")}));
    options.bold = line.parser.isSet(line.bold);
    if (line.parser.isSet(line.dpi))
        ReadResolution(line.parser.value(line.dpi), options);
    if (line.parser.isSet(line.paper))
        options.paper = ReadPaper(line.parser.value(line.paper));
    if (options.page == ExportedPage::Placement) {
        const PlacementLayout layout = ReadPlacementLayout(line, options.paper);
        options.cheque = layout.cheque;
        options.stock = layout.stock;
        options.line = layout.line;
        if (line.parser.isSet(line.micrLine))
            options.userLine = ComposeMicrLine(ReadMicrFields(line.parser.value(line.micrLine)));
    } else if (line.parser.isSet(line.micrLine)) {
        throw Refusal(QStringLiteral("--micr-line with -o prints on the placement page: add --page placement"));
    }
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
    QList<ReadingField> fields;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        fields.append({QString::number(line), SampleLineRange()});
    static const QRegularExpression lineNumber(QStringLiteral("^\\s*(\\d+)\\s*="));
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QRegularExpressionMatch match = lineNumber.match(part);
        const int number = match.captured(1).toInt();
        if (match.hasMatch() && (number < FirstCalibrationLine || number > LastCalibrationLine))
            throw Refusal(QStringLiteral("there is no line %1 on the page: lines are 1 to 5").arg(match.captured(1)));
    }
    QString error;
    const std::optional<QMap<QString, double>> lengths =
        ParseReadingList(text, fields, QStringLiteral("LINE=LENGTH[,LINE=LENGTH...]"), &error);
    if (!lengths) {
        throw Refusal(error.startsWith(QLatin1String("takes")) ? QStringLiteral("--measured ") + error
                                                                : QStringLiteral("line ") + error);
    }
    LineLengths measured;
    for (auto it = lengths->begin(); it != lengths->end(); ++it)
        measured[std::size_t(it.key().toInt() - 1)] = it.value();
    return measured;
}

void PrintJson(const QJsonObject &object)
{
    std::printf("%s", QJsonDocument(object).toJson(QJsonDocument::Indented).constData());
}

QJsonValue OrNull(bool present, const QJsonValue &value)
{
    return present ? value : QJsonValue(QJsonValue::Null);
}

// "Line N: FACE" when a face is within tolerance, otherwise why not; then
// every line, the residual, the verdict and what to do.
int ReportMeasurements(const LineLengths &measured, FontWeightChoice weight, bool json)
{
    const Assessment assessment = AssessReadings(NominalLineLengths(), measured);
    if (assessment.recommended == 0) {
        std::fprintf(stderr, "micr-calibration-page: the MICR faces are not installed, so no line can be "
                             "predicted; see --check-fonts\n");
        return Failed;
    }
    const int status = assessment.usable() ? Done : Failed;
    if (json) {
        QJsonArray lines;
        for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
            const LineEstimate &estimate = assessment.lines[std::size_t(line - 1)];
            lines.append(QJsonObject{{QStringLiteral("line"), line},
                                     {QStringLiteral("length_in"), OrNull(bool(estimate.length),
                                                                          ShownInches(estimate.length.value_or(0)))},
                                     {QStringLiteral("predicted"), estimate.predicted}});
        }
        PrintJson({{QStringLiteral("line"), OrNull(assessment.usable(), assessment.recommended)},
                   {QStringLiteral("face"), OrNull(assessment.usable(), QLatin1String(MicrFaceName(
                                                                            assessment.recommended, weight)))},
                   {QStringLiteral("residual_in"), ShownInches(assessment.residual)},
                   {QStringLiteral("verdict"), AssessmentVerdictKey(assessment)},
                   {QStringLiteral("scale"), OrNull(bool(assessment.scale), assessment.scale.value_or(0))},
                   {QStringLiteral("lines"), lines}});
        return status;
    }
    if (assessment.usable())
        std::printf("Line %d: %s\n", assessment.recommended, MicrFaceName(assessment.recommended, weight));
    else
        std::printf("Not calibrated: %s\n", qPrintable(AssessmentVerdictText(assessment)));
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const LineEstimate &estimate = assessment.lines[std::size_t(line - 1)];
        std::printf("  line %d  %-26s %s\n", line, MicrFaceName(line, weight),
                    estimate.length ? qPrintable(FormatLength(*estimate.length)
                                                 + (estimate.predicted ? QStringLiteral("  predicted")
                                                                       : QStringLiteral("  measured")))
                                    : "no length: face not installed");
    }
    std::printf("Residual: %s from 7 in (Line %d)\n", qPrintable(FormatResidual(assessment.residual)),
                assessment.recommended);
    std::printf("Verdict: %s\n", qPrintable(AssessmentVerdictText(assessment)));
    for (const QString &line : Advice(assessment, weight))
        std::printf("%s\n", qPrintable(line));
    return status;
}

PlacementReadings ReadPlacementReadings(const QString &text)
{
    const QString form = QStringLiteral("bar=LENGTH,right=LENGTH,bottom=LENGTH (or top=LENGTH)[,vbar=LENGTH]");
    QString error;
    const std::optional<QMap<QString, double>> lengths = ParseReadingList(
        text,
        {{QStringLiteral("bar"), ReferenceBarRange()},
         {QStringLiteral("vbar"), VerticalBarRange()},
         {QStringLiteral("right"), RightEdgeRange()},
         {QStringLiteral("bottom"), BottomEdgeRange()},
         {QStringLiteral("top"), TopEdgeRange()}},
        form, &error);
    if (!lengths)
        throw Refusal(error.startsWith(QLatin1String("takes")) ? QStringLiteral("--placement-measured ") + error
                                                                : error);
    if (!lengths->contains(QStringLiteral("bar")) || !lengths->contains(QStringLiteral("right"))
        || lengths->contains(QStringLiteral("bottom")) == lengths->contains(QStringLiteral("top")))
        throw Refusal(QStringLiteral("--placement-measured needs bar, right and one of bottom or top, as %1")
                          .arg(form));
    PlacementReadings readings;
    readings.bar = lengths->value(QStringLiteral("bar"));
    readings.right = lengths->value(QStringLiteral("right"));
    if (lengths->contains(QStringLiteral("vbar")))
        readings.verticalBar = lengths->value(QStringLiteral("vbar"));
    readings.vertical = lengths->contains(QStringLiteral("top")) ? VerticalReading::FromPaperTop
                                                                 : VerticalReading::FromChequeBottom;
    readings.fromEdge = lengths->value(readings.vertical == VerticalReading::FromPaperTop ? QStringLiteral("top")
                                                                                          : QStringLiteral("bottom"));
    return readings;
}

int ReportPlacement(const PlacementLayout &layout, const PlacementReadings &readings, bool json)
{
    const PlacementResult result = AssessPlacement(layout, readings, NominalLineLengths());
    const int status = result.fine() ? Done : Failed;
    if (json) {
        PrintJson({{QStringLiteral("scale"), result.scaleX},
                   {QStringLiteral("scale_y"), OrNull(bool(result.scaleY), result.scaleY.value_or(0))},
                   {QStringLiteral("scale_verdict"), ScaleVerdictKey(result.scaleVerdict)},
                   {QStringLiteral("line_for_scale"), OrNull(result.lineForScale != 0, result.lineForScale)},
                   {QStringLiteral("move_right_in"), ShownInches(result.moveRight)},
                   {QStringLiteral("move_up_in"), ShownInches(result.moveUp)},
                   {QStringLiteral("within_tolerance"), result.offsetsFine()}});
        return status;
    }
    for (const QString &line : DescribePlacement(layout, result))
        std::printf("%s\n", qPrintable(line));
    return status;
}

// layout=us,routing=...,onus=...[,aux=...][,epc=...] or
// layout=ca,branch=...,institution=...,onus=...[,aux=...]
MicrFields ReadMicrFields(const QString &text)
{
    QMap<QString, QString> given;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QString key = part.section(QLatin1Char('='), 0, 0).trimmed().toLower();
        if (!part.contains(QLatin1Char('=')) || given.contains(key))
            throw Refusal(QStringLiteral("--micr-line takes KEY=VALUE pairs, each once, not \"%1\"").arg(part));
        given.insert(key, part.section(QLatin1Char('='), 1));
    }
    const QString layout = given.take(QStringLiteral("layout")).toLower();
    MicrFields fields;
    QStringList needed;
    if (layout == QLatin1String("us")) {
        fields.layout = MicrLayout::US;
        fields.routing = given.take(QStringLiteral("routing"));
        fields.processingCode = given.take(QStringLiteral("epc"));
        needed = {QStringLiteral("routing"), QStringLiteral("onus")};
    } else if (layout == QLatin1String("ca")) {
        fields.layout = MicrLayout::Canada;
        fields.branch = given.take(QStringLiteral("branch"));
        fields.institution = given.take(QStringLiteral("institution"));
        needed = {QStringLiteral("branch"), QStringLiteral("institution"), QStringLiteral("onus")};
    } else {
        throw Refusal(QStringLiteral("--micr-line needs layout=us or layout=ca"));
    }
    const bool hasOnUs = given.contains(QStringLiteral("onus"));
    fields.onUs = given.take(QStringLiteral("onus"));
    fields.auxOnUs = given.take(QStringLiteral("aux"));
    if (!given.isEmpty())
        throw Refusal(QStringLiteral("--micr-line with layout=%1 takes no \"%2\"").arg(layout, given.firstKey()));
    for (const QString &key : needed) {
        const bool present = key == QLatin1String("onus") ? hasOnUs
            : key == QLatin1String("routing")             ? !fields.routing.isNull()
            : key == QLatin1String("branch")              ? !fields.branch.isNull()
                                                          : !fields.institution.isNull();
        if (!present)
            throw Refusal(QStringLiteral("--micr-line with layout=%1 needs %2=").arg(layout, key));
    }
    return fields;
}

double ReadChequeWidth(const CommandLine &line)
{
    if (!line.parser.isSet(line.chequeWidth))
        return 8.5;
    QString error;
    const std::optional<double> width = ParseLength(line.parser.value(line.chequeWidth), ChequeWidthRange(), &error);
    if (!width)
        throw Refusal(QStringLiteral("--cheque-width: %1").arg(error.left(1).toLower() + error.mid(1)));
    return *width;
}

// The line to type, its fields, its faults and where it goes.
int ReportMicrLine(const MicrLine &composed, double chequeWidth, bool json)
{
    const double left = MicrLineLeftInches(composed, chequeWidth);
    if (json) {
        QJsonArray fields;
        for (const MicrField &field : composed.fields)
            fields.append(QJsonObject{{QStringLiteral("name"), field.name},
                                      {QStringLiteral("first"), field.first},
                                      {QStringLiteral("last"), field.last},
                                      {QStringLiteral("text"), field.text}});
        PrintJson({{QStringLiteral("text"), composed.letters},
                   {QStringLiteral("punctuation"), composed.punctuation},
                   {QStringLiteral("fields"), fields},
                   {QStringLiteral("faults"), QJsonArray::fromStringList(composed.faults)},
                   {QStringLiteral("left_in"), ShownInches(left)},
                   {QStringLiteral("baseline_in"), ShownInches(MicrLineBaselineInches())}});
    } else {
        std::printf("Type (letters):     %s\n", qPrintable(composed.letters));
        std::printf("Type (punctuation): %s\n", qPrintable(composed.punctuation));
        std::printf("Positions %d to %d\n", composed.FirstPosition(), composed.lastPosition);
        for (const MicrField &field : composed.fields)
            std::printf("  %-26s %2d-%-2d  %s\n", qPrintable(field.name), field.first, field.last,
                        qPrintable(field.text));
        std::printf("Left end: %s from the cheque's left edge (a cheque %.3f in wide); baseline: %s above its "
                    "bottom edge\n",
                    qPrintable(FormatLength(left)), chequeWidth, qPrintable(FormatLength(MicrLineBaselineInches())));
        if (composed.faults.isEmpty())
            std::printf("No faults.\n");
        for (const QString &fault : composed.faults)
            std::printf("Fault: %s\n", qPrintable(fault));
    }
    return composed.faults.isEmpty() ? Done : Failed;
}

// The profiles, as text or one JSON array; a damaged file is said on
// stderr (it has been set aside).
int ListProfiles(bool json)
{
    const LoadedProfiles loaded = PrinterProfiles().Load();
    if (!loaded.problem.isEmpty())
        std::fprintf(stderr, "micr-calibration-page: %s\n", qPrintable(loaded.problem));
    if (json)
        std::printf("%s", QJsonDocument(ProfilesAsJson(loaded.profiles)).toJson(QJsonDocument::Indented).constData());
    else
        std::printf("%s", qPrintable(ProfilesAsText(loaded.profiles)));
    return Done;
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

// --export-settings PROGRAM with its own options only.
int ExportSettingsFrom(const CommandLine &line)
{
    SettingsRequest request;
    const std::optional<ChequeProgram> program = ChequeProgramFromKey(line.parser.value(line.exportSettings));
    if (!program)
        throw Refusal(QStringLiteral("--export-settings is freecheck, gnucash or odoo, not \"%1\"")
                          .arg(line.parser.value(line.exportSettings)));
    request.program = *program;
    for (const QCommandLineOption *option : {&line.measured, &line.placementMeasured, &line.checkLine,
                                             &line.profiles, &line.page, &line.dpi, &line.json, &line.chequeWidth}) {
        if (line.parser.isSet(*option))
            throw Refusal(QStringLiteral("--%1 is not for --export-settings").arg(option->names().first()));
    }
    if (line.parser.isSet(line.printer) && (line.parser.isSet(line.line) || line.parser.isSet(line.bold)))
        throw Refusal(QStringLiteral("--printer brings its own face: give --printer or --line, not both"));
    request.printer = line.parser.value(line.printer);
    const QPageSize::PageSizeId paper =
        line.parser.isSet(line.paper) ? ReadPaper(line.parser.value(line.paper)) : QPageSize::Letter;
    request.layout = ReadPlacementLayout(line, paper);
    if (line.parser.isSet(line.micrLine))
        request.layout.userLine = ComposeMicrLine(ReadMicrFields(line.parser.value(line.micrLine)));
    request.output = line.parser.value(line.output);
    return ExportSettings(request);
}

// Options that belong to one task only are refused with another.
void RefuseMisplacedOptions(const CommandLine &line)
{
    const bool composing = line.parser.isSet(line.micrLine) || line.parser.isSet(line.checkLine);
    const bool measuring = line.parser.isSet(line.measured) || line.parser.isSet(line.placementMeasured)
        || line.parser.isSet(line.profiles) || line.parser.isSet(line.checkLine)
        || (line.parser.isSet(line.micrLine) && !line.parser.isSet(line.output));
    if (line.parser.isSet(line.chequeWidth) && !composing)
        throw Refusal(QStringLiteral("--cheque-width is for --micr-line and --check-line"));
    const bool placementPage =
        line.parser.isSet(line.page) && line.parser.value(line.page).compare(QLatin1String("placement"),
                                                                             Qt::CaseInsensitive) == 0;
    for (const QCommandLineOption *option : {&line.cheque, &line.line, &line.chequeHeight}) {
        if (line.parser.isSet(*option) && !placementPage && !line.parser.isSet(line.placementMeasured))
            throw Refusal(QStringLiteral("--%1 is for the placement page: use it with --page placement or "
                                         "--placement-measured")
                              .arg(option->names().first()));
    }
    if (measuring && line.parser.isSet(line.output))
        throw Refusal(QStringLiteral("-o writes a page; --measured, --placement-measured and --profiles write no "
                                     "file"));
    if (line.parser.isSet(line.micrLine) && line.parser.isSet(line.output) && !placementPage)
        throw Refusal(QStringLiteral("--micr-line with -o prints on the placement page: add --page placement"));
    if (line.parser.isSet(line.json) && !measuring)
        throw Refusal(QStringLiteral("--json is for --measured, --placement-measured, --profiles, --micr-line and "
                                     "--check-line"));
    if (line.parser.isSet(line.measured) && line.parser.isSet(line.placementMeasured))
        throw Refusal(QStringLiteral("--measured and --placement-measured are for different pages: give one"));
}

// Only the program's own messages reach stderr: Qt's warnings about the
// environment (a runtime folder missing or not private, say) are not the
// user's business here.
void QuietQtMessages(QtMsgType type, const QMessageLogContext & /*context*/, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "micr-calibration-page: %s\n", qPrintable(message));
        std::abort();
    }
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(QuietQtMessages);
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
        if (line.parser.isSet(line.exportSettings))
            return ExportSettingsFrom(line);
        if (line.parser.isSet(line.printer))
            throw Refusal(QStringLiteral("--printer is for --export-settings"));
        RefuseMisplacedOptions(line);
        const bool json = line.parser.isSet(line.json);
        if (line.parser.isSet(line.profiles))
            return ListProfiles(json);
        if (line.parser.isSet(line.checkLine))
            return ReportMicrLine(CheckMicrLine(line.parser.value(line.checkLine)), ReadChequeWidth(line), json);
        if (line.parser.isSet(line.micrLine) && !line.parser.isSet(line.output))
            return ReportMicrLine(ComposeMicrLine(ReadMicrFields(line.parser.value(line.micrLine))),
                                  ReadChequeWidth(line), json);
        if (line.parser.isSet(line.placementMeasured)) {
            const PlacementReadings readings = ReadPlacementReadings(line.parser.value(line.placementMeasured));
            const QPageSize::PageSizeId paper =
                line.parser.isSet(line.paper) ? ReadPaper(line.parser.value(line.paper)) : QPageSize::Letter;
            return ReportPlacement(ReadPlacementLayout(line, paper), readings, json);
        }
        if (line.parser.isSet(line.measured))
            return ReportMeasurements(ReadMeasuredLengths(line.parser.value(line.measured)),
                                      line.parser.isSet(line.bold) ? FontWeightChoice::Bold
                                                                   : FontWeightChoice::Standard,
                                      json);
        return WritePage(ReadExportOptions(line));
    } catch (const Refusal &refusal) {
        std::fprintf(stderr, "micr-calibration-page: %s\nTry micr-calibration-page --help.\n",
                     qPrintable(refusal.message()));
        return Refused;
    }
}
