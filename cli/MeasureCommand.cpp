// measure READINGS: the lengths measured on a printed calibration page, to
// the face that prints the MICR line at 7 inches.
#include "Command.h"
#include "CommonOptions.h"

#include "answers/Measurement.h"
#include "wording/Wording.h"
#include "wording/MeasurementWording.h"
#include "wording/ReadingWording.h"

#include <QCoreApplication>
#include <QRegularExpression>

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
                                 "marginal, 1 when not calibrated."))
    {
        TakeArgument(QStringLiteral("READINGS"),
                     QCoreApplication::translate("Exporter", "LINE=LENGTH[,LINE=LENGTH...], for example \"3=7 1/16,5=183.4 mm\" (inches, "
                                    "fractions, mm or cm)."));
        AddOptions({bold_, json_});
    }

protected:
    int Execute(const Console &console) override
    {
        const FontWeightChoice weight = IsSet(bold_) ? FontWeightChoice::Bold : FontWeightChoice::Standard;
        const Assessment assessment = AssessReadings(NominalLineLengths(), ReadLengths(Given()));
        if (assessment.recommended == 0) {
            console.Say(QCoreApplication::translate("Exporter", "the MICR faces are not installed, so no "
                                                                "line can be predicted; see the fonts command"));
            return Failed;
        }
        const int status = assessment.usable() ? Done : Failed;
        if (IsSet(json_)) {
            PrintJson(console.out, QJsonDocument(AssessmentAsJson(assessment, weight)));
            return status;
        }
        const auto say = [&console](const QString &line) { console.out << line << '\n'; };
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
};

} // namespace

std::unique_ptr<Command> MakeMeasureCommand()
{
    return std::make_unique<MeasureCommand>();
}
