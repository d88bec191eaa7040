#include "wording/ScanWording.h"

#include "standard/ChequeGeometry.h"
#include "wording/LineWording.h"
#include "wording/MeasurementWording.h"

#include <QJsonArray>

#include <cmath>

namespace Wording {

namespace {

double Rounded(double value, int decimals)
{
    return ShownFigure(value, decimals);
}

QJsonObject SheetAsJson(const ScannedSheet &sheet)
{
    return {{QStringLiteral("dpi_x"), sheet.dpiX},
            {QStringLiteral("dpi_y"), sheet.dpiY},
            {QStringLiteral("width_in"), sheet.widthInches},
            {QStringLiteral("height_in"), sheet.heightInches},
            {QStringLiteral("skew_deg"), sheet.skewDegrees},
            {QStringLiteral("dark_lid"), sheet.darkLid}};
}

ScannedSheet SheetFromJson(const QJsonObject &o)
{
    ScannedSheet sheet;
    sheet.dpiX = o.value(QStringLiteral("dpi_x")).toDouble();
    sheet.dpiY = o.value(QStringLiteral("dpi_y")).toDouble();
    sheet.widthInches = o.value(QStringLiteral("width_in")).toDouble();
    sheet.heightInches = o.value(QStringLiteral("height_in")).toDouble();
    sheet.skewDegrees = o.value(QStringLiteral("skew_deg")).toDouble();
    sheet.darkLid = o.value(QStringLiteral("dark_lid")).toBool();
    return sheet;
}

// A scanned sheet as the script reads it: rounded as shown.
QJsonObject ShownSheet(const ScannedSheet &sheet)
{
    return {{QStringLiteral("dpi"), Rounded(sheet.dpiX, 0)},
            {QStringLiteral("width_in"), ShownInches(sheet.widthInches)},
            {QStringLiteral("height_in"), ShownInches(sheet.heightInches)},
            {QStringLiteral("skew_deg"), Rounded(sheet.skewDegrees, 2)}};
}

// The overlay's pixels to a hundredth: finer than anything drawn.
QJsonArray PointsAsJson(const QPolygonF &points)
{
    QJsonArray array;
    for (const QPointF &p : points)
        array.append(QJsonArray{Rounded(p.x(), 2), Rounded(p.y(), 2)});
    return array;
}

QPolygonF PointsFromJson(const QJsonValue &value)
{
    QPolygonF points;
    for (const QJsonValue point : value.toArray())
        points << QPointF(point.toArray().at(0).toDouble(), point.toArray().at(1).toDouble());
    return points;
}

QJsonArray LineAsJson(const QLineF &line)
{
    return PointsAsJson(QPolygonF({line.p1(), line.p2()}));
}

QLineF LineFromJson(const QJsonValue &value)
{
    const QPolygonF ends = PointsFromJson(value);
    return ends.size() == 2 ? QLineF(ends[0], ends[1]) : QLineF();
}

QJsonObject OverlayAsJson(const ScanOverlay &overlay)
{
    QJsonArray measured, cells, characters, marks;
    for (const QLineF &line : overlay.measured)
        measured.append(LineAsJson(line));
    for (const QPolygonF &cell : overlay.cells)
        cells.append(PointsAsJson(cell));
    for (const QPolygonF &box : overlay.characters)
        characters.append(PointsAsJson(box));
    for (const QPolygonF &mark : overlay.marks)
        marks.append(PointsAsJson(mark));
    QJsonObject o{{QStringLiteral("sheet"), PointsAsJson(overlay.sheet)}};
    if (!measured.isEmpty())
        o.insert(QStringLiteral("measured"), measured);
    if (!cells.isEmpty())
        o.insert(QStringLiteral("cells"), cells);
    if (!characters.isEmpty()) {
        o.insert(QStringLiteral("characters"), characters);
        o.insert(QStringLiteral("letters"), overlay.letters);
    }
    if (!overlay.baseline.isNull())
        o.insert(QStringLiteral("baseline"), LineAsJson(overlay.baseline));
    if (!marks.isEmpty())
        o.insert(QStringLiteral("marks"), marks);
    return o;
}

ScanOverlay OverlayFromJson(const QJsonObject &o)
{
    ScanOverlay overlay;
    overlay.sheet = PointsFromJson(o.value(QStringLiteral("sheet")));
    for (const QJsonValue line : o.value(QStringLiteral("measured")).toArray())
        overlay.measured.push_back(LineFromJson(line));
    for (const QJsonValue cell : o.value(QStringLiteral("cells")).toArray())
        overlay.cells.push_back(PointsFromJson(cell));
    for (const QJsonValue box : o.value(QStringLiteral("characters")).toArray())
        overlay.characters.push_back(PointsFromJson(box));
    overlay.letters = o.value(QStringLiteral("letters")).toString();
    overlay.baseline = LineFromJson(o.value(QStringLiteral("baseline")));
    for (const QJsonValue mark : o.value(QStringLiteral("marks")).toArray())
        overlay.marks.push_back(PointsFromJson(mark));
    return overlay;
}

} // namespace

QJsonObject PlacementFoundAsJson(const PlacementFound &found)
{
    QJsonObject o{{QStringLiteral("sheet"), SheetAsJson(found.sheet)},
                  {QStringLiteral("bar"), found.bar},
                  {QStringLiteral("right"), found.right},
                  {QStringLiteral("bottom"), found.bottom},
                  {QStringLiteral("top"), found.top},
                  {QStringLiteral("overlay"), OverlayAsJson(found.overlay)}};
    if (found.verticalBar)
        o.insert(QStringLiteral("vbar"), *found.verticalBar);
    return o;
}

std::optional<PlacementFound> PlacementFoundFromJson(const QJsonObject &o)
{
    if (!o.value(QStringLiteral("bar")).isDouble())
        return std::nullopt;
    PlacementFound found;
    found.sheet = SheetFromJson(o.value(QStringLiteral("sheet")).toObject());
    found.bar = o.value(QStringLiteral("bar")).toDouble();
    found.right = o.value(QStringLiteral("right")).toDouble();
    found.bottom = o.value(QStringLiteral("bottom")).toDouble();
    found.top = o.value(QStringLiteral("top")).toDouble();
    if (o.contains(QStringLiteral("vbar")))
        found.verticalBar = o.value(QStringLiteral("vbar")).toDouble();
    found.overlay = OverlayFromJson(o.value(QStringLiteral("overlay")).toObject());
    return found;
}

QJsonObject GaugeFoundAsJson(const GaugeFound &found)
{
    QJsonArray characters, marks;
    for (const GaugeCharacter &c : found.characters)
        characters.append(QJsonObject{{QStringLiteral("letter"), QString(c.letter)},
                                      {QStringLiteral("match"), c.match},
                                      {QStringLiteral("right"), c.rightInches},
                                      {QStringLiteral("baseline"), c.baselineInches},
                                      {QStringLiteral("stroke"), c.strokeInches}});
    for (const GaugeMark &m : found.marks)
        marks.append(QJsonObject{{QStringLiteral("right"), m.rightInches},
                                 {QStringLiteral("up"), m.upInches},
                                 {QStringLiteral("width"), m.widthInches},
                                 {QStringLiteral("height"), m.heightInches}});
    return {{QStringLiteral("sheet"), SheetAsJson(found.sheet)},
            {QStringLiteral("cheque_width"), found.chequeWidthInches},
            {QStringLiteral("characters"), characters},
            {QStringLiteral("skew_deg"), found.skewDegrees},
            {QStringLiteral("marks"), marks},
            {QStringLiteral("overlay"), OverlayAsJson(found.overlay)}};
}

std::optional<GaugeFound> GaugeFoundFromJson(const QJsonObject &o)
{
    if (!o.value(QStringLiteral("characters")).isArray())
        return std::nullopt;
    GaugeFound found;
    found.sheet = SheetFromJson(o.value(QStringLiteral("sheet")).toObject());
    found.chequeWidthInches = o.value(QStringLiteral("cheque_width")).toDouble();
    found.skewDegrees = o.value(QStringLiteral("skew_deg")).toDouble();
    for (const QJsonValue value : o.value(QStringLiteral("characters")).toArray()) {
        const QJsonObject c = value.toObject();
        const QString letter = c.value(QStringLiteral("letter")).toString();
        found.characters.push_back({letter.isEmpty() ? QChar(u'?') : letter.front(),
                                    c.value(QStringLiteral("match")).toDouble(),
                                    c.value(QStringLiteral("right")).toDouble(),
                                    c.value(QStringLiteral("baseline")).toDouble(),
                                    c.value(QStringLiteral("stroke")).toDouble()});
    }
    for (const QJsonValue value : o.value(QStringLiteral("marks")).toArray()) {
        const QJsonObject m = value.toObject();
        found.marks.push_back({m.value(QStringLiteral("right")).toDouble(), m.value(QStringLiteral("up")).toDouble(),
                               m.value(QStringLiteral("width")).toDouble(),
                               m.value(QStringLiteral("height")).toDouble()});
    }
    found.overlay = OverlayFromJson(o.value(QStringLiteral("overlay")).toObject());
    return found;
}

QJsonObject CalibrationFoundAsJson(const CalibrationFound &found)
{
    QJsonArray lines;
    for (const std::optional<double> &length : found.lines)
        lines.append(length ? QJsonValue(*length) : QJsonValue());
    return {{QStringLiteral("sheet"), SheetAsJson(found.sheet)}, {QStringLiteral("lines"), lines}};
}

std::optional<CalibrationFound> CalibrationFoundFromJson(const QJsonObject &o)
{
    const QJsonArray lines = o.value(QStringLiteral("lines")).toArray();
    if (lines.size() != qsizetype(LineLengths().size()))
        return std::nullopt;
    CalibrationFound found;
    found.sheet = SheetFromJson(o.value(QStringLiteral("sheet")).toObject());
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].isDouble())
            found.lines[std::size_t(i)] = lines[i].toDouble();
    return found;
}

