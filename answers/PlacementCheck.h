#pragma once

#include "answers/Measurement.h"
#include "answers/PlacementLayout.h"

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

// Two bars of one page differ by more than this, as shown in per cent, only
// when one was misread: a printer's scales across and down stay within a
// fraction of it.
inline constexpr double MostScaleDifferencePercent = 2.0;
// A baseline further than this outside the chosen cheque's print band was
// measured on something else (cheque stock sits within 1/8 in or so).
inline constexpr double FarthestFromBandInches = 0.5;

enum class ScaleVerdict {
    Fine,         // the chosen face makes up for the printer's scale
    OtherFace,    // another line's face would
    BetweenFaces, // none would, the scale falling between two faces' windows
    PrintPath,    // none comes near: the page was scaled on its way
};

// Readings that cannot be right, and no move is offered from them.
enum class ReadingProblem {
    None,
    ScalesDisagree, // the two bars' scales differ by more than 2 %
    OtherCheque,    // the baseline lies on another cheque than the chosen one
    FarFromBand,    // the baseline lies far outside the chosen cheque's print band
};

struct PlacementResult
{
    double scaleX = 1;
    std::optional<double> scaleY; // measured with the vertical bar
    ScaleVerdict scaleVerdict = ScaleVerdict::Fine;
    // The line whose face makes up for the scale; 0 when none does.
    CalibrationLine lineForScale = 0;
    // Between faces: the installed faces printing the line nearest 7 in
    // short and long, with their lengths at this scale.
    CalibrationLine shorterLine = 0;
    CalibrationLine longerLine = 0;
    double shorterInches = 0;
    double longerInches = 0;
    ReadingProblem problem = ReadingProblem::None;
    // The cheque the baseline lies on, for OtherCheque.
    ChequePosition baselineCheque = ChequePosition::Top;
    // The correction the page carried.
    Correction applied;
    // The chosen face's MICR line at this scale, where its face is installed.
    std::optional<double> chosenLineInches;
    // Where the line landed on the cheque: position 1's right end from the
    // cheque's right edge, the baseline above its bottom edge.
    double rightEndInches = FirstPositionRightInches;
    double baselineInches = PrintBandBottomInches;
    // How far still to move the MICR line in cheque-printing software, from
    // the correction the page carried, so that it lands where the standard
    // puts it. Offered only where correctionOffered().
    double moveRight = 0;
    double moveUp = 0;

    // No move from a scaled page, nor from readings that cannot be right.
    bool correctionOffered() const
    {
        return problem == ReadingProblem::None && scaleVerdict != ScaleVerdict::PrintPath;
    }
    // The whole correction to enter: the page's and the move still to make,
    // as shown.
    double totalRight() const;
    double totalUp() const;
    // A correction offered, both moves within 1/32 in, as shown.
    bool offsetsFine() const;
    // Exit status 0: the scale is fine and so is the placement.
    bool fine() const { return scaleVerdict == ScaleVerdict::Fine && offsetsFine(); }
};

// Weighs the readings of a page printed with `layout` (and the correction it
// carries), against the faces' nominal line lengths.
PlacementResult AssessPlacement(const PlacementLayout &layout, const PlacementReadings &readings,
                                const LineLengths &nominal);

// "fine", "other-face", "between-faces" or "print-path".
QString ScaleVerdictKey(ScaleVerdict verdict);
// Every key ScaleVerdictKey() gives, in the order of the verdicts.
QStringList ScaleVerdictKeys();

// "scales-disagree", "other-cheque" or "far-from-band"; empty for none.
QString ReadingProblemKey(ReadingProblem problem);
