#pragma once

#include <QSizeF>

// The papers, the cheques of 3-up stock on them and the units they are
// measured in. Every window, page and the exporter take them from here, so
// a height is the same stock and a move the same move everywhere.

// The inch is 25.4 mm exactly, by definition.
inline constexpr double MillimetresPerInch = 25.4;
inline constexpr double MillimetresPerCentimetre = 10;

constexpr double InchesFromMillimetres(double millimetres)
{
    return millimetres / MillimetresPerInch;
}
constexpr double MillimetresFromInches(double inches)
{
    return inches * MillimetresPerInch;
}

// A point is 1/72 in, as PostScript, PDF and fonts measure it.
inline constexpr double PointsPerInch = 72;

// US Letter, 8.5 x 11 in (215.9 x 279.4 mm).
inline constexpr double LetterWidthInches = 8.5;
inline constexpr double LetterHeightInches = 11;
// A4, 210 x 297 mm, defined in millimetres.
inline constexpr double A4WidthInches = InchesFromMillimetres(210);
inline constexpr double A4HeightInches = InchesFromMillimetres(297);
QSizeF LetterPaperInches();
QSizeF A4PaperInches();

// Cheque stock stacks three cheques from the paper's top edge.
inline constexpr int ChequesPerSheet = 3;
// Letter stock's cheques: 3.5 in, leaving a stub at the sheet's foot.
inline constexpr double LetterChequeInches = 3.5;
// A4 stock's cheques: 99 mm, a third of the sheet.
inline constexpr double A4ChequeInches = InchesFromMillimetres(99);
// A cheque is at least this tall: the placement page's bars and texts fit
// above its clear band.
inline constexpr double ShortestChequeInches = 3.0;
// A business cheque is as wide as Letter paper (personal ones about 6 in):
// the width taken where none is given.
inline constexpr double DefaultChequeWidthInches = LetterWidthInches;

// A figure rounded as it is shown, to `decimals` places, half away from
// zero: every text and every JSON number goes through this one rounding, so
// 7.0305 is 7.031 in both.
double ShownFigure(double value, int decimals);
// A length rounded as it is shown, to the thousandth of an inch: verdicts,
// limits and moves are judged on the figure the user sees.
double ShownInches(double inches);

// The tallest cheque on paper `paperHeightInches` tall: three must fit.
double TallestChequeInches(double paperHeightInches);
// Whether a cheque `chequeInches` tall is 3-up stock on that paper: from
// 3 in to a third of the paper, judged as shown (3.667 in on Letter).
bool ChequeHeightFits(double chequeInches, double paperHeightInches);

enum class StockKind { Letter, A4, Custom };
// Which stock a cheque `chequeInches` tall is: Letter's or A4's when it
// shows as theirs, to the thousandth of an inch; any other is custom.
StockKind StockKindOfHeight(double chequeInches);
// The paper a cheque `chequeInches` tall is laid out on: Letter where three
// fit on it, A4 otherwise.
QSizeF PaperForChequeHeight(double chequeInches);

// A move of the MICR line as it is shown and entered: to the thousandth of
// an inch. One that shows as 0.000 has no direction: it is neither right
// nor left, and carries no sign.
enum class MoveDirection { None, Positive, Negative };
MoveDirection DirectionOfMove(double inches);
// Where a place `inches` lands once moved by `move` as it is entered: both
// as shown, so the sum is the figure the user adds up.
double MovedInches(double inches, double move);