QJsonObject ScanRefusalAsJson(const ScanRefusal &refusal)
{
    return {{QStringLiteral("refused"), ScanProblemKey(refusal.problem)},
            {QStringLiteral("dpi"), refusal.dpi},
            {QStringLiteral("detail"), refusal.detail}};
}

std::optional<ScanRefusal> ScanRefusalFromJson(const QJsonObject &o)
{
    const auto problem = ScanProblemFromKey(o.value(QStringLiteral("refused")).toString());
    if (!problem)
        return std::nullopt;
    return ScanRefusal{*problem, o.value(QStringLiteral("dpi")).toDouble(), o.value(QStringLiteral("detail")).toString()};
}

QJsonObject ScanReadingsAsJson(const PlacementFound &found)
{
    QJsonObject readings{{QStringLiteral("bar"), ShownInches(found.bar)},
                         {QStringLiteral("right"), ShownInches(found.right)},
                         {QStringLiteral("bottom"), ShownInches(found.bottom)},
                         {QStringLiteral("top"), ShownInches(found.top)},
                         {QStringLiteral("sheet"), ShownSheet(found.sheet)}};
    if (found.verticalBar)
        readings.insert(QStringLiteral("vbar"), ShownInches(*found.verticalBar));
    return readings;
}

QString ScanReadingsLine(For audience, const PlacementFound &found)
{
    QString line = Say(audience, QT_TRANSLATE_NOOP("Wording", "Readings from the scan (%1 dpi): bar %2, right %3, bottom %4 (from the printed rule), top %5"))
                       .arg(std::lround(found.sheet.dpiX))
                       .arg(Figure(audience, found.bar, 3), Figure(audience, found.right, 3), Figure(audience, found.bottom, 3),
                            Figure(audience, found.top, 3));
    if (found.verticalBar)
        line += Say(audience, QT_TRANSLATE_NOOP("Wording", ", vertical bar %1")).arg(Figure(audience, *found.verticalBar, 3));
    return line;
}

