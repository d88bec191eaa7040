#include "ChequeCheck.h"

#include <QJsonArray>
#include <QMap>
#include <QPageSize>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// Words of the MICR face whose baselines are closer than this are one line.
constexpr double SameLineInches = 0.05;

// A name as compared: without spaces and hyphens, in small letters.
QString Squeezed(const QString &name)
{
    QString squeezed = name;
    squeezed.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    return squeezed.toLower();
}

// The paper the placement page was printed on, from its stock.
QSizeF PaperOfStock(const ChequeStock &stock)
{
    return stock.PaperInches();
}

// The paper a page is printed on: a page within a point of a known paper
// size is that paper (programs round A4 to 595 x 842 pt).
QSizeF PaperOfPage(const QSizeF &pageInches)
{
    const QPageSize::PageSizeId id = QPageSize::id(pageInches, QPageSize::Inch, QPageSize::FuzzyMatch);
    return id == QPageSize::Custom ? pageInches : QPageSize::size(id, QPageSize::Inch);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The baseline of a word of the MICR face on the page: its ink's bottom,
// where the page was rendered; otherwise its box's (which leaves out the
// face's descent, so it is a little low).
double PageBaseline(const ChequeFileWord &word)
{
    return word.inkBottom.value_or(word.box.bottom());
}

// "1.250-2.000 in from the cheque's left edge, 0.100-0.300 in above its
// bottom edge"
QString WhereOnCheque(const QRectF &paper, const ChequeCheck &check)
{
    const double bottom = ChequeBottomInches(check.layout);
    return QStringLiteral("%1-%2 in from the cheque's left edge, %3-%4 in above its bottom edge")
        .arg(paper.left(), 0, 'f', 3)
        .arg(paper.right(), 0, 'f', 3)
        .arg(std::max(0.0, bottom - paper.bottom()), 0, 'f', 3)
        .arg(bottom - paper.top(), 0, 'f', 3);
}

QString Move(double inches, const char *positive, const char *negative)
{
    const double shown = ShownInches(inches);
    return QStringLiteral("%1 %2 in").arg(QLatin1String(shown < 0 ? negative : positive)).arg(std::abs(shown), 0, 'f', 3);
}

// Reads the line's characters into positions and checks them.
void ReadPositions(ChequeCheck &check, const std::vector<const ChequeFileWord *> &line)
{
    const double paperWidth = check.layout.paperInches.width();
    QMap<int, QChar> byPosition;
    std::vector<double> pitches;
    double lastRight = 0; // the rightmost character's right end from the cheque's right edge
    bool first = true;
    for (const ChequeFileWord *word : line) {
        for (std::size_t i = 0; i < word->characters.size() && i < std::size_t(word->text.size()); ++i) {
            const QChar letter = word->text.at(qsizetype(i));
            const QRectF page = word->characters[i];
            QRectF paper = check.model.Map(page);
            const double baseline = check.model.Map(QPointF(0, PageBaseline(*word))).y();
            paper.setBottom(baseline);
            paper.setTop(baseline - (PrintBandTopInches - PrintBandBottomInches));
            const double fromRight = paperWidth - paper.right();
            const int position = int(std::lround((fromRight - FirstPositionRightInches) / PositionPitchInches)) + 1;
            pitches.push_back(paper.width());
            if (letter.isSpace())
                continue;
            if (byPosition.contains(position))
                check.faults << QStringLiteral("Two characters fall in position %1: they stand closer than 0.125 in "
                                               "(another size or face), or the line is printed twice.")
                                    .arg(position);
            byPosition.insert(position, letter);
            check.characters.push_back({letter, position, paper});
            if (first || fromRight < lastRight)
                lastRight = fromRight;
            first = false;
        }
    }
    if (byPosition.isEmpty())
        return;
    check.firstPosition = byPosition.lastKey();
    check.lastPosition = byPosition.firstKey();
    for (int position = check.firstPosition; position >= check.lastPosition; --position)
        check.text += byPosition.value(position, QLatin1Char(' '));

    // Checked as a typed line is; that places its last character at 14 (at 1
    // with an amount field), so the fields move to where they stand.
    check.checked = CheckMicrLine(check.text);
    const int shift = check.lastPosition - check.checked.lastPosition;
    for (MicrField &field : check.checked.fields) {
        field.first += shift;
        field.last += shift;
    }
    check.checked.lastPosition = check.lastPosition;
    if (shift != 0)
        check.faults << QStringLiteral("The line's last character stands in position %1; it belongs in position %2: "
                                       "the line is %3 position%4 too far %5.")
                            .arg(check.lastPosition)
                            .arg(check.checked.lastPosition - shift)
                            .arg(std::abs(shift))
                            .arg(std::abs(shift) == 1 ? QString() : QStringLiteral("s"))
                            .arg(shift > 0 ? QStringLiteral("left") : QStringLiteral("right"));
    check.faults.removeDuplicates();
    check.lineFaultsAt = check.faults.size();

    // Position 1's end, counted from the last character at the line's own
    // pitch; the baseline, the median of the words'.
    const double pitch = Median(pitches);
    check.rightInches = lastRight - (check.lastPosition - shift - 1) * pitch;
    std::vector<double> baselines;
    baselines.reserve(line.size());
    for (const ChequeFileWord *word : line)
        baselines.push_back(check.model.Map(QPointF(0, PageBaseline(*word))).y());
    const double landedBaseline = Median(baselines);
    check.baselineInches = ChequeBottomInches(check.layout) - landedBaseline;
    check.moveRight = (check.rightInches - FirstPositionRightInches) / check.model.sx;
    check.moveUp = (landedBaseline - BaselineInches(check.layout)) / check.model.sy;
}

} // namespace

