#pragma once

#include <QImage>
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
