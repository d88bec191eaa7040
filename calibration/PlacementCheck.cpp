#include "PlacementCheck.h"

#include <cmath>

bool PlacementResult::offsetsFine() const
{
    return std::abs(ShownInches(moveRight)) <= OffsetToleranceInches
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

} // namespace

PlacementResult AssessPlacement(const PlacementLayout &layout, const PlacementReadings &readings,
                                const LineLengths &nominal)
{
    PlacementResult result;
    result.scaleX = readings.bar / ReferenceBarInches;
    if (readings.verticalBar)
        result.scaleY = *readings.verticalBar / VerticalBarInches;

    // The chosen face makes up for the scale, another face would, or none.
    result.chosenLineInches = LineAtScale(nominal, layout.line, result.scaleX);
    const double chosen = result.chosenLineInches.value_or(result.scaleX * TargetLineInches);
    if (JudgeResidual(chosen - TargetLineInches) != Verdict::Out) {
        result.lineForScale = layout.line;
    } else {
        double closest = 0;
        for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
            const std::optional<double> length = LineAtScale(nominal, line, result.scaleX);
            if (line == layout.line || !length || JudgeResidual(*length - TargetLineInches) == Verdict::Out)
                continue;
            if (result.lineForScale == 0 || std::abs(*length - TargetLineInches) < closest) {
                result.lineForScale = line;
                closest = std::abs(*length - TargetLineInches);
            }
        }
        result.scaleVerdict = result.lineForScale != 0 ? ScaleVerdict::OtherFace : ScaleVerdict::PrintPath;
    }

    // Where the line landed. The software's move goes through the same
    // scale, so the distance to go is divided by it.
    const double bottom = ChequeBottomInches(layout);
    const double landedBaseline =
        readings.vertical == VerticalReading::FromChequeBottom ? bottom - readings.fromEdge : readings.fromEdge;
    result.rightEndInches = readings.right;
    result.baselineInches = bottom - landedBaseline;
    result.moveRight = (readings.right - FirstPositionRightInches) / result.scaleX;
    result.moveUp = (landedBaseline - BaselineInches(layout)) / result.scaleY.value_or(1);
    return result;
}

QString ScaleVerdictKey(ScaleVerdict verdict)
{
    static const char *const keys[] = {"fine", "other-face", "print-path"};
    return QLatin1String(keys[int(verdict)]);
}

namespace {

// "right 0.020 in (0.51 mm, 20/1000 in)"; a move of nothing is shown too.
QString Move(double inches, const QString &positive, const QString &negative)
{
    const double size = std::abs(ShownInches(inches));
    return QStringLiteral("%1 %2 in (%3 mm, %4/1000 in)")
        .arg(inches < 0 && size > 0 ? negative : positive)
        .arg(size, 0, 'f', 3)
        .arg(size * MillimetresPerInch, 0, 'f', 2)
        .arg(std::lround(size * 1000));
}

QString FaceOf(const PlacementLayout &layout, CalibrationLine line)
{
    return QStringLiteral("Line %1's face, %2,").arg(line).arg(QString::fromLatin1(MicrFaceName(line, layout.weight)));
}

} // namespace

QStringList DescribePlacement(const PlacementLayout &layout, const PlacementResult &result)
{
    QStringList lines;
    const QString across = QStringLiteral("Page scale across: %1 % (the bar is %2 in).")
                               .arg(result.scaleX * 100, 0, 'f', 1)
                               .arg(result.scaleX * ReferenceBarInches, 0, 'f', 3);
    const QString chosen =
        result.chosenLineInches
            ? QStringLiteral("%1 prints the MICR line %2 in long")
                  .arg(FaceOf(layout, layout.line))
                  .arg(*result.chosenLineInches, 0, 'f', 3)
            : QStringLiteral("%1 is not installed").arg(FaceOf(layout, layout.line).chopped(1));
    switch (result.scaleVerdict) {
    case ScaleVerdict::Fine:
        lines << QStringLiteral("%1 At this scale %2: fine, the face makes up for the printer's scale.")
                     .arg(across, chosen);
        break;
    case ScaleVerdict::OtherFace:
        lines << QStringLiteral("%1 At this scale %2: out of tolerance. %3 would print it within %4 in of 7 in: "
                                "choose Line %5 and print this page again.")
                     .arg(across, chosen, FaceOf(layout, result.lineForScale).chopped(1))
                     .arg(MarginalToleranceInches, 0, 'f', 3)
                     .arg(result.lineForScale);
        break;
    case ScaleVerdict::PrintPath:
        lines << QStringLiteral("%1 No face prints the MICR line within %2 in of 7 in at this scale: the page was "
                                "scaled on its way to the printer. Print it at 100 %, with no \"fit to page\".")
                     .arg(across)
                     .arg(MarginalToleranceInches, 0, 'f', 3);
        break;
    }
    lines << (result.scaleY ? QStringLiteral("Page scale down: %1 % (the vertical bar is %2 in).")
                                  .arg(*result.scaleY * 100, 0, 'f', 1)
                                  .arg(*result.scaleY * VerticalBarInches, 0, 'f', 3)
                            : QStringLiteral("Page scale down: not measured, taken as 100 %."));
    lines << QStringLiteral("On the %1 cheque (%2), position 1 ends %3 in from the cheque's right edge (the "
                            "standard puts it at %4 in) and the baseline is %5 in above its bottom edge (%6 in).")
                 .arg(ChequeName(layout.cheque), layout.stock.Name())
                 .arg(result.rightEndInches, 0, 'f', 3)
                 .arg(FirstPositionRightInches, 0, 'f', 3)
                 .arg(result.baselineInches, 0, 'f', 3)
                 .arg(PrintBandBottomInches, 0, 'f', 3);
    lines << QStringLiteral("Correction for your cheque-printing software: move the MICR line %1 and %2.")
                 .arg(Move(result.moveRight, QStringLiteral("right"), QStringLiteral("left")),
                      Move(result.moveUp, QStringLiteral("up"), QStringLiteral("down")));
    lines << (result.offsetsFine() ? QStringLiteral("Both moves are within 1/32 in: the placement is fine.")
                                   : QStringLiteral("A move is more than 1/32 in: enter the correction, then print "
                                                    "this page again to check it."));
    return lines;
}

QJsonObject PlacementAsJson(const PlacementResult &result)
{
    return {{QStringLiteral("scale"), result.scaleX},
            {QStringLiteral("scale_y"), result.scaleY ? QJsonValue(*result.scaleY) : QJsonValue()},
            {QStringLiteral("scale_verdict"), ScaleVerdictKey(result.scaleVerdict)},
            {QStringLiteral("line_for_scale"), result.lineForScale != 0 ? QJsonValue(result.lineForScale) : QJsonValue()},
            {QStringLiteral("move_right_in"), ShownInches(result.moveRight)},
            {QStringLiteral("move_up_in"), ShownInches(result.moveUp)},
            {QStringLiteral("within_tolerance"), result.offsetsFine()}};
}
