// measure READINGS: the lengths measured on a printed calibration page, to
// the face that prints the MICR line at 7 inches; or measure --scan FILE,
// the lengths taken from a scan of the page.
#include "Command.h"
#include "CommonOptions.h"
#include "ScanHelper.h"

#include "answers/Measurement.h"
#include "wording/Wording.h"
#include "wording/MeasurementWording.h"
#include "wording/ReadingWording.h"
#include "wording/ScanWording.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace {

class MeasureCommand : public Command
{
public:
    MeasureCommand()
        : Command(QStringLiteral("measure"),
                  QT_TRANSLATE_NOOP("Exporter", "Judges the lengths measured on a printed calibration page."),
                  QT_TRANSLATE_NOOP("Exporter", "Weighs the lengths measured on a printed calibration page and names the line\n"
                                 "whose face prints the MICR line at 7 inches. Prints \"Line N: FACE\" when a\n"
                                 "face is within tolerance, otherwise \"Not calibrated: REASON\", then every\n"
                                 "line's length, the residual and the verdict. Exits with 0 for good or\n"
                                 "marginal, 1 when not calibrated.\n"
                                 "With --scan the lengths are measured on a scan of the page (PNG, TIFF, JPEG\n"
                                 "or a PDF holding one image), each from its first mark to its last, at the\n"
                                 "scan's resolution, which a scanner keeps to about 0.2 %: each length is\n"
                                 "given with its uncertainty, a line whose verdict it leaves open is said to\n"
                                 "be undecided, and only an answer usable within it exits with 0. One line's\n"
                                 "length read with a ruler (--ruler) sets the scale instead. A scan that\n"
                                 "cannot be read exits with 2, a scan of another page with 1."))
    {
        TakeOptionalArgument(QStringLiteral("READINGS"),
                     QCoreApplication::translate("Exporter", "LINE=LENGTH[,LINE=LENGTH...], for example \"3=7 1/16,5=183.4 mm\" (inches, "
                                    "fractions, mm or cm)."));
        AddOptions({bold_, json_, scan_, dpi_, ruler_});
    }

protected:
    int Execute(const Console &console) override
    {
        const FontWeightChoice weight = IsSet(bold_) ? FontWeightChoice::Bold : FontWeightChoice::Standard;
        if (IsSet(scan_) == !Given().isEmpty())
            throw Refusal(IsSet(scan_) ? RefusalKind::ConflictingOptions : RefusalKind::MissingArgument,
                          QCoreApplication::translate("Exporter", "%1 needs READINGS or --scan FILE, not both").arg(Name()));
        for (const QCommandLineOption *withScan : {&dpi_, &ruler_})
            if (IsSet(*withScan) && !IsSet(scan_))
                throw Refusal(RefusalKind::OptionOutOfPlace,
                              QCoreApplication::translate("Exporter", "--%1 goes with --scan").arg(withScan->names().constFirst()));
        std::optional<CalibrationFound> found;
        std::optional<ScannedLengths> scanned;
        if (IsSet(scan_)) {
            const auto ruler = ReadRuler();
            const auto answer = RunScanHelper({QStringLiteral("measure"), Value(scan_), ScanDpi(dpi_), {}, {}});
            if (const auto *refusal = std::get_if<ScanRefusal>(&answer)) {
                console.Say(Wording::CalibrationScanRefusalText(Wording::For::Reader, *refusal));
                return ScanRefusalStatus(*refusal);
            }
            found = Wording::CalibrationFoundFromJson(std::get<QJsonObject>(answer));
            if (!found) {
                console.Say(Wording::ScanRefusalText(Wording::For::Reader, {ScanProblem::Failed, 0, {}}));
                return Failed;
            }
            if (ruler) {
                const std::optional<double> &measured = found->lines.at(std::size_t(ruler->first - 1));
                if (!measured || std::abs(ruler->second / *measured - 1) > MostRulerDisagreement) {
                    console.Say(QCoreApplication::translate("Exporter", "the ruler reading %1 is more than %2 % from line %3's length on the scan, %4: "
                                                                        "is it of another line, or misread?")
                                    .arg(FormatLength(ruler->second), Wording::Figure(Wording::For::Reader, MostRulerDisagreement * 100, 0))
                                    .arg(ruler->first)
                                    .arg(measured ? FormatLength(*measured) : QStringLiteral("-")));
                    return Failed;
                }
            }
            scanned = ScaleScannedLines(*found, ruler ? ruler->first : 0, ruler ? ruler->second : 0);
        }
        const Assessment assessment = AssessReadings(NominalLineLengths(), scanned ? scanned->lengths : ReadLengths(Given()));
        if (assessment.recommended == 0) {
            console.Say(QCoreApplication::translate("Exporter", "the MICR faces are not installed, so no "
                                                                "line can be predicted; see the fonts command"));
            return Failed;
        }
        const int status = (scanned ? ScannedAnswerUsable(*scanned) : assessment.usable()) ? Done : Failed;
        if (IsSet(json_)) {
            QJsonObject answer = AssessmentAsJson(assessment, weight);
            if (scanned)
                answer.insert(QStringLiteral("readings"), Wording::ScannedLengthsAsJson(*found, *scanned));
            PrintJson(console.out, QJsonDocument(answer));
            return status;
        }
        const auto say = [&console](const QString &line) { console.out << line << '\n'; };
        if (scanned)
            PrintLines(console.out, Wording::ScanLengthsLines(Wording::For::Reader, *found, *scanned));
        if (assessment.usable()) {
            const char *face = MicrFaceName(assessment.recommended, weight);
            // Named, but not there to print with.
            const QString installed = QString::fromLatin1(face);
            say(MicrFaceInstalled(installed)
                    ? QCoreApplication::translate("Exporter", "Line %1: %2").arg(assessment.recommended).arg(installed)
                    : QCoreApplication::translate("Exporter", "Line %1: %2 (not installed on this computer: install "
                                                              "it before printing checks; see the fonts command)")
                          .arg(assessment.recommended)
                          .arg(installed));
        }
        else
            say(QCoreApplication::translate("Exporter", "Not calibrated: %1").arg(Wording::AssessmentVerdictOf(Wording::For::Reader, assessment)));
        for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
            const LineEstimate &estimate = assessment.lines[std::size_t(line - 1)];
            const QString length =
                !estimate.length ? QCoreApplication::translate("Exporter", "no length: face not installed")
                : estimate.predicted
                    ? QCoreApplication::translate("Exporter", "%1  predicted").arg(FormatLength(*estimate.length))
                    : QCoreApplication::translate("Exporter", "%1  measured").arg(FormatLength(*estimate.length));
            say(QStringLiteral("  %1 %2 %3")
                    .arg(QCoreApplication::translate("Exporter", "line %1").arg(line),
                         QString::fromLatin1(MicrFaceName(line, weight)).leftJustified(26), length));
        }
        if (assessment.scale)
            say(QCoreApplication::translate("Exporter", "Scale: %1 % of the faces' own widths")
                    .arg(Wording::Figure(Wording::For::Reader, ShownFigure(ShownFigure(*assessment.scale, 3) * 100, 1), 1)));
        say(QCoreApplication::translate("Exporter", "Residual: %1 from 7 in (Line %2)")
                .arg(Wording::Residual(Wording::For::Reader, assessment.residual))
                .arg(assessment.recommended));
        say(QCoreApplication::translate("Exporter", "Verdict: %1")
                .arg(Wording::AssessmentVerdictOf(Wording::For::Reader, assessment)));
        PrintLines(console.out, Wording::Advice(Wording::For::Reader, assessment, weight));
        return status;
    }

