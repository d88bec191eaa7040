#include "scan/ChequeGauge.h"

#include "answers/ChequeCheck.h"
#include "standard/E13B.h"

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace {

// A sheet shorter than this was scanned as one cheque.
constexpr double TallestOneCheque = 4.5;
// The bottom edge's shadow is kept out of the band searched.
constexpr double EdgeMargin = 0.02;
// Ink above this share of the toner's is a mark.
constexpr double MarkInk = 0.35;
// The parts of one E-13B symbol stand closer than this; neighbouring
// characters further apart.
constexpr double MostPartGap = 0.028;
// Smaller than this, a group of ink is no character.
constexpr double LeastCharacterHeight = 0.04;
// A character matches a shape of the face this well, or is unrecognised.
constexpr double LeastMatch = 0.6;
// A bar is a run of ink no wider than this across a character's row.
constexpr double WidestBar = 0.025;
// Coarser, a 0.013-in bar spans under five pixels and blur keeps it from
// reaching the toner's full shade anywhere: its width is not measured.
constexpr double LeastStrokeDpi = 600;
constexpr int LeastCharacters = 3;
// Specks smaller than a printer's dot are the scanner's noise.
constexpr double LeastMarkInches = 0.002;
const QString Letters = QStringLiteral("0123456789ABCD");

cv::Point2d InkCentre(const cv::Mat &ink)
{
    const cv::Moments m = cv::moments(ink);
    return m.m00 > 0 ? cv::Point2d(m.m10 / m.m00, m.m01 / m.m00) : cv::Point2d(0, 0);
}

// The width of a character's bars, on average edges: the ink across each
// narrow run of the middle rows, over the toner's full shade.
double StrokeWidth(const cv::Mat &ink, double dpi)
{
    std::vector<float> dark;
    for (int y = 0; y < ink.rows; ++y)
        for (int x = 0; x < ink.cols; ++x)
            if (ink.at<float>(y, x) > 0.75f)
                dark.push_back(ink.at<float>(y, x));
    if (dark.empty())
        return 0;
    std::nth_element(dark.begin(), dark.begin() + std::ptrdiff_t(dark.size() / 2), dark.end());
    const double full = dark[dark.size() / 2];
    // The median run: rows beside a horizontal bar catch its blurred edge.
    std::vector<double> widths;
    for (int y = ink.rows / 4; y < ink.rows * 3 / 4; ++y) {
        const float *row = ink.ptr<float>(y);
        int x = 0;
        while (x < ink.cols) {
            if (row[x] <= 0.5f) {
                ++x;
                continue;
            }
            int end = x;
            while (end < ink.cols && row[end] > 0.5f)
                ++end;
            if (end - x <= WidestBar * dpi) {
                int lo = x, hi = end;
                while (lo > 0 && row[lo - 1] < row[lo] && row[lo - 1] > 0.02f)
                    --lo;
                while (hi < ink.cols && row[hi] < row[hi - 1] && row[hi] > 0.02f)
                    ++hi;
                double sum = 0;
                for (int i = lo; i < hi; ++i)
                    sum += row[i];
                widths.push_back(sum / full / dpi);
            }
            x = end;
        }
    }
    if (widths.empty())
        return 0;
    std::nth_element(widths.begin(), widths.begin() + std::ptrdiff_t(widths.size() / 2), widths.end());
    return widths[widths.size() / 2];
}

struct Group
{
    cv::Rect box;
    std::vector<int> labels;
};

} // namespace

std::vector<FaceShape> FaceShapes(const QString &family, double dpi)
{
    const QFont font(family);
    if (QFontInfo(font).family() != family)
        return {};
    QRawFont raw = QRawFont::fromFont(font);
    raw.setPixelSize(MicrPoints / PointsPerInch * dpi);
    std::vector<FaceShape> shapes;
    const QList<quint32> glyphs = raw.glyphIndexesForString(Letters);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    for (int i = 0; i < Letters.size() && i < glyphs.size(); ++i) {
        const QPainterPath path = raw.pathForGlyph(glyphs[i]);
        const QRectF box = path.boundingRect();
        if (box.isEmpty())
            continue;
        const int pad = 2;
        QImage image(int(std::ceil(box.width())) + 2 * pad, int(std::ceil(box.height())) + 2 * pad,
                     QImage::Format_Grayscale8);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(pad - box.left(), pad - box.top());
            painter.fillPath(path, Qt::black);
        }
        cv::Mat ink(image.height(), image.width(), CV_32F);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink.at<float>(y, x) = 1.0f - float(image.constScanLine(y)[x]) / 255.0f;
        // Pixel centres stand half a pixel in.
        const cv::Point2d centre = InkCentre(ink) + cv::Point2d(0.5, 0.5);
        const double x = centre.x - pad + box.left(), y = centre.y - pad + box.top();
        shapes.push_back({Letters[i], ink, (advances[i].x() - x) / dpi, -y / dpi});
    }
    return shapes;
}

