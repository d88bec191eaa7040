#pragma once

#include "standard/MicrFaceTable.h"
#include "pages/PageUnits.h"
#include "pages/PrintableArea.h"

#include <QString>

#include <functional>
#include <vector>

class PageCanvas;

enum class RowStyle { Regular, Bold, Italic };

// One element of the page: a single line of text at a column (tenths of an
// inch) and a row (half line pitches), in a face, size and style.
struct PageRow
{
    int column;
    int halfLines;
    QString face;
    int points;
    RowStyle style;
    QString text;
    // For the label of a calibration line (1 to 5): the label face name of
    // that line is appended to the text, in the weight chosen when drawn.
    CalibrationLine labelOfLine = 0;
    // Part of the right-hand column, which moves left as one where the
    // paper is too narrow for it.
    bool rightColumn = false;
};

// The digits of each sample line: one character for each of its 56
// positions, 7 inches at 0.125 inch.
QString SampleLineText();

// Every row of the page, in drawing order, its texts in the user's language,
// for paper `paperWidthInches` wide with the page's origin `originInches`
// from its left edge: the right-hand column moved left by whole columns
// just far enough to end 0.1 in inside the paper, as measured in the faces
// the rows name (as installed); not moved where it fits, as on Letter with
// the vendor's faces. Without a paper (0), the layout's own columns.
std::vector<PageRow> CalibrationPageRows(double paperWidthInches = 0,
                                         double originInches = CalibrationOriginInches);

// How far a row reaches across, in inches, in its face as installed.
double RowWidthInches(const PageRow &row);
// The columns the right-hand rows move left so that each ends within
// `roomInches` of the origin, given each row's width.
int RightColumnShift(const std::vector<PageRow> &rows, double roomInches,
                     const std::function<double(const PageRow &)> &widthInches);

// The device pixel where a row's cell has its top-left corner.
int RowX(const PageRow &row, const PageUnits &units);
int RowY(const PageRow &row, const PageUnits &units);

// Draws the whole page. `labelWeight` is asked, for each line's label, which
// weight the user has chosen.
void DrawCalibrationPage(PageCanvas &canvas, const PageUnits &units,
                         const std::function<FontWeightChoice()> &labelWeight,
                         double paperWidthInches = 0,
                         double originInches = CalibrationOriginInches);

// The standard-weight MICR faces (the five the lines are measured in) that
// are not installed.
QStringList MissingMicrFaces();

// The security faces sampled on the page.
QStringList SecurityFaces();

// What the user measures on the page laid out at `dpiX` x `dpiY` with its
// origin at `originInches` on paper `paperWidthInches` wide: each sample
// line's digits and marks, named "Line N".
std::vector<MeasuredMark> CalibrationMeasuredMarks(QPointF originInches, double paperWidthInches, int dpiX,
                                                   int dpiY);
