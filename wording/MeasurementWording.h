#pragma once

#include "answers/Measurement.h"
#include "wording/Wording.h"
#include <QJsonObject>

// The calibration readings' verdicts in words, and as JSON.
namespace Wording {

// A line's verdict with its limit: "good (within 0.015 in)".
QString VerdictOf(For audience, Verdict verdict);
// The verdict on the whole set of readings, or why no face is named.
QString AssessmentVerdictOf(For audience, const Assessment &assessment);
// A printer that no face suits, between two faces' tolerance windows:
// each side is a line and its length; a side of line 0 is left out.
QString BetweenFaces(For audience, CalibrationLine shorter, double shorterInches, CalibrationLine longer,
                            double longerInches, FontWeightChoice weight);
// One line's length and verdict, short enough for the wizard's step 3:
// a line out of tolerance, or readings that name no face, start "Not
// calibrated: " and say which line would do.
QString LineSummary(For audience, const Assessment &assessment, CalibrationLine line);
// What the user is to do about it: confirm a predicted line, measure
// again, print at 100 %, or choose between two faces.
QStringList Advice(For audience, const Assessment &assessment, FontWeightChoice weight);

} // namespace Wording

// The assessment for scripts, as one JSON object: `line` and `face` (null
// unless usable), `face_installed` (null unless usable), `residual_in`,
// `verdict` (AssessmentVerdictKey), `scale` (as shown, to 0.1 %; null
// without one) and `lines`, each line's `line`, `length_in` (null
QJsonObject AssessmentAsJson(const Assessment &assessment, FontWeightChoice weight);