std::optional<PrinterModel> ModelForLine(CalibrationLine line, FontWeightChoice weight)
{
    const std::optional<double> length = SampleLineInches(QString::fromLatin1(MicrFaceName(line, weight)));
    if (!length || *length <= 0)
        return std::nullopt;
    PrinterModel model;
    model.sx = TargetLineInches / *length;
    model.line = line;
    model.weight = weight;
    model.source = QStringLiteral("a printer on which Line %1's face prints the MICR line 7.000 in long").arg(line);
    return model;
}

std::optional<PrinterModel> ModelForProfile(const PrinterProfile &profile)
{
    std::optional<PrinterModel> model = ModelForLine(profile.line, profile.weight);
    if (!model)
        return std::nullopt;
    model->source = QStringLiteral("printer %1, calibrated for Line %2").arg(profile.queue).arg(profile.line);
    if (!profile.placement)
        return model;
    // The placement page printed position 1's end and the baseline at known
    // places of the page; where they landed fixes the shift.
    const PlacementRecord &placed = *profile.placement;
    PlacementLayout layout;
    layout.paperInches = PaperOfStock(placed.stock);
    layout.stock = placed.stock;
    layout.cheque = placed.cheque;
    model->sx = placed.readings.bar / ReferenceBarInches;
    model->sy = placed.readings.verticalBar.value_or(VerticalBarInches) / VerticalBarInches;
    const double landedRight = layout.paperInches.width() - placed.readings.right;
    const double landedBaseline = placed.readings.vertical == VerticalReading::FromChequeBottom
        ? ChequeBottomInches(layout) - placed.readings.fromEdge
        : placed.readings.fromEdge;
    model->ox = landedRight - model->sx * PositionOneRightInches(layout);
    model->oy = landedBaseline - model->sy * BaselineInches(layout);
    model->source = QStringLiteral("printer %1, calibrated for Line %2, placement measured %3")
                        .arg(profile.queue)
                        .arg(profile.line)
                        .arg(ShortDate(placed.taken));
    return model;
}

QString FontBaseName(const QString &embedded)
{
    // A subset's six capitals and a plus; a style after a hyphen or comma.
    // Converters join a family's words with hyphens too ("Ferro-Sample"),
    // so only a style's own words are taken off.
    static const QRegularExpression subset(QStringLiteral("^[A-Z]{6}\\+"));
    static const QRegularExpression style(
        QStringLiteral("[-,](Regular|Roman|Book|Normal|Medium|Bold|Italic|Oblique|BoldItalic|BoldOblique)$"));
    QString name = embedded;
    name.remove(subset);
    name.remove(style);
    return name;
}

std::optional<std::pair<CalibrationLine, FontWeightChoice>> FaceOfFont(const QString &embedded)
{
    const QString base = Squeezed(FontBaseName(embedded));
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        for (FontWeightChoice weight : {FontWeightChoice::Standard, FontWeightChoice::Bold}) {
            if (base == Squeezed(QString::fromLatin1(MicrFaceName(line, weight))))
                return std::make_pair(line, weight);
        }
    }
    return std::nullopt;
}

bool IsMicrFont(const QString &embedded)
{
    const QString base = Squeezed(FontBaseName(embedded));
    return FaceOfFont(embedded) || base.contains(QLatin1String("micr")) || base.contains(QLatin1String("e13b"));
}

bool ChequeCheck::movesFine() const
{
    return std::abs(ShownInches(moveRight)) <= OffsetToleranceInches
        && std::abs(ShownInches(moveUp)) <= OffsetToleranceInches;
}

