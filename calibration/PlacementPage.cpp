#include "PlacementPage.h"

#include <cmath>

namespace {

const QString Arial = QStringLiteral("Arial");
constexpr double MillimetresPerInch = 25.4;

// The page, from the cheque's top edge down. Instructions in the top
// inch and a half, the reference bar under them, the marks above the
// clear band, the MICR line in its band at the bottom.
constexpr double TitleBaseline = 0.58;
constexpr double FirstInstructionBaseline = 0.8;
constexpr double InstructionPitch = 0.15;
constexpr double BarLine = 2.05;
constexpr double LeftMargin = 0.5;
constexpr double LabelLeft = 0.3;
// Tick lengths on the bar: inches, half inches, eighths.
constexpr double InchTick = 0.14;
constexpr double HalfInchTick = 0.09;
constexpr double EighthTick = 0.05;
// The cells' boundaries hang this far below the baseline.
constexpr double CellTick = 0.08;
constexpr double MarkHalfLength = 0.25;

PlacementItem Rule(PlacementItem::Kind kind, double at, double from, double to)
{
    PlacementItem item{};
    item.kind = kind;
    item.at = at;
    item.from = from;
    item.to = to;
    return item;
}

PlacementItem Text(double x, double baseline, TextAnchor anchor, const QString &face, int points, bool bold,
                   const QString &text)
{
    PlacementItem item{};
    item.kind = PlacementItem::Text;
    item.x = x;
    item.baseline = baseline;
    item.anchor = anchor;
    item.face = face;
    item.points = points;
    item.bold = bold;
    item.text = text;
    return item;
}

QString ChequeName(ChequePosition position)
{
    switch (position) {
    case ChequePosition::Top:
        return QStringLiteral("top");
    case ChequePosition::Middle:
        return QStringLiteral("middle");
    case ChequePosition::Bottom:
        break;
    }
    return QStringLiteral("bottom");
}

// Position n's right edge, in inches from the paper's left edge.
double PositionRightEdge(double paperWidth, int position)
{
    return paperWidth - FirstPositionRightInches - (position - 1) * PositionPitchInches;
}

} // namespace

double ChequeTopInches(ChequePosition position)
{
    switch (position) {
    case ChequePosition::Top:
        return 0;
    case ChequePosition::Middle:
        return ChequeHeightInches;
    case ChequePosition::Bottom:
        break;
    }
    return 2 * ChequeHeightInches;
}

QString SampleMicrLine()
{
    // Transit 43-33, on-us 31-14, amount 12-1; A transit, B amount, C on-us.
    return QStringLiteral("A123456789A ") + QStringLiteral("0123456789C").rightJustified(18)
        + QStringLiteral(" B0000012345B");
}

