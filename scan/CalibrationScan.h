#pragma once

#include "answers/ScanFindings.h"
#include "scan/Sheet.h"

#include <optional>

// The calibration page measured on its scan as a ruler measures it: each
// sample line from the first mark under it to the last, left edge to left
// edge. Refuses, in *why, a page upside down and a page on which the five
// lines' marks are not all found (another page, or one printed without the
// MICR faces).
std::optional<CalibrationFound> MeasureCalibration(const ScanImage &scan, const Sheet &sheet, ScanRefusal *why);
