#include "scan/PlacementScan.h"

#include "standard/E13B.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// How far the printer may have moved a mark from where the page puts it:
// its offsets and a scale error across the page.
constexpr double SearchInches = 0.15;
// The inch ticks reach 0.14 in from their bar, the half-inch ones 0.09:
// between these, only the inch ticks.
constexpr double InchTickBandNear = 0.10;
constexpr double InchTickBandFar = 0.13;
// A rule's row or column holds at least this much ink on average.
constexpr double LeastRuleInk = 0.3;
// The long tick's column is inked over nearly all of its band.
constexpr double LongTickCover = 0.8;
// Nothing but the long tick stands this far left of its place, where the
// first position's number begins.
constexpr double LongTickLeftReach = 0.035;
// Paper edges closer than this to a cheque's edge are that edge, and the
// page draws nothing nearer the paper's edge than the clearance.
constexpr double SameEdgeInches = 0.01;
constexpr double PaperEdgeClearance = 0.1;
constexpr double PositionOneTickEnd = 0.02;

int Strongest(const std::vector<double> &profile)
{
    return int(std::max_element(profile.begin(), profile.end()) - profile.begin());
}

struct Measurer
{
    const ScanImage &scan;
    const Sheet &sheet;

    cv::Mat Ink(double u, double v, double w, double h) const { return InkRegion(scan, sheet, u, v, w, h); }

    // A horizontal rule's centre line near `v`, measured between u0 and u1.
    std::optional<double> RuleRow(double v, double u0, double u1) const
    {
        const cv::Mat ink = Ink(u0, v - SearchInches, u1 - u0, 2 * SearchInches);
        const std::vector<double> profile = Profile(ink, true);
        const auto centre = PeakCentre(profile, Strongest(profile), LeastRuleInk);
        if (!centre)
            return std::nullopt;
        return v - SearchInches + *centre / sheet.dpiX;
    }

    // The inch tick nearest `expected` of a bar along u at row `v` (ticks
    // up), or along v at column `u` (ticks to the right): the nearest, as
    // labels may stand beside the bar's ends.
    std::optional<double> EndTick(double v, double expected) const
    {
        const double u0 = expected - SearchInches;
        const cv::Mat ink = Ink(u0, v - InchTickBandFar, 2 * SearchInches, InchTickBandFar - InchTickBandNear);
        const auto at = NearestPeak(Profile(ink, false), (expected - u0) * sheet.dpiX);
        return at ? std::optional<double>(u0 + *at / sheet.dpiX) : std::nullopt;
    }

    std::optional<double> EndTickDown(double u, double expected) const
    {
        const double v0 = expected - SearchInches;
        const cv::Mat ink = Ink(u + InchTickBandNear, v0, InchTickBandFar - InchTickBandNear, 2 * SearchInches);
        const auto at = NearestPeak(Profile(ink, true), (expected - v0) * sheet.dpiX);
        return at ? std::optional<double>(v0 + *at / sheet.dpiX) : std::nullopt;
    }

    static std::optional<double> NearestPeak(const std::vector<double> &profile, double expected)
    {
        std::optional<double> nearest;
        for (int i = 0; i < int(profile.size()); ++i) {
            if (profile[i] < 0.5 || (i > 0 && profile[i - 1] >= 0.5))
                continue;
            const auto centre = PeakCentre(profile, i, 0.5);
            if (centre && (!nearest || std::abs(*centre - expected) < std::abs(*nearest - expected)))
                nearest = centre;
        }
        return nearest;
    }

    // A vertical rule's centre column near `u`, between v0 and v1.
    std::optional<double> RuleColumn(double u, double v0, double v1) const
    {
        const cv::Mat ink = Ink(u - SearchInches, v0, 2 * SearchInches, v1 - v0);
        const std::vector<double> profile = Profile(ink, false);
        const auto centre = PeakCentre(profile, Strongest(profile), LeastRuleInk);
        if (!centre)
            return std::nullopt;
        return u - SearchInches + *centre / sheet.dpiX;
    }

    // The reference bar's length, from its first inch tick to its last;
    // in *drawn, the two in the scan's pixels.
    std::optional<double> ReferenceBar(const PlacementLayout &layout, QLineF *drawn = nullptr) const
    {
        const double left = (layout.paperInches.width() - ReferenceBarInches) / 2;
        const double right = left + ReferenceBarInches;
        const double expected = ChequeTopInches(layout) + ReferenceBarDropInches;
        const auto leftRow = RuleRow(expected, left + 0.05, left + 0.45);
        const auto rightRow = RuleRow(expected, right - 0.45, right - 0.05);
        if (!leftRow || !rightRow)
            return std::nullopt;
        const auto first = EndTick(*leftRow, left);
        const auto last = EndTick(*rightRow, right);
        if (!first || !last)
            return std::nullopt;
        if (drawn)
            *drawn = QLineF(sheet.Pixel(*first, *leftRow), sheet.Pixel(*last, *rightRow));
        return *last - *first;
    }

    std::optional<double> VerticalBar(const PlacementLayout &layout, QLineF *drawn) const
    {
        const double top = ChequeTopInches(layout) + VerticalBarDropInches;
        const double bottom = top + VerticalBarInches;
        const auto upper = RuleColumn(VerticalBarLeftInches, top + 0.05, top + 0.45);
        const auto lower = RuleColumn(VerticalBarLeftInches, bottom - 0.45, bottom - 0.05);
        if (!upper || !lower)
            return std::nullopt;
        const auto first = EndTickDown(*upper, top);
        const auto last = EndTickDown(*lower, bottom);
        if (!first || !last)
            return std::nullopt;
        *drawn = QLineF(sheet.Pixel(*upper, *first), sheet.Pixel(*lower, *last));
        return *last - *first;
    }
};

} // namespace

