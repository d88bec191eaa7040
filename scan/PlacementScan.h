#pragma once

#include "answers/PlacementCheck.h"
#include "answers/ScanFindings.h"
#include "scan/Sheet.h"

#include <optional>

// The placement page printed with `layout`, measured on its scan as a
// ruler measures it: the bars from first tick to last, position 1's long
// tick from the paper's right edge, the baseline rule from the cheque's
// bottom edge and from the paper's top edge. Refuses, in *why, a page
// upside down and a page that is not the placement page for `layout`.
std::optional<PlacementFound> MeasurePlacement(const ScanImage &scan, const Sheet &sheet,
                                               const PlacementLayout &layout, ScanRefusal *why);
