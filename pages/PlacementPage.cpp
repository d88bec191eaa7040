#include "pages/PlacementPage.h"

#include "wording/Wording.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

const QString Arial = QStringLiteral("Arial");

// The page, from the cheque's top edge down. Title and instructions in the
// top inch and a half, the reference bar under them, the vertical bar in
// the left margin, the MICR line in its band at the bottom.
constexpr double TitleBaseline = 0.45;
constexpr double SubtitleBaseline = 0.64;
constexpr double FirstInstructionBaseline = 0.82;
constexpr double InstructionPitch = 0.135;
constexpr double BarLine = ReferenceBarDropInches;
constexpr double LeftMargin = 0.65; // clear of the vertical bar and its numbers
constexpr double LabelLeft = 0.3;
// What the user measures (the bars, position 1's tick, the baseline rule
// where it is read) keeps MeasuredMarkClearance (answers/PlacementLayout.h)
// from every edge of the paper.
// The vertical bar stands in the left margin, inside any printer's
// printable area, its top tick below the cheque's top edge.
constexpr double VerticalBarLeft = VerticalBarLeftInches;
constexpr double VerticalBarTop = VerticalBarDropInches;
// Tick lengths on the bars: inches, half inches, eighths.
constexpr double InchTick = 0.14;
constexpr double HalfInchTick = 0.09;
constexpr double EighthTick = 0.05;
// The cells' boundaries hang this far below the baseline; the one where
// position 1 ends reaches nearly to the cheque's bottom edge.
constexpr double CellTick = 0.08;
constexpr double PositionOneTickEnd = 0.02;
// Where the paper's edge cuts position 1's tick short, the cells' ticks
// keep to this share of it, so that it still stands out as the long one.
constexpr double ShortCellTickShare = 0.6;
// The scale's numbers stand on this line above the cheque's bottom edge.
constexpr double ScaleNumberLift = 0.03;
// Nothing is drawn nearer the paper's edges: no printer prints there, and
// a rule cut short by the printer would look like the page's own.
constexpr double PaperEdgeClearance = 0.1;
// Below the cheque: the fields' names reach this far under its bottom
// edge, its label's descenders this far under the label's baseline.
constexpr double FieldNamesDepth = 0.24;
constexpr double SmallTextDescent = 0.03;
// A field's bracket is kept this far inside its first and last cells.
constexpr double FieldBracketInset = 0.01;

// Where the user's fields are bracketed and named: away from the line
// (1 down, -1 up), the bracket's line, its end ticks' length, the names'
// baselines beyond it on two rows, their size.
struct FieldLabels
{
    double away;
    double bracket;
    double tick;
    double nameDrop;
    double namePitch;
    int points;
};
// E-13B characters stand 0.117 in tall on the baseline; the print band's
// label keeps this far above them (its descenders reach about 0.02 in
// below its baseline, and its capitals stay under the band's upper rule).
constexpr double E13BCharacterHeight = 0.117;
constexpr double PrintBandLabelGap = 0.035;
// Paper edges closer than this to a cheque's edge are that edge.
constexpr double SameEdgeInches = 0.01;

// The page's words in the user's language.
QString Translated(const char *text)
{
    return QCoreApplication::translate("PlacementPage", text);
}

// A length on the page, to the thousandth of an inch, as the user writes
// numbers.
QString Thousandths(double inches)
{
    return Wording::Figure(Wording::For::Reader, ShownFigure(inches, 3), 3);
}

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

// A bar of `eighths` eighths of an inch with a tick each eighth, the whole
// inches numbered: along x at `line` (ticks up) or along y (ticks right).
void AddBar(std::vector<PlacementItem> &items, bool horizontal, double line, double start, double inches)
{
    items.push_back(Rule(horizontal ? PlacementItem::HorizontalRule : PlacementItem::VerticalRule, line, start,
                         start + inches));
    const int eighths = int(std::lround(inches * 8));
    for (int i = 0; i <= eighths; ++i) {
        const double at = start + i / 8.0;
        const double length = i % 8 == 0 ? InchTick : i % 4 == 0 ? HalfInchTick : EighthTick;
        if (horizontal) {
            items.push_back(Rule(PlacementItem::VerticalRule, at, line - length, line));
            if (i % 8 == 0)
                items.push_back(Text(at, line - InchTick - 0.04, TextAnchor::Centre, Arial, 7, false,
                                     QString::number(i / 8)));
        } else {
            items.push_back(Rule(PlacementItem::HorizontalRule, at, line, line + length));
            if (i % 8 == 0)
                items.push_back(Text(line + InchTick + 0.03, at + 0.03, TextAnchor::Left, Arial, 7, false,
                                     QString::number(i / 8)));
        }
    }
}