ChequeCheck CheckCheque(const ChequeFilePage &page, ChequePosition cheque, const std::optional<ChequeStock> &stock,
                        const PrinterModel &model)
{
    ChequeCheck check;
    check.model = model;
    check.pageFonts = page.fonts;
    check.layout.paperInches = PaperOfPage(page.pageInches);
    check.layout.stock = stock.value_or(StockForPaper(page.pageInches.height()));
    check.layout.cheque = cheque;
    check.layout.line = model.line;
    check.layout.weight = model.weight;
    const double top = ChequeTopInches(check.layout);
    const double bottom = ChequeBottomInches(check.layout);

    // The MICR line: the words in a MICR face on this cheque, the row of
    // them nearest where the baseline belongs.
    QMap<double, std::vector<const ChequeFileWord *>> rows;
    for (const ChequeFileWord &word : page.words) {
        if (!IsMicrFont(word.font) || word.text.trimmed().isEmpty())
            continue;
        const double baseline = model.Map(QPointF(0, PageBaseline(word))).y();
        if (baseline <= top || baseline - (PrintBandTopInches - PrintBandBottomInches) >= bottom)
            continue;
        bool joined = false;
        for (auto it = rows.begin(); it != rows.end() && !joined; ++it) {
            if (std::abs(it.key() - baseline) < SameLineInches) {
                it.value().push_back(&word);
                joined = true;
            }
        }
        if (!joined)
            rows.insert(baseline, {&word});
    }
    std::vector<const ChequeFileWord *> line;
    double nearest = 0;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        const double away = std::abs(it.key() - BaselineInches(check.layout));
        if (line.empty() || away < nearest) {
            line = it.value();
            nearest = away;
        }
    }
    std::sort(line.begin(), line.end(),
              [](const ChequeFileWord *a, const ChequeFileWord *b) { return a->box.left() < b->box.left(); });

    if (line.empty()) {
        check.faults << QStringLiteral("No MICR line found on the %1 cheque: no text there is in a MICR face. The "
                                       "page uses %2.")
                            .arg(ChequeName(cheque),
                                 page.fonts.isEmpty() ? QStringLiteral("no fonts")
                                                      : QStringLiteral("the fonts ") + page.fonts.join(QStringLiteral(", ")));
    } else {
        check.found = true;
        check.face = FontBaseName(line.front()->font);
        std::vector<double> sizes;
        for (const ChequeFileWord *word : line) {
            sizes.push_back(word->points);
            if (FontBaseName(word->font) != check.face)
                check.faults << QStringLiteral("The line mixes faces: %1 and %2.").arg(check.face, FontBaseName(word->font));
        }
        check.points = Median(sizes);
        const auto face = FaceOfFont(line.front()->font);
        if (!face || face->first != model.line || face->second != model.weight)
            check.faults << QStringLiteral("The line is in %1, but this printer is calibrated for %2 (Line %3).")
                                .arg(check.face, model.Face())
                                .arg(model.line);
        if (std::abs(std::round((check.points - MicrPoints) * 100) / 100) > MicrPointsTolerance)
            check.faults << QStringLiteral("The line prints at %1 pt; it must print at 10 pt (within %2 pt). A "
                                           "page zoomed or fitted to the paper changes the size: print at 100 %.")
                                .arg(check.points, 0, 'f', 2)
                                .arg(MicrPointsTolerance, 0, 'f', 2);
        ReadPositions(check, line);
        check.faults.removeDuplicates();
    }

    // Everything else in the clear band, full width.
    const QRectF band(0, bottom - ClearBandInches, page.pageInches.width(), ClearBandInches);
    for (const ChequeFileWord &word : page.words) {
        if (std::find(line.begin(), line.end(), &word) != line.end())
            continue;
        const QRectF paper = model.Map(word.box);
        if (paper.intersects(band))
            check.clearBand.push_back({word.text, paper});
    }
    for (const QRectF &drawing : page.drawings) {
        const QRectF paper = model.Map(drawing);
        if (paper.intersects(band))
            check.clearBand.push_back({QString(), paper});
    }
    for (const ClearBandMark &mark : check.clearBand) {
        check.faults << (mark.text.isEmpty()
                             ? QStringLiteral("A drawing in the clear band, %1.").arg(WhereOnCheque(mark.paper, check))
                             : QStringLiteral("Text in the clear band: \"%1\", %2.")
                                   .arg(mark.text, WhereOnCheque(mark.paper, check)));
    }
    return check;
}

QStringList ChequeFaults(const ChequeCheck &check, Wording::For audience)
{
    QStringList faults = check.faults.mid(0, check.lineFaultsAt);
    faults << Wording::LineFaults(audience, check.checked.faults);
    faults << check.faults.mid(check.lineFaultsAt);
    return faults;
}

