#include "answers/ChequeSettings.h"

#include "wording/Wording.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <QUuid>

#include <cmath>

namespace {

using For = Wording::For;

constexpr double PointsPerInch = 72;

// The face's symbols, as this program types them (MicrLine's letters).
constexpr QChar TransitSymbol = u'A';
constexpr QChar AmountSymbol = u'B';
constexpr QChar OnUsSymbol = u'C';
constexpr QChar DashSymbol = u'D';
// Where the transit field starts when no line says otherwise.
constexpr int TransitFirstPosition = 43;

// The page point that the printer puts at `paper`.
QPointF PageOf(const PrinterModel &model, QPointF paper)
{
    return {(paper.x() - model.ox) / model.sx, (paper.y() - model.oy) / model.sy};
}

// Big-endian fields of a font table; 0 past its end.
int UInt16At(const QByteArray &table, int at)
{
    if (at < 0 || at + 2 > table.size())
        return 0;
    return (uchar(table[at]) << 8) | uchar(table[at + 1]);
}

int Int16At(const QByteArray &table, int at)
{
    return qint16(quint16(UInt16At(table, at)));
}

// The name table's PostScript name (name 6), from a Windows or Unicode
// record in UTF-16, else a Macintosh one in Roman.
QString PostScriptName(const QByteArray &name)
{
    const int count = UInt16At(name, 2);
    const int strings = UInt16At(name, 4);
    QString mac;
    for (int i = 0; i < count; ++i) {
        const int record = 6 + 12 * i;
        if (record + 12 > name.size())
            break;
        const int platform = UInt16At(name, record);
        if (UInt16At(name, record + 6) != 6)
            continue;
        const int length = UInt16At(name, record + 8);
        const int offset = strings + UInt16At(name, record + 10);
        if (offset + length > name.size())
            continue;
        const QByteArray bytes = name.mid(offset, length);
        if (platform == 0 || platform == 3) {
            QString text;
            for (int at = 0; at + 1 < bytes.size(); at += 2)
                text += QChar(char16_t(UInt16At(bytes, at)));
            if (!text.isEmpty())
                return text;
        } else if (platform == 1 && mac.isEmpty()) {
            mac = QString::fromLatin1(bytes);
        }
    }
    return mac;
}

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

// The positions of the first transit symbol of a line, or the standard's.
int TransitPosition(const std::optional<MicrLine> &line)
{
    if (line) {
        for (int i = 0; i < line->letters.size(); ++i) {
            if (line->letters[i] == TransitSymbol)
                return line->PositionOf(i);
        }
    }
    return TransitFirstPosition;
}

// Where the cheque's MICR line belongs, in inches from the paper's top-left
// corner: the right end of position `position`'s cell and the baseline.
double CellRightOnPaper(double chequeRight, int position)
{
    return chequeRight - FirstPositionRightInches - (position - 1) * PositionPitchInches;
}

double ChequeBottomOnPaper(const SettingsInputs &inputs)
{
    return (int(inputs.cheque) + 1) * inputs.stock.chequeInches;
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

// FreeCheck (freecheck, DrawMICR) starts the line at the transit symbol's
// left edge, moved to (CheckWidth, 0.25 inch) in the cheque's own frame and
// back 5.6875 inch, then by MICRHorTweak and MICRVerTweak (up), and shows
// each field at the face's own advance; the frame's origin is the cheque's
// bottom-left corner (CheckHorOffset, CheckVerOffset, then CheckHeight up
// for each cheque above the bottom one). Its keys take PostScript: a length
// is written with its unit, "0.031 inch".
constexpr double FreeCheckAnchorFromRight = 5.6875;
constexpr double FreeCheckBaselineUp = 0.25;

ChequeProgramSettings FreeCheckSettings(const SettingsInputs &inputs, const MicrFaceMetrics &face, For audience)
{
    const PrinterModel &model = inputs.model;
    const double advance = face.advancePoints / PointsPerInch;
    const int transit = TransitPosition(inputs.line);
    const double right = FreeCheckChequeWidthInches;
    // Position 1's end follows the transit symbol's left edge by `transit` advances.
    const double anchorX = PageOf(model, {CellRightOnPaper(right, 1), 0}).x() - transit * advance;
    const double horizontal = anchorX - (right - FreeCheckAnchorFromRight);
    const double bottom = ChequeBottomOnPaper(inputs);
    const double baseline = PageOf(model, {0, bottom - PrintBandBottomInches}).y();
    const double vertical = (bottom - FreeCheckBaselineUp) - baseline;
    const double perInch = 1 / model.sx - 1;

    ChequeProgramSettings settings;
    settings.ok = true;
    settings.fileName = QStringLiteral("freecheck-micr.cfg");
    settings.text = QStringLiteral("# The MICR line in %1, written by MICR calibration\n"
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
                             DashSymbol, Inches(horizontal), Inches(vertical));
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
               .arg(transit)
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "For a check of another width, or not at the paper's "
                                                               "left edge, add (R - 8.5) x %1 inch to MICRHorTweak, R "
                                                               "being the check's right edge in inches from the "
                                                               "paper's left edge (CheckHorOffset + CheckWidth): %2 "
                                                               "inch for each inch further right."))
               .arg(QString::number(perInch, 'f', 5), Inches(perInch))
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "FreeCheck finds the face by its PostScript name, %1: "
                                                               "your PostScript interpreter must know it (for "
                                                               "Ghostscript, a line in its Fontmap)."))
               .arg(face.postScriptName);
    if (std::abs(model.sy - 1) > 1e-9) {
        // One tweak serves every cheque of the sheet; this printer's scale
        // down moves the others' baselines.
        double worst = 0;
        for (int cheque = 0; cheque < 3; ++cheque) {
            const double b = (cheque + 1) * inputs.stock.chequeInches;
            const double landed = model.sy * (b - FreeCheckBaselineUp - vertical) + model.oy;
            worst = std::max(worst, std::abs(landed - (b - PrintBandBottomInches)));
        }
        settings.notes << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "FreeCheck moves every check of the "
                                                                              "sheet by the same tweak: at this "
                                                                              "printer's scale down the others' "
                                                                              "baselines land up to %1 in from where "
                                                                              "this one's does."))
                              .arg(Inches(worst, audience));
    }
    return settings;
}

