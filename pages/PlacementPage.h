#pragma once

#include "answers/PlacementLayout.h"
#include "pages/PageCanvas.h"
#include "pages/PrintableArea.h"

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

// Every rule and text of the page, in drawing order.
std::vector<PlacementItem> PlacementPageItems(const PlacementLayout &layout);

// How thick rules are at `dpi`: an odd number of pixels, about 0.005 in,
// so that each is centred on a whole pixel.
int RuleThickness(int dpi);

// Draws the page: each rule centred on the pixel that holds its line.
void DrawPlacementPage(PageCanvas &canvas, const PlacementLayout &layout, int dpiX, int dpiY);

// What the user measures on the page: the 7-in bar, the 2-in bar, position
// 1's tick, and the baseline rule where the MICR line ends.
std::vector<MeasuredMark> PlacementMeasuredMarks(const PlacementLayout &layout);
