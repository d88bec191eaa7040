#pragma once

#include "MicrFaceTable.h"
#include "PrinterProfiles.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

#include <optional>

// How a printer maps its page onto paper: a point (x, y) of the page, in
// inches from the paper's top-left corner, lands at (sx·x + ox, sy·y + oy).
// The scales are the printer's (the width variants of the face make up for
// sx); the shifts are where its paper path puts the page.
struct PrinterModel
{
    double sx = 1;
    double sy = 1;
    double ox = 0;
    double oy = 0;

    QPointF Paper(QPointF page) const { return {sx * page.x() + ox, sy * page.y() + oy}; }
    // The page point that lands at `paper`.
    QPointF Page(QPointF paper) const { return {(paper.x() - ox) / sx, (paper.y() - oy) / sy}; }
};

// The printer for which `line`'s face prints the MICR line 7 in long: sx
// is 7 in over that face's line at 100 %, sy is 1 and nothing is shifted.
// None when the face is not installed (its widths are read from it).
std::optional<PrinterModel> LineModel(CalibrationLine line, FontWeightChoice weight);

// A remembered printer's model: from its last placement readings where it
// has them (the bars give the scales, the landing the shifts), else from its
// last calibration's scale, else its line's. `paperInches` is the paper the
// placement page was printed on when its stock does not say (a custom
// cheque height); `how` says which readings it came from.
std::optional<PrinterModel> ProfileModel(const PrinterProfile &profile, QSizeF paperInches, QString *how);

// The paper a stock is cut from: Letter or A4 for their own stock, else
// `otherwise`.
QSizeF PaperOfStock(const ChequeStock &stock, QSizeF otherwise);