std::vector<PlacementItem> PlacementPageItems(const PlacementLayout &layout)
{
    const double width = layout.paperInches.width();
    const double top = ChequeTopInches(layout.cheque);
    const double bottom = top + ChequeHeightInches;
    std::vector<PlacementItem> items;
    const auto text = [&items](double x, double baseline, TextAnchor anchor, int points, const QString &line,
                               bool bold = false) {
        items.push_back(Text(x, baseline, anchor, Arial, points, bold, line));
    };

    // The cheque's edges: its sides and (on the top cheque) its top are the
    // paper's own.
    if (top > 0) {
        items.push_back(Rule(PlacementItem::HorizontalRule, top, 0, width));
        text(LabelLeft, top + 0.15, TextAnchor::Left, 7, QStringLiteral("top edge of the cheque"));
    }
    items.push_back(Rule(PlacementItem::HorizontalRule, bottom, 0, width));
    text(LabelLeft, bottom + 0.12, TextAnchor::Left, 7,
         QStringLiteral("bottom edge of the %1 cheque (the perforation)").arg(ChequeName(layout.cheque)));

    text(LeftMargin, top + TitleBaseline, TextAnchor::Left, 14,
         QStringLiteral("MICR placement test page: %1 cheque of three").arg(ChequeName(layout.cheque)), true);
    const QStringList instructions = {
        QStringLiteral("Print at 100 % (no \"fit to page\") on your cheque stock, or on plain paper held against it."),
        QStringLiteral("1. Measure the reference bar from its first tick to its last: it should be 7.000 in."),
        QStringLiteral("2. Measure from the paper's right edge to the vertical measuring mark: it should be 1.000 in."),
        QStringLiteral("3. Measure from the cheque's bottom edge up to the horizontal measuring mark: it should be "
                       "1.000 in."),
        QStringLiteral("4. Type the three readings into the placement window of MICR calibration (step 3)."),
        QStringLiteral("Each MICR character should stand in its numbered cell of the scale under the MICR line."),
    };
    for (int i = 0; i < instructions.size(); ++i)
        text(LeftMargin, top + FirstInstructionBaseline + i * InstructionPitch, TextAnchor::Left, 9, instructions[i]);

    // The reference bar, centred, with a tick every eighth of an inch.
    const double barLeft = (width - ReferenceBarInches) / 2;
    const double barY = top + BarLine;
    text(barLeft, barY - 0.35, TextAnchor::Left, 8,
         QStringLiteral("Reference bar: 7.000 in from the first tick to the last"));
    items.push_back(Rule(PlacementItem::HorizontalRule, barY, barLeft, barLeft + ReferenceBarInches));
    const int eighths = int(std::lround(ReferenceBarInches * 8));
    for (int i = 0; i <= eighths; ++i) {
        const double x = barLeft + i / 8.0;
        const double length = i % 8 == 0 ? InchTick : i % 4 == 0 ? HalfInchTick : EighthTick;
        items.push_back(Rule(PlacementItem::VerticalRule, x, barY - length, barY));
        if (i % 8 == 0)
            text(x, barY - InchTick - 0.04, TextAnchor::Centre, 7, QString::number(i / 8));
    }

    // The measuring marks: a cross 1 in from the right edge and 1 in above
    // the cheque's bottom edge.
    const double markX = width - MarkDistanceInches;
    const double markY = bottom - MarkDistanceInches;
    items.push_back(Rule(PlacementItem::VerticalRule, markX, markY - MarkHalfLength, markY + MarkHalfLength));
    items.push_back(Rule(PlacementItem::HorizontalRule, markY, markX - MarkHalfLength, markX + MarkHalfLength));
    text(markX - MarkHalfLength - 0.1, markY + 0.03, TextAnchor::Right, 8,
         QStringLiteral("measuring marks: 1.000 in from the paper's right edge and above the cheque's bottom edge"));

    // The bands.
    items.push_back(Rule(PlacementItem::HorizontalRule, bottom - ClearBandInches, 0, width));
    text(LabelLeft, bottom - ClearBandInches - 0.04, TextAnchor::Left, 7,
         QStringLiteral("MICR clear band (the bottom 5/8 in): nothing but the MICR line below this rule"));
    items.push_back(Rule(PlacementItem::HorizontalRule, bottom - PrintBandTopInches, 0, width));
    items.push_back(Rule(PlacementItem::HorizontalRule, bottom - PrintBandBottomInches, 0, width));
    text(LabelLeft, bottom - PrintBandBottomInches - 0.08, TextAnchor::Left, 7,
         QStringLiteral("MICR print band (3/16 to 7/16 in)"));

    // The MICR line, its last advance ending at position 1's right edge, on
    // the band's lower edge.
    items.push_back(Text(PositionRightEdge(width, 1), bottom - PrintBandBottomInches, TextAnchor::Right,
                         QString::fromLatin1(MicrFaceName(layout.line, layout.weight)), 10, false,
                         SampleMicrLine()));

    // The position scale: the cells' edges, and every fifth cell numbered.
    const double cellTop = bottom - PrintBandBottomInches;
    for (int edge = 0; edge <= PositionCount; ++edge) {
        const double x = PositionRightEdge(width, edge + 1);
        if (x >= 0)
            items.push_back(Rule(PlacementItem::VerticalRule, x, cellTop, cellTop + CellTick));
    }
    for (int position = 1; position <= PositionCount; ++position) {
        const double centre = PositionRightEdge(width, position) - PositionPitchInches / 2;
        if ((position == 1 || position % 5 == 0) && centre > PositionPitchInches / 2)
            text(centre, bottom - 0.03, TextAnchor::Centre, 6, QString::number(position));
    }
    return items;
}

int RuleThickness(int dpi)
{
    return 2 * int(0.0025 * dpi) + 1;
}

