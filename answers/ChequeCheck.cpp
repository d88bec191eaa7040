#include "answers/ChequeCheck.h"


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

// A finding said once, however many words or characters show it.
void Find(ChequeCheck &check, const ChequeFinding &finding)
{
    if (std::find(check.findings.begin(), check.findings.end(), finding) == check.findings.end())
        check.findings.push_back(finding);
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
            const int position = NearestPosition(paperWidth, paper.right());
            pitches.push_back(paper.width());
            if (letter.isSpace())
                continue;
            if (byPosition.contains(position)) {
                ChequeFinding shared{ChequeFindingKind::SharedPosition};
                shared.position = position;
                Find(check, shared);
            }
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
    if (shift != 0) {
        ChequeFinding offset{ChequeFindingKind::LineOffset};
        offset.position = check.lastPosition;
        offset.belongs = check.checked.lastPosition - shift;
        Find(check, offset);
    }
    for (int index = 0; index < int(check.checked.faults.size()); ++index) {
        ChequeFinding fault{ChequeFindingKind::LineFault};
        fault.index = index;
        Find(check, fault);
    }

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
    return model;
}

std::optional<PrinterModel> ModelForProfile(const PrinterProfile &profile)
{
    std::optional<PrinterModel> model = ModelForLine(profile.line, profile.weight);
    if (!model)
        return std::nullopt;
    model->queue = profile.queue;
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
    model->placementTaken = placed.taken;
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
        Find(check, ChequeFinding{ChequeFindingKind::NoLine});
    } else {
        check.found = true;
        check.face = FontBaseName(line.front()->font);
        std::vector<double> sizes;
        for (const ChequeFileWord *word : line) {
            sizes.push_back(word->points);
            if (FontBaseName(word->font) != check.face) {
                ChequeFinding mixed{ChequeFindingKind::MixedFaces};
                mixed.face = check.face;
                mixed.otherFace = FontBaseName(word->font);
                Find(check, mixed);
            }
        }
        check.points = Median(sizes);
        const auto face = FaceOfFont(line.front()->font);
        if (!face || face->first != model.line || face->second != model.weight) {
            ChequeFinding other{ChequeFindingKind::OtherFace};
            other.face = check.face;
            other.otherFace = model.Face();
            Find(check, other);
        }
        if (std::abs(std::round((check.points - MicrPoints) * 100) / 100) > MicrPointsTolerance) {
            ChequeFinding size{ChequeFindingKind::WrongSize};
            size.points = check.points;
            Find(check, size);
        }
        ReadPositions(check, line);
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
    for (std::size_t index = 0; index < check.clearBand.size(); ++index) {
        ChequeFinding mark{check.clearBand[index].text.isEmpty() ? ChequeFindingKind::DrawingInClearBand
                                                                 : ChequeFindingKind::TextInClearBand};
        mark.index = int(index);
        check.findings.push_back(mark);
    }
    return check;
}

QString ChequeFindingCode(ChequeFindingKind kind)
{
    static const char *const codes[] = {"no-line",        "mixed-faces", "other-face",         "wrong-size",
                                        "shared-position", "line-offset", "micr-line",          "text-in-clear-band",
                                        "drawing-in-clear-band"};
    return QLatin1String(codes[int(kind)]);
}