namespace {

// The helper runs in no language: its details are the program's US English,
// each a text of the catalogues (or a decoder's own words, said as they are).
QString HelperDetail(For audience, const ScanRefusal &refusal)
{
    return refusal.detail.isEmpty() ? refusal.detail : Say(audience, refusal.detail.toUtf8().constData());
}

} // namespace

QString ScanRefusalText(For audience, const ScanRefusal &refusal)
{
    switch (refusal.problem) {
    case ScanProblem::None:
        return {};
    case ScanProblem::Unreadable:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the scan cannot be read: %1")).arg(HelperDetail(audience, refusal));
    case ScanProblem::TooLarge:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the scan is too large to measure (%1 pixels); scan at 600 dpi"))
            .arg(refusal.detail);
    case ScanProblem::TooCoarse:
        if (refusal.dpi <= 0)
            return Say(audience, QT_TRANSLATE_NOOP("Wording", "the scan does not say its resolution; give it with --dpi (at least %1 dpi, 600 dpi is best)"))
                .arg(MinimumScanDpi);
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the scan's %1 dpi is too coarse for the tolerances: scan at %2 dpi or more (600 dpi is best)"))
            .arg(std::lround(refusal.dpi))
            .arg(MinimumScanDpi);
    case ScanProblem::Empty:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the scan is blank: nothing was scanned"));
    case ScanProblem::NoSheet:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the paper's four edges do not show in the scan: scan the sheet whole, with a dark sheet behind it"));
    case ScanProblem::Sideways:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the sheet lies sideways in the scan: scan it upright"));
    case ScanProblem::UpsideDown:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the page is upside down in the scan: turn it round and scan it again"));
    case ScanProblem::WrongPage:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "this is not the page asked for: its marks are not where that page puts them (check --cheque, --paper and --line)"));
    case ScanProblem::NoMicrLine:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "no MICR line in the check's clear band (check --cheque and --paper)"));
    case ScanProblem::Failed:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the scan could not be measured: %1")).arg(HelperDetail(audience, refusal));
    case ScanProblem::PdfPages:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the PDF has %1 pages, and a scan is one page: save each scanned page in a file of its own"))
            .arg(refusal.detail);
    case ScanProblem::PdfImages:
        if (refusal.detail == QLatin1String("0"))
            return Say(audience, QT_TRANSLATE_NOOP("Wording", "the PDF's page holds no image, so it is no scan: save the scan as PNG, TIFF, JPEG or a PDF of one image"));
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "the PDF's page holds %1 images, and a scan is one: save the scan as PNG, TIFF, JPEG or a PDF of one image"))
            .arg(refusal.detail);
    }
    return {};
}

