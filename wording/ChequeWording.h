#pragma once

#include "answers/ChequeCheck.h"
#include "wording/Wording.h"
#include <QJsonObject>

// A cheque file's answer in words, and as JSON.
namespace Wording {

// The answer to a cheque file, a line each, as `cheque FILE` prints it
// and the Check File window shows it.
QStringList ChequeCheckLines(For audience, const ChequeCheck &check);
// One finding, a sentence; for a script, in the words its JSON has
// always had.
QString ChequeFault(For audience, const ChequeCheck &check, const ChequeFinding &finding);
// Why a cheque file could not be read, naming it.
QString ChequeFileUnread(For audience, const ChequeFileProblem &problem);
// Whose model a printer's is: "printer Office, calibrated for Line 3".
QString PrinterModelSource(For audience, const PrinterModel &model);

} // namespace Wording

// The answer as one JSON object, the same in every locale: `faults` in the
// words scripts have always read, and `findings` beside them, a code each.
// ChequeCheckLines words it for a person.
QJsonObject ChequeCheckJson(const ChequeCheck &check);