// A run of the line's positions, first (leftmost) to last.
struct PositionRun
{
    int first = 0;
    int last = 0;
};

// Where the line holds the cheque number: the digits of the auxiliary
// on-us field (a business cheque's serial number), else the digits after
// the on-us field's last on-us symbol (a personal cheque's).
std::optional<PositionRun> ChequeNumberPositions(const MicrLine &line)
{
    const auto digitsAt = [&line](int from, int to) -> std::optional<PositionRun> {
        std::optional<PositionRun> run;
        for (int position = from; position >= to; --position) {
            const int index = line.FirstPosition() - position;
            const bool digit = index >= 0 && index < line.letters.size() && line.letters[index].isDigit();
            if (digit && !run)
                run = PositionRun{position, position};
            else if (digit && run && run->last == position + 1)
                run->last = position;
            else if (run)
                break;
        }
        return run;
    };
    for (const MicrField &field : line.fields) {
        if (field.name == QLatin1String("auxiliary on-us"))
            return digitsAt(field.first, field.last);
    }
    for (const MicrField &field : line.fields) {
        if (field.name != QLatin1String("on-us"))
            continue;
        const int symbol = int(field.text.lastIndexOf(OnUsSymbol));
        if (symbol >= 0)
            return digitsAt(field.first - symbol - 1, field.last);
    }
    return std::nullopt;
}

