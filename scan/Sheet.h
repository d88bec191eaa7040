#pragma once

#include "answers/ScanFindings.h"
#include "scan/ScanImage.h"

#include <opencv2/core.hpp>

#include <optional>
#include <vector>

// An edge of the sheet in the sheet's own frame, in inches: u = a + b·v
// for the sides, v = a + b·u for the top and bottom.
struct SheetEdge
{
    double a = 0;
    double b = 0;
    double At(double along) const { return a + b * along; }
};

// The paper found on the glass. Its frame has the origin at the paper's
// top-left corner, u to the right along the top edge, v down, in inches.
struct Sheet
{
    cv::Point2d origin; // in the image's pixels (pixel centres on integers)
    cv::Point2d ex;     // the unit vector along u, in the image
    cv::Point2d ey;     // along v
    double dpiX = 0;
    double dpiY = 0;
    SheetEdge left, right, top, bottom;
    double paperShade = 255;
    double lidShade = 0;
    ScannedSheet found;

    double Width() const { return found.widthInches; }
    double Height() const { return found.heightInches; }
    // The image's pixel at the sheet's (u, v).
    cv::Point2d ToImage(double u, double v) const { return origin + ex * (u * dpiX) + ey * (v * dpiY); }
    // The same, for drawing over the scan.
    QPointF Pixel(double u, double v) const
    {
        const cv::Point2d p = ToImage(u, v);
        return {p.x, p.y};
    }
    // The paper's corners where its fitted edges meet, clockwise from its
    // top-left, in the image's pixels.
    QPolygonF Corners() const;
    // The same sheet with its frame turned half round: what a page scanned
    // upside down looks like in it.
    Sheet Turned() const;
};

// Finds the paper against a dark or white lid: its four edges, fitted to
// the pixel's fraction, and how far it is turned. Refuses, in *why, a
// blank scan, a sheet whose edges do not all show, and one lying sideways.
std::optional<Sheet> FindSheet(const ScanImage &scan, ScanRefusal *why);

// The sheet's rectangle (u, v, width, height in inches) as ink, turned
// straight, one pixel per scan pixel: 0 on bare paper, 1 where toner
// covers it as the darkest the scan shows (CV_32F).
cv::Mat InkRegion(const ScanImage &scan, const Sheet &sheet, double u, double v, double width, double height);

// The centre of the ink peak at or nearest `index` in `profile` (in the
// profile's steps): the ink-weighted mean over the peak, the background
// under it taken off; none where the profile there is under `least`.
std::optional<double> PeakCentre(const std::vector<double> &profile, int index, double least);
// The mean of `ink` along rows (a profile down) or columns (across).
std::vector<double> Profile(const cv::Mat &ink, bool down);
