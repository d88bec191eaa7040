#include "Measurement.h"

#include "CalibrationPage.h"

#include <QFont>
#include <QFontDatabase>
#include <QJsonArray>
#include <QRawFont>

#include <cmath>

namespace {
constexpr double SampleLinePoints = 10;
constexpr double PointsPerInch = 72;
} // namespace

std::optional<double> SampleLineInches(const QString &face)
{
    if (!QFontDatabase::hasFamily(face))
        return std::nullopt;
    QFont font(face);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.unitsPerEm() <= 0)
        return std::nullopt;
    // At one pixel to the design unit the advances are the design widths.
    raw.setPixelSize(raw.unitsPerEm());
    const QList<quint32> glyphs = raw.glyphIndexesForString(SampleLineText());
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    double units = 0;
    for (const QPointF &advance : advances)
        units += advance.x();
    return units / raw.unitsPerEm() * SampleLinePoints / PointsPerInch;
}

LineLengths NominalLineLengths()
{
    LineLengths lengths;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        lengths[std::size_t(line - 1)] =
            SampleLineInches(QString::fromLatin1(MicrFaceName(line, FontWeightChoice::Standard)));
    return lengths;
}

Verdict JudgeResidual(double residual)
{
    // 7.030 shows as +0.030, so it is marginal, though 7.03 - 7 > 0.03 in
    // floating point; the limits themselves are compared as shown too.
    const double shown = std::abs(ShownInches(residual));
    if (shown <= ShownInches(GoodToleranceInches))
        return Verdict::Good;
    if (shown <= ShownInches(MarginalToleranceInches))
        return Verdict::Marginal;
    return Verdict::Out;
}

namespace {

// Measured over nominal, least squares over the measured lines but
// `leftOut` (an index, or none).
std::optional<double> LeastSquaresScale(const LineLengths &nominal, const LineLengths &measured,
                                        std::size_t leftOut = LineLengths().size())
{
    double measuredTimesNominal = 0;
    double nominalSquared = 0;
    for (std::size_t i = 0; i < nominal.size(); ++i) {
        if (i != leftOut && nominal[i] && measured[i]) {
            measuredTimesNominal += *measured[i] * *nominal[i];
            nominalSquared += *nominal[i] * *nominal[i];
        }
    }
    if (nominalSquared <= 0)
        return std::nullopt;
    return measuredTimesNominal / nominalSquared;
}

} // namespace

Assessment AssessReadings(const LineLengths &nominal, const LineLengths &measured)
{
    Assessment result;
    result.scale = LeastSquaresScale(nominal, measured);
    for (std::size_t i = 0; i < result.lines.size(); ++i) {
        LineEstimate &estimate = result.lines[i];
        if (measured[i]) {
            estimate.length = measured[i];
            // Against the others alone: with the reading itself in the
            // scale, two readings always sit close to their own average.
            const std::optional<double> others = LeastSquaresScale(nominal, measured, i);
            if (others && nominal[i]
                && ShownInches(std::abs(*measured[i] - *others * *nominal[i])) > ConsistencyToleranceInches)
                result.inconsistent = true;
        } else if (result.scale && nominal[i]) {
            estimate.length = *result.scale * *nominal[i];
            estimate.predicted = true;
        }
    }

    // Closest to 7 inches; of two equally close, the one nearer Line 3.
    constexpr CalibrationLine BaseLine = 3;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const std::optional<double> &length = result.lines[std::size_t(line - 1)].length;
        if (!length)
            continue;
        const double residual = *length - TargetLineInches;
        const double shown = std::abs(ShownInches(residual));
        const double best = std::abs(ShownInches(result.residual));
        const bool closer = result.recommended == 0 || shown < best
            || (shown == best && std::abs(line - BaseLine) < std::abs(result.recommended - BaseLine));
        if (closer) {
            result.recommended = line;
            result.residual = residual;
        }
    }
    if (result.recommended == 0)
        return result;
    result.verdict = JudgeResidual(result.residual);
    if (result.verdict != Verdict::Out || result.inconsistent)
        return result;

    // Nothing fits: scaled past every variant, or between two of them.
    if ((result.recommended == FirstCalibrationLine && result.residual > 0)
        || (result.recommended == LastCalibrationLine && result.residual < 0)) {
        result.pageScaled = true;
        return result;
    }
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const std::optional<double> &length = result.lines[std::size_t(line - 1)].length;
        if (!length)
            continue;
        const auto lengthOf = [&result](CalibrationLine other) {
            return *result.lines[std::size_t(other - 1)].length;
        };
        if (*length < TargetLineInches && (result.shorterLine == 0 || *length > lengthOf(result.shorterLine)))
            result.shorterLine = line;
        if (*length > TargetLineInches && (result.longerLine == 0 || *length < lengthOf(result.longerLine)))
            result.longerLine = line;
    }
    return result;
}

