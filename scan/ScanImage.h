#pragma once

#include "answers/ScanFindings.h"

#include <QImageReader>

#include <opencv2/core.hpp>

#include <optional>

// A scanned image in grey, with its resolution.
struct ScanImage
{
    cv::Mat gray; // CV_8UC1
    double dpiX = 0;
    double dpiY = 0;
};

// Reads a PNG, TIFF or JPEG file through Qt's image plugins, or the one
// image of a one-page PDF (PdfScanImage). The
// resolution is `dpi` when given, else the file's own; a file that gives
// none, or one too coarse, or too large, or damaged, is refused in *why.
std::optional<ScanImage> LoadScan(const QString &path, std::optional<double> dpi, ScanRefusal *why);
// Why `reader` read nothing, in words the catalogues have.
QString DecoderFault(const QImageReader &reader);
// The same from an image already in memory (the tests' scanner model).
std::optional<ScanImage> ScanFromImage(const QImage &image, std::optional<double> dpi, ScanRefusal *why);
