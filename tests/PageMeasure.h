#pragma once

#include <QImage>
#include <QMap>
#include <QString>

#include <vector>

// A row of the page that holds nothing but the two measuring marks of a
// sample line, found in a raster of the printed page.
struct MarksRow
{
    int top;          // first pixel row with ink
    int bottom;       // last pixel row with ink
    double firstEdge; // left edge of the first mark, to a fraction of a pixel
    double lastEdge;  // left edge of the last mark
};

// Finds the marks rows, top to bottom: runs of at least `minimumHeight`
// pixel rows whose ink is exactly two narrow strokes at least `minimumGap`
// pixels apart.
std::vector<MarksRow> FindMarksRows(const QImage &page, double minimumGap, int minimumHeight);

// A mark is 0.07 inch tall at 10 points: anything under 0.05 inch is not one.
inline int MinimumMarkHeight(double dpi) { return int(0.05 * dpi); }

// The length a sample line of `advance` thousandths of an em prints at
// 10 points: 56 positions, in pixels at `dpi`.
double SampleLineLength(int advance, double dpi);

// The advances of the test MICR faces, line 1 to 5.
inline constexpr int TestFaceAdvances[] = {880, 890, 900, 910, 920};

// The centres of the dark runs (grey below half) along one pixel row
// (`horizontal`) or column, between `from` and `to`, in pixels: a run of
// pixels a..b is centred at (a + b + 1) / 2.
std::vector<double> InkRunCentres(const QImage &page, bool horizontal, int line, int from, int to);

// Where the placement page puts things, from the published E-13B geometry
// (not the program's): the print band 3/16 to 7/16 in, the clear band 5/8
// in, position 1 ending 5/16 in from the right edge, 0.125-in cells, a
// 7-inch and a 2-inch bar. Measures a raster of the whole paper at dpiX x
// dpiY and fails the test for anything further than `tolerance` pixels
// from it. `chequeTop` and `chequeHeight` are in inches; `advance` is the
// sample face's advance in thousandths of an em.
void CheckPlacementRaster(const QImage &page, double dpiX, double dpiY, double chequeTop, double chequeHeight,
                          int advance, double tolerance);

// A MICR line's characters by position number, from the published layout:
// `text` placed with its last character at position `last`.
void PlaceField(QMap<int, QChar> &line, const QString &text, int last);

// The MICR line's band of a raster at `dpi`, position 1 ending at column
// `positionOneEnd` and the baseline at row `baseline` (pixels): every
// character of `line` has ink, all of it inside its numbered cell to half a
// pixel, and no blank cell has any.
void CheckMicrLineCells(const QImage &page, double dpi, double positionOneEnd, double baseline,
                        const QMap<int, QChar> &line);