QJsonObject ScannedLengthsAsJson(const CalibrationFound &found, const ScannedLengths &scanned)
{
    const bool ruler = scanned.source == ScanScaleSource::Ruler;
    QJsonObject readings{{QStringLiteral("sheet"), ShownSheet(found.sheet)},
                         {QStringLiteral("scale_source"), ruler ? QStringLiteral("ruler") : QStringLiteral("dpi")},
                         {QStringLiteral("ruler_line"), ruler ? QJsonValue(scanned.rulerLine) : QJsonValue()},
                         {QStringLiteral("scale_uncertainty_percent"), ruler ? 0.0 : ScanScaleUncertainty * 100},
                         {QStringLiteral("decided"), !scanned.answerUndecided}};
    QJsonObject uncertainty;
    QJsonArray undecided;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const std::size_t i = std::size_t(line - 1);
        if (!scanned.lengths[i])
            continue;
        readings.insert(QString::number(line), ShownInches(*scanned.lengths[i]));
        uncertainty.insert(QString::number(line), ShownInches(scanned.uncertainty[i].value_or(0)));
        if (scanned.undecided[i])
            undecided.append(line);
    }
    readings.insert(QStringLiteral("uncertainty_in"), uncertainty);
    readings.insert(QStringLiteral("undecided"), undecided);
    return readings;
}

