#include "wording/SettingsWording.h"

#include "wording/ChequeWording.h"
#include "wording/LineWording.h"

#include <QUuid>

#include <cmath>

namespace {

using For = Wording::For;

// Inches to the thousandth, never "-0.000"; as the audience writes them (a
// figure to type into the program's own file is always the script's).
QString Inches(double inches, For audience = For::Script)
{
    const double shown = std::round(inches * 1000) / 1000;
    return Wording::Figure(audience, shown == 0 ? 0.0 : shown, 3);
}

QString Points(double points)
{
    return QString::number(points, 'f', 3);
}

// The file's first line says what it was written for, the same in every
// locale: the file is the cheque program's.
QString Describe(const SettingsInputs &inputs, const MicrFaceMetrics &face)
{
    return QStringLiteral("%1 at 10 points%2; the printer's model from %3 (page scale %4 % across, %5 % down, "
                          "shifted %6 in right and %7 in down)")
        .arg(face.family, inputs.printer.isEmpty() ? QString() : QStringLiteral(" on %1").arg(inputs.printer),
             Wording::PrinterModelSource(For::Script, inputs.model))
        .arg(inputs.model.sx * 100, 0, 'f', 2)
        .arg(inputs.model.sy * 100, 0, 'f', 2)
        .arg(Inches(inputs.model.ox), Inches(inputs.model.oy));
}

// Settings that can be written: the file's suggested name and its text,
// with no notes yet.
ChequeProgramSettings Written(const QString &fileName, const QString &text)
{
    ChequeProgramSettings settings;
    settings.ok = true;
    settings.fileName = fileName;
    settings.text = text;
    return settings;
}

ChequeProgramSettings FreeCheckSettings(const SettingsInputs &inputs, const MicrFaceMetrics &face, For audience)
{
    const FreeCheckTweaks tweaks = FreeCheckTweaksFor(inputs, face);
    ChequeProgramSettings settings =
        Written(QStringLiteral("freecheck-micr.cfg"),
                QStringLiteral("# The MICR line in %1, written by MICR calibration\n"
                               "[Global]\n"
                               "MICRFontName = %2\n"
                               "MICRFontSize = 10\n"
                               "TransitSymbol = %3\n"
                               "OnUsSymbol = %4\n"
                               "AmountSymbol = %5\n"
                               "DashSymbol = %6\n"
                               "MICRHorTweak = %7 inch\n"
                               "MICRVerTweak = %8 inch\n")
                    .arg(Describe(inputs, face), face.postScriptName, TransitSymbol, OnUsSymbol, AmountSymbol,
                         DashSymbol, Inches(tweaks.horizontal), Inches(tweaks.vertical)));
    const double paperHeight = inputs.paperInches.height();
    // FreeCheck's keys and what to type into them keep their points.
    settings.notes
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "Put these keys in the [Global] section of "
                                                               "freecheck.cfg, in place of the ones there."))
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "The tweaks are for %1 of %2, a check 8.5 in wide at "
                                                               "the paper's left edge (CheckWidth 8.5 inch, "
                                                               "CheckHorOffset 0 inch), with FreeCheck's checks on "
                                                               "the stock's (CheckHeight %3 inch, CheckVerOffset %4 "
                                                               "inch), and a line whose transit symbol stands at "
                                                               "position %5."))
               .arg(Wording::ChequeOnSheet(audience, inputs.cheque), Wording::ChequeStockName(audience, inputs.stock),
                    Inches(inputs.stock.chequeInches), Inches(paperHeight - 3 * inputs.stock.chequeInches))
               .arg(tweaks.transit)
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "For a check of another width, or not at the paper's "
                                                               "left edge, add (R - 8.5) x %1 inch to MICRHorTweak, R "
                                                               "being the check's right edge in inches from the "
                                                               "paper's left edge (CheckHorOffset + CheckWidth): %2 "
                                                               "inch for each inch further right."))
               .arg(QString::number(tweaks.perInch, 'f', 5), Inches(tweaks.perInch))
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "FreeCheck finds the face by its PostScript name, %1: "
                                                               "your PostScript interpreter must know it (for "
                                                               "Ghostscript, a line in its Fontmap)."))
               .arg(face.postScriptName);
    if (tweaks.othersOff)
        settings.notes << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "FreeCheck moves every check of the "
                                                                              "sheet by the same tweak: at this "
                                                                              "printer's scale down the others' "
                                                                              "baselines land up to %1 in from where "
                                                                              "this one's does."))
                              .arg(Inches(*tweaks.othersOff, audience));
    return settings;
}

