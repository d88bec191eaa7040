#pragma once

#include "answers/MicrLine.h"
#include "wording/Wording.h"
#include <QJsonArray>
#include <QJsonObject>

// The user's MICR line: its faults in words, and the line as JSON.
namespace Wording {

// A fault of the user's MICR line as one sentence; every fault, one a
// sentence, in their order.
QString LineFault(For audience, const MicrLineFault &fault);
QStringList LineFaults(For audience, const MicrLineFaults &faults);

} // namespace Wording

// The line for scripts, as one JSON object: `text` (letters) and
// `punctuation`, `fields` (each one's `name`, `first` and `last` position
// and `text`), `faults` in words, `fault_codes` beside them (one object a
// fault, in the same order: `code`, `field`, `first`, `last`), and where it goes on a cheque `chequeWidth` inches
// wide: `left_in` and `baseline_in`.
QJsonObject MicrLineAsJson(const MicrLine &line, double chequeWidth);
// The faults' `fault_codes`, for any answer that carries them.
QJsonArray MicrFaultCodesAsJson(const MicrLineFaults &faults);
