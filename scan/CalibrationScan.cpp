#include "scan/CalibrationScan.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Where the first marks are looked for, in the sheet's frame: the page's
// origin lies from 0.25 in to about 1 in from the paper's corner (the
// printable area's corner where that is further in), and the marks rows
// stand 3.4 to 6.2 in below it.
constexpr double FirstMarksLeft = 0.1;
constexpr double FirstMarksWidth = 1.5;
constexpr double FirstMarksTop = 3.0;
constexpr double FirstMarksHeight = 5.0;
// A mark is a thin upright stroke, about 0.014 in wide and 0.1 in tall in
// the faces at 10 points; these bounds leave room for toner and blur.
constexpr double MostMarkWidth = 0.05;
constexpr double LeastMarkHeight = 0.05;
constexpr double MostMarkHeight = 0.25;
constexpr double LeastMarkTallness = 3;
// Ink at least this dark (the darkest toner being 1) is a mark's.
constexpr double MarkInk = 0.5;
// Right of the first mark stand 55 spaces: no column of the row's band is
// inked this much (a speck of dust is far less) until the last mark.
constexpr double BlankFrom = 0.1;
constexpr double BlankTo = 6.4;
constexpr double MostBlankInk = 0.3;
// Above the marks, 0.2 in up, stand the line's digits, most of each cell
// inked; below them, the next line's label is further off. This is what
// tells a marks row from the same row upside down (the marks are
// symmetrical).
constexpr double DigitsBandTop = 0.19;
constexpr double DigitsBandBottom = 0.03;
constexpr double LeastDigitsCover = 0.3;
// The last mark, 56 positions on: the faces make a line of 6.84 to
// 7.16 in, a printer a few percent more or less.
constexpr double LastMarkFrom = 6.5;
constexpr double LastMarkTo = 7.6;
// The row's band is widened this much for a line the printer tilted.
constexpr double TiltAllowance = 0.05;
// The marks' centres are taken on the middle half of their height, where
// their ends' rounding and spread do not reach, and across this much
// paper either side of them.
constexpr double CentreMargin = 0.03;
// Bare paper's ink, from the scanner's noise, stays under this.
constexpr double PaperNoise = 0.05;
constexpr int SampleLines = LastCalibrationLine;

struct Box
{
    double u, v, width, height;
};

struct Measurer
{
    const ScanImage &scan;
    const Sheet &sheet;

    cv::Mat Ink(double u, double v, double w, double h) const { return InkRegion(scan, sheet, u, v, w, h); }

    // The mark-shaped strokes in the region, as boxes in the sheet's frame.
    std::vector<Box> Marks(double u, double v, double w, double h) const
    {
        const cv::Mat mask = Ink(u, v, w, h) > MarkInk;
        cv::Mat labels, stats, centroids;
        const int count = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S);
        std::vector<Box> marks;
        const double dpi = sheet.dpiX;
        for (int i = 1; i < count; ++i) {
            const double width = stats.at<int>(i, cv::CC_STAT_WIDTH) / dpi;
            const double height = stats.at<int>(i, cv::CC_STAT_HEIGHT) / dpi;
            if (width <= MostMarkWidth && height >= LeastMarkHeight && height <= MostMarkHeight
                && height >= LeastMarkTallness * width)
                marks.push_back({u + stats.at<int>(i, cv::CC_STAT_LEFT) / dpi, v + stats.at<int>(i, cv::CC_STAT_TOP) / dpi,
                                 width, height});
        }
        return marks;
    }

    bool BlankRightOf(const Box &mark) const
    {
        const cv::Mat ink = Ink(mark.u + BlankFrom, mark.v, BlankTo - BlankFrom, mark.height);
        const std::vector<double> columns = Profile(ink, false);
        return *std::max_element(columns.begin(), columns.end()) < MostBlankInk;
    }

    bool DigitsAbove(const Box &mark) const
    {
        const cv::Mat ink = Ink(mark.u + BlankFrom, mark.v - DigitsBandTop, BlankTo - BlankFrom, DigitsBandTop - DigitsBandBottom);
        cv::Mat darkest;
        cv::reduce(ink, darkest, 0, cv::REDUCE_MAX, CV_32F);
        return cv::countNonZero(darkest > MarkInk) >= LeastDigitsCover * darkest.cols;
    }

    // The mark's centre: across, the ink-weighted centre of its columns
    // over the middle half of its height (nothing else stands on the row
    // there: spaces beside it); down, that half's middle.
    std::optional<cv::Point2d> Centre(const Box &mark) const
    {
        const double u0 = mark.u - CentreMargin;
        const cv::Mat ink = Ink(u0, mark.v + mark.height / 4, mark.width + 2 * CentreMargin, mark.height / 2);
        double sum = 0, weighted = 0;
        const std::vector<double> columns = Profile(ink, false);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const double above = std::max(0.0, columns[i] - PaperNoise);
            sum += above;
            weighted += above * double(i);
        }
        if (sum <= 0)
            return std::nullopt;
        return cv::Point2d(u0 + weighted / sum / sheet.dpiX, mark.v + mark.height / 2);
    }

    // The length from a first mark to the last mark on its row.
    std::optional<double> LineFrom(const Box &first) const
    {
        if (!BlankRightOf(first) || !DigitsAbove(first))
            return std::nullopt;
        std::vector<Box> last = Marks(first.u + LastMarkFrom, first.v - TiltAllowance, LastMarkTo - LastMarkFrom,
                                      first.height + 2 * TiltAllowance);
        // On the first mark's row: overlapping it by half its height.
        last.erase(std::remove_if(last.begin(), last.end(),
                                  [&first](const Box &b) {
                                      const double overlap = std::min(b.v + b.height, first.v + first.height)
                                          - std::max(b.v, first.v);
                                      return overlap < first.height / 2;
                                  }),
                   last.end());
        if (last.size() != 1)
            return std::nullopt;
        const auto from = Centre(first), to = Centre(last.front());
        if (!from || !to)
            return std::nullopt;
        return cv::norm(*to - *from);
    }

    // Each sample line found, top to bottom, with the row it stands on.
    std::vector<std::pair<double, double>> Lines() const
    {
        std::vector<std::pair<double, double>> lines;
        for (const Box &first : Marks(FirstMarksLeft, FirstMarksTop, FirstMarksWidth, FirstMarksHeight))
            if (const auto length = LineFrom(first))
                lines.emplace_back(first.v, *length);
        std::sort(lines.begin(), lines.end());
        return lines;
    }
};

} // namespace

std::optional<CalibrationFound> MeasureCalibration(const ScanImage &scan, const Sheet &sheet, ScanRefusal *why)
{
    const std::vector<std::pair<double, double>> lines = Measurer{scan, sheet}.Lines();
    if (lines.empty()) {
        // The sheet turned round lives as long as what measures it.
        const Sheet turnedSheet = sheet.Turned();
        const bool turned = Measurer{scan, turnedSheet}.Lines().size() == SampleLines;
        *why = {turned ? ScanProblem::UpsideDown : ScanProblem::WrongPage, 0, {}};
        return std::nullopt;
    }
    // Which line a pair of marks belongs to is told by its place among the
    // five; with one missing it cannot be told, and more are another page.
    if (lines.size() != SampleLines) {
        *why = {ScanProblem::WrongPage, 0, lines.size() < SampleLines ? QString::number(lines.size()) : QString()};
        return std::nullopt;
    }
    CalibrationFound found;
    found.sheet = sheet.found;
    for (std::size_t i = 0; i < lines.size(); ++i)
        found.lines[i] = lines[i].second;
    return found;
}
