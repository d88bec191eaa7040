#pragma once

#include "Measurement.h"
#include "PlacementPage.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>

// From what a ruler says on a printed placement page to where the MICR
// line lands and how far to move it. A printer maps a point (x, y) of the
// page, in inches from the paper's top-left corner, to (sx·x + ox, sy·y +
// oy). The width variants of the MICR face exist to make up for sx, so a
// scale that the chosen face makes up for is the printer's own and fine.

// A landing within this of where the standard puts it is close enough for
// a cheque (fixed fields may move 1/16 in; half is left for the stock).
inline constexpr double OffsetToleranceInches = 1.0 / 32;

// Which edge the vertical reading starts from: the cheque's bottom edge on
// cheque stock, the paper's top edge on plain paper.
enum class VerticalReading { FromChequeBottom, FromPaperTop };

// What the user measured on a printed placement page, in inches.
struct PlacementReadings
{
    double bar = ReferenceBarInches;
    // The vertical bar, where it was measured.
    std::optional<double> verticalBar;
    // From the paper's right edge to position 1's right end.
    double right = FirstPositionRightInches;
    VerticalReading vertical = VerticalReading::FromChequeBottom;
    // From that edge to the MICR line's baseline.
    double fromEdge = PrintBandBottomInches;
};

enum class ScaleVerdict {
    Fine,      // the chosen face makes up for the printer's scale
    OtherFace, // another line's face would
    PrintPath, // no face would: the page was scaled on its way
};

struct PlacementResult
{
    double scaleX = 1;
    std::optional<double> scaleY; // measured with the vertical bar
    ScaleVerdict scaleVerdict = ScaleVerdict::Fine;
    // The line whose face makes up for the scale; 0 when none does.
    CalibrationLine lineForScale = 0;
    // The chosen face's MICR line at this scale, where its face is installed.
    std::optional<double> chosenLineInches;
    // Where the line landed on the cheque: position 1's right end from the
    // cheque's right edge, the baseline above its bottom edge.
    double rightEndInches = FirstPositionRightInches;
    double baselineInches = PrintBandBottomInches;
    // How far to move the MICR line in cheque-printing software so that it
    // lands where the standard puts it.
    double moveRight = 0;
    double moveUp = 0;

    // Both moves within 1/32 in, as shown.
    bool offsetsFine() const;
    bool fine() const { return scaleVerdict == ScaleVerdict::Fine && offsetsFine(); }
};

// Weighs the readings of a page printed with `layout`, against the faces'
// nominal line lengths.
PlacementResult AssessPlacement(const PlacementLayout &layout, const PlacementReadings &readings,
                                const LineLengths &nominal);

// "fine", "other-face" or "print-path".
QString ScaleVerdictKey(ScaleVerdict verdict);

// The scales with their verdict, where the line landed and the correction
// to enter into cheque-printing software, in words.
QStringList DescribePlacement(const PlacementLayout &layout, const PlacementResult &result);

// The result for scripts, as one JSON object: `scale`, `scale_y` (null
// without a vertical bar), `scale_verdict` (ScaleVerdictKey),
// `line_for_scale` (null when no face makes up for the scale),
// `move_right_in`, `move_up_in` and `within_tolerance` (both moves).
QJsonObject PlacementAsJson(const PlacementResult &result);