// GnuCash 4.13 prints a check format's TEXT item so (measured by printing
// checks from it to PDF):
// - Coords = x;y[;w;h] are points from the paper's top-left corner, y
//   down. y is the bottom of the text's line box: the baseline is y less
//   the font's descent at its size (the hhea descender, or the OS/2 typo
//   descender where the face sets USE_TYPO_METRICS); the line gap counts
//   for nothing.
// - The named position p (0 for the first of [Check Positions] Names) adds
//   p x Height down; [Top] Translation adds its offsets to every item.
// - With no width the text starts at x. With a width, Align = right ends
//   it at x + w (center centres it); text wider than w is cut short with
//   an ellipsis, and a height clips it.
// - Every glyph's advance is rounded to a whole point, so a line set as one
//   item runs at a whole number of points a character whatever the face:
//   each character here is an item of its own, started where its cell
//   needs it. The cheque number is one item (GnuCash fills it in) and
//   keeps the rounded pitch; its last digit ends where its cell does, so
//   the number stays right-aligned however many digits it has, and the
//   others stand off their cells by a fraction of a point each.
// - A character the face lacks is set in a fallback font whose descent
//   moves the baseline: blanks are gaps between items, never spaces.
ChequeProgramSettings GnuCashSettings(const SettingsInputs &inputs, const MicrFaceMetrics &face, For audience)
{
    ChequeProgramSettings settings;
    if (!inputs.line || inputs.line->empty()) {
        settings.problem = SettingsProblem::NoMicrLine;
        settings.notes << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "GnuCash prints the MICR line from its "
                                                                              "check format, character by character: "
                                                                              "compose your MICR line first (My MICR "
                                                                              "Line, or --micr-line)."));
        return settings;
    }
    const MicrLine &line = *inputs.line;
    const PrinterModel &model = inputs.model;
    const double chequeRight = inputs.paperInches.width();
    const double advance = face.advancePoints;
    // Every cheque of the sheet lands right when the positions are as far
    // apart on the page as the cheques are on paper over the scale.
    const double height = inputs.stock.chequeInches / model.sy * PointsPerInch;
    const double topBaseline = PageOf(model, {0, inputs.stock.chequeInches - PrintBandBottomInches}).y();
    const double y = topBaseline * PointsPerInch + face.descentPoints;
    const auto cellEnd = [&](int position) {
        return PageOf(model, {CellRightOnPaper(chequeRight, position), 0}).x() * PointsPerInch;
    };

    const QString title = QStringLiteral("MICR line, %1%2")
                              .arg(face.family, inputs.printer.isEmpty() ? QString()
                                                                         : QStringLiteral(", %1").arg(inputs.printer));
    const QString guid = QUuid::createUuidV5(QUuid(QStringLiteral("{6f1b7c2e-3a54-4d8e-9b0f-2c7d9e41a5b3}")), title)
                             .toString(QUuid::WithoutBraces);
    QString items;
    int item = 0;
    const std::optional<PositionRun> number = ChequeNumberPositions(line);
    for (int i = 0; i < line.letters.size(); ++i) {
        const int position = line.PositionOf(i);
        if (line.letters[i] == u' ' || (number && position <= number->first && position >= number->last))
            continue;
        ++item;
        items += QStringLiteral("Type_%1 = TEXT\nCoords_%1 = %2;%3\nText_%1 = %4\nBlocking_Chars_%1 = false\n\n")
                     .arg(item)
                     .arg(Points(cellEnd(position) - advance), Points(y))
                     .arg(line.letters[i]);
    }
    if (number) {
        const int digits = number->first - number->last + 1;
        const double rounded = std::round(advance);
        const double pitch = PositionPitchInches / model.sx * PointsPerInch;
        const double end = cellEnd(number->last) + rounded - advance;
        // Room for the digits at the rounded pitch, and a point to spare.
        const double width = digits * std::max(rounded, pitch) + 1;
        ++item;
        items += QStringLiteral("Type_%1 = CHECK_NUMBER\nCoords_%1 = %2;%3;%4;%5\nAlign_%1 = right\n"
                                "Blocking_Chars_%1 = false\n\n")
                     .arg(item)
                     .arg(Points(end - width), Points(y), Points(width), Points(2 * MicrPoints));
        settings.notes << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "The check number is the "
                                                                              "transaction's Num, right-aligned in "
                                                                              "positions %1 to %2: give it %3 digits "
                                                                              "(with leading zeros) to fill them. "
                                                                              "GnuCash sets it at %4 pt a digit, not "
                                                                              "%5, so each digit stands up to %6 in "
                                                                              "from its cell."))
                              .arg(number->first)
                              .arg(number->last)
                              .arg(digits)
                              .arg(Wording::Figure(audience, rounded, 0), Wording::Figure(audience, pitch, 2),
                                   Inches((digits - 1) * std::abs(pitch - rounded) / PointsPerInch * model.sx,
                                          audience));
    }
    settings.ok = true;
    settings.fileName = QStringLiteral("micr-%1.chk").arg(face.family.toLower().remove(u' '));
    settings.text = QStringLiteral("# GnuCash check format: the MICR line in %1, written by MICR calibration.\n"
                                   "[Top]\nGuid = %2\nTitle = %3\nFont = %4, 10\nBlocking_Chars = false\n"
                                   "Show_Grid = false\nShow_Boxes = false\n\n"
                                   "[Check Positions]\nHeight = %5\nNames = Top;Middle;Bottom\n\n"
                                   "[Check Items]\n%6")
                        .arg(Describe(inputs, face), guid, title, face.family, Points(height), items.trimmed() + u'\n');
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