QStringList ScanLengthsLines(For audience, const CalibrationFound &found, const ScannedLengths &scanned)
{
    QStringList lengths;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const std::size_t i = std::size_t(line - 1);
        if (!scanned.lengths[i])
            continue;
        lengths << (scanned.source == ScanScaleSource::Ruler
                        ? Say(audience, QT_TRANSLATE_NOOP("Wording", "line %1 %2 in"))
                              .arg(line)
                              .arg(Figure(audience, *scanned.lengths[i], 3))
                        : Say(audience, QT_TRANSLATE_NOOP("Wording", "line %1 %2 in +/- %3"))
                              .arg(line)
                              .arg(Figure(audience, *scanned.lengths[i], 3), Figure(audience, scanned.uncertainty[i].value_or(0), 3)));
    }
    QStringList said;
    said << (scanned.source == ScanScaleSource::Ruler
                 ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Lengths from the scan (%1 dpi, scaled by line %2's ruler reading): %3"))
                       .arg(std::lround(found.sheet.dpiX))
                       .arg(scanned.rulerLine)
                       .arg(lengths.join(QStringLiteral(", ")))
                 : Say(audience, QT_TRANSLATE_NOOP("Wording", "Lengths from the scan (%1 dpi, at the scan's resolution, known to %2 %): %3"))
                       .arg(std::lround(found.sheet.dpiX))
                       .arg(Figure(audience, ScanScaleUncertainty * 100, 1), lengths.join(QStringLiteral(", "))));
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const std::size_t i = std::size_t(line - 1);
        if (!scanned.undecided[i])
            continue;
        const double length = *scanned.lengths[i];
        const double uncertainty = scanned.uncertainty[i].value_or(0);
        said << Say(audience, QT_TRANSLATE_NOOP("Wording", "Line %1 cannot be decided from the scan: within its uncertainty it is %2 or %3."))
                    .arg(line)
                    .arg(VerdictOf(audience, JudgeResidual(length - uncertainty - TargetLineInches)),
                         VerdictOf(audience, JudgeResidual(length + uncertainty - TargetLineInches)));
    }
    if (scanned.answerUndecided)
        said << Say(audience, QT_TRANSLATE_NOOP("Wording", "The answer cannot be decided from the scan alone: the scanner's scale may be off by %1 %. Measure one line with a ruler to set the scale."))
                    .arg(Figure(audience, ScanScaleUncertainty * 100, 1));
    return said;
}

QString CalibrationScanRefusalText(For audience, const ScanRefusal &refusal)
{
    if (refusal.problem != ScanProblem::WrongPage)
        return ScanRefusalText(audience, refusal);
    if (!refusal.detail.isEmpty())
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "only %1 of the five sample lines were found on the scan: each line's two marks must show, 7 in apart; scan the whole page again"))
            .arg(refusal.detail);
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "no sample line's marks were found on the scan: this is not the calibration page, or it was printed without the MICR faces (see the fonts command)"));
}

