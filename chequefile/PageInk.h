#pragma once

#include "answers/ChequeCheck.h"

#include <QRectF>
#include <QSizeF>

#include <vector>

namespace poppler {
class page;
}

// The page's ink, rendered by poppler: where the MICR line's glyphs end at
// the bottom, and the marks that are no text.

// How far the page is turned, beyond its own /Rotate, to read its MICR
// text upright: a page turned alone (its content not turned with it)
// shows its lines on their side.
struct PageTurn
{
    int quarterTurns = 0; // clockwise
    QSizeF shown;         // the page as shown, inches, before these turns

    QSizeF Size() const { return quarterTurns % 2 ? shown.transposed() : shown; }
    // A box of the page as shown, in the upright page.
    QRectF Upright(const QRectF &box) const;
};

// Sets each word's inkBottom: the bottom of the ink under the characters of
// `row` (one row of text, upright), measured on a strip rendered at a high
// resolution; the lowest is the baseline of a face whose glyphs all sit on it.
void MeasureInkBottoms(const poppler::page &page, const PageTurn &turn, const std::vector<ChequeFileWord *> &row);

// Boxes around the ink that none of `words` covers, in the upright page.
std::vector<QRectF> Drawings(const poppler::page &page, const PageTurn &turn, const std::vector<ChequeFileWord> &words);