QString FormatResidual(double inches)
{
    // Rounded as shown, so that a residual that shows as zero has no sign.
    const double shownInches = std::round(inches * 1000) / 1000;
    const double shownMillimetres = std::round(inches * MillimetresPerInch * 100) / 100;
    const auto sign = [](double value) { return value > 0 ? QStringLiteral("+") : QString(); };
    return QStringLiteral("%1%2 in (%3%4 mm)")
        .arg(sign(shownInches))
        .arg(shownInches == 0 ? 0.0 : shownInches, 0, 'f', 3)
        .arg(sign(shownMillimetres))
        .arg(shownMillimetres == 0 ? 0.0 : shownMillimetres, 0, 'f', 2);
}

QString VerdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Good:
        return QStringLiteral("good (within %1 in)").arg(GoodToleranceInches, 0, 'f', 3);
    case Verdict::Marginal:
        return QStringLiteral("marginal (within %1 in: check with a MICR gauge)").arg(MarginalToleranceInches, 0, 'f', 3);
    case Verdict::Out:
        break;
    }
    return QStringLiteral("out of tolerance (more than %1 in from 7 in)").arg(MarginalToleranceInches, 0, 'f', 3);
}

QString AssessmentVerdictText(const Assessment &assessment)
{
    if (assessment.recommended == 0)
        return QStringLiteral("no readings");
    if (assessment.inconsistent)
        return QStringLiteral("readings inconsistent: measure again");
    if (assessment.pageScaled)
        return QStringLiteral("page printed scaled: print it at 100 %");
    if (assessment.verdict == Verdict::Out)
        return QStringLiteral("out of tolerance: the printer falls between two faces");
    return VerdictText(assessment.verdict);
}

QString AssessmentVerdictKey(const Assessment &assessment)
{
    if (assessment.inconsistent)
        return QStringLiteral("inconsistent");
    if (assessment.pageScaled)
        return QStringLiteral("scaled");
    if (assessment.verdict != Verdict::Out)
        return assessment.verdict == Verdict::Good ? QStringLiteral("good") : QStringLiteral("marginal");
    return assessment.shorterLine != 0 && assessment.longerLine != 0 ? QStringLiteral("between")
                                                                     : QStringLiteral("out");
}

QString LineSummary(const Assessment &assessment, CalibrationLine line)
{
    const LineEstimate &estimate = assessment.lines.at(std::size_t(line - 1));
    if (!estimate.length)
        return QStringLiteral("Line %1 was not measured.").arg(line);
    if (assessment.inconsistent || assessment.pageScaled)
        return QStringLiteral("Not calibrated: %1.").arg(AssessmentVerdictText(assessment));
    const double residual = *estimate.length - TargetLineInches;
    const QString measured = QStringLiteral("Line %1 %2 %3 in, %4 in from 7 in")
                                 .arg(line)
                                 .arg(estimate.predicted ? QStringLiteral("should print") : QStringLiteral("measured"),
                                      QString::number(*estimate.length, 'f', 3),
                                      FormatResidual(residual).section(QLatin1Char(' '), 0, 0));
    switch (JudgeResidual(residual)) {
    case Verdict::Good:
        return measured + QStringLiteral(": good.");
    case Verdict::Marginal:
        return measured + QStringLiteral(": marginal, check with a MICR gauge.");
    case Verdict::Out:
        break;
    }
    QString instead;
    if (assessment.usable())
        instead = QStringLiteral(" Choose Line %1 on step 2.").arg(assessment.recommended);
    return QStringLiteral("Not calibrated: %1, out of tolerance.%2").arg(measured, instead);
}

