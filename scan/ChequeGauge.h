#pragma once

#include "answers/PlacementLayout.h"
#include "answers/ScanFindings.h"
#include "scan/Sheet.h"

#include <opencv2/core.hpp>

#include <optional>
#include <vector>

// One of the face's 14 shapes at the scan's resolution, as ink, and where
// its advance ends and its baseline lies from its ink's centre, in inches.
struct FaceShape
{
    QChar letter;
    cv::Mat ink; // CV_32F, cropped to the glyph's box
    double centreToRight = 0;
    double centreToBaseline = 0;
};

// The face's digits and symbols drawn at MicrPoints and `dpi`; empty when
// the face is not installed.
std::vector<FaceShape> FaceShapes(const QString &family, double dpi);

// The MICR line of the cheque `layout` names on a scanned sheet (or the
// sheet itself, scanned as one cheque): each character recognised among
// `shapes` and placed from the cheque's right and bottom edges, the line's
// skew and the marks in the clear band. Refuses a cheque with no line, and
// one upside down.
std::optional<GaugeFound> GaugeCheque(const ScanImage &scan, const Sheet &sheet, const PlacementLayout &layout,
                                      const std::vector<FaceShape> &shapes, ScanRefusal *why);