namespace {

struct Band
{
    cv::Mat ink;
    double u0 = 0, v0 = 0;
};

// The characters' groups of ink in the clear band and the other marks.
void Components(const cv::Mat &ink, double dpi, std::vector<Group> *characters, std::vector<Group> *marks,
                cv::Mat *labels)
{
    cv::Mat mask = ink > MarkInk;
    cv::Mat stats, centroids;
    const int count = cv::connectedComponentsWithStats(mask, *labels, stats, centroids, 8, CV_32S);
    std::vector<double> rows(size_t(ink.rows), 0);
    for (int i = 1; i < count; ++i) {
        const int h = stats.at<int>(i, cv::CC_STAT_HEIGHT);
        if (h >= LeastCharacterHeight * dpi / 2)
            for (int y = stats.at<int>(i, cv::CC_STAT_TOP); y < stats.at<int>(i, cv::CC_STAT_TOP) + h; ++y)
                rows[size_t(y)] += stats.at<int>(i, cv::CC_STAT_AREA) / double(h);
    }
    const int line = int(std::max_element(rows.begin(), rows.end()) - rows.begin());
    const double peak = rows[size_t(line)];
    int top = line, bottom = line;
    while (top > 0 && rows[size_t(top - 1)] > 0.2 * peak)
        --top;
    while (bottom + 1 < ink.rows && rows[size_t(bottom) + 1] > 0.2 * peak)
        ++bottom;
    std::vector<Group> parts, loose;
    for (int i = 1; i < count; ++i) {
        const cv::Rect box(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                           stats.at<int>(i, cv::CC_STAT_WIDTH), stats.at<int>(i, cv::CC_STAT_HEIGHT));
        const bool inLine = peak > 0 && box.y <= bottom && box.br().y > top;
        (inLine ? parts : loose).push_back({box, {i}});
    }
    std::sort(parts.begin(), parts.end(), [](const Group &a, const Group &b) { return a.box.x < b.box.x; });
    std::vector<Group> groups;
    for (const Group &part : parts) {
        if (!groups.empty() && part.box.x - groups.back().box.br().x <= MostPartGap * dpi) {
            groups.back().box |= part.box;
            groups.back().labels.push_back(part.labels.front());
        } else {
            groups.push_back(part);
        }
    }
    for (const Group &group : groups)
        (group.box.height >= LeastCharacterHeight * dpi ? characters : marks)->push_back(group);
    marks->insert(marks->end(), loose.begin(), loose.end());
}

} // namespace

