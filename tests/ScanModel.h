#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

#include <opencv2/core.hpp>

#include <cmath>

// A model of a page printed and scanned: the printer scales, shifts and
// skews the page on its paper, spreads the toner and may leave spots; the
// scanner turns the paper on the glass, samples it at its resolution, blurs
// it, adds noise and may save it as JPEG, against a dark or white lid.

struct Printer
{
    double sx = 1, sy = 1, ox = 0, oy = 0, skewDegrees = 0;
    // Toner spread: each stroke grows by this much, in inches.
    double spread = 0;
    // The paper point a page point lands on, in inches.
    cv::Point2d Map(cv::Point2d p) const
    {
        const double a = skewDegrees * CV_PI / 180;
        const double x = sx * p.x, y = sy * p.y;
        return {std::cos(a) * x - std::sin(a) * y + ox, std::sin(a) * x + std::cos(a) * y + oy};
    }
};

struct Scanner
{
    int dpi = 600;
    double turnDegrees = 0;
    bool darkLid = true;
    bool jpeg = false;
};

// The page files are drawn at this resolution.
inline constexpr int DrawnDpi = 600;

// Where the paper's point `inches` (from its top-left corner) lands in the
// scan `scanner` makes of paper `paper` inches, in the scan's pixels.
cv::Point2d ScannedPixel(QSizeF paper, const Scanner &scanner, cv::Point2d inches);

// A page file the exporter wrote, in grey.
cv::Mat DrawnPage(const QString &path);
// The page printed by `printer` on paper `paper` inches, with round spots
// of toner (centre x, y and diameter in inches), and scanned by `scanner`.
QImage PrintAndScan(cv::Mat page, QSizeF paper, const Printer &printer, const Scanner &scanner,
                    const std::vector<cv::Vec3d> &spots = {});
// A sheet of paper `paper` inches, blank but for a MICR line `text` in
// `face` at 10 points whose last advance ends `right` inches from the
// paper's left edge, on the baseline `baseline` inches below its top edge.
cv::Mat DrawnCheque(QSizeF paper, const QString &face, const QString &text, double right, double baseline);
