#include "wording/PlacementWording.h"

#include "wording/MeasurementWording.h"
#include "wording/Wording.h"

using namespace Wording::Parts;

namespace {

// "Line 3's face, Ferro Sample".
QString FaceOf(Wording::For audience, const PlacementLayout &layout, CalibrationLine line)
{
    return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1's face, %2"))
        .arg(line)
        .arg(FaceName(line, layout.weight));
}

QString ScaleSentence(Wording::For audience, const PlacementLayout &layout, const PlacementResult &result)
{
    namespace W = Wording;
    const QString across = W::Say(audience, QT_TRANSLATE_NOOP("Wording", "Page scale across: %1 % (the bar is %2 in)."))
                               .arg(Shown(audience, ShownFigure(result.scaleX, 3) * 100, 1),
                                    Shown(audience, result.scaleX * ReferenceBarInches, 3));
    const QString chosen = result.chosenLineInches
        ? W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1, prints the MICR line %2 in long"))
              .arg(FaceOf(audience, layout, layout.line), Shown(audience, *result.chosenLineInches, 3))
        : W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 is not installed")).arg(FaceOf(audience, layout, layout.line));
    const QString tolerance = Shown(audience, MarginalToleranceInches, 3);
    switch (result.scaleVerdict) {
    case ScaleVerdict::Fine:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 At this scale %2: fine, the face makes up for the "
                                                             "printer's scale."))
            .arg(across, chosen);
    case ScaleVerdict::OtherFace:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 At this scale %2: out of tolerance. %3 would print "
                                                             "it within %4 in of 7 in."))
            .arg(across, chosen, FaceOf(audience, layout, result.lineForScale), tolerance);
    case ScaleVerdict::BetweenFaces:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 At this scale %2: out of tolerance, and no face "
                                                             "prints it within %3 in of 7 in. %4"))
            .arg(across, chosen, tolerance,
                 W::BetweenFaces(audience, result.shorterLine, result.shorterInches, result.longerLine,
                                 result.longerInches, layout.weight));
    case ScaleVerdict::PrintPath:
        break;
    }
    return W::Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 No face prints the MICR line within %2 in of 7 in at "
                                                         "this scale, nor comes near: the page was scaled on its way "
                                                         "to the printer."))
        .arg(across, tolerance);
}

// Why no move is offered from readings that cannot be right, and what to
// measure again.
QString ProblemSentence(Wording::For audience, const PlacementLayout &layout, const PlacementResult &result)
{
    namespace W = Wording;
    const QString chosen = ChequeWord(audience, layout.cheque);
    switch (result.problem) {
    case ReadingProblem::ScalesDisagree:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                  "No correction from these readings: the page's scales across and "
                                                  "down differ by more than %1 %, which no printer does, so a bar was "
                                                  "misread. Measure the reference bar (%2 in) and the vertical bar "
                                                  "(%3 in) again, each from its first tick to its last."))
            .arg(Limit(audience, MostScaleDifferencePercent), Shown(audience, ReferenceBarInches, 3),
                 Shown(audience, VerticalBarInches, 3));
    case ReadingProblem::OtherCheque:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                  "No correction from these readings: the baseline lies on the %1 "
                                                  "check, but the page was printed for the %2 check. Choose the check "
                                                  "the page was printed for, or measure again from the paper's top "
                                                  "edge down to the baseline rule under the MICR line of the %2 "
                                                  "check."))
            .arg(ChequeWord(audience, result.baselineCheque), chosen);
    case ReadingProblem::FarFromBand:
        return W::Say(audience, QT_TRANSLATE_NOOP("Wording",
                                                  "No correction from these readings: the baseline is %1 in above the "
                                                  "%2 check's bottom edge, more than 1/2 in outside its MICR print "
                                                  "band (%3 to %4 in). Measure again, from the check's bottom edge up "
                                                  "to the baseline rule under the MICR line, or from the paper's top "
                                                  "edge down to it."))
            .arg(Shown(audience, result.baselineInches, 3), chosen, Shown(audience, PrintBandBottomInches, 3),
                 Shown(audience, PrintBandTopInches, 3));
    case ReadingProblem::None:
        break;
    }
    return {};
}

} // namespace

QStringList Wording::Placement(For audience, const PlacementLayout &layout, const PlacementResult &result)
{
    QStringList lines;
    lines << ScaleSentence(audience, layout, result);
    lines << (result.scaleY
                  ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Page scale down: %1 % (the vertical bar is %2 in)."))
                        .arg(Shown(audience, ShownFigure(*result.scaleY, 3) * 100, 1),
                             Shown(audience, *result.scaleY * VerticalBarInches, 3))
                  : Say(audience, QT_TRANSLATE_NOOP("Wording", "Page scale down: not measured, taken as 100 %.")));
    if (!result.applied.none())
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "This page carries the correction %1."))
                     .arg(Moves(audience, result.applied.right, result.applied.up, Brief));
    if (result.problem != ReadingProblem::None) {
        lines << ProblemSentence(audience, layout, result);
        return lines;
    }
    if (result.scaleVerdict == ScaleVerdict::PrintPath) {
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "No correction from a scaled page: print it at 100 %, "
                                                            "with no \"fit to page\", then measure the page again."));
        return lines;
    }
    lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "On the %1 check (%2), position 1 ends %3 in from the "
                                                        "check's right edge (the standard puts it at %4 in) and the "
                                                        "baseline is %5 in above its bottom edge (%6 in)."))
                 .arg(ChequeWord(audience, layout.cheque), StockWords(audience, layout.stock),
                      Shown(audience, result.rightEndInches, 3), Shown(audience, FirstPositionRightInches, 3),
                      Shown(audience, result.baselineInches, 3), Shown(audience, PrintBandBottomInches, 3));
    if (result.applied.none()) {
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Correction for your check-printing software: move the "
                                                            "MICR line %1."))
                     .arg(Moves(audience, result.moveRight, result.moveUp));
    } else {
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Still to move from the page's correction: %1."))
                     .arg(Moves(audience, result.moveRight, result.moveUp));
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Total correction for your check-printing software, in "
                                                            "place of the page's: move the MICR line %1."))
                     .arg(Moves(audience, result.totalRight(), result.totalUp()));
    }
    const bool movesFine = result.offsetsFine();
    switch (result.scaleVerdict) {
    case ScaleVerdict::Fine:
        lines << (movesFine ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Both moves are within 1/32 in: the "
                                                                         "placement is fine."))
                            : Say(audience, QT_TRANSLATE_NOOP("Wording", "A move is more than 1/32 in: print the page "
                                                                         "again with the total correction, then "
                                                                         "measure it again.")));
        break;
    case ScaleVerdict::OtherFace:
        lines << (movesFine ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Not placed yet: choose Line %1 on step 2, "
                                                                         "then print the page again and measure it."))
                            : Say(audience, QT_TRANSLATE_NOOP("Wording", "Not placed yet: choose Line %1 on step 2, "
                                                                         "then print the page again with the total "
                                                                         "correction and measure it.")))
                     .arg(result.lineForScale);
        break;
    case ScaleVerdict::BetweenFaces:
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Not calibrated: no face makes up for this printer's "
                                                            "scale, so its MICR line is out of tolerance wherever it "
                                                            "is placed."));
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
