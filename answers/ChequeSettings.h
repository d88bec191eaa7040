#pragma once

#include "answers/ChequeCheck.h"
#include "answers/MicrLine.h"
#include "pages/PlacementPage.h"

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

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

struct ChequeProgramSettings
{
    // False when nothing can be written (text empty); `problem` and the
    // notes say why.
    bool ok = false;
    SettingsProblem problem = SettingsProblem::None;
    // The file, or the text to type in, the same in every locale: it is the
    // program's. The notes are in it too, in the program's own US English,
    // as comments where the program's files have them.
    QString text;
    QString fileName; // suggested
    // Where it goes and what it assumes, a sentence each, in the user's
    // language.
    QStringList notes;
};

ChequeProgramSettings SettingsFor(ChequeProgram program, const SettingsInputs &inputs);

// The inputs for a remembered printer (its face, model and the MICR line
// last composed for it), or for the printer Line N's face is made for; the
// paper and cheque from `layout`, and its user's line before the printer's.
SettingsInputs InputsForProfile(const PrinterProfile &profile, const PlacementLayout &layout);
SettingsInputs InputsForLine(CalibrationLine line, FontWeightChoice weight, const PlacementLayout &layout);

// FreeCheck's cheque width for the tweaks it is given for.
inline constexpr double FreeCheckChequeWidthInches = 8.5;
