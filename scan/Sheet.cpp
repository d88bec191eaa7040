#include "scan/Sheet.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The sheet is first found on a copy this coarse: fast, and print too
// fine to matter there.
constexpr double CoarseDpi = 40;
// A scan whose shades spread less than this is blank.
constexpr double BlankSpread = 2.0;
// The paper differs from the lid by at least this much, in grey levels.
constexpr double LeastLidContrast = 6.0;
// Each edge is fitted to this many crossings, across this stretch of it.
constexpr int EdgeSamples = 80;
constexpr double EdgeStretch = 0.8;
// Crossings further than this from the first fit are print or dust.
constexpr double EdgeOutlierPixels = 1.5;
// The darkest toner the scan shows, as a share of the paper's shade
// under it, is found among this top share of the dark pixels.
constexpr double InkPercentile = 0.999;

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
    return values[values.size() / 2];
}

double Sample(const cv::Mat &gray, cv::Point2d p)
{
    const int x = int(std::floor(p.x));
    const int y = int(std::floor(p.y));
    if (x < 0 || y < 0 || x + 1 >= gray.cols || y + 1 >= gray.rows)
        return -1;
    const double fx = p.x - x, fy = p.y - y;
    const uchar *r0 = gray.ptr<uchar>(y), *r1 = gray.ptr<uchar>(y + 1);
    return (r0[x] * (1 - fx) + r0[x + 1] * fx) * (1 - fy) + (r1[x] * (1 - fx) + r1[x + 1] * fx) * fy;
}

// Where the shade crosses halfway from the lid's to the paper's, walking
// from `outside` along `inward`; none where it does not.
std::optional<cv::Point2d> Crossing(const cv::Mat &gray, cv::Point2d outside, cv::Point2d inward, double reach,
                                    double lid, double paper)
{
    const double step = 0.5;
    double previous = -1;
    const int steps = int(std::floor(reach / step));
    for (int i = 0; i <= steps; ++i) {
        const double t = i * step;
        const double value = Sample(gray, outside + inward * t);
        if (value < 0)
            return std::nullopt;
        const double share = (value - lid) / (paper - lid);
        if (share >= 0.5 && previous >= 0) {
            const double back = (share - 0.5) / std::max(1e-6, share - previous);
            return outside + inward * (t - back * step);
        }
        if (share >= 0.5)
            return std::nullopt; // paper already at the start: no edge here
        previous = share;
    }
    return std::nullopt;
}

// A line through `points` as along·b + a across, fitted twice, the second
// time without the points far from the first fit.
std::optional<cv::Vec2d> FitLine(std::vector<cv::Point2d> points, bool vertical)
{
    for (int pass = 0; pass < 2; ++pass) {
        if (points.size() < EdgeSamples / 4)
            return std::nullopt;
        double sa = 0, sc = 0, saa = 0, sac = 0;
        for (const cv::Point2d &p : points) {
            const double along = vertical ? p.y : p.x, across = vertical ? p.x : p.y;
            sa += along, sc += across, saa += along * along, sac += along * across;
        }
        const double n = double(points.size());
        const double b = (n * sac - sa * sc) / (n * saa - sa * sa);
        const double a = (sc - b * sa) / n;
        if (pass == 1)
            return cv::Vec2d(a, b);
        std::vector<cv::Point2d> kept;
        for (const cv::Point2d &p : points)
            if (std::abs((vertical ? p.x : p.y) - (a + b * (vertical ? p.y : p.x))) <= EdgeOutlierPixels)
                kept.push_back(p);
        points = kept;
    }
    return std::nullopt;
}

} // namespace

Sheet Sheet::Turned() const
{
    Sheet turned = *this;
    turned.origin = ToImage(Width(), Height());
    turned.ex = -ex;
    turned.ey = -ey;
    return turned;
}

QPolygonF Sheet::Corners() const
{
    // A side u = a + b·v meets a top or bottom v = a' + b'·u where
    // u = (a + b·a') / (1 - b·b').
    const auto meet = [this](const SheetEdge &side, const SheetEdge &across) {
        const double u = (side.a + side.b * across.a) / (1 - side.b * across.b);
        return Pixel(u, across.At(u));
    };
    return QPolygonF({meet(left, top), meet(right, top), meet(right, bottom), meet(left, bottom)});
}