void DrawPlacementPage(PageCanvas &canvas, const PlacementLayout &layout, int dpiX, int dpiY)
{
    const int halfX = RuleThickness(dpiX) / 2;
    const int halfY = RuleThickness(dpiY) / 2;
    canvas.ClearStyle();
    for (const PlacementItem &item : PlacementPageItems(layout)) {
        switch (item.kind) {
        case PlacementItem::HorizontalRule: {
            const int y = int(std::floor(item.at * dpiY));
            const int left = int(std::lround(item.from * dpiX));
            const int right = int(std::lround(item.to * dpiX));
            canvas.FillRect(left, y - halfY, right - left + 1, 2 * halfY + 1);
            break;
        }
        case PlacementItem::VerticalRule: {
            const int x = int(std::floor(item.at * dpiX));
            const int upper = int(std::lround(item.from * dpiY));
            const int lower = int(std::lround(item.to * dpiY));
            canvas.FillRect(x - halfX, upper, 2 * halfX + 1, lower - upper + 1);
            break;
        }
        case PlacementItem::Text:
            if (canvas.Style() != 0)
                canvas.ClearStyle();
            canvas.SetFace(item.face);
            canvas.SetSize(item.points);
            if (item.bold)
                canvas.AddBold();
            canvas.TextOnBaseline(item.x * dpiX, int(std::lround(item.baseline * dpiY)), item.text, item.anchor);
            break;
        }
    }
}

bool PlacementResult::scaleFine() const
{
    return std::abs(scale - 1) <= ScaleTolerance + 1e-9;
}

bool PlacementResult::offsetsFine() const
{
    return std::abs(shiftRight) <= OffsetToleranceInches + 1e-9 && std::abs(shiftDown) <= OffsetToleranceInches + 1e-9;
}

PlacementResult AssessPlacement(const PlacementReadings &readings)
{
    PlacementResult result;
    result.scale = readings.bar / ReferenceBarInches;
    // A page moved right brings the mark nearer the right edge; one moved
    // down brings it nearer the bottom edge.
    result.shiftRight = MarkDistanceInches - readings.fromRightEdge;
    result.shiftDown = MarkDistanceInches - readings.fromBottomEdge;
    return result;
}

namespace {

// "0.020 in (0.51 mm, 20/1000 in) left"
QString Distance(double inches, const QString &positive, const QString &negative)
{
    const double size = std::abs(inches);
    return QStringLiteral("%1 in (%2 mm, %3/1000 in) %4")
        .arg(size, 0, 'f', 3)
        .arg(size * MillimetresPerInch, 0, 'f', 2)
        .arg(std::lround(size * 1000))
        .arg(inches > 0 ? positive : negative);
}

// The parts of a move that show at a thousandth of an inch.
QStringList Moves(double right, double down)
{
    QStringList moves;
    if (std::lround(std::abs(right) * 1000) != 0)
        moves << Distance(right, QStringLiteral("right"), QStringLiteral("left"));
    if (std::lround(std::abs(down) * 1000) != 0)
        moves << Distance(down, QStringLiteral("down"), QStringLiteral("up"));
    return moves;
}

} // namespace

QStringList DescribePlacement(const PlacementResult &result)
{
    QStringList lines;
    const QString scale = QStringLiteral("Page scale: %1 % (the bar is %2 in)")
                              .arg(result.scale * 100, 0, 'f', 1)
                              .arg(result.scale * ReferenceBarInches, 0, 'f', 3);
    lines << (result.scaleFine()
                  ? scale + QStringLiteral(": fine.")
                  : scale + QStringLiteral(": the print path scales the page: print at 100 % with no fit to page."));
    const QStringList shifts = Moves(result.shiftRight, result.shiftDown);
    if (shifts.isEmpty()) {
        lines << QStringLiteral("The printer puts the page where it belongs: no correction is needed.");
        return lines;
    }
    lines << QStringLiteral("The printer moves the page %1.").arg(shifts.join(QStringLiteral(" and ")));
    lines << QStringLiteral("Correction for your cheque-printing software: move the MICR line %1.")
                 .arg(Moves(-result.shiftRight, -result.shiftDown).join(QStringLiteral(" and ")));
    lines << (result.offsetsFine()
                  ? QStringLiteral("Both offsets are within 1/32 in.")
                  : QStringLiteral("An offset is more than 1/32 in: enter the correction, then print this page "
                                   "again to check it."));
    return lines;
}