QJsonObject GaugeAsJson(const GaugeFound &found, const GaugeResult &result)
{
    QJsonArray characters, marks, faults;
    for (const GaugeCharacterResult &c : result.characters) {
        QJsonObject o{{QStringLiteral("character"), QString(c.found.letter)},
                      {QStringLiteral("position"), c.position},
                      {QStringLiteral("right_in"), ShownInches(c.found.rightInches)},
                      {QStringLiteral("bottom_in"), ShownInches(c.found.baselineInches)},
                      {QStringLiteral("match"), Rounded(c.found.match, 2)}};
        if (c.spacing)
            o.insert(QStringLiteral("spacing_in"), ShownInches(*c.spacing));
        characters.append(o);
    }
    for (const GaugeMark &m : found.marks)
        marks.append(QJsonObject{{QStringLiteral("right_in"), ShownInches(m.rightInches)},
                                 {QStringLiteral("up_in"), ShownInches(m.upInches)},
                                 {QStringLiteral("width_in"), ShownInches(m.widthInches)},
                                 {QStringLiteral("height_in"), ShownInches(m.heightInches)},
                                 {QStringLiteral("counted"), std::max(m.widthInches, m.heightInches) <= CountedSpotInches}});
    for (const GaugeFault &f : result.faults) {
        QJsonObject o{{QStringLiteral("code"), GaugeFaultCode(f.kind)}};
        if (f.position > 0)
            o.insert(QStringLiteral("position"), f.position);
        if (f.kind == GaugeFaultKind::LineFault && f.index < int(result.line.faults.size()))
            o.insert(QStringLiteral("line_fault"), MicrFaultCodesAsJson({result.line.faults[size_t(f.index)]}).first());
        else if (f.kind != GaugeFaultKind::Unrecognised)
            o.insert(QStringLiteral("value"), Rounded(f.value, 4));
        faults.append(o);
    }
    QJsonObject o{{QStringLiteral("sheet"), ShownSheet(found.sheet)},
                  {QStringLiteral("characters"), characters},
                  {QStringLiteral("text"), result.line.letters},
                  {QStringLiteral("right_in"), ShownInches(result.rightInches)},
                  {QStringLiteral("baseline_in"), ShownInches(result.baselineInches)},
                  {QStringLiteral("move_right_in"), ShownInches(result.moveRight)},
                  {QStringLiteral("move_up_in"), ShownInches(result.moveUp)},
                  {QStringLiteral("skew_deg"), Rounded(result.skewDegrees, 2)},
                  {QStringLiteral("clear_band"), QJsonObject{{QStringLiteral("marks"), marks},
                                                             {QStringLiteral("counted_spots"), result.countedSpots}}},
                  {QStringLiteral("faults"), faults},
                  {QStringLiteral("within_tolerance"), result.withinTolerance()}};
    QJsonArray fields;
    for (const MicrField &field : result.line.fields)
        fields.append(QJsonObject{{QStringLiteral("name"), field.name},
                                  {QStringLiteral("first"), field.first},
                                  {QStringLiteral("last"), field.last}});
    o.insert(QStringLiteral("fields"), fields);
    o.insert(QStringLiteral("pitch_in"), result.pitchInches ? QJsonValue(Rounded(*result.pitchInches, 4)) : QJsonValue());
    o.insert(QStringLiteral("stroke_in"), result.strokeInches ? QJsonValue(Rounded(*result.strokeInches, 4)) : QJsonValue());
    return o;
}

QStringList Gauge(For audience, const GaugeFound &found, const GaugeResult &result)
{
    QStringList lines;
    lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Scan: %1 dpi, the sheet %2 x %3 in, turned %4 degrees on the glass"))
                 .arg(std::lround(found.sheet.dpiX))
                 .arg(Figure(audience, found.sheet.widthInches, 3), Figure(audience, found.sheet.heightInches, 3),
                      Figure(audience, found.sheet.skewDegrees, 2));
    lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "MICR line read: %1")).arg(result.line.letters);
    lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Last character's right end: %1 from the check's right edge; baseline %2 above its bottom edge"))
                 .arg(LengthOf(audience, result.rightInches), LengthOf(audience, result.baselineInches));
    lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Move the line: %1"))
                 .arg(Moves(audience, result.moveRight, result.moveUp, Brief));
    if (result.pitchInches)
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Pitch: %1 in (0.125 in nominal)")).arg(Figure(audience, *result.pitchInches, 4));
    if (result.strokeInches)
        lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Bar width: %1 in (0.013 in nominal)")).arg(Figure(audience, *result.strokeInches, 4));
    lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Skew: %1 degrees")).arg(Figure(audience, result.skewDegrees, 2));
    lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Clear band: %1 marks, %2 of them small spots counted"))
                 .arg(found.marks.size())
                 .arg(result.countedSpots);
    for (const GaugeFault &fault : result.faults)
        if (fault.kind == GaugeFaultKind::LineFault && fault.index < int(result.line.faults.size()))
            lines << LineFault(audience, result.line.faults[size_t(fault.index)]);
        else
            lines << Say(audience, QT_TRANSLATE_NOOP("Wording", "Fault %1 at position %2: %3"))
                     .arg(GaugeFaultCode(fault.kind))
                     .arg(fault.position)
                     .arg(Figure(audience, fault.value, 4));
    lines << (result.withinTolerance() ? Say(audience, QT_TRANSLATE_NOOP("Wording", "Within tolerance."))
                                       : Say(audience, QT_TRANSLATE_NOOP("Wording", "Not within tolerance.")));
    return lines;
}

} // namespace Wording
