#pragma once

#include "answers/MicrLine.h"

#include <QTextStream>

// The line to type, its fields, its faults and where it goes on a cheque
// `chequeWidth` inches wide, as text or one JSON object; the exit status,
// Done with no fault.
// Done with no fault, on `out`.
int ReportMicrLine(QTextStream &out, const MicrLine &composed, double chequeWidth, bool json);
