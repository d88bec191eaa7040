#include "answers/ChequeSettings.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

#include <cmath>

namespace {

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

double ChequeBottomOnPaper(const SettingsInputs &inputs)
{
    return (int(inputs.cheque) + 1) * inputs.stock.chequeInches;
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

} // namespace

FreeCheckTweaks FreeCheckTweaksFor(const SettingsInputs &inputs, const MicrFaceMetrics &face)
{
    const PrinterModel &model = inputs.model;
    const double advance = face.advancePoints / PointsPerInch;
    FreeCheckTweaks tweaks;
    tweaks.transit = TransitPosition(inputs.line);
    const double right = FreeCheckChequeWidthInches;
    // Position 1's end follows the transit symbol's left edge by `transit` advances.
    const double anchorX = PageOf(model, {PositionRightEdge(right, 1), 0}).x() - tweaks.transit * advance;
    tweaks.horizontal = anchorX - (right - FreeCheckAnchorFromRight);
    const double bottom = ChequeBottomOnPaper(inputs);
    const double baseline = PageOf(model, {0, bottom - PrintBandBottomInches}).y();
    tweaks.vertical = (bottom - FreeCheckBaselineUp) - baseline;
    tweaks.perInch = 1 / model.sx - 1;
    if (std::abs(model.sy - 1) > 1e-9) {
        // One tweak serves every cheque of the sheet; this printer's scale
        // down moves the others' baselines.
        double worst = 0;
        for (int cheque = 0; cheque < ChequesPerSheet; ++cheque) {
            const double b = (cheque + 1) * inputs.stock.chequeInches;
            const double landed = model.sy * (b - FreeCheckBaselineUp - tweaks.vertical) + model.oy;
            worst = std::max(worst, std::abs(landed - (b - PrintBandBottomInches)));
        }
        tweaks.othersOff = worst;
    }
    return tweaks;
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
std::optional<GnuCashFormat> GnuCashFormatFor(const SettingsInputs &inputs, const MicrFaceMetrics &face)
{
    if (!inputs.line || inputs.line->empty())
        return std::nullopt;
    const MicrLine &line = *inputs.line;
    const PrinterModel &model = inputs.model;
    const double chequeRight = inputs.paperInches.width();
    const double advance = face.advancePoints;
    GnuCashFormat format;
    // Every cheque of the sheet lands right when the positions are as far
    // apart on the page as the cheques are on paper over the scale.
    format.height = inputs.stock.chequeInches / model.sy * PointsPerInch;
    const double topBaseline = PageOf(model, {0, inputs.stock.chequeInches - PrintBandBottomInches}).y();
    format.y = topBaseline * PointsPerInch + face.descentPoints;
    const auto cellEnd = [&](int position) {
        return PageOf(model, {PositionRightEdge(chequeRight, position), 0}).x() * PointsPerInch;
    };
    const std::optional<PositionRun> number = ChequeNumberPositions(line);
    for (int i = 0; i < line.letters.size(); ++i) {
        const int position = line.PositionOf(i);
        if (line.letters[i] == u' ' || (number && position <= number->first && position >= number->last))
            continue;
        format.characters.push_back({line.letters[i], cellEnd(position) - advance});
    }
    if (number) {
        GnuCashNumber run;
        run.first = number->first;
        run.last = number->last;
        const int digits = run.first - run.last + 1;
        run.roundedPitch = std::round(advance);
        run.pitch = PositionPitchInches / model.sx * PointsPerInch;
        const double end = cellEnd(number->last) + run.roundedPitch - advance;
        // Room for the digits at the rounded pitch, and a point to spare.
        run.width = digits * std::max(run.roundedPitch, run.pitch) + 1;
        run.x = end - run.width;
        run.offInches = (digits - 1) * std::abs(run.pitch - run.roundedPitch) / PointsPerInch * model.sx;
        format.number = run;
    }
    return format;
}

// Odoo lays the MICR line out from a fixed left edge at the face's own
// advance, and its check margins move the whole check on the page. The
// margins it comes with put the line in the standard's place on a printer
// that prints the page as it is, in a face 0.125 in a character.
OdooMargins OdooMarginsFor(const SettingsInputs &inputs, const MicrFaceMetrics &face)
{
    const PrinterModel &model = inputs.model;
    OdooMargins margins;
    margins.leftmost = inputs.line && !inputs.line->empty() ? inputs.line->FirstPosition() : TransitFirstPosition;
    const double advance = face.advancePoints / PointsPerInch;
    const double right = PositionRightEdge(inputs.paperInches.width(), 1);
    const double designedLeft = PositionRightEdge(inputs.paperInches.width(), margins.leftmost + 1);
    margins.left = PageOf(model, {right, 0}).x() - margins.leftmost * advance - designedLeft;
    const double baseline = ChequeBottomOnPaper(inputs) - PrintBandBottomInches;
    margins.top = PageOf(model, {0, baseline}).y() - baseline;
    return margins;
}

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
    const std::optional<QRawFont> found = FaceAtDesignUnits(family);
    if (!found)
        return std::nullopt;
    const QRawFont &raw = *found;
    const double units = raw.unitsPerEm();
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