ChequeProgramSettings GnuCashSettings(const SettingsInputs &inputs, const MicrFaceMetrics &face, For audience)
{
    ChequeProgramSettings settings;
    const std::optional<GnuCashFormat> format = GnuCashFormatFor(inputs, face);
    if (!format) {
        settings.problem = SettingsProblem::NoMicrLine;
        settings.notes << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "GnuCash prints the MICR line from its "
                                                                              "check format, character by character: "
                                                                              "compose your MICR line first (My MICR "
                                                                              "Line, or --micr-line)."));
        return settings;
    }
    const QString title = QStringLiteral("MICR line, %1%2")
                              .arg(face.family, inputs.printer.isEmpty() ? QString()
                                                                         : QStringLiteral(", %1").arg(inputs.printer));
    const QString guid = QUuid::createUuidV5(QUuid(QStringLiteral("{6f1b7c2e-3a54-4d8e-9b0f-2c7d9e41a5b3}")), title)
                             .toString(QUuid::WithoutBraces);
    QString items;
    int item = 0;
    for (const GnuCashCharacter &character : format->characters) {
        ++item;
        items += QStringLiteral("Type_%1 = TEXT\nCoords_%1 = %2;%3\nText_%1 = %4\nBlocking_Chars_%1 = false\n\n")
                     .arg(item)
                     .arg(Points(character.x), Points(format->y))
                     .arg(character.letter);
    }
    if (const std::optional<GnuCashNumber> &number = format->number) {
        ++item;
        items += QStringLiteral("Type_%1 = CHECK_NUMBER\nCoords_%1 = %2;%3;%4;%5\nAlign_%1 = right\n"
                                "Blocking_Chars_%1 = false\n\n")
                     .arg(item)
                     .arg(Points(number->x), Points(format->y), Points(number->width), Points(2 * MicrPoints));
        settings.notes << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "The check number is the "
                                                                              "transaction's Num, right-aligned in "
                                                                              "positions %1 to %2: give it %3 digits "
                                                                              "(with leading zeros) to fill them. "
                                                                              "GnuCash sets it at %4 pt a digit, not "
                                                                              "%5, so each digit stands up to %6 in "
                                                                              "from its cell."))
                              .arg(number->first)
                              .arg(number->last)
                              .arg(number->first - number->last + 1)
                              .arg(Wording::Figure(audience, number->roundedPitch, 0),
                                   Wording::Figure(audience, number->pitch, 2), Inches(number->offInches, audience));
    }
    settings.ok = true;
    settings.fileName = QStringLiteral("micr-%1.chk").arg(face.family.toLower().remove(u' '));
    settings.text = QStringLiteral("# GnuCash check format: the MICR line in %1, written by MICR calibration.\n"
                                   "[Top]\nGuid = %2\nTitle = %3\nFont = %4, 10\nBlocking_Chars = false\n"
                                   "Show_Grid = false\nShow_Boxes = false\n\n"
                                   "[Check Positions]\nHeight = %5\nNames = Top;Middle;Bottom\n\n"
                                   "[Check Items]\n%6")
                        .arg(Describe(inputs, face), guid, title, face.family, Points(format->height),
                             items.trimmed() + u'\n');
    // GnuCash's own names (Print Checks, Top, Middle, Bottom) as its
    // English window shows them.
    settings.notes.prepend(Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "Copy %1 into "
                                                                               "~/.local/share/gnucash/checks/ (make "
                                                                               "the folder if there is none) and "
                                                                               "restart GnuCash; in Print Checks "
                                                                               "choose \"%2\" and the check's "
                                                                               "position, Top, Middle or Bottom, with "
                                                                               "no custom translation."))
                               .arg(settings.fileName, title));
    settings.notes << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "The format prints the MICR line only: to "
                                                                          "print it with your check's other items, "
                                                                          "copy its [Check Items] into your own "
                                                                          "format, numbering them on from yours."));
    return settings;
}

