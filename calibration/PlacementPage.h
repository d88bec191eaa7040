#pragma once

#include "MicrFaceTable.h"
#include "PageCanvas.h"

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The placement test page: where the MICR line lands on a cheque of 3-up
// stock, with the bands and position cells of E-13B drawn as rules to hold
// it against, a 7-inch bar to check the scale and two marks to measure the
// printer's offsets. Every length is measured from the paper's own edges,
// so the page is printed full-page.

// E-13B geometry on the cheque, in inches from its bottom and right edges.
inline constexpr double ClearBandInches = 0.625;        // the bottom 5/8 in holds the MICR line only
inline constexpr double PrintBandBottomInches = 0.1875; // 3/16 in: the characters' baseline
inline constexpr double PrintBandTopInches = 0.4375;    // 7/16 in
inline constexpr double FirstPositionRightInches = 0.3125; // position 1 ends 5/16 in from the right edge
inline constexpr double PositionPitchInches = 0.125;
inline constexpr int PositionCount = 65;
// One cheque of three on a Letter sheet.
inline constexpr double ChequeHeightInches = 3.5;
inline constexpr double ReferenceBarInches = 7.0;
// The measuring marks' distance from the paper's right edge and from the
// cheque's bottom edge.
inline constexpr double MarkDistanceInches = 1.0;
// A reading within this of its mark is close enough for a cheque (fixed
// fields may move 1/16 in; half of it is left for the rest of the chain).
inline constexpr double OffsetToleranceInches = 1.0 / 32;
// The print path scales by no more than this when it does not scale at all.
inline constexpr double ScaleTolerance = 0.002;

enum class ChequePosition { Top, Middle, Bottom };

// The cheque's top edge, in inches below the paper's top edge.
double ChequeTopInches(ChequePosition position);

struct PlacementLayout
{
    QSizeF paperInches{8.5, 11};
    ChequePosition cheque = ChequePosition::Top;
    CalibrationLine line = 3;
    FontWeightChoice weight = FontWeightChoice::Standard;
};

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

// What the user measured on a printed placement page, in inches.
struct PlacementReadings
{
    double bar = ReferenceBarInches;
    double fromRightEdge = MarkDistanceInches;
    double fromBottomEdge = MarkDistanceInches;
};

struct PlacementResult
{
    double scale = 1;          // the bar's length over 7 inches
    double shiftRight = 0;     // how far the printer moved the page right
    double shiftDown = 0;      // and down
    bool scaleFine() const;
    bool offsetsFine() const;
};

PlacementResult AssessPlacement(const PlacementReadings &readings);

// The scale with its verdict, the offsets and the correction to enter into
// cheque-printing software, in words.
QStringList DescribePlacement(const PlacementResult &result);
