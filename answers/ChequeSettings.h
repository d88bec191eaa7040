#pragma once

#include "answers/ChequeCheck.h"
#include "answers/MicrLine.h"
#include "answers/PlacementLayout.h"

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the user's own cheque program needs, in its own keys and units, for
// the MICR line to land where the standard puts it on this printer:
// position 1's end 5/16 in from the cheque's right edge and the baseline
// 3/16 in above its bottom edge. Each program has its own anchor for the
// line; the arithmetic goes from that anchor, through the program's file,
// through the printer's model.

enum class ChequeProgram { FreeCheck, GnuCash, Odoo };

// "freecheck", "gnucash", "odoo"; and back (none for another word).
QString ChequeProgramKey(ChequeProgram program);
std::optional<ChequeProgram> ChequeProgramFromKey(const QString &key);
// "FreeCheck", "GnuCash", "Odoo"
QString ChequeProgramName(ChequeProgram program);

// What an installed face says of itself, at 10 points.
struct MicrFaceMetrics
{
    QString family;
    QString postScriptName;
    // One character's advance, in points at 10 points (the faces are
    // monospaced: the digit 0's).
    double advancePoints = 0;
    // Below the baseline, in points at 10 points: the hhea descender, or
    // the OS/2 typo descender where the face asks for its typo metrics.
    double descentPoints = 0;
};

// None when the face is not installed.
std::optional<MicrFaceMetrics> ReadMicrFaceMetrics(const QString &family);

struct SettingsInputs
{
    QString face;       // the face calibrated for this printer
    PrinterModel model; // this printer's, as the cheque file check takes it
    QString printer;    // its queue, or empty for a line's model
    // The user's MICR line, where one was composed.
    std::optional<MicrLine> line;
    QSizeF paperInches{8.5, 11};
    ChequePosition cheque = ChequePosition::Top;
    ChequeStock stock = LetterStock();
};

// Why nothing could be written.
enum class SettingsProblem {
    None,
    FaceNotInstalled, // its widths and names are read from the face itself
    NoMicrLine,       // GnuCash's format is the line itself
};

// FreeCheck's tweaks, in inches, for a line whose transit symbol stands at
// `transit`: the horizontal one changes by `perInch` for each inch the
// cheque's right edge is further right than 8.5 in; where the printer
// scales down, the sheet's other cheques' baselines land up to `othersOff`
// from where this one's does.
struct FreeCheckTweaks
{
    int transit = 0;
    double horizontal = 0;
    double vertical = 0;
    double perInch = 0;
    std::optional<double> othersOff;
};
FreeCheckTweaks FreeCheckTweaksFor(const SettingsInputs &inputs, const MicrFaceMetrics &face);

// A GnuCash check format, in points from the paper's top-left corner: each
// character of the line an item at `x`, all on the line box bottom `y`,
// the positions `height` apart; the cheque number, where the line holds
// one, an item GnuCash fills in, right-aligned in positions `first` to
// `last`, set at `roundedPitch` where the cells are `pitch` apart, so that
// its digits stand up to `offInches` from their cells.
struct GnuCashCharacter
{
    QChar letter;
    double x = 0;
};
struct GnuCashNumber
{
    int first = 0;
    int last = 0;
    double x = 0;
    double width = 0;
    double roundedPitch = 0;
    double pitch = 0;
    double offInches = 0;
};
struct GnuCashFormat
{
    double height = 0;
    double y = 0;
    std::vector<GnuCashCharacter> characters;
    std::optional<GnuCashNumber> number;
};
// None without a MICR line: the format is the line itself.
std::optional<GnuCashFormat> GnuCashFormatFor(const SettingsInputs &inputs, const MicrFaceMetrics &face);

// What to add to Odoo's check margins, in inches, for a line whose
// leftmost character stands at `leftmost`.
struct OdooMargins
{
    int leftmost = 0;
    double top = 0;
    double left = 0;
};
OdooMargins OdooMarginsFor(const SettingsInputs &inputs, const MicrFaceMetrics &face);

// The inputs for a remembered printer (its face, model and the MICR line
// last composed for it), or for the printer Line N's face is made for; the
// paper and cheque from `layout`, and its user's line before the printer's.
SettingsInputs InputsForProfile(const PrinterProfile &profile, const PlacementLayout &layout);
SettingsInputs InputsForLine(CalibrationLine line, FontWeightChoice weight, const PlacementLayout &layout);

// FreeCheck's cheque width for the tweaks it is given for.
inline constexpr double FreeCheckChequeWidthInches = 8.5;
