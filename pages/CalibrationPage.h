#pragma once

#include "standard/MicrFaceTable.h"
#include "pages/PageUnits.h"

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
};

// The digits of each sample line: one character for each of its 56
// positions, 7 inches at 0.125 inch.
QString SampleLineText();

// Every row of the page, in drawing order, its texts in the user's language.
std::vector<PageRow> CalibrationPageRows();

// The device pixel where a row's cell has its top-left corner.
int RowX(const PageRow &row, const PageUnits &units);
int RowY(const PageRow &row, const PageUnits &units);

// Draws the whole page. `labelWeight` is asked, for each line's label, which
// weight the user has chosen.
void DrawCalibrationPage(PageCanvas &canvas, const PageUnits &units,
                         const std::function<FontWeightChoice()> &labelWeight);

// The standard-weight MICR faces (the five the lines are measured in) that
// are not installed.
QStringList MissingMicrFaces();

// The security faces sampled on the page.
QStringList SecurityFaces();