std::optional<Sheet> FindSheet(const ScanImage &scan, ScanRefusal *why)
{
    const double factor = std::max(1.0, scan.dpiX / CoarseDpi);
    cv::Mat coarse;
    cv::resize(scan.gray, coarse, cv::Size(), 1 / factor, 1 / factor, cv::INTER_AREA);
    cv::Scalar mean, spread;
    cv::meanStdDev(coarse, mean, spread);
    if (spread[0] < BlankSpread) {
        *why = {ScanProblem::Empty, 0, {}};
        return std::nullopt;
    }
    // The lid shows all round the image's border.
    std::vector<double> ring;
    for (int x = 0; x < coarse.cols; ++x)
        ring.push_back(coarse.at<uchar>(0, x)), ring.push_back(coarse.at<uchar>(coarse.rows - 1, x));
    for (int y = 0; y < coarse.rows; ++y)
        ring.push_back(coarse.at<uchar>(y, 0)), ring.push_back(coarse.at<uchar>(y, coarse.cols - 1));
    const double lid = Median(ring);
    cv::Mat difference;
    cv::absdiff(coarse, cv::Scalar(lid), difference);
    cv::medianBlur(difference, difference, 3);
    cv::Mat mask = difference > LeastLidContrast;
    cv::morphologyEx(mask, mask, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_RECT, {5, 5}));
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    const auto largest = std::max_element(contours.begin(), contours.end(), [](const auto &a, const auto &b) {
        return cv::contourArea(a) < cv::contourArea(b);
    });
    if (largest == contours.end() || cv::contourArea(*largest) < 0.05 * double(coarse.total())) {
        *why = {ScanProblem::NoSheet, 0, {}};
        return std::nullopt;
    }
    const cv::Rect box = cv::boundingRect(*largest);
    if (box.x <= 0 || box.y <= 0 || box.br().x >= coarse.cols || box.br().y >= coarse.rows) {
        *why = {ScanProblem::NoSheet, 0, {}};
        return std::nullopt;
    }
    // The paper's shade: the middle of what the contour holds.
    cv::Mat inside = cv::Mat::zeros(coarse.size(), CV_8UC1);
    cv::drawContours(inside, contours, int(largest - contours.begin()), cv::Scalar(255), cv::FILLED);
    cv::erode(inside, inside, cv::getStructuringElement(cv::MORPH_RECT, {5, 5}));
    std::vector<double> shades;
    for (int y = 0; y < coarse.rows; y += 2)
        for (int x = 0; x < coarse.cols; x += 2)
            if (inside.at<uchar>(y, x))
                shades.push_back(coarse.at<uchar>(y, x));
    std::sort(shades.begin(), shades.end());
    const double paper = shades.empty() ? 255 : shades[size_t(0.9 * double(shades.size() - 1))];
    if (std::abs(paper - lid) < LeastLidContrast) {
        *why = {ScanProblem::NoSheet, 0, {}};
        return std::nullopt;
    }

    cv::Point2f corners[4];
    cv::minAreaRect(*largest).points(corners);
    std::vector<cv::Point2d> c(4);
    for (int i = 0; i < 4; ++i)
        c[i] = cv::Point2d(corners[i].x * factor, corners[i].y * factor);
    const auto pick = [&c](auto key) { return *std::min_element(c.begin(), c.end(), [&](auto a, auto b) { return key(a) < key(b); }); };
    const cv::Point2d tl = pick([](cv::Point2d p) { return p.x + p.y; });
    const cv::Point2d br = pick([](cv::Point2d p) { return -p.x - p.y; });
    const cv::Point2d tr = pick([](cv::Point2d p) { return p.y - p.x; });
    const cv::Point2d bl = pick([](cv::Point2d p) { return p.x - p.y; });
    if (cv::norm(tr - tl) > cv::norm(bl - tl)) {
        *why = {ScanProblem::Sideways, 0, {}};
        return std::nullopt;
    }

    // Each side fitted to where the shade crosses from lid to paper.
    const double reach = 4 * factor;
    const auto side = [&](cv::Point2d from, cv::Point2d to, bool vertical) -> std::optional<cv::Vec2d> {
        const cv::Point2d along = (to - from) / cv::norm(to - from);
        cv::Point2d inward(-along.y, along.x); // to the right of the walk: the walks go round clockwise
        std::vector<cv::Point2d> points;
        for (int i = 0; i < EdgeSamples; ++i) {
            const double t = (1 - EdgeStretch) / 2 + EdgeStretch * i / (EdgeSamples - 1);
            const cv::Point2d at = from + (to - from) * t;
            if (auto p = Crossing(scan.gray, at - inward * (reach / 2), inward, reach, lid, paper))
                points.push_back(*p);
        }
        return FitLine(points, vertical);
    };
    const auto topFit = side(tl, tr, false), rightFit = side(tr, br, true), bottomFit = side(br, bl, false),
               leftFit = side(bl, tl, true);
    if (!topFit || !rightFit || !bottomFit || !leftFit) {
        *why = {ScanProblem::NoSheet, 0, {}};
        return std::nullopt;
    }
    Sheet sheet;
    sheet.dpiX = scan.dpiX;
    sheet.dpiY = scan.dpiY;
    sheet.paperShade = paper;
    sheet.lidShade = lid;
    // Top: y = a + b x; left: x = a + b y.
    const double ta = (*topFit)[0], tb = (*topFit)[1], la = (*leftFit)[0], lb = (*leftFit)[1];
    const double y0 = (ta + tb * la) / (1 - tb * lb);
    sheet.origin = cv::Point2d(la + lb * y0, y0);
    const double angle = (std::atan(tb) + std::atan((*bottomFit)[1]) - std::atan(lb) - std::atan((*rightFit)[1])) / 4;
    sheet.ex = cv::Point2d(std::cos(angle), std::sin(angle));
    sheet.ey = cv::Point2d(-std::sin(angle), std::cos(angle));
    // The edges in the sheet's frame, from two points of each fitted line.
    const auto frame = [&sheet](cv::Point2d p) {
        const cv::Point2d d = p - sheet.origin;
        return cv::Point2d(d.dot(sheet.ex) / sheet.dpiX, d.dot(sheet.ey) / sheet.dpiY);
    };
    const auto edge = [&](cv::Vec2d fit, bool vertical) {
        const double s0 = 0, s1 = vertical ? scan.gray.rows : scan.gray.cols;
        const cv::Point2d p0 = vertical ? cv::Point2d(fit[0] + fit[1] * s0, s0) : cv::Point2d(s0, fit[0] + fit[1] * s0);
        const cv::Point2d p1 = vertical ? cv::Point2d(fit[0] + fit[1] * s1, s1) : cv::Point2d(s1, fit[0] + fit[1] * s1);
        const cv::Point2d f0 = frame(p0), f1 = frame(p1);
        SheetEdge e;
        if (vertical) {
            e.b = (f1.x - f0.x) / (f1.y - f0.y);
            e.a = f0.x - e.b * f0.y;
        } else {
            e.b = (f1.y - f0.y) / (f1.x - f0.x);
            e.a = f0.y - e.b * f0.x;
        }
        return e;
    };
    sheet.top = edge(*topFit, false);
    sheet.bottom = edge(*bottomFit, false);
    sheet.left = edge(*leftFit, true);
    sheet.right = edge(*rightFit, true);
    sheet.found.dpiX = scan.dpiX;
    sheet.found.dpiY = scan.dpiY;
    sheet.found.darkLid = lid < paper;
    sheet.found.skewDegrees = angle * 180 / CV_PI;
    const double middleV = (sheet.left.a + sheet.right.a) / 2;
    sheet.found.heightInches = sheet.bottom.At(middleV) - sheet.top.At(middleV);
    const double middleU = sheet.bottom.a / 2;
    sheet.found.widthInches = sheet.right.At(middleU) - sheet.left.At(middleU);
    return sheet;
}