std::optional<PlacementFound> MeasurePlacement(const ScanImage &scan, const Sheet &sheet,
                                               const PlacementLayout &layout, ScanRefusal *why)
{
    const Measurer measure{scan, sheet};
    QLineF barDrawn, verticalBarDrawn;
    const std::optional<double> bar = measure.ReferenceBar(layout, &barDrawn);
    // A bar near 7 in where the page puts it, or this is not the page.
    const auto plausible = [](std::optional<double> length) {
        return length && std::abs(*length / ReferenceBarInches - 1) < MostScaleDifferencePercent / 100 * 2;
    };
    if (!plausible(bar)) {
        // The sheet turned round lives as long as what measures it.
        const Sheet turnedSheet = sheet.Turned();
        const Measurer turned{scan, turnedSheet};
        *why = {plausible(turned.ReferenceBar(layout)) ? ScanProblem::UpsideDown : ScanProblem::WrongPage, 0, {}};
        return std::nullopt;
    }
    PlacementFound found;
    found.sheet = sheet.found;
    found.bar = *bar;
    found.verticalBar = measure.VerticalBar(layout, &verticalBarDrawn);

    const double width = sheet.Width();
    const double height = sheet.Height();
    const double bottom = ChequeBottomInches(layout);
    const double baselineExpected = BaselineInches(layout) - layout.applied.up;
    const double tickExpected = PositionOneRightInches(layout) + layout.applied.right;
    // The baseline rule right of position 1, where it is alone.
    const auto baseline = measure.RuleRow(baselineExpected, tickExpected + 0.02, width - GuideRuleMargin - 0.005);
    if (!baseline) {
        *why = {ScanProblem::WrongPage, 0, {}};
        return std::nullopt;
    }
    // Position 1's long tick: the rightmost column inked over nearly all
    // of the band under the cells' ticks.
    const bool bottomIsPaper = std::abs(bottom - layout.paperInches.height()) < SameEdgeInches;
    const double tickEnd = std::min(bottom - PositionOneTickEnd, layout.paperInches.height() - PaperEdgeClearance);
    const double reach = tickEnd - baselineExpected;
    const double bandTop = *baseline + 0.65 * reach, bandBottom = *baseline + 0.9 * reach;
    const double u0 = tickExpected - LongTickLeftReach;
    const cv::Mat band = measure.Ink(u0, bandTop, 2 * SearchInches, bandBottom - bandTop);
    cv::Mat inked;
    cv::reduce(cv::Mat(band > 0.5) / 255, inked, 0, cv::REDUCE_SUM, CV_64F);
    const std::vector<double> column = Profile(band, false);
    std::optional<double> tick;
    for (int x = int(column.size()) - 1; x >= 0 && !tick; --x)
        if (inked.at<double>(x) >= LongTickCover * band.rows)
            tick = PeakCentre(column, x, 0.5);
    if (!tick) {
        *why = {ScanProblem::WrongPage, 0, {}};
        return std::nullopt;
    }
    const double tickU = u0 + *tick / sheet.dpiX;
    found.right = sheet.right.At(*baseline) - tickU;
    found.top = *baseline - sheet.top.At(tickU);
    if (bottomIsPaper) {
        found.bottom = sheet.bottom.At(tickU) - *baseline;
    } else {
        const auto edge = measure.RuleRow(bottom + (*baseline - baselineExpected), tickExpected + 0.02,
                                          width - GuideRuleMargin - 0.005);
        if (!edge) {
            *why = {ScanProblem::WrongPage, 0, {}};
            return std::nullopt;
        }
        found.bottom = *edge - *baseline;
    }
    (void)height;

    ScanOverlay &overlay = found.overlay;
    overlay.sheet = sheet.Corners();
    overlay.measured.push_back(barDrawn);
    if (found.verticalBar)
        overlay.measured.push_back(verticalBarDrawn);
    overlay.measured.emplace_back(sheet.Pixel(tickU, *baseline), sheet.Pixel(sheet.right.At(*baseline), *baseline));
    overlay.measured.emplace_back(sheet.Pixel(tickU, sheet.top.At(tickU)), sheet.Pixel(tickU, *baseline));
    overlay.measured.emplace_back(sheet.Pixel(tickU, *baseline), sheet.Pixel(tickU, *baseline + found.bottom));
    // The cells where the page's printed scale puts them: position 1 ends
    // at the long tick, each cell a pitch wide at the bar's scale, as tall
    // as the print band above the baseline.
    const double pitch = PositionPitchInches * *bar / ReferenceBarInches;
    const double cellTop = *baseline - (PrintBandTopInches - PrintBandBottomInches);
    for (int position = 1; position <= PositionCount; ++position) {
        const double cellRight = tickU - (position - 1) * pitch;
        overlay.cells.push_back(QPolygonF({sheet.Pixel(cellRight - pitch, cellTop), sheet.Pixel(cellRight, cellTop),
                                           sheet.Pixel(cellRight, *baseline), sheet.Pixel(cellRight - pitch, *baseline)}));
    }
    return found;
}
