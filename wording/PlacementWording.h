#pragma once

#include "answers/PlacementCheck.h"
#include "wording/Wording.h"
#include <QJsonObject>

// The placement page's readings answered in words, and as JSON.
namespace Wording {

// The placement page's readings: the scales with their verdict, where
// the line landed and the correction to enter; the last line says what
// the exit status says: fine, or what to do next.
QStringList Placement(For audience, const PlacementLayout &layout, const PlacementResult &result);

} // namespace Wording

// The answer for scripts, every number the figure Wording shows:
// scale, scale_y, scale_verdict, line_for_scale, between_lines, problem,
// move_right_in, move_up_in (null where no move is offered),
// applied_right_in, applied_up_in, total_right_in, total_up_in and
// within_tolerance (true exactly when the answer is fine).
QJsonObject PlacementAsJson(const PlacementResult &result);