private:
    // --ruler's one line and its length, read as the readings are.
    std::optional<std::pair<CalibrationLine, double>> ReadRuler() const
    {
        if (!IsSet(ruler_))
            return std::nullopt;
        const LineLengths lengths = ReadLengths(Value(ruler_));
        std::optional<std::pair<CalibrationLine, double>> ruler;
        for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
            if (!lengths[std::size_t(line - 1)])
                continue;
            if (ruler)
                throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "--ruler takes one line's length, LINE=LENGTH, not \"%1\"").arg(Value(ruler_)));
            ruler = std::pair(line, *lengths[std::size_t(line - 1)]);
        }
        return ruler;
    }

    LineLengths ReadLengths(const QString &text) const
    {
        QList<ReadingField> fields;
        for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
            fields.append({QString::number(line), SampleLineRange()});
        static const QRegularExpression lineNumber(QStringLiteral("^\\s*(\\d+)\\s*="));
        for (const QString &part : text.split(QLatin1Char(','))) {
            const QRegularExpressionMatch match = lineNumber.match(part);
            const int number = match.captured(1).toInt();
            if (match.hasMatch() && (number < FirstCalibrationLine || number > LastCalibrationLine))
                throw Refusal(RefusalKind::BadValue,
                    QCoreApplication::translate("Exporter", "there is no line %1 on the page: lines are 1 to 5").arg(match.captured(1)));
        }
        const QString form = QStringLiteral("LINE=LENGTH[,LINE=LENGTH...]");
        QString error;
        ReadingListFault fault;
        const std::optional<QMap<QString, double>> lengths = ParseReadingList(text, fields, form, &error, &fault);
        // A name that is none of the readings: the list is not in its form.
        if (!lengths && fault.kind == ReadingListFault::Kind::UnknownName)
            throw Refusal(RefusalKind::MalformedArgument, Name() + QLatin1Char(' ') + error);
        if (!lengths)
            throw Refusal(RefusalKind::BadValue, QCoreApplication::translate("Exporter", "line ") + error);
        LineLengths measured;
        for (auto it = lengths->begin(); it != lengths->end(); ++it)
            measured[std::size_t(it.key().toInt() - 1)] = it.value();
        return measured;
    }

    QCommandLineOption bold_ = BoldOption(QCoreApplication::translate("Exporter", "Name the bold face of the line instead."));
    QCommandLineOption json_ = JsonOption(QCoreApplication::translate("Exporter", "one JSON object"));
    QCommandLineOption scan_{QStringLiteral("scan"),
                             QCoreApplication::translate("Exporter", "Instead of READINGS: measure the lines on a scan of the printed page (PNG, TIFF, JPEG or a one-image PDF), the paper's edges showing against a dark lid."),
                             QStringLiteral("FILE")};
    QCommandLineOption dpi_{QStringLiteral("dpi"),
                            QCoreApplication::translate("Exporter", "With --scan: the scan's resolution, where the file does not give it."),
                            QStringLiteral("N")};
    QCommandLineOption ruler_{QStringLiteral("ruler"),
                              QCoreApplication::translate("Exporter", "With --scan: one line's length read with a ruler, as LINE=LENGTH (\"3=7 1/64\"), to set the scanner's scale."),
                              QStringLiteral("LINE=LENGTH")};
};

} // namespace

std::unique_ptr<Command> MakeMeasureCommand()
{
    return std::make_unique<MeasureCommand>();
}
