#pragma once

#include "answers/PlacementLayout.h"
#include "answers/Readings.h"
#include "standard/MicrFaceTable.h"
#include "wording/Wording.h"

#include <QString>

// Pieces the subjects' sentences share: figures as shown, limits, faces,
// cheques and stocks, in the audience's words.
namespace Wording::Parts {

// A figure as shown, rounded once (ShownFigure), in the audience's numbers.
QString Shown(For audience, double value, int decimals);
// "+0.004": a figure that shows as zero has no sign.
QString Signed(For audience, double value, int decimals);
// "0.25", "7", "2.5": a limit as people write it.
QString Limit(For audience, double inches);
QString FaceName(CalibrationLine line, FontWeightChoice weight);
// "top", "middle" or "bottom", as a sentence names the check.
QString ChequeWord(For audience, ChequePosition position);
// "3-up on Letter, 3.5 in a check".
QString StockWords(For audience, const ChequeStock &stock);
// "the top check", marked for the catalogue.
const char *ChequeOnSheetSource(ChequePosition cheque);

} // namespace Wording::Parts
