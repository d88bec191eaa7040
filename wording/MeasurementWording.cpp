#include "wording/MeasurementWording.h"

#include "wording/Wording.h"

using namespace Wording::Parts;

QString Wording::VerdictOf(For audience, Verdict verdict)
{
    switch (verdict) {
    case Verdict::Good:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "good (within %1 in)"))
            .arg(Figure(audience, GoodToleranceInches, 3));
    case Verdict::Marginal:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "marginal (within %1 in: check with a MICR gauge)"))
            .arg(Figure(audience, MarginalToleranceInches, 3));
    case Verdict::Out:
        break;
    }
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "out of tolerance (more than %1 in from 7 in)"))
        .arg(Figure(audience, MarginalToleranceInches, 3));
}

QString Wording::AssessmentVerdictOf(For audience, const Assessment &assessment)
{
    switch (VerdictOfAssessment(assessment)) {
    case AssessmentVerdict::NoReadings:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "no readings"));
    case AssessmentVerdict::Inconsistent:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "readings inconsistent: measure again"));
    case AssessmentVerdict::Scaled:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "page printed scaled: print it at 100 %"));
    case AssessmentVerdict::Out:
    case AssessmentVerdict::Between:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "out of tolerance: the printer falls between two faces"));
    case AssessmentVerdict::Good:
    case AssessmentVerdict::Marginal:
        break;
    }
    return VerdictOf(audience, assessment.verdict);
}

QString Wording::BetweenFaces(For audience, CalibrationLine shorter, double shorterInches, CalibrationLine longer,
                              double longerInches, FontWeightChoice weight)
{
    QStringList sides;
    for (const auto &[line, inches] : {std::pair(shorter, shorterInches), std::pair(longer, longerInches)}) {
        if (line != 0)
            sides << Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 (%2) is %3"))
                         .arg(line)
                         .arg(FaceName(line, weight), Residual(audience, inches - TargetLineInches));
    }
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "This printer falls between two faces: %1. Neither is within "
                                                      "tolerance."))
        .arg(sides.join(QStringLiteral("; ")));
}

QString Wording::LineSummary(For audience, const Assessment &assessment, CalibrationLine line)
{
    const LineEstimate &estimate = assessment.lines.at(std::size_t(line - 1));
    if (!estimate.length)
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 was not measured.")).arg(line);
    if (assessment.inconsistent || assessment.pageScaled)
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "Not calibrated: %1."))
            .arg(AssessmentVerdictOf(audience, assessment));
    const double residual = *estimate.length - TargetLineInches;
    const QString measured =
        (estimate.predicted ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 should print %2 in, %3 in from 7 in"))
                            : Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 measured %2 in, %3 in from 7 in")))
            .arg(line)
            .arg(Shown(audience, *estimate.length, 3), Signed(audience, residual, 3));
    switch (JudgeResidual(residual)) {
    case Verdict::Good:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1: good.")).arg(measured);
    case Verdict::Marginal:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1: marginal, check with a MICR gauge.")).arg(measured);
    case Verdict::Out:
        break;
    }
    if (assessment.usable())
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "Not calibrated: %1, out of tolerance. Choose Line %2 on "
                                                          "step 2."))
            .arg(measured)
            .arg(assessment.recommended);
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "Not calibrated: %1, out of tolerance.")).arg(measured);
}

QStringList Wording::Advice(For audience, const Assessment &assessment, FontWeightChoice weight)
{
    QStringList advice;
    if (assessment.recommended == 0) {
        advice << Say(audience, QT_TRANSLATE_NOOP("Wording", "Type the length of at least one sample line."));
        return advice;
    }
    if (assessment.inconsistent) {
        advice << Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                  "The readings do not agree with each other: one printer scales "
                                                  "every line alike, but some reading is more than %1 in from what "
                                                  "the others predict. Measure the lines again, from the left edge "
                                                  "of the first mark to the left edge of the last."))
                      .arg(Figure(audience, ConsistencyToleranceInches, 2));
        return advice;
    }
    if (assessment.pageScaled) {
        const QString percent = Shown(audience, ShownFigure(assessment.scale.value_or(1), 3) * 100, 1);
        advice << (assessment.residual > 0
                       ? Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                         "The page was probably printed scaled, at about %1 %: every "
                                                         "line is longer than any MICR face could make it. Print the "
                                                         "calibration page again at 100 %, with no \"fit to page\" or "
                                                         "\"shrink to fit\", before choosing a face."))
                       : Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                         "The page was probably printed scaled, at about %1 %: every "
                                                         "line is shorter than any MICR face could make it. Print the "
                                                         "calibration page again at 100 %, with no \"fit to page\" or "
                                                         "\"shrink to fit\", before choosing a face.")))
                      .arg(percent);
        return advice;
    }
    if (assessment.verdict == Verdict::Out) {
        const auto lengthOf = [&assessment](CalibrationLine line) {
            return line == 0 ? 0.0 : *assessment.lines[std::size_t(line - 1)].length;
        };
        advice << BetweenFaces(audience, assessment.shorterLine, lengthOf(assessment.shorterLine),
                               assessment.longerLine, lengthOf(assessment.longerLine), weight);
        return advice;
    }
    if (assessment.recommendedIsPredicted())
        advice << Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 was not measured: its length is predicted "
                                                             "from the others. Measure it to confirm."))
                      .arg(assessment.recommended);
    if (assessment.verdict == Verdict::Marginal)
        advice << Say(audience,
                      QT_TRANSLATE_NOOP("Wording", "Print a test check and check its MICR line with a MICR gauge."));
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
    const QString face = usable ? QString::fromLatin1(MicrFaceName(assessment.recommended, weight)) : QString();
    return {{QStringLiteral("line"), usable ? QJsonValue(assessment.recommended) : QJsonValue()},
            {QStringLiteral("face"), usable ? QJsonValue(face) : QJsonValue()},
            {QStringLiteral("face_installed"), usable ? QJsonValue(MicrFaceInstalled(face)) : QJsonValue()},
            {QStringLiteral("residual_in"), ShownInches(assessment.residual)},
            {QStringLiteral("verdict"), AssessmentVerdictKey(assessment)},
            {QStringLiteral("scale"),
             assessment.scale ? QJsonValue(ShownFigure(*assessment.scale, 3)) : QJsonValue()},
            {QStringLiteral("lines"), lines}};
}
