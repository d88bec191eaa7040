#pragma once

#include "answers/Measurement.h"
#include "answers/MicrLine.h"
#include "answers/PlacementCheck.h"

#include <QChar>
#include <QLineF>
#include <QPolygonF>
#include <QString>

#include <optional>
#include <vector>

// What a scan of a printed sheet showed, as data: the helper that reads the
// image measures it, the exporter weighs it. Lengths in inches.

// A scan coarser than this cannot hold the gauge's tolerances: a 0.013-in
// bar must span four pixels for its width to be measured, and a pixel must
// stay under the 0.004-in spot that is still counted.
inline constexpr double MinimumScanDpi = 300;
// The largest image the helper decodes: a Letter or A4 sheet at 1200 dpi;
// anything larger would not fit the helper's memory.
inline constexpr double MostScanPixels = 150e6;

// What kept a scan from being measured.
enum class ScanProblem {
    None,
    Unreadable,  // not an image the helper can decode, or damaged
    TooLarge,    // more pixels than MostScanPixels
    TooCoarse,   // under MinimumScanDpi, or no resolution known
    Empty,       // one shade throughout: nothing was scanned
    NoSheet,     // the paper's edges do not show against the lid
    Sideways,    // the sheet lies a quarter turn round
    UpsideDown,  // the page is there, turned half round
    WrongPage,   // not the page asked for
    NoMicrLine,  // a cheque with no MICR line in its clear band
    Failed,      // the helper did not answer in time, or crashed
    PdfPages,    // a PDF of more than one page (or none): the count in detail
    PdfImages,   // a PDF whose page holds no image, or several: the count in detail
};

struct ScanRefusal
{
    ScanProblem problem = ScanProblem::None;
    double dpi = 0;        // the resolution found, for TooCoarse
    QString detail;        // the file, what the decoder said, or a count
};

// The sheet as found: its resolution and size, how far it is turned on the
// glass, and the paper's shade against the lid's.
struct ScannedSheet
{
    double dpiX = 0;
    double dpiY = 0;
    double widthInches = 0;
    double heightInches = 0;
    double skewDegrees = 0;
    bool darkLid = true;
};

// What was found, in the scan's own pixels (pixel centres on whole
// numbers), for a window to draw over the scan.
struct ScanOverlay
{
    QPolygonF sheet;                   // the paper's corners, clockwise from its top-left
    std::vector<QLineF> measured;      // each reading taken, from where it starts to where it ends
    std::vector<QPolygonF> cells;      // the placement page's position cells, at the scale measured
    std::vector<QPolygonF> characters; // each character's box, left to right
    QString letters;                   // each character as read, one to a box
    QLineF baseline;                   // fitted through the characters' baselines
    std::vector<QPolygonF> marks;      // the clear band's other marks
};

// The placement page's readings, measured as a ruler would take them.
struct PlacementFound
{
    ScannedSheet sheet;
    double bar = 0;
    std::optional<double> verticalBar;
    double right = 0;
    double bottom = 0; // from the cheque's bottom edge (its printed rule, or the paper's edge)
    double top = 0;    // from the paper's top edge
    ScanOverlay overlay;
};

// The calibration page's sample lines as a ruler measures them on its
// scan, from the first mark under each line to the last (left edge to
// left edge), at the scan's own resolution; none where a line's marks were
// not both found.
struct CalibrationFound
{
    ScannedSheet sheet;
    LineLengths lines;
};

// A flatbed scanner's scale is off by up to about two tenths of a percent
// (its carriage's drive along the glass, its lens across it): a length
// taken at the scan's stated resolution is known to within this share of
// itself, unless one line's ruler reading gives the scale.
inline constexpr double ScanScaleUncertainty = 0.002;
// A ruler reading further than this share from its line's scanned length is
// of another line, or misread: no scanner is that far off.
inline constexpr double MostRulerDisagreement = 0.01;

enum class ScanScaleSource { Resolution, Ruler };

// The scanned lengths scaled as the user's ruler (or the scan's resolution)
// says, with what is left uncertain.
struct ScannedLengths
{
    LineLengths lengths;
    LineLengths uncertainty; // each length's, in inches; 0 from a ruler
    ScanScaleSource source = ScanScaleSource::Resolution;
    CalibrationLine rulerLine = 0;
    double scale = 1; // the ruler reading over its line's scanned length
    // Lines whose verdict differs between the ends of their uncertainty.
    std::array<bool, LastCalibrationLine> undecided{};
    // The answer (the line named and its verdict) differs between the ends.
    bool answerUndecided = false;
};