// Each field of the user's line bracketed over its cells and named: under
// the position scale, below the cheque's bottom edge, or above the print
// band where the paper leaves no room below the cheque.
void AddFieldBrackets(std::vector<PlacementItem> &items, const PlacementLayout &layout, bool namesInBand)
{
    const double width = layout.paperInches.width();
    const double bottom = ChequeTopInches(layout) + layout.stock.chequeInches;
    // Below the cheque, or squeezed between the print band and the clear
    // band's rule where the cheque ends at the paper's edge.
    // (Two rows of 5-point names need 0.07 in apart to stay clear of each
    // other; the band's upper rule and the clear band's rule leave room.)
    const FieldLabels labels = namesInBand ? FieldLabels{-1, bottom - PrintBandTopInches - 0.0225, 0.015, 0.03, 0.07, 5}
                                                 : FieldLabels{1, bottom + 0.05, 0.04, 0.1, 0.09, 6};
    const double tickEnd = labels.bracket - labels.away * labels.tick;
    int row = 0;
    for (const MicrField &field : layout.userLine->fields) {
        // Neighbouring fields' names on alternate rows: short fields' names
        // would run into each other.
        const double name = labels.bracket + labels.away * (labels.nameDrop + labels.namePitch * (row++ % 2));
        const double left = PositionRightEdge(width, field.first + 1) + layout.applied.right + FieldBracketInset;
        const double right = PositionRightEdge(width, field.last) + layout.applied.right - FieldBracketInset;
        items.push_back(Rule(PlacementItem::HorizontalRule, labels.bracket, left, right));
        for (double end : {left, right})
            items.push_back(Rule(PlacementItem::VerticalRule, end, std::min(labels.bracket, tickEnd),
                                 std::max(labels.bracket, tickEnd)));
        items.push_back(Text((left + right) / 2, name, TextAnchor::Centre, Arial, labels.points, false,
                             QStringLiteral("%1 (%2-%3)").arg(Wording::FieldName(Wording::For::Reader, field.name)).arg(field.first).arg(field.last)));
    }
}

// "right 0.040 in and down 0.012 in", in the reader's language.
QString CorrectionWords(const Correction &correction)
{
    return Wording::Moves(Wording::For::Reader, correction.right, correction.up, Wording::Brief);
}

} // namespace