std::optional<GaugeFound> GaugeCheque(const ScanImage &scan, const Sheet &sheet, const PlacementLayout &layout,
                                      const std::vector<FaceShape> &shapes, ScanRefusal *why)
{
    const double dpi = sheet.dpiX;
    const bool oneCheque = sheet.Height() < TallestOneCheque;
    const bool bottomIsPaper = oneCheque || std::abs(ChequeBottomInches(layout) - layout.paperInches.height()) < 0.01;
    // The cheque's bottom edge at u, in the sheet's frame.
    const auto bottomAt = [&](double u) {
        return bottomIsPaper ? sheet.bottom.At(u) : sheet.top.At(u) + ChequeBottomInches(layout);
    };
    const double width = sheet.Width();
    const double bandBottom = bottomAt(width / 2) - EdgeMargin;
    const double bandTop = bottomAt(width / 2) - ClearBandInches;
    const double u0 = EdgeMargin;
    const cv::Mat ink = InkRegion(scan, sheet, u0, bandTop, width - 2 * EdgeMargin, bandBottom - bandTop);
    std::vector<Group> characters, marks;
    cv::Mat labels;
    Components(ink, dpi, &characters, &marks, &labels);
    if (int(characters.size()) < LeastCharacters) {
        // Turned half round, the line stands at the top of the sheet.
        const Sheet turned = sheet.Turned();
        const double turnedBottom = oneCheque ? sheet.Height() : ChequeBottomInches(layout);
        const cv::Mat other = InkRegion(scan, turned, u0, turnedBottom - ClearBandInches, width - 2 * EdgeMargin,
                                        ClearBandInches - EdgeMargin);
        std::vector<Group> otherCharacters, otherMarks;
        cv::Mat otherLabels;
        Components(other, dpi, &otherCharacters, &otherMarks, &otherLabels);
        *why = {int(otherCharacters.size()) >= LeastCharacters * 4 ? ScanProblem::UpsideDown : ScanProblem::NoMicrLine,
                0, {}};
        return std::nullopt;
    }

    GaugeFound found;
    found.sheet = sheet.found;
    found.chequeWidthInches = width;
    found.overlay.sheet = sheet.Corners();
    // A box of the band's pixels as the scan's: the band's pixel centres
    // stand on whole numbers, its pixels 1/dpi in square.
    const auto drawn = [&](const cv::Rect &box) {
        const double left = u0 + (box.x - 0.5) / dpi, right = u0 + (box.br().x - 0.5) / dpi;
        const double top = bandTop + (box.y - 0.5) / dpi, bottom = bandTop + (box.br().y - 0.5) / dpi;
        return QPolygonF({sheet.Pixel(left, top), sheet.Pixel(right, top), sheet.Pixel(right, bottom),
                          sheet.Pixel(left, bottom)});
    };
    std::vector<cv::Point2d> baselines;
    for (const Group &group : characters) {
        const int pad = 3;
        const cv::Rect box = (group.box + cv::Size(2 * pad, 2 * pad) - cv::Point(pad, pad)) & cv::Rect(0, 0, ink.cols, ink.rows);
        cv::Mat own = cv::Mat::zeros(box.size(), CV_8UC1);
        for (int label : group.labels)
            own |= labels(box) == label;
        cv::dilate(own, own, cv::getStructuringElement(cv::MORPH_ELLIPSE, {2 * pad + 1, 2 * pad + 1}));
        cv::Mat character = cv::Mat::zeros(box.size(), CV_32F);
        ink(box).copyTo(character, own);
        GaugeCharacter read;
        read.letter = u'?';
        const FaceShape *best = nullptr;
        for (const FaceShape &shape : shapes) {
            const int w = std::max(character.cols, shape.ink.cols + 4), h = std::max(character.rows, shape.ink.rows + 4);
            if (shape.ink.cols > 1.5 * group.box.width + 4 || shape.ink.rows > 1.5 * group.box.height + 4
                || group.box.width > 1.5 * shape.ink.cols + 4)
                continue;
            cv::Mat padded;
            cv::copyMakeBorder(character, padded, 0, h - character.rows, 0, w - character.cols, cv::BORDER_CONSTANT, 0);
            cv::Mat score;
            cv::matchTemplate(padded, shape.ink, score, cv::TM_CCOEFF_NORMED);
            double most = 0;
            cv::minMaxLoc(score, nullptr, &most);
            if (most > read.match) {
                read.match = most;
                best = &shape;
            }
        }
        const cv::Point2d centre = InkCentre(character) + cv::Point2d(box.x, box.y);
        const double u = u0 + centre.x / dpi, v = bandTop + centre.y / sheet.dpiY;
        const double toRight = best ? best->centreToRight : 0, toBaseline = best ? best->centreToBaseline : 0;
        if (best && read.match >= LeastMatch)
            read.letter = best->letter;
        read.rightInches = sheet.right.At(v) - (u + toRight);
        read.baselineInches = bottomAt(u) - (v + toBaseline);
        read.strokeInches = dpi >= LeastStrokeDpi - 0.5 ? StrokeWidth(character, dpi) : 0;
        baselines.push_back({u, v + toBaseline});
        found.characters.push_back(read);
        found.overlay.characters.push_back(drawn(group.box));
        found.overlay.letters += read.letter;
    }
    // The line's slope against the bottom edge's, rising to the right positive.
    if (baselines.size() >= 2) {
        cv::Vec4d line;
        std::vector<cv::Point2f> points(baselines.begin(), baselines.end());
        cv::fitLine(points, line, cv::DIST_L2, 0, 0.01, 0.01);
        const double slope = line[1] / line[0];
        const double edgeSlope = bottomIsPaper ? sheet.bottom.b : sheet.top.b;
        found.skewDegrees = -(std::atan(slope) - std::atan(edgeSlope)) * 180 / CV_PI;
        const auto along = [&](double u) { return sheet.Pixel(u, line[3] + slope * (u - line[2])); };
        // From the first character's left side to the last one's right.
        found.overlay.baseline = QLineF(along(u0 + (characters.front().box.x - 0.5) / dpi),
                                        along(u0 + (characters.back().box.br().x - 0.5) / dpi));
    }
    for (const Group &group : marks) {
        cv::Mat own = cv::Mat::zeros(group.box.size(), CV_8UC1);
        for (int label : group.labels)
            own |= labels(group.box) == label;
        cv::Mat inked = cv::Mat::zeros(group.box.size(), CV_32F);
        ink(group.box).copyTo(inked, own);
        const double area = cv::sum(inked)[0] / (dpi * dpi);
        GaugeMark mark;
        const double u = u0 + (group.box.x + group.box.width / 2.0) / dpi;
        const double v = bandTop + (group.box.y + group.box.height / 2.0) / dpi;
        mark.rightInches = sheet.right.At(v) - u;
        mark.upInches = bottomAt(u) - v;
        // A small spot's size from its ink, which blur does not change.
        const double across = 2 * std::sqrt(area / CV_PI);
        if (across < LeastMarkInches)
            continue;
        mark.widthInches = std::max(group.box.width - 1, 0) / dpi < 0.02 ? across : group.box.width / dpi;
        mark.heightInches = std::max(group.box.height - 1, 0) / dpi < 0.02 ? across : group.box.height / dpi;
        found.marks.push_back(mark);
        found.overlay.marks.push_back(drawn(group.box));
    }
    return found;
}