QStringList DescribeChequeCheck(const ChequeCheck &check)
{
    QStringList lines;
    lines << QStringLiteral("Printer: %1 (%2 at 10 pt); page scale %3 % across, %4 % down.")
                 .arg(check.model.source, check.model.Face())
                 .arg(check.model.sx * 100, 0, 'f', 2)
                 .arg(check.model.sy * 100, 0, 'f', 2);
    lines << QStringLiteral("Cheque: the %1 one, %2.").arg(ChequeName(check.layout.cheque), check.layout.stock.Name());
    if (check.found) {
        lines << QStringLiteral("MICR line: %1 at %2 pt.").arg(check.face).arg(check.points, 0, 'f', 2);
        lines << QStringLiteral("Text: \"%1\", positions %2 to %3.")
                     .arg(check.text)
                     .arg(check.firstPosition)
                     .arg(check.lastPosition);
        for (const MicrField &field : check.checked.fields)
            lines << QStringLiteral("  %1 %2-%3  %4").arg(field.name, -26).arg(field.first).arg(field.last).arg(field.text);
        lines << QStringLiteral("Position 1 ends %1 in from the cheque's right edge (the standard puts it at %2 in); "
                                "the baseline is %3 in above its bottom edge (%4 in).")
                     .arg(check.rightInches, 0, 'f', 3)
                     .arg(FirstPositionRightInches, 0, 'f', 3)
                     .arg(check.baselineInches, 0, 'f', 3)
                     .arg(PrintBandBottomInches, 0, 'f', 3);
        lines << QStringLiteral("Move the MICR line in the program that made the file: %1 and %2.")
                     .arg(Move(check.moveRight, "right", "left"), Move(check.moveUp, "up", "down"));
    }
    const QStringList faults = ChequeFaults(check, Wording::For::Reader);
    if (faults.isEmpty())
        lines << QStringLiteral("No faults.");
    for (const QString &fault : faults)
        lines << QStringLiteral("Fault: ") + fault;
    if (check.found)
        lines << (check.movesFine() ? QStringLiteral("Both moves are within 1/32 in.")
                                    : QStringLiteral("A move is more than 1/32 in: move the line, print the cheque to a "
                                                     "file again and check it."));
    return lines;
}

QJsonObject ChequeCheckJson(const ChequeCheck &check)
{
    QJsonArray fields;
    for (const MicrField &field : check.checked.fields)
        fields.append(QJsonObject{{QStringLiteral("name"), field.name},
                                  {QStringLiteral("first"), field.first},
                                  {QStringLiteral("last"), field.last},
                                  {QStringLiteral("text"), field.text}});
    QJsonArray band;
    for (const ClearBandMark &mark : check.clearBand) {
        const double bottom = ChequeBottomInches(check.layout);
        band.append(QJsonObject{{QStringLiteral("kind"), mark.text.isEmpty() ? QStringLiteral("drawing")
                                                                             : QStringLiteral("text")},
                                {QStringLiteral("text"), mark.text},
                                {QStringLiteral("left_in"), ShownInches(mark.paper.left())},
                                {QStringLiteral("right_in"), ShownInches(mark.paper.right())},
                                {QStringLiteral("bottom_in"), ShownInches(bottom - mark.paper.bottom())},
                                {QStringLiteral("top_in"), ShownInches(bottom - mark.paper.top())}});
    }
    // Beside each fault, its code: the MICR line's have theirs.
    QJsonArray codes;
    for (qsizetype i = 0; i < check.lineFaultsAt; ++i)
        codes.append(QJsonValue());
    for (const auto &code : MicrFaultCodesAsJson(check.checked.faults))
        codes.append(code);
    for (qsizetype i = check.lineFaultsAt; i < check.faults.size(); ++i)
        codes.append(QJsonValue());
    const auto orNull = [&check](const QJsonValue &value) { return check.found ? value : QJsonValue(); };
    return {{QStringLiteral("found"), check.found},
            {QStringLiteral("face"), orNull(check.face)},
            {QStringLiteral("calibrated_face"), check.model.Face()},
            {QStringLiteral("size_pt"), orNull(std::round(check.points * 100) / 100)},
            {QStringLiteral("text"), orNull(check.text)},
            {QStringLiteral("first_position"), orNull(check.firstPosition)},
            {QStringLiteral("last_position"), orNull(check.lastPosition)},
            {QStringLiteral("fields"), fields},
            {QStringLiteral("right_in"), orNull(ShownInches(check.rightInches))},
            {QStringLiteral("baseline_in"), orNull(ShownInches(check.baselineInches))},
            {QStringLiteral("move_right_in"), orNull(ShownInches(check.moveRight))},
            {QStringLiteral("move_up_in"), orNull(ShownInches(check.moveUp))},
            {QStringLiteral("within_tolerance"), check.found && check.movesFine()},
            {QStringLiteral("clear_band"), band},
            {QStringLiteral("page_fonts"), QJsonArray::fromStringList(check.pageFonts)},
            {QStringLiteral("faults"), QJsonArray::fromStringList(ChequeFaults(check, Wording::For::Script))},
            {QStringLiteral("fault_codes"), codes}};
}
