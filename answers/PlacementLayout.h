#pragma once

#include "answers/MicrLine.h"
#include "answers/Readings.h"
#include "standard/ChequeGeometry.h"
#include "standard/E13B.h"
#include "standard/MicrFaceTable.h"

#include <QSizeF>
#include <QString>

#include <optional>

// Where the placement test page puts things: the MICR line on a cheque of
// 3-up stock, with the bars that check the printer's scale. The readings
// are taken where the MICR line lands, from the paper's and the cheque's
// own edges, so the page is printed full-page.

// As long as the MICR line's 56 positions, for the horizontal scale.
inline constexpr double ReferenceBarInches = 7.0;
// As long as fits above the clear band of the shortest cheque, for the
// vertical scale.
inline constexpr double VerticalBarInches = 2.0;
// Where the bars stand, from the cheque's top edge: the reference bar under
// the title and instructions; the vertical bar in the left margin, inside
// any printer's printable area.
inline constexpr double ReferenceBarDropInches = 2.15;
// What the user measures (the bars, position 1's tick, the baseline rule
// where it is read) keeps this far from every edge of the paper: the
// common printable area's quarter inch and 0.05 in to spare.
inline constexpr double MeasuredMarkClearance = 0.30;
inline constexpr double VerticalBarLeftInches = MeasuredMarkClearance + 0.02; // the rule's own half width, and some
inline constexpr double VerticalBarDropInches = MeasuredMarkClearance;
// Rules that only guide the eye stop where the common printable area's
// quarter inch begins, so a printer's margin never cuts one and shortens
// what it leads to.
inline constexpr double GuideRuleMargin = 0.25;

enum class ChequePosition { Top, Middle, Bottom };

// "top", "middle" or "bottom".
QString ChequeName(ChequePosition position);

// A correction entered in cheque-printing software, in inches, signed as
// the moves are: right and up positive.
struct Correction
{
    double right = 0;
    double up = 0;

    bool none() const { return right == 0 && up == 0; }
};

struct PlacementLayout
{
    QSizeF paperInches = LetterPaperInches();
    ChequePosition cheque = ChequePosition::Top;
    ChequeStock stock = LetterStock();
    CalibrationLine line = 3;
    FontWeightChoice weight = FontWeightChoice::Standard;
    // The user's own line instead of the sample, its fields bracketed and
    // named under the position scale.
    std::optional<MicrLine> userLine;
    // The correction the page carries: its MICR line, position 1's tick
    // and the baseline rule move by it, as cheque-printing software moves
    // the line.
    Correction applied;
};

// The cheque's top and bottom edges, in inches below the paper's top edge:
// cheques stack from the paper's top edge.
double ChequeTopInches(const PlacementLayout &layout);
double ChequeBottomInches(const PlacementLayout &layout);

// Where the MICR line belongs on the page, in inches from the paper's
// top-left corner: position 1's right end and the baseline (the standard's
// place; the page draws them moved by its applied correction).
double PositionOneRightInches(const PlacementLayout &layout);
double BaselineInches(const PlacementLayout &layout);

// The sample MICR line from position 43 (the transit symbol) to position 1
// (the amount symbol), with the transit, on-us and amount fields filled.
QString SampleMicrLine();