// Odoo lays the MICR line out from a fixed left edge at the face's own
// advance, and its check margins move the whole check on the page. The
// margins it comes with put the line in the standard's place on a printer
// that prints the page as it is, in a face 0.125 in a character.
ChequeProgramSettings OdooSettings(const SettingsInputs &inputs, const MicrFaceMetrics &face, For audience)
{
    const PrinterModel &model = inputs.model;
    const int leftmost = inputs.line && !inputs.line->empty() ? inputs.line->FirstPosition() : TransitFirstPosition;
    const double advance = face.advancePoints / PointsPerInch;
    const double right = CellRightOnPaper(inputs.paperInches.width(), 1);
    const double designedLeft = right - leftmost * PositionPitchInches;
    const double left = PageOf(model, {right, 0}).x() - leftmost * advance - designedLeft;
    const double baseline = ChequeBottomOnPaper(inputs) - PrintBandBottomInches;
    const double top = PageOf(model, {0, baseline}).y() - baseline;

    ChequeProgramSettings settings;
    settings.ok = true;
    settings.fileName = QStringLiteral("odoo-check-margins.txt");
    settings.text = QStringLiteral("Odoo check margins for the MICR line in %1\n"
                                   "Add to Check Top Margin: %2 in\n"
                                   "Add to Check Left Margin: %3 in\n")
                        .arg(Describe(inputs, face), Inches(top), Inches(left));
    settings.notes
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "In Odoo, Accounting settings, Checks: add these to "
                                                               "the Check Top Margin and Check Left Margin (inches); "
                                                               "a negative figure takes that much off."))
        << Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "They are for %1 (%2) and a line whose leftmost "
                                                               "character stands at position %3, in %4 at 10 points; "
                                                               "print at 100 %, with no zoom in the PDF converter."))
               .arg(Wording::ChequeOnSheet(audience, inputs.cheque), Wording::ChequeStockName(audience, inputs.stock))
               .arg(leftmost)
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

} // namespace

QString ChequeProgramKey(ChequeProgram program)
{
    static const char *const keys[] = {"freecheck", "gnucash", "odoo"};
    return QLatin1String(keys[int(program)]);
}

std::optional<ChequeProgram> ChequeProgramFromKey(const QString &key)
{
    for (ChequeProgram program : {ChequeProgram::FreeCheck, ChequeProgram::GnuCash, ChequeProgram::Odoo}) {
        if (key.compare(ChequeProgramKey(program), Qt::CaseInsensitive) == 0)
            return program;
    }
    return std::nullopt;
}

QString ChequeProgramName(ChequeProgram program)
{
    static const char *const names[] = {"FreeCheck", "GnuCash", "Odoo"};
    return QLatin1String(names[int(program)]);
}

std::optional<MicrFaceMetrics> ReadMicrFaceMetrics(const QString &family)
{
    if (!QFontDatabase::hasFamily(family))
        return std::nullopt;
    QFont font(family);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.unitsPerEm() <= 0)
        return std::nullopt;
    const double units = raw.unitsPerEm();
    // At one pixel to the design unit the advances are the design widths.
    raw.setPixelSize(units);
    const QList<quint32> glyphs = raw.glyphIndexesForString(QStringLiteral("0"));
    if (glyphs.isEmpty() || glyphs.first() == 0)
        return std::nullopt;
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);

    MicrFaceMetrics metrics;
    metrics.family = family;
    metrics.advancePoints = advances.value(0).x() / units * MicrPoints;
    const QByteArray os2 = raw.fontTable("OS/2");
    constexpr int UseTypoMetrics = 1 << 7;
    const bool typo = (UInt16At(os2, 62) & UseTypoMetrics) != 0 && os2.size() >= 72;
    const int descender = typo ? Int16At(os2, 70) : Int16At(raw.fontTable("hhea"), 6);
    metrics.descentPoints = -descender / units * MicrPoints;
    metrics.postScriptName = PostScriptName(raw.fontTable("name"));
    if (metrics.postScriptName.isEmpty())
        metrics.postScriptName = QString(family).remove(u' ');
    return metrics;
}

namespace {

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

namespace {

SettingsInputs InputsOnLayout(const PlacementLayout &layout)
{
    SettingsInputs inputs;
    inputs.paperInches = layout.paperInches;
    inputs.cheque = layout.cheque;
    inputs.stock = layout.stock;
    inputs.line = layout.userLine;
    return inputs;
}

} // namespace

SettingsInputs InputsForProfile(const PrinterProfile &profile, const PlacementLayout &layout)
{
    SettingsInputs inputs = InputsOnLayout(layout);
    inputs.face = profile.Face();
    inputs.printer = profile.queue;
    // The line last composed for this printer, unless another was given.
    if (!inputs.line && profile.micrLine)
        inputs.line = ComposeMicrLine(*profile.micrLine);
    // Without the face's widths there is no model, and nothing is written.
    inputs.model = ModelForProfile(profile).value_or(PrinterModel{});
    return inputs;
}

SettingsInputs InputsForLine(CalibrationLine line, FontWeightChoice weight, const PlacementLayout &layout)
{
    SettingsInputs inputs = InputsOnLayout(layout);
    inputs.face = QString::fromLatin1(MicrFaceName(line, weight));
    inputs.model = ModelForLine(line, weight).value_or(PrinterModel{});
    return inputs;
}