ChequeProgramSettings OdooSettings(const SettingsInputs &inputs, const MicrFaceMetrics &face, For audience)
{
    const OdooMargins margins = OdooMarginsFor(inputs, face);
    ChequeProgramSettings settings =
        Written(QStringLiteral("odoo-check-margins.txt"),
                QStringLiteral("Odoo check margins for the MICR line in %1\n"
                               "Add to Check Top Margin: %2 in\n"
                               "Add to Check Left Margin: %3 in\n")
                    .arg(Describe(inputs, face), Inches(margins.top), Inches(margins.left)));
    settings.notes
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "In Odoo, Accounting settings, Checks: add these to "
                                                               "the Check Top Margin and Check Left Margin (inches); "
                                                               "a negative figure takes that much off."))
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "They are for %1 (%2) and a line whose leftmost "
                                                               "character stands at position %3, in %4 at 10 points; "
                                                               "print at 100 %, with no zoom in the PDF converter."))
               .arg(Wording::ChequeOnSheet(audience, inputs.cheque), Wording::ChequeStockName(audience, inputs.stock))
               .arg(margins.leftmost)
               .arg(face.family);
    return settings;
}

// The notes written into the file too, wrapped: as comments in FreeCheck's
// and GnuCash's key files (both skip lines starting with #), after the
// figures in Odoo's text.
QString WithNotes(ChequeProgram program, const QString &text, const QStringList &notes)
{
    constexpr int Width = 78;
    const QString prefix = program == ChequeProgram::Odoo ? QString() : QStringLiteral("# ");
    QString wrapped;
    for (const QString &note : notes) {
        QString line = prefix;
        for (const QString &word : note.split(u' ', Qt::SkipEmptyParts)) {
            if (line.size() > prefix.size() && line.size() + 1 + word.size() > Width) {
                wrapped += line + u'\n';
                line = prefix;
            }
            line += (line.size() > prefix.size() ? QStringLiteral(" ") : QString()) + word;
        }
        wrapped += line + u'\n';
    }
    if (program == ChequeProgram::Odoo)
        return text + u'\n' + wrapped;
    // After the first line, which says what the file is.
    const qsizetype firstLine = text.indexOf(u'\n') + 1;
    return text.left(firstLine) + wrapped + text.mid(firstLine);
}

ChequeProgramSettings SettingsIn(For audience, ChequeProgram program, const SettingsInputs &inputs,
                                 const MicrFaceMetrics &face)
{
    ChequeProgramSettings settings;
    switch (program) {
    case ChequeProgram::FreeCheck:
        settings = FreeCheckSettings(inputs, face, audience);
        break;
    case ChequeProgram::GnuCash:
        settings = GnuCashSettings(inputs, face, audience);
        break;
    case ChequeProgram::Odoo:
        settings = OdooSettings(inputs, face, audience);
        break;
    }
    // Placed as it stands all the same: the faults are for the user to mend.
    if (settings.ok && inputs.line && !inputs.line->faults.empty())
        settings.notes << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "Your MICR line has faults (%1): mend "
                                                                              "them before printing checks."))
                              .arg(Wording::LineFaults(audience, inputs.line->faults).join(QLatin1Char(' ')));
    return settings;
}

} // namespace

ChequeProgramSettings SettingsFor(ChequeProgram program, const SettingsInputs &inputs)
{
    const std::optional<MicrFaceMetrics> face = ReadMicrFaceMetrics(inputs.face);
    if (!face || face->advancePoints <= 0) {
        ChequeProgramSettings settings;
        settings.problem = SettingsProblem::FaceNotInstalled;
        settings.notes << Wording::Say(For::Reader, QT_TRANSLATE_NOOP("Wording", "%1 is not installed: its widths "
                                                                                 "and names are read from the face "
                                                                                 "itself. Install it, then write the "
                                                                                 "settings again."))
                              .arg(inputs.face);
        return settings;
    }
    // The file is the program's, the same in every locale; the notes shown
    // beside it are in the user's words.
    const ChequeProgramSettings file = SettingsIn(For::Script, program, inputs, *face);
    ChequeProgramSettings settings = SettingsIn(For::Reader, program, inputs, *face);
    if (settings.ok)
        settings.text = WithNotes(program, file.text, file.notes);
    return settings;
}