cv::Mat InkRegion(const ScanImage &scan, const Sheet &sheet, double u, double v, double width, double height)
{
    const cv::Point2d start = sheet.ToImage(u, v);
    const double ratio = sheet.dpiY / sheet.dpiX;
    cv::Mat map = (cv::Mat_<double>(2, 3) << sheet.ex.x, sheet.ey.x * ratio, start.x, sheet.ex.y,
                   sheet.ey.y * ratio, start.y);
    cv::Mat straight;
    const cv::Size size(std::max(1, int(std::lround(width * sheet.dpiX))), std::max(1, int(std::lround(height * sheet.dpiX))));
    cv::warpAffine(scan.gray, straight, map, size, cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_CONSTANT,
                   cv::Scalar(sheet.paperShade));
    cv::Mat ink;
    straight.convertTo(ink, CV_32F, -1.0 / sheet.paperShade, 1.0);
    // The darkest toner as 1: the shade of the darkest pixels present.
    cv::Mat flat = ink.reshape(1, 1).clone();
    const int top = int(InkPercentile * double(flat.cols - 1));
    std::nth_element(flat.ptr<float>(), flat.ptr<float>() + top, flat.ptr<float>() + flat.cols);
    const double darkest = std::max(0.5, double(flat.at<float>(top)));
    ink = cv::max(ink / darkest, 0.0);
    return ink;
}

std::optional<double> PeakCentre(const std::vector<double> &profile, int index, double least)
{
    if (index < 0 || index >= int(profile.size()) || profile[index] < least)
        return std::nullopt;
    int peak = index;
    while (peak + 1 < int(profile.size()) && profile[peak + 1] > profile[peak])
        ++peak;
    while (peak > 0 && profile[peak - 1] > profile[peak])
        --peak;
    const double top = profile[peak];
    int lo = peak, hi = peak;
    while (lo > 0 && profile[lo - 1] > 0.05 * top && profile[lo - 1] <= profile[lo])
        --lo;
    while (hi + 1 < int(profile.size()) && profile[hi + 1] > 0.05 * top && profile[hi + 1] <= profile[hi])
        ++hi;
    const double floor = std::min(profile[lo], profile[hi]);
    double sum = 0, weighted = 0;
    for (int i = lo; i <= hi; ++i) {
        sum += profile[i] - floor;
        weighted += (profile[i] - floor) * i;
    }
    return sum > 0 ? std::optional<double>(weighted / sum) : std::nullopt;
}

std::vector<double> Profile(const cv::Mat &ink, bool down)
{
    cv::Mat mean;
    cv::reduce(ink, mean, down ? 1 : 0, cv::REDUCE_AVG, CV_64F);
    return std::vector<double>(mean.begin<double>(), mean.end<double>());
}
