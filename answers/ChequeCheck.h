#pragma once

#include "answers/Measurement.h"
#include "answers/MicrLine.h"
#include "answers/PlacementLayout.h"
#include "answers/MicrFontNames.h"
#include "answers/PrinterProfile.h"

#include <QDateTime>
#include <QJsonObject>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A cheque as another program printed it to a file, checked against this
// printer: the MICR line found among the page's text by its face, carried
// through the printer's model to where it lands on the paper, read
// character by character into the standard's positions, and the clear band
// searched for anything else. What the file holds comes from a PDF library
// (chequefile/); everything here is arithmetic on it.

// The size the faces are calibrated at, and how far a file may stray from
// it: a page zoomed by 0.5 % already moves position 65 by 0.035 in.
inline constexpr double MicrPoints = 10.0;
inline constexpr double MicrPointsTolerance = 0.05;

// How a printer maps a point of the page, in inches from its top-left
// corner, onto the paper: (sx·x + ox, sy·y + oy).
struct PrinterModel
{
    double sx = 1;
    double sy = 1;
    double ox = 0;
    double oy = 0;
    // The face calibrated for this printer.
    CalibrationLine line = 3;
    FontWeightChoice weight = FontWeightChoice::Standard;
    // Whose model it is: a remembered printer's queue (empty for the
    // printer Line `line`'s face is made for), and when its placement was
    // measured, where it was.
    QString queue;
    std::optional<QDateTime> placementTaken;

    QPointF Map(QPointF page) const { return {sx * page.x() + ox, sy * page.y() + oy}; }
    QRectF Map(const QRectF &page) const { return {Map(page.topLeft()), Map(page.bottomRight())}; }
    QString Face() const { return QString::fromLatin1(MicrFaceName(line, weight)); }
};

// The printer on which Line `line`'s face prints the MICR line exactly
// 7.000 in long: sx = 7 / that line's length at 100 %, sy = 1, no shift.
// None when the face is not installed, so its length is unknown.
std::optional<PrinterModel> ModelForLine(CalibrationLine line, FontWeightChoice weight);

// A printer as its profile remembers it: its face, and the scale and
// landing measured on its placement page; a printer never measured there
// is taken as ModelForLine of its face.
std::optional<PrinterModel> ModelForProfile(const PrinterProfile &profile);

// One word of the file's text, in inches from the page's top-left corner.
struct ChequeFileWord
{
    QString text;
    QString font; // as the file names it, subset prefix and all
    double points = 0; // as the page prints it, zoom included
    QRectF box;
    // Each character's advance box, one a character of `text`.
    std::vector<QRectF> characters;
    // The lowest ink under the word's characters, measured on the
    // rendered page; the baseline of a face whose glyphs sit on it.
    std::optional<double> inkBottom;
};

// What a page of the file holds, in inches from its top-left corner.
struct ChequeFilePage
{
    QSizeF pageInches{8.5, 11};
    std::vector<ChequeFileWord> words;
    // Ink that is no text's: rules, boxes, pictures, one box each.
    std::vector<QRectF> drawings;
    // Every font the page uses, as the file names them; a font with no
    // name (a Type 3 font) is left out, its words' `font` empty.
    QStringList fonts;
    // The fonts in the page's resources of which no word was read: a font
    // whose glyphs carry no characters (PostScript made by pdftops), or one
    // the page names but does not use.
    QStringList fontsWithoutText;
    // Which page of the file this is, from 1, and how many it has.
    int pageNumber = 1;
    int pageCount = 1;
};

// Whether a page in these inches is that paper: within a few points, as
// programs round it.
bool IsPaper(const QSizeF &pageInches, const QSizeF &paperInches);

// A character of the MICR line where it landed.
struct LandedCharacter
{
    QChar letter;
    int position = 0;
    QRectF paper; // its advance box on the paper, baseline to cap height
};

// A mark in the clear band: a word, or a drawing by where it is.
struct ClearBandMark
{
    QString text; // the word; empty for a drawing
    QRectF paper;
};