std::vector<PlacementItem> PlacementPageItems(const PlacementLayout &layout)
{
    const double width = layout.paperInches.width();
    const double top = ChequeTopInches(layout);
    const double bottom = ChequeBottomInches(layout);
    const double baseline = BaselineInches(layout);
    // Where the page's MICR line, its cells and its baseline rule stand:
    // moved by the correction the page carries.
    const double lineBaseline = baseline - layout.applied.up;
    const double lineShift = layout.applied.right;
    const bool bottomIsPaperEdge = std::abs(bottom - layout.paperInches.height()) < SameEdgeInches;
    // The lowest any mark reaches, and whether the paper leaves room below
    // the cheque for the fields' names; if not, they go above the band.
    const double lowest = layout.paperInches.height() - PaperEdgeClearance;
    const bool namesInBand =
        bottomIsPaperEdge || bottom + FieldNamesDepth + SmallTextDescent > lowest;
    // Every fifth cell numbered under the cells, where the paper has room.
    const bool scaleNumbered = bottom - ScaleNumberLift <= lowest;
    const QString face = QString::fromLatin1(MicrFaceName(layout.line, layout.weight));
    std::vector<PlacementItem> items;
    const auto text = [&items](double x, double baseline, TextAnchor anchor, int points, const QString &line,
                               bool bold = false) {
        items.push_back(Text(x, baseline, anchor, Arial, points, bold, line));
    };

    // The cheque's edges: its sides, its top on the top cheque and its
    // bottom where it ends at the paper's edge are the paper's own.
    if (top > 0) {
        items.push_back(Rule(PlacementItem::HorizontalRule, top, GuideRuleMargin, width - GuideRuleMargin));
        text(LabelLeft, top + 0.15, TextAnchor::Left, 7,
             QCoreApplication::translate("PlacementPage", "top edge of the check"));
    }
    if (!bottomIsPaperEdge && bottom <= lowest) {
        items.push_back(Rule(PlacementItem::HorizontalRule, bottom, GuideRuleMargin, width - GuideRuleMargin));
        // Below the fields' names where the user's line has them.
        const double label = bottom + (layout.userLine && !namesInBand ? 0.36 : 0.12);
        static const char *const edges[] = {
            QT_TRANSLATE_NOOP("PlacementPage", "bottom edge of the top check (the perforation)"),
            QT_TRANSLATE_NOOP("PlacementPage", "bottom edge of the middle check (the perforation)"),
            QT_TRANSLATE_NOOP("PlacementPage", "bottom edge of the bottom check (the perforation)"),
        };
        if (label + SmallTextDescent <= lowest)
            text(LabelLeft, label, TextAnchor::Left, 7, Translated(edges[int(layout.cheque)]));
    }

    static const char *const titles[] = {
        QT_TRANSLATE_NOOP("PlacementPage", "MICR placement test page: top check of three"),
        QT_TRANSLATE_NOOP("PlacementPage", "MICR placement test page: middle check of three"),
        QT_TRANSLATE_NOOP("PlacementPage", "MICR placement test page: bottom check of three"),
    };
    text(LeftMargin, top + TitleBaseline, TextAnchor::Left, 14, Translated(titles[int(layout.cheque)]), true);
    text(LeftMargin, top + SubtitleBaseline, TextAnchor::Left, 9,
         QCoreApplication::translate("PlacementPage", "Stock: %1. MICR line in %2 (Line %3) at 10 points.")
             .arg(Wording::Stock(Wording::For::Reader, layout.stock), face)
             .arg(layout.line));
    const QString bottomReading =
        bottomIsPaperEdge
            ? QCoreApplication::translate("PlacementPage",
                                          "3. On check stock, bottom: from the paper's bottom edge (where the check "
                                          "ends) up to the baseline rule under the MICR line (%1 in).")
            : QCoreApplication::translate("PlacementPage",
                                          "3. On check stock, bottom: from the check's bottom edge (the perforation) "
                                          "up to the baseline rule under the MICR line (%1 in).");
    const QStringList instructions = {
        QCoreApplication::translate("PlacementPage",
                                    "Print at 100 % (no \"fit to page\") on your check stock, or on plain paper."),
        QCoreApplication::translate("PlacementPage",
                                    "1. bar: the reference bar from its first tick to its last (7.000 in); vertical "
                                    "bar: the bar at the left, top tick to bottom tick (2.000 in)."),
        QCoreApplication::translate("PlacementPage",
                                    "2. right: from the paper's right edge to the long tick where position 1 ends, at "
                                    "the MICR line's right end (%1 in).")
            .arg(Thousandths(FirstPositionRightInches)),
        bottomReading.arg(Thousandths(bottom - lineBaseline)),
        QCoreApplication::translate("PlacementPage",
                                    "    On plain paper, top: from the paper's top edge down to the baseline rule "
                                    "(%1 in).")
            .arg(Thousandths(lineBaseline)),
        QCoreApplication::translate("PlacementPage",
                                    "4. Type the readings into the placement window of MICR calibration (step 3)."),
        scaleNumbered ? QCoreApplication::translate("PlacementPage", "Each MICR character should stand in its "
                                                                     "numbered cell of the scale under the MICR line.")
                      : QCoreApplication::translate("PlacementPage",
                                                    "Each MICR character should stand in its cell of the scale under "
                                                    "the MICR line, counted from position 1 at the long tick."),
    };
    for (int i = 0; i < instructions.size(); ++i)
        text(LeftMargin, top + FirstInstructionBaseline + i * InstructionPitch, TextAnchor::Left, 8, instructions[i]);

    // The reference bar, centred; the vertical bar in the left margin.
    const double barLeft = (width - ReferenceBarInches) / 2;
    const double barY = top + BarLine;
    text(barLeft, barY - 0.33, TextAnchor::Left, 7,
         QCoreApplication::translate("PlacementPage", "Reference bar: 7.000 in from the first tick to the last"));
    AddBar(items, true, barY, barLeft, ReferenceBarInches);
    AddBar(items, false, VerticalBarLeft, top + VerticalBarTop, VerticalBarInches);
    // Where it stood when the bar began 0.25 in down: clear of the clear
    // band's rule on the shortest cheque.
    text(LeftMargin, top + VerticalBarTop + VerticalBarInches + 0.05, TextAnchor::Left, 7,
         QCoreApplication::translate("PlacementPage",
                                     "Vertical bar, at the left: 2.000 in from the top tick to the bottom tick"));
    // Across from the bar's label, at the bar's right end: clear of the
    // bands' labels on every cheque height.
    if (!layout.applied.none())
        text(barLeft + ReferenceBarInches, barY - 0.33, TextAnchor::Right, 7,
             QCoreApplication::translate("PlacementPage", "This page carries the correction %1")
                 .arg(CorrectionWords(layout.applied)),
             true);

    // The bands; the print band's lower rule is the baseline.
    items.push_back(
        Rule(PlacementItem::HorizontalRule, bottom - ClearBandInches, GuideRuleMargin, width - GuideRuleMargin));
    // At the right: on the shortest cheques the vertical bar's label stands
    // at this height at the left.
    text(width - LabelLeft, bottom - ClearBandInches - 0.04, TextAnchor::Right, 7,
         QCoreApplication::translate("PlacementPage",
                                     "MICR clear band (the bottom 5/8 in): nothing but the MICR line below this rule"));
    items.push_back(Rule(PlacementItem::HorizontalRule, bottom - PrintBandTopInches, GuideRuleMargin,
                         width - GuideRuleMargin));
    items.push_back(Rule(PlacementItem::HorizontalRule, lineBaseline, GuideRuleMargin, width - GuideRuleMargin));
    // Inside the band, above the characters' tops and below its upper rule,
    // wherever the line's fields reach.
    text(LabelLeft, lineBaseline - E13BCharacterHeight - PrintBandLabelGap, TextAnchor::Left, 6,
         QCoreApplication::translate("PlacementPage", "MICR print band: its lower rule is the baseline"));

    // The MICR line, its last advance ending at its last position's right
    // edge (position 1 for the sample), on the baseline.
    const double positionOne = PositionOneRightInches(layout) + lineShift;
    if (layout.userLine) {
        items.push_back(Text(PositionRightEdge(width, layout.userLine->lastPosition) + lineShift, lineBaseline,
                             TextAnchor::Right,
                             face, 10, false, layout.userLine->letters));
        AddFieldBrackets(items, layout, namesInBand);
    } else {
        items.push_back(Text(positionOne, lineBaseline, TextAnchor::Right, face, 10, false, SampleMicrLine()));
    }
    if (!(layout.userLine && namesInBand)) // there the fields' names stand
        text(positionOne, bottom - PrintBandTopInches - 0.04, TextAnchor::Right, 7,
             QCoreApplication::translate("PlacementPage", "position 1 ends at the long tick below the baseline"));

    // The position scale: the cells' edges, and every fifth cell numbered.
    // Where the paper's edge cuts position 1's tick short, the others are
    // shortened with it.
    const double longTickEnd = std::min(bottom - PositionOneTickEnd, lowest);
    double cellTickEnd = lineBaseline + CellTick;
    if (longTickEnd < bottom - PositionOneTickEnd)
        cellTickEnd = std::min(cellTickEnd, lineBaseline + ShortCellTickShare * (longTickEnd - lineBaseline));
    for (int edge = 0; edge <= PositionCount && longTickEnd > lineBaseline; ++edge) {
        const double x = PositionRightEdge(width, edge + 1) + lineShift;
        const double end = edge == 0 ? longTickEnd : cellTickEnd;
        if (x >= GuideRuleMargin && x <= width - GuideRuleMargin)
            items.push_back(Rule(PlacementItem::VerticalRule, x, lineBaseline, end));
    }
    for (int position = 1; position <= PositionCount && scaleNumbered; ++position) {
        const double centre = PositionRightEdge(width, position) + lineShift - PositionPitchInches / 2;
        if ((position == 1 || position % 5 == 0) && centre > GuideRuleMargin + PositionPitchInches / 2
            && centre < width - GuideRuleMargin)
            text(centre, bottom - ScaleNumberLift, TextAnchor::Centre, 6, QString::number(position));
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

std::vector<MeasuredMark> PlacementMeasuredMarks(const PlacementLayout &layout)
{
    const double width = layout.paperInches.width();
    const double top = ChequeTopInches(layout);
    const double lineBaseline = BaselineInches(layout) - layout.applied.up;
    const double positionOne = PositionOneRightInches(layout) + layout.applied.right;
    const double barLeft = (width - ReferenceBarInches) / 2;
    return {
        {QCoreApplication::translate("PlacementPage", "the 7-inch reference bar"),
         QRectF(barLeft, top + BarLine - InchTick, ReferenceBarInches, InchTick)},
        {QCoreApplication::translate("PlacementPage", "the 2-inch vertical bar"),
         QRectF(VerticalBarLeft, top + VerticalBarTop, InchTick, VerticalBarInches)},
        {QCoreApplication::translate("PlacementPage", "position 1's long tick"),
         QRectF(positionOne, lineBaseline, 0, CellTick)},
        // Read where the line ends, under position 1.
        {QCoreApplication::translate("PlacementPage", "the baseline rule under the MICR line"),
         QRectF(positionOne - PositionPitchInches, lineBaseline, PositionPitchInches, 0)},
    };
}