QStringList Advice(const Assessment &assessment, FontWeightChoice weight)
{
    const auto face = [weight](CalibrationLine line) { return QString::fromLatin1(MicrFaceName(line, weight)); };
    QStringList advice;
    if (assessment.recommended == 0) {
        advice << QStringLiteral("Type the length of at least one sample line.");
        return advice;
    }
    if (assessment.inconsistent) {
        advice << QStringLiteral("The readings do not agree with each other: one printer scales every line alike, "
                                 "but some reading is more than %1 in from what the others predict. Measure the "
                                 "lines again, from the left edge of the first mark to the left edge of the last.")
                      .arg(ConsistencyToleranceInches, 0, 'f', 2);
        return advice;
    }
    if (assessment.pageScaled) {
        advice << QStringLiteral("The page was probably printed scaled, at about %1 %: every line is %2 than any "
                                 "MICR face could make it. Print the calibration page again at 100 %, with no "
                                 "\"fit to page\" or \"shrink to fit\", before choosing a face.")
                      .arg(assessment.scale.value_or(1) * 100, 0, 'f', 1)
                      .arg(assessment.residual > 0 ? QStringLiteral("longer") : QStringLiteral("shorter"));
        return advice;
    }
    if (assessment.verdict == Verdict::Out) {
        const auto describe = [&](CalibrationLine line) {
            return QStringLiteral("Line %1 (%2) is %3")
                .arg(line)
                .arg(face(line), FormatResidual(*assessment.lines[std::size_t(line - 1)].length - TargetLineInches));
        };
        QStringList sides;
        if (assessment.shorterLine != 0)
            sides << describe(assessment.shorterLine);
        if (assessment.longerLine != 0)
            sides << describe(assessment.longerLine);
        advice << QStringLiteral("This printer falls between two faces: %1. Neither is within tolerance.")
                      .arg(sides.join(QStringLiteral("; ")));
        return advice;
    }
    if (assessment.recommendedIsPredicted())
        advice << QStringLiteral("Line %1 was not measured: its length is predicted from the others. Measure it "
                                 "to confirm.")
                      .arg(assessment.recommended);
    if (assessment.verdict == Verdict::Marginal)
        advice << QStringLiteral("Print a test cheque and check its MICR line with a MICR gauge.");
    return advice;
}

QJsonObject AssessmentAsJson(const Assessment &assessment, FontWeightChoice weight)
{
    QJsonArray lines;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const LineEstimate &estimate = assessment.lines[std::size_t(line - 1)];
        lines.append(QJsonObject{{QStringLiteral("line"), line},
                                 {QStringLiteral("length_in"),
                                  estimate.length ? QJsonValue(ShownInches(*estimate.length)) : QJsonValue()},
                                 {QStringLiteral("predicted"), estimate.predicted}});
    }
    const bool usable = assessment.usable();
    return {{QStringLiteral("line"), usable ? QJsonValue(assessment.recommended) : QJsonValue()},
            {QStringLiteral("face"),
             usable ? QJsonValue(QLatin1String(MicrFaceName(assessment.recommended, weight))) : QJsonValue()},
            {QStringLiteral("residual_in"), ShownInches(assessment.residual)},
            {QStringLiteral("verdict"), AssessmentVerdictKey(assessment)},
            {QStringLiteral("scale"), assessment.scale ? QJsonValue(*assessment.scale) : QJsonValue()},
            {QStringLiteral("lines"), lines}};
}
