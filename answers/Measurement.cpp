#include "answers/Measurement.h"


#include <QFont>
#include <QFontDatabase>
#include <QJsonArray>
#include <QRawFont>

#include <cmath>

namespace {
constexpr double SampleLinePoints = 10;
} // namespace

std::optional<QRawFont> FaceAtDesignUnits(const QString &family)
{
    if (!QFontDatabase::hasFamily(family))
        return std::nullopt;
    QFont font(family);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.unitsPerEm() <= 0)
        return std::nullopt;
    // At one pixel to the design unit the advances are the design widths.
    raw.setPixelSize(raw.unitsPerEm());
    return raw;
}

std::optional<double> SampleLineInches(const QString &face)
{
    const std::optional<QRawFont> found = FaceAtDesignUnits(face);
    if (!found)
        return std::nullopt;
    const QRawFont &raw = *found;
    const QList<quint32> glyphs = raw.glyphIndexesForString(QLatin1String(SampleLineDigits));
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    double units = 0;
    for (const QPointF &advance : advances)
        units += advance.x();
    return units / raw.unitsPerEm() * SampleLinePoints / PointsPerInch;
}

bool MicrFaceInstalled(const QString &face)
{
    return QFontDatabase::hasFamily(face);
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

AssessmentVerdict VerdictOfAssessment(const Assessment &assessment)
{
    if (assessment.recommended == 0)
        return AssessmentVerdict::NoReadings;
    if (assessment.inconsistent)
        return AssessmentVerdict::Inconsistent;
    if (assessment.pageScaled)
        return AssessmentVerdict::Scaled;
    if (assessment.verdict == Verdict::Good)
        return AssessmentVerdict::Good;
    if (assessment.verdict == Verdict::Marginal)
        return AssessmentVerdict::Marginal;
    return assessment.shorterLine != 0 && assessment.longerLine != 0 ? AssessmentVerdict::Between
                                                                     : AssessmentVerdict::Out;
}

QString AssessmentVerdictKey(AssessmentVerdict verdict)
{
    switch (verdict) {
    case AssessmentVerdict::Good:
        return QStringLiteral("good");
    case AssessmentVerdict::Marginal:
        return QStringLiteral("marginal");
    case AssessmentVerdict::Between:
        return QStringLiteral("between");
    case AssessmentVerdict::Scaled:
        return QStringLiteral("scaled");
    case AssessmentVerdict::Inconsistent:
        return QStringLiteral("inconsistent");
    case AssessmentVerdict::NoReadings:
    case AssessmentVerdict::Out:
        break;
    }
    return QStringLiteral("out");
}

QString AssessmentVerdictKey(const Assessment &assessment)
{
    return AssessmentVerdictKey(VerdictOfAssessment(assessment));
}

QStringList AssessmentVerdictKeys()
{
    QStringList keys;
    for (AssessmentVerdict verdict :
         {AssessmentVerdict::Good, AssessmentVerdict::Marginal, AssessmentVerdict::Out, AssessmentVerdict::Between,
          AssessmentVerdict::Scaled, AssessmentVerdict::Inconsistent})
        keys << AssessmentVerdictKey(verdict);
    return keys;
}

bool LineNotCalibrated(const Assessment &assessment, CalibrationLine line)
{
    const LineEstimate &estimate = assessment.lines.at(std::size_t(line - 1));
    return estimate.length
        && (assessment.inconsistent || assessment.pageScaled
            || JudgeResidual(*estimate.length - TargetLineInches) == Verdict::Out);
}

