#include "standard/ChequeGeometry.h"

#include <cmath>

QSizeF LetterPaperInches()
{
    return {LetterWidthInches, LetterHeightInches};
}

QSizeF A4PaperInches()
{
    return {A4WidthInches, A4HeightInches};
}

double ShownFigure(double value, int decimals)
{
    // std::round goes half away from zero. A figure typed in decimals lies a
    // hair off its binary value (7.0305 - 7 is 0.030499...), so it is nudged
    // away from zero by far less than any reading means: a half as typed
    // rounds away from zero, in the text and the JSON alike.
    constexpr double Nudge = 1e-12;
    const double scale = std::pow(10.0, decimals);
    const double shown = std::round(value * scale * (1 + Nudge)) / scale;
    return shown == 0 ? 0.0 : shown; // no "-0.000"
}

double ShownInches(double inches)
{
    return ShownFigure(inches, 3);
}

double TallestChequeInches(double paperHeightInches)
{
    return paperHeightInches / ChequesPerSheet;
}

bool ChequeHeightFits(double chequeInches, double paperHeightInches)
{
    const double shown = ShownInches(chequeInches);
    return shown >= ShownInches(ShortestChequeInches) && shown <= ShownInches(TallestChequeInches(paperHeightInches));
}

StockKind StockKindOfHeight(double chequeInches)
{
    const double shown = ShownInches(chequeInches);
    if (shown == ShownInches(LetterChequeInches))
        return StockKind::Letter;
    if (shown == ShownInches(A4ChequeInches))
        return StockKind::A4;
    return StockKind::Custom;
}

QSizeF PaperForChequeHeight(double chequeInches)
{
    return ShownInches(chequeInches) <= ShownInches(TallestChequeInches(LetterHeightInches)) ? LetterPaperInches()
                                                                                            : A4PaperInches();
}

double MovedInches(double inches, double move)
{
    return ShownInches(ShownInches(inches) + ShownInches(move));
}

MoveDirection DirectionOfMove(double inches)
{
    const double shown = ShownInches(inches);
    if (shown == 0)
        return MoveDirection::None;
    return shown > 0 ? MoveDirection::Positive : MoveDirection::Negative;
}
