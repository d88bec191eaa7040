#include "PlacementCheck.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

double PlacementResult::totalRight() const
{
    return ShownInches(ShownInches(applied.right) + ShownInches(moveRight));
}

double PlacementResult::totalUp() const
{
    return ShownInches(ShownInches(applied.up) + ShownInches(moveUp));
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

QString ReadingProblemKey(ReadingProblem problem)
{
    static const char *const keys[] = {"", "scales-disagree", "other-cheque", "far-from-band"};
    return QLatin1String(keys[int(problem)]);
}

namespace {

// "right 0.020 in (0.51 mm, 20/1000 in)"; a move of nothing is shown too.
QString Move(double inches, const QString &positive, const QString &negative)
{
    const double size = std::abs(ShownInches(inches));
    return QStringLiteral("%1 %2 in (%3 mm, %4/1000 in)")
        .arg(ShownInches(inches) < 0 ? negative : positive, FormatShown(size, 3),
             FormatShown(size * MillimetresPerInch, 2))
        .arg(std::lround(size * 1000));
}

QString Moves(double right, double up)
{
    return QStringLiteral("%1 and %2")
        .arg(Move(right, QStringLiteral("right"), QStringLiteral("left")),
             Move(up, QStringLiteral("up"), QStringLiteral("down")));
}

QString FaceOf(const PlacementLayout &layout, CalibrationLine line)
{
    return QStringLiteral("Line %1's face, %2,").arg(line).arg(QString::fromLatin1(MicrFaceName(line, layout.weight)));
}

QString ScaleSentence(const PlacementLayout &layout, const PlacementResult &result)
{
    const QString across = QStringLiteral("Page scale across: %1 % (the bar is %2 in).")
                               .arg(FormatShown(ShownFigure(result.scaleX, 3) * 100, 1),
                                    FormatShown(result.scaleX * ReferenceBarInches, 3));
    const QString chosen =
        result.chosenLineInches
            ? QStringLiteral("%1 prints the MICR line %2 in long")
                  .arg(FaceOf(layout, layout.line), FormatShown(*result.chosenLineInches, 3))
            : QStringLiteral("%1 is not installed").arg(FaceOf(layout, layout.line).chopped(1));
    const QString tolerance = FormatShown(MarginalToleranceInches, 3);
    switch (result.scaleVerdict) {
    case ScaleVerdict::Fine:
        return QStringLiteral("%1 At this scale %2: fine, the face makes up for the printer's scale.")
            .arg(across, chosen);
    case ScaleVerdict::OtherFace:
        return QStringLiteral("%1 At this scale %2: out of tolerance. %3 would print it within %4 in of 7 in.")
            .arg(across, chosen, FaceOf(layout, result.lineForScale).chopped(1), tolerance);
    case ScaleVerdict::BetweenFaces:
        return QStringLiteral("%1 At this scale %2: out of tolerance, and no face prints it within %3 in of 7 in. %4")
            .arg(across, chosen, tolerance,
                 BetweenFacesText(result.shorterLine, result.shorterInches, result.longerLine, result.longerInches,
                                  layout.weight));
    case ScaleVerdict::PrintPath:
        break;
    }
    return QStringLiteral("%1 No face prints the MICR line within %2 in of 7 in at this scale, nor comes near: the "
                          "page was scaled on its way to the printer.")
        .arg(across, tolerance);
}

// Why no move is offered from readings that cannot be right, and what to
// measure again.
QString ProblemSentence(const PlacementLayout &layout, const PlacementResult &result)
{
    const QString chosen = ChequeName(layout.cheque);
    switch (result.problem) {
    case ReadingProblem::ScalesDisagree:
        return QStringLiteral("No correction from these readings: the page's scales across and down differ by more "
                              "than %1 %, which no printer does, so a bar was misread. Measure the reference bar "
                              "(7.000 in) and the vertical bar (2.000 in) again, each from its first tick to its "
                              "last.")
            .arg(FormatLimit(MostScaleDifferencePercent));
    case ReadingProblem::OtherCheque:
        return QStringLiteral("No correction from these readings: the baseline lies on the %1 cheque, but the page "
                              "was printed for the %2 cheque. Choose the cheque the page was printed for, or measure "
                              "again from the paper's top edge down to the baseline rule under the MICR line of the "
                              "%2 cheque.")
            .arg(ChequeName(result.baselineCheque), chosen);
    case ReadingProblem::FarFromBand:
        return QStringLiteral("No correction from these readings: the baseline is %1 in above the %2 cheque's bottom "
                              "edge, more than 1/2 in outside its MICR print band (%3 to %4 in). Measure again, "
                              "from the cheque's bottom edge up to the baseline rule under the MICR line, or from "
                              "the paper's top edge down to it.")
            .arg(FormatShown(result.baselineInches, 3), chosen, FormatShown(PrintBandBottomInches, 3),
                 FormatShown(PrintBandTopInches, 3));
    case ReadingProblem::None:
        break;
    }
    return {};
}

} // namespace

QStringList DescribePlacement(const PlacementLayout &layout, const PlacementResult &result)
{
    QStringList lines;
    lines << ScaleSentence(layout, result);
    lines << (result.scaleY ? QStringLiteral("Page scale down: %1 % (the vertical bar is %2 in).")
                                  .arg(FormatShown(ShownFigure(*result.scaleY, 3) * 100, 1),
                                       FormatShown(*result.scaleY * VerticalBarInches, 3))
                            : QStringLiteral("Page scale down: not measured, taken as 100 %."));
    if (!result.applied.none())
        lines << QStringLiteral("This page carries the correction %1.").arg(CorrectionWords(result.applied));
    if (result.problem != ReadingProblem::None) {
        lines << ProblemSentence(layout, result);
        return lines;
    }
    if (result.scaleVerdict == ScaleVerdict::PrintPath) {
        lines << QStringLiteral("No correction from a scaled page: print it at 100 %, with no \"fit to page\", then "
                                "measure the page again.");
        return lines;
    }
    lines << QStringLiteral("On the %1 cheque (%2), position 1 ends %3 in from the cheque's right edge (the "
                            "standard puts it at %4 in) and the baseline is %5 in above its bottom edge (%6 in).")
                 .arg(ChequeName(layout.cheque), layout.stock.Name(), FormatShown(result.rightEndInches, 3),
                      FormatShown(FirstPositionRightInches, 3), FormatShown(result.baselineInches, 3),
                      FormatShown(PrintBandBottomInches, 3));
    if (result.applied.none()) {
        lines << QStringLiteral("Correction for your cheque-printing software: move the MICR line %1.")
                     .arg(Moves(result.moveRight, result.moveUp));
    } else {
        lines << QStringLiteral("Still to move from the page's correction: %1.").arg(Moves(result.moveRight, result.moveUp));
        lines << QStringLiteral("Total correction for your cheque-printing software, in place of the page's: move "
                                "the MICR line %1.")
                     .arg(Moves(result.totalRight(), result.totalUp()));
    }
    const bool movesFine = result.offsetsFine();
    switch (result.scaleVerdict) {
    case ScaleVerdict::Fine:
        lines << (movesFine ? QStringLiteral("Both moves are within 1/32 in: the placement is fine.")
                            : QStringLiteral("A move is more than 1/32 in: print the page again with the total "
                                             "correction, then measure it again."));
        break;
    case ScaleVerdict::OtherFace:
        lines << QStringLiteral("Not placed yet: choose Line %1 on step 2, then print the page again%2 and measure it.")
                     .arg(result.lineForScale)
                     .arg(movesFine ? QString() : QStringLiteral(" with the total correction"));
        break;
    case ScaleVerdict::BetweenFaces:
        lines << QStringLiteral("Not calibrated: no face makes up for this printer's scale, so its MICR line is out "
                                "of tolerance wherever it is placed.");
        break;
    case ScaleVerdict::PrintPath:
        break;
    }
    return lines;
}

QJsonObject PlacementAsJson(const PlacementResult &result)
{
    const bool offered = result.correctionOffered();
    const auto orNull = [](bool present, const QJsonValue &value) {
        return present ? value : QJsonValue(QJsonValue::Null);
    };
    const bool between = result.scaleVerdict == ScaleVerdict::BetweenFaces;
    return {{QStringLiteral("scale"), ShownFigure(result.scaleX, 3)},
            {QStringLiteral("scale_y"), orNull(bool(result.scaleY), ShownFigure(result.scaleY.value_or(0), 3))},
            {QStringLiteral("scale_verdict"), ScaleVerdictKey(result.scaleVerdict)},
            {QStringLiteral("line_for_scale"), orNull(result.lineForScale != 0, result.lineForScale)},
            {QStringLiteral("between_lines"),
             orNull(between, QJsonArray{result.shorterLine, result.longerLine})},
            {QStringLiteral("problem"),
             orNull(result.problem != ReadingProblem::None, ReadingProblemKey(result.problem))},
            {QStringLiteral("move_right_in"), orNull(offered, ShownInches(result.moveRight))},
            {QStringLiteral("move_up_in"), orNull(offered, ShownInches(result.moveUp))},
            {QStringLiteral("applied_right_in"), ShownInches(result.applied.right)},
            {QStringLiteral("applied_up_in"), ShownInches(result.applied.up)},
            {QStringLiteral("total_right_in"), orNull(offered, result.totalRight())},
            {QStringLiteral("total_up_in"), orNull(offered, result.totalUp())},
            {QStringLiteral("within_tolerance"), result.fine()}};
}
