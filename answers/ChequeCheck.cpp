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

// The paper the placement page was printed on, from its stock.
QSizeF PaperOfStock(const ChequeStock &stock)
{
    return stock.PaperInches();
}

// A page this close to a paper's size, each way, is that paper: programs
// round A4 to 595 x 842 pt, and some add a tenth of a point.
constexpr double PaperTolerancePoints = 3;
// The E-13B glyphs stand about 0.117 in tall; drawn as shapes, each is a
// mark this tall or a part of one, and a line has at least this many.
constexpr double ShapeTallestInches = 0.15;
constexpr double ShapeShortestInches = 0.02;
constexpr int FewestShapes = 8;

// The paper a page is printed on: Letter or A4 as they are defined, or the
// page's own size.
QSizeF PaperOfPage(const QSizeF &pageInches)
{
    for (const QSizeF &paper : {LetterPaperInches(), A4PaperInches()}) {
        if (IsPaper(pageInches, paper))
            return paper;
    }
    return pageInches;
}

// Another paper's stock: that of the known paper nearest its height.
ChequeStock StockOfPage(const QSizeF &paper)
{
    if (std::abs(paper.height() - LetterHeightInches) <= std::abs(paper.height() - A4HeightInches))
        return LetterStock();
    return A4Stock();
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

// The kinds whose numbers are positions where the line stands.
bool NumbersArePositions(MicrFaultKind kind)
{
    switch (kind) {
    case MicrFaultKind::TransitPushedByOnUs:
    case MicrFaultKind::TransitShiftedLeft:
    case MicrFaultKind::TransitNumberLength:
    case MicrFaultKind::TransitShiftedRight:
    case MicrFaultKind::AuxOnUsTooLong:
    case MicrFaultKind::AuxOnUsMisplaced:
    case MicrFaultKind::LineTooLong:
        return true;
    default:
        return false;
    }
}

// Reads the line's characters into positions and checks them.
void ReadPositions(ChequeCheck &check, const std::vector<const ChequeFileWord *> &line)
{
    const double paperWidth = check.layout.paperInches.width();
    struct Placed
    {
        QChar letter;
        QRectF paper;
    };
    std::vector<Placed> placed;
    std::vector<double> pitches;
    for (const ChequeFileWord *word : line) {
        const double baseline = check.model.Map(QPointF(0, PageBaseline(*word))).y();
        for (std::size_t i = 0; i < word->characters.size() && i < std::size_t(word->text.size()); ++i) {
            QRectF paper = check.model.Map(word->characters[i]);
            paper.setBottom(baseline);
            paper.setTop(baseline - (PrintBandTopInches - PrintBandBottomInches));
            pitches.push_back(paper.width());
            placed.push_back({word->text.at(qsizetype(i)), paper});
        }
    }
    // Blanks hold their cells too, so a scaled line's characters keep
    // theirs in order.
    std::vector<double> cells;
    cells.reserve(placed.size());
    for (const Placed &character : placed)
        cells.push_back((paperWidth - character.paper.right() - FirstPositionRightInches) / PositionPitchInches + 1);
    const std::vector<int> positions = OrderedPositions(cells);
    QMap<int, QChar> byPosition;
    double lastRight = 0; // the rightmost character's right end from the cheque's right edge
    bool first = true;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (placed[i].letter.isSpace())
            continue;
        // Two characters standing in one cell: overprinted, or a face far
        // narrower than the standard's pitch.
        if (i > 0 && std::abs(cells[i] - cells[i - 1]) < 0.5) {
            ChequeFinding shared{ChequeFindingKind::SharedPosition};
            shared.position = positions[i];
            Find(check, shared);
        }
        byPosition.insert(positions[i], placed[i].letter);
        check.characters.push_back({placed[i].letter, positions[i], placed[i].paper});
        const double fromRight = paperWidth - placed[i].paper.right();
        if (first || fromRight < lastRight)
            lastRight = fromRight;
        first = false;
    }
    if (byPosition.isEmpty())
        return;
    check.firstPosition = byPosition.lastKey();
    check.lastPosition = byPosition.firstKey();
    for (int position = check.firstPosition; position >= check.lastPosition; --position)
        check.text += byPosition.value(position, QLatin1Char(' '));

    // Checked as a typed line is; that places its last character at 14 (at 1
    // with an amount field), so the fields, and the faults' places, move to
    // where they stand.
    check.checked = CheckMicrLine(check.text);
    const int shift = check.lastPosition - check.checked.lastPosition;
    for (MicrField &field : check.checked.fields) {
        field.first += shift;
        field.last += shift;
    }
    for (MicrLineFault &fault : check.checked.faults) {
        if (!NumbersArePositions(fault.kind))
            continue;
        for (int i = 0; i < std::min<int>(2, int(fault.numbers.size())); ++i)
            fault.numbers[i] += shift;
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
    check.pitchInches = pitch;
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

// A mark the size of a MICR glyph or a part of one, standing in the print
// band where the line belongs.
bool IsShapeOfLine(const QRectF &paper, const ChequeCheck &check)
{
    const double baseline = BaselineInches(check.layout);
    return paper.height() <= ShapeTallestInches && paper.height() >= ShapeShortestInches
        && paper.width() <= ShapeTallestInches && paper.bottom() >= baseline - (PrintBandTopInches - PrintBandBottomInches)
        && paper.top() <= baseline + PrintBandBottomInches;
}

// Whether the line is there but drawn as shapes: glyphs of an unnamed
// font, or a row of glyph-sized drawings, in the print band.
std::optional<ShapesCause> ShapesOfLine(const ChequeFilePage &page, const ChequeCheck &check)
{
    int unnamed = 0;
    for (const ChequeFileWord &word : page.words) {
        if (!word.font.isEmpty())
            continue;
        // A font with no name is a Type 3 font, whose boxes stand as tall as
        // its font's box whatever the glyph: only their width is the glyph's.
        unnamed += int(std::count_if(word.characters.begin(), word.characters.end(), [&check](const QRectF &character) {
            QRectF paper = check.model.Map(character);
            paper.setTop(std::max(paper.top(), paper.bottom() - ShapeTallestInches));
            return IsShapeOfLine(paper, check);
        }));
    }
    if (unnamed >= FewestShapes)
        return ShapesCause::UnnamedFont;
    const auto shapes = std::count_if(page.drawings.begin(), page.drawings.end(), [&check](const QRectF &drawing) {
        return IsShapeOfLine(check.model.Map(drawing), check);
    });
    if (shapes >= FewestShapes)
        return ShapesCause::Outlines;
    return std::nullopt;
}

// A MICR font in the page's resources of which no word was read: when the
// line shows only as ink, its glyphs carry no characters.
std::optional<QString> UnreadMicrFont(const ChequeFilePage &page)
{
    const auto font = std::find_if(page.fontsWithoutText.begin(), page.fontsWithoutText.end(), IsMicrFont);
    if (font == page.fontsWithoutText.end())
        return std::nullopt;
    return *font;
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

bool IsPaper(const QSizeF &pageInches, const QSizeF &paperInches)
{
    const double tolerance = PaperTolerancePoints / PointsPerInch;
    return std::abs(pageInches.width() - paperInches.width()) <= tolerance
        && std::abs(pageInches.height() - paperInches.height()) <= tolerance;
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
    check.pageNumber = page.pageNumber;
    check.pageCount = page.pageCount;
    check.pageInches = page.pageInches;
    check.layout.paperInches = PaperOfPage(page.pageInches);
    check.paperKnown = IsPaper(page.pageInches, LetterPaperInches()) || IsPaper(page.pageInches, A4PaperInches());
    check.layout.stock = stock.value_or(StockOfPage(check.layout.paperInches));
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

    if (!check.paperKnown) {
        ChequeFinding paper{ChequeFindingKind::OtherPaper};
        paper.points = page.pageInches.width() * PointsPerInch;
        paper.position = int(std::lround(page.pageInches.height() * PointsPerInch));
        Find(check, paper);
    }
    if (line.empty()) {
        const std::optional<ShapesCause> shapes = ShapesOfLine(page, check);
        const std::optional<QString> unread = UnreadMicrFont(page);
        if (shapes == ShapesCause::Outlines && unread) {
            ChequeFinding glyphs{ChequeFindingKind::NoCharacters};
            glyphs.face = FontBaseName(*unread);
            Find(check, glyphs);
        } else if (shapes) {
            ChequeFinding drawn{ChequeFindingKind::DrawnAsShapes};
            drawn.index = int(*shapes);
            Find(check, drawn);
        } else {
            Find(check, ChequeFinding{ChequeFindingKind::NoLine});
        }
    } else {
        check.found = true;
        check.face = FontBaseName(line.front()->font);
        check.faceName = FaceDisplayName(line.front()->font);
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

    const bool drawnAsShapes = std::any_of(check.findings.begin(), check.findings.end(), [](const ChequeFinding &f) {
        return f.kind == ChequeFindingKind::DrawnAsShapes || f.kind == ChequeFindingKind::NoCharacters;
    });
    // Everything else in the clear band, full width.
    const QRectF band(0, bottom - ClearBandInches, page.pageInches.width(), ClearBandInches);
    for (const ChequeFileWord &word : page.words) {
        if (std::find(line.begin(), line.end(), &word) != line.end())
            continue;
        if (drawnAsShapes && word.font.isEmpty())
            continue;
        const QRectF paper = model.Map(word.box);
        if (paper.intersects(band))
            check.clearBand.push_back({word.text, paper});
    }
    for (const QRectF &drawing : page.drawings) {
        const QRectF paper = model.Map(drawing);
        // The line's own shapes are said once, as the line.
        if (drawnAsShapes && IsShapeOfLine(paper, check))
            continue;
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
                                        "drawing-in-clear-band", "other-paper", "drawn-as-shapes", "no-characters"};
    return QLatin1String(codes[int(kind)]);
}