// The lengths found, at the scan's resolution or scaled by one line's ruler
// reading (`rulerLine` 0: none). The ruler's line must have been found.
ScannedLengths ScaleScannedLines(const CalibrationFound &found, CalibrationLine rulerLine = 0,
                                 double rulerInches = 0);
// The assessment of the scanned lengths is the one for typed readings; it is
// usable only when it is at both ends of the scale's uncertainty too.
bool ScannedAnswerUsable(const ScannedLengths &scanned);

// One character of a scanned MICR line, recognised against the face.
struct GaugeCharacter
{
    QChar letter;        // 0-9, A-D; '?' when no shape fits
    double match = 0;    // how well the best shape fits, 0 to 1
    double rightInches = 0;    // its advance's right end from the cheque's right edge
    double baselineInches = 0; // its baseline above the cheque's bottom edge
    double strokeInches = 0;   // its bars' mean width; 0 where it has none to measure
};

// A mark in the clear band other than the line's characters.
struct GaugeMark
{
    double rightInches = 0;  // its centre from the cheque's right edge
    double upInches = 0;     // its centre above the cheque's bottom edge
    double widthInches = 0;
    double heightInches = 0;
};

struct GaugeFound
{
    ScannedSheet sheet;
    double chequeWidthInches = 0;
    std::vector<GaugeCharacter> characters; // left to right
    double skewDegrees = 0;                 // the line against the cheque's bottom edge
    std::vector<GaugeMark> marks;
    ScanOverlay overlay;
};

// The gauge's tolerances. Neighbours' right edges stand one pitch apart
// within this; the bars are this wide within that; a reader-sorter reads a
// line tilted this far; a spot this small is counted, not faulted.
inline constexpr double SpacingToleranceInches = 0.010;
inline constexpr double NominalStrokeInches = 0.013;
inline constexpr double StrokeToleranceInches = 0.0015;
inline constexpr double MostSkewDegrees = 1.5;
inline constexpr double CountedSpotInches = 0.004;

enum class GaugeFaultKind {
    Unrecognised, // a character no shape of the face fits
    Spacing,      // a character's right edge off its neighbour's by more than the tolerance
    Placement,    // the line more than 1/32 in from where the standard puts it
    Skew,
    Stroke,
    ClearBand,    // a mark larger than a counted spot
    LineFault,    // the line's text faulted as check-line faults it
};

struct GaugeFault
{
    GaugeFaultKind kind;
    int position = 0;  // the character's, where it is one's
    int index = 0;     // the mark's or the line fault's
    double value = 0;  // the measure that is out
};

struct GaugeCharacterResult
{
    GaugeCharacter found;
    int position = 0;
    std::optional<double> spacing; // its right edge from its right neighbour's, per position
};

struct GaugeResult
{
    std::vector<GaugeCharacterResult> characters;
    MicrLine line; // the text read, checked as check-line checks it
    double rightInches = 0;    // the last character's right end from the cheque's right edge
    double baselineInches = 0; // the mean baseline above the bottom edge
    double moveRight = 0;
    double moveUp = 0;
    std::optional<double> pitchInches;
    double skewDegrees = 0;
    std::optional<double> strokeInches;
    int countedSpots = 0;
    std::vector<GaugeFault> faults;

    bool withinTolerance() const { return faults.empty(); }
};

// The readings a scan of the page gives: the vertical one from an edge of
// the paper itself, as a scan shows no perforation and the page's printed
// bottom rule moves with the printer as the baseline does.
PlacementReadings ReadingsFromScan(const PlacementFound &found, const PlacementLayout &layout);

// Weighs what the scan found against the standard.
GaugeResult AssessGauge(const GaugeFound &found);

// "unrecognised", "spacing", ...
QString GaugeFaultCode(GaugeFaultKind kind);
// "unreadable", "too-large", ...
QString ScanProblemKey(ScanProblem problem);
std::optional<ScanProblem> ScanProblemFromKey(const QString &key);
