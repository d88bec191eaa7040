// measure READINGS: the lengths measured on a printed calibration page, to
// the face that prints the MICR line at 7 inches.
#include "Command.h"
#include "CommonOptions.h"

#include "calibration/Measurement.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>

namespace {

class MeasureCommand : public Command
{
public:
    MeasureCommand()
        : Command(QStringLiteral("measure"),
                  QCoreApplication::translate("Exporter", "Judges the lengths measured on a printed calibration page."),
                  QCoreApplication::translate("Exporter", "Weighs the lengths measured on a printed calibration page and names the line\n"
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
    int Execute() override
    {
        const FontWeightChoice weight = IsSet(bold_) ? FontWeightChoice::Bold : FontWeightChoice::Standard;
        const Assessment assessment = AssessReadings(NominalLineLengths(), ReadLengths(Given()));
        if (assessment.recommended == 0) {
            std::fprintf(stderr, "micr-calibration-page: %s\n",
                         qPrintable(QCoreApplication::translate("Exporter", "the MICR faces are not installed, so no "
                                                                            "line can be predicted; see the fonts command")));
            return Failed;
        }
        const int status = assessment.usable() ? Done : Failed;
        if (IsSet(json_)) {
            PrintJson(QJsonDocument(AssessmentAsJson(assessment, weight)));
            return status;
        }
        if (assessment.usable()) {
            const char *face = MicrFaceName(assessment.recommended, weight);
            // Named, but not there to print with.
            std::printf("Line %d: %s%s\n", assessment.recommended, face,
                        MicrFaceInstalled(QString::fromLatin1(face))
                            ? ""
                            : " (not installed on this computer: install it before printing cheques; see the "
                              "fonts command)");
        }
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
        if (assessment.scale)
            std::printf("Scale: %s %% of the faces' own widths\n",
                        qPrintable(FormatShown(ShownFigure(*assessment.scale, 3) * 100, 1)));
        std::printf("Residual: %s from 7 in (Line %d)\n", qPrintable(FormatResidual(assessment.residual)),
                    assessment.recommended);
        std::printf("Verdict: %s\n", qPrintable(AssessmentVerdictText(assessment)));
        PrintLines(Advice(assessment, weight));
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
                throw Refusal(
                    QCoreApplication::translate("Exporter", "there is no line %1 on the page: lines are 1 to 5").arg(match.captured(1)));
        }
        QString error;
        const std::optional<QMap<QString, double>> lengths =
            ParseReadingList(text, fields, QStringLiteral("LINE=LENGTH[,LINE=LENGTH...]"), &error);
        if (!lengths)
            throw Refusal(error.startsWith(QLatin1String("takes")) ? Name() + QLatin1Char(' ') + error
                                                                    : QCoreApplication::translate("Exporter", "line ") + error);
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
