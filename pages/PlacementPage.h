#pragma once

#include "standard/MicrFaceTable.h"
#include "answers/MicrLine.h"
#include "pages/PageCanvas.h"
#include "answers/Readings.h"

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The placement test page: where the MICR line lands on a cheque of 3-up
// stock, with the bands and position cells of E-13B drawn as rules to hold
// it against, a 7-inch bar and a 2-inch vertical bar to check the scale,
// and a long tick where position 1 ends. The readings are taken where the
// MICR line lands, from the paper's and the cheque's own edges, so the page
// is printed full-page.

// E-13B geometry on the cheque, in inches from its bottom and right edges.
inline constexpr double ClearBandInches = 0.625;        // the bottom 5/8 in holds the MICR line only
inline constexpr double PrintBandBottomInches = 0.1875; // 3/16 in: the characters' baseline
inline constexpr double PrintBandTopInches = 0.4375;    // 7/16 in
inline constexpr double FirstPositionRightInches = 0.3125; // position 1 ends 5/16 in from the right edge
inline constexpr double PositionPitchInches = 0.125;
inline constexpr int PositionCount = 65;
// As long as the MICR line's 56 positions, for the horizontal scale.
inline constexpr double ReferenceBarInches = 7.0;
// As long as fits above the clear band of the shortest cheque, for the
// vertical scale.
inline constexpr double VerticalBarInches = 2.0;

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

// "right 0.040 in and down 0.012 in", in the reader's language (Wording::Moves).
QString CorrectionWords(const Correction &correction);

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

// One element of the page, in inches from the paper's top-left corner.
struct PlacementItem
{
    enum Kind { HorizontalRule, VerticalRule, Text };
    Kind kind;
    // Rules: the line a rule is centred on (y for horizontal, x for
    // vertical) and its extent along the other axis.
    double at = 0;
    double from = 0;
    double to = 0;
    // Text: its anchor point (x, baseline y), face, size and style.
    double x = 0;
    double baseline = 0;
    TextAnchor anchor = TextAnchor::Left;
    QString face;
    int points = 0;
    bool bold = false;
    QString text;
};

// The sample MICR line from position 43 (the transit symbol) to position 1
// (the amount symbol), with the transit, on-us and amount fields filled.
QString SampleMicrLine();

// Every rule and text of the page, in drawing order.
std::vector<PlacementItem> PlacementPageItems(const PlacementLayout &layout);

// How thick rules are at `dpi`: an odd number of pixels, about 0.005 in,
// so that each is centred on a whole pixel.
int RuleThickness(int dpi);

// Draws the page: each rule centred on the pixel that holds its line.
void DrawPlacementPage(PageCanvas &canvas, const PlacementLayout &layout, int dpiX, int dpiY);
