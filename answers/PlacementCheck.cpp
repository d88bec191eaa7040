#include "answers/PlacementCheck.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

double PlacementResult::totalRight() const
{
    return MovedInches(applied.right, moveRight);
}

double PlacementResult::totalUp() const
{
    return MovedInches(applied.up, moveUp);
}

bool PlacementResult::offsetsFine() const
{
    return correctionOffered() && std::abs(ShownInches(moveRight)) <= OffsetToleranceInches
        && std::abs(ShownInches(moveUp)) <= OffsetToleranceInches;
}

namespace {

// The length of `line`'s MICR line at scale `sx`, where its face is installed.
std::optional<double> LineAtScale(const LineLengths &nominal, CalibrationLine line, double sx)
{
    const std::optional<double> &length = nominal.at(std::size_t(line - 1));
    if (!length)
        return std::nullopt;
    return sx * *length;
}

// The chosen face makes up for the scale, another face would, the scale
// falls between two faces' windows, or no face comes near.
void JudgeScale(PlacementResult &result, const PlacementLayout &layout, const LineLengths &nominal)
{
    result.chosenLineInches = LineAtScale(nominal, layout.line, result.scaleX);
    const double chosen = result.chosenLineInches.value_or(result.scaleX * TargetLineInches);
    if (JudgeResidual(chosen - TargetLineInches) != Verdict::Out) {
        result.lineForScale = layout.line;
        return;
    }
    double closest = 0;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const std::optional<double> length = LineAtScale(nominal, line, result.scaleX);
        if (!length)
            continue;
        const double residual = *length - TargetLineInches;
        if (line != layout.line && JudgeResidual(residual) != Verdict::Out
            && (result.lineForScale == 0 || std::abs(residual) < closest)) {
            result.lineForScale = line;
            closest = std::abs(residual);
        }
        // The nearest face on each side of 7 inches.
        if (residual < 0 && (result.shorterLine == 0 || *length > result.shorterInches)) {
            result.shorterLine = line;
            result.shorterInches = *length;
        }
        if (residual > 0 && (result.longerLine == 0 || *length < result.longerInches)) {
            result.longerLine = line;
            result.longerInches = *length;
        }
    }
    if (result.lineForScale != 0)
        result.scaleVerdict = ScaleVerdict::OtherFace;
    else if (result.shorterLine != 0 && result.longerLine != 0)
        result.scaleVerdict = ScaleVerdict::BetweenFaces;
    else
        result.scaleVerdict = ScaleVerdict::PrintPath;
}

// Readings that no printer near 100 % gives for this page.
ReadingProblem CheckReadings(PlacementResult &result, const PlacementLayout &layout, double landedBaseline)
{
    if (result.scaleY) {
        const double difference =
            std::abs(ShownFigure(result.scaleX * 100, 1) - ShownFigure(*result.scaleY * 100, 1));
        if (ShownFigure(difference, 1) > MostScaleDifferencePercent)
            return ReadingProblem::ScalesDisagree;
    }
    if (result.scaleVerdict == ScaleVerdict::PrintPath)
        return ReadingProblem::None; // a scaled page lands anywhere; it is printed again first
    // The page's baseline rule stands where its correction put it.
    const double margin = FarthestFromBandInches + std::abs(layout.applied.up);
    const double above = ShownInches(result.baselineInches);
    if (above >= ShownInches(PrintBandBottomInches - margin) && above <= ShownInches(PrintBandTopInches + margin))
        return ReadingProblem::None;
    const int onCheque = std::clamp(int(std::floor(landedBaseline / layout.stock.chequeInches)), 0, 2);
    result.baselineCheque = ChequePosition(onCheque);
    return result.baselineCheque != layout.cheque ? ReadingProblem::OtherCheque : ReadingProblem::FarFromBand;
}

} // namespace

PlacementResult AssessPlacement(const PlacementLayout &layout, const PlacementReadings &readings,
                                const LineLengths &nominal)
{
    PlacementResult result;
    result.applied = layout.applied;
    result.scaleX = readings.bar / ReferenceBarInches;
    if (readings.verticalBar)
        result.scaleY = *readings.verticalBar / VerticalBarInches;
    JudgeScale(result, layout, nominal);

    // Where the line landed. The software's move goes through the same
    // scale, so the distance to go is divided by it. The page's line stood
    // where its correction put it, so what is still to go is measured from
    // the standard's place as it is without one.
    const double bottom = ChequeBottomInches(layout);
    const double landedBaseline =
        readings.vertical == VerticalReading::FromChequeBottom ? bottom - readings.fromEdge : readings.fromEdge;
    result.rightEndInches = readings.right;
    result.baselineInches = bottom - landedBaseline;
    result.moveRight = (readings.right - FirstPositionRightInches) / result.scaleX;
    result.moveUp = (landedBaseline - BaselineInches(layout)) / result.scaleY.value_or(1);
    result.problem = CheckReadings(result, layout, landedBaseline);
    return result;
}

QString ScaleVerdictKey(ScaleVerdict verdict)
{
    static const char *const keys[] = {"fine", "other-face", "between-faces", "print-path"};
    return QLatin1String(keys[int(verdict)]);
}

QStringList ScaleVerdictKeys()
{
    QStringList keys;
    for (ScaleVerdict verdict :
         {ScaleVerdict::Fine, ScaleVerdict::OtherFace, ScaleVerdict::BetweenFaces, ScaleVerdict::PrintPath})
        keys << ScaleVerdictKey(verdict);
    return keys;
}

QString ReadingProblemKey(ReadingProblem problem)
{
    static const char *const keys[] = {"", "scales-disagree", "other-cheque", "far-from-band"};
    return QLatin1String(keys[int(problem)]);
}

