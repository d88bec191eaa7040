#pragma once

#include "answers/PrinterScaling.h"

#include <QString>

// What a printer would do to the page by itself, in words.
namespace Wording {

// "The printer "X" fits every page it is sent to its paper by itself ...".
QString ScalesPagesItself(const PrinterScaling &scaling);
// What to change on the printer, and where, for the page to print at 100 %.
QString HowToStopScaling(const PrinterScaling &scaling);

} // namespace Wording
