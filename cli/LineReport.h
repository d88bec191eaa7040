#pragma once

#include "answers/MicrLine.h"

// The line to type, its fields, its faults and where it goes on a cheque
// `chequeWidth` inches wide, as text or one JSON object; the exit status,
// Done with no fault.
int ReportMicrLine(const MicrLine &composed, double chequeWidth, bool json);