// What the check finds wrong, as data: the wording unit words it for a
// person or a script, and `code` names it for scripts that match it.
enum class ChequeFindingKind {
    NoLine,          // no text in a MICR face on the cheque
    MixedFaces,      // `face` and `otherFace` in one line
    OtherFace,       // `face`, where the printer is calibrated for the model's
    WrongSize,       // printed at `points`
    SharedPosition,  // two characters in `position`
    LineOffset,      // the last character in `position`, belonging in `belongs`
    LineFault,       // the MICR line's fault `index` (ChequeCheck::checked)
    TextInClearBand, // ChequeCheck::clearBand's mark `index`
    DrawingInClearBand,
    OtherPaper,      // the page is neither Letter nor A4: `points` is its width, `position` its height, in points
    DrawnAsShapes,   // the line is no text; `index` a ShapesCause
    NoCharacters,    // the line's glyphs are in MICR face `face`, but carry no characters
};

// Why a MICR line is drawn as shapes, as far as the file tells.
enum class ShapesCause {
    UnnamedFont, // glyphs of a font with no name (a Type 3 font): the face could not be embedded
    Outlines,    // paths with no text: the text was converted to curves
};

struct ChequeFinding
{
    explicit ChequeFinding(ChequeFindingKind kind) : kind(kind) {}

    ChequeFindingKind kind;
    QString face;
    QString otherFace;
    double points = 0;
    int position = 0;
    int belongs = 0;
    int index = 0;

    bool operator==(const ChequeFinding &other) const
    {
        return kind == other.kind && face == other.face && otherFace == other.otherFace && points == other.points
            && position == other.position && belongs == other.belongs && index == other.index;
    }
};

// "no-line", "wrong-size", "text-in-clear-band"...: stable, for scripts.
QString ChequeFindingCode(ChequeFindingKind kind);

struct ChequeCheck
{
    PlacementLayout layout; // paper, stock and cheque; the model's face
    PrinterModel model;
    QStringList pageFonts;
    bool found = false;
    QString face;   // the file's face, by its base name
    QString faceName; // by the name the user knows (FaceDisplayName)
    double points = 0;
    // The page is Letter or A4 (within a few points); otherwise its own size
    // is the paper, with the stock of the paper it is nearest.
    bool paperKnown = true;
    QSizeF pageInches;
    int pageNumber = 1;
    int pageCount = 1;
    // The line's pitch on paper, from its characters' advances.
    double pitchInches = 0;
    // From the leftmost character to the last, blanks as spaces, each at
    // the position its place gives it.
    QString text;
    int firstPosition = 0;
    int lastPosition = 0;
    // The text checked as a typed line would be, its fields at the
    // positions where they stand.
    MicrLine checked;
    std::vector<LandedCharacter> characters;
    // Where position 1's right end lands from the cheque's right edge, and
    // the baseline above its bottom edge, on paper.
    double rightInches = 0;
    double baselineInches = 0;
    // How far to move the line in the program that made the file, in its
    // page inches.
    double moveRight = 0;
    double moveUp = 0;
    std::vector<ClearBandMark> clearBand;
    // In the order they are said.
    std::vector<ChequeFinding> findings;

    bool movesFine() const;
    bool fine() const { return found && findings.empty() && movesFine(); }
};

// Finds and checks the MICR line on the `layout.cheque` cheque of the page
// (its paper is the page's size), printed through `model`.
ChequeCheck CheckCheque(const ChequeFilePage &page, ChequePosition cheque, const std::optional<ChequeStock> &stock,
                        const PrinterModel &model);

// Why a cheque file could not be read, for the wording unit to say.
struct ChequeFileProblem
{
    // Worded in this order by Wording::ChequeFileUnread.
    enum class Kind {
        Missing,
        CannotOpen,      // `detail`: the system's reason
        Empty,
        NeitherPdfNorPostScript,
        CutShortPdf,
        CutShortPostScript,
        Damaged,         // poppler cannot load it
        Encrypted,
        NoPage,
        PageUnreadable,
        NoGhostscript,
        GhostscriptTimedOut, // after `seconds`
        NotPostScript,   // Ghostscript failed; `detail`: its first line, if any
        NoTemporaryFolder,
        NoSuchPage,      // `pages`: how many the file has
        AbsurdGeometry,    // a page or word sized beyond any paper
        ReaderMissing,     // the reader program is not installed
        ReaderCrashed,     // the reader stopped on the file
        ReaderOutOfMemory, // past the reader's memory limit
        ReaderTimedOut,    // not read in `seconds`
    };
    Kind kind = Kind::Missing;
    QString path; // as the user gave it
    QString detail;
    int seconds = 0;
    int pages = 0;
    int page = 0; // NoSuchPage: the page asked for
    int megabytes = 0; // the reader's memory limit, when past it
};
