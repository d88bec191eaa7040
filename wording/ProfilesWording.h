#pragma once

#include "store/PrinterProfiles.h"
#include "wording/Wording.h"
#include <QJsonArray>

// The printers remembered, and what was wrong with their file.
namespace Wording {

// What was wrong with the printer profiles' file; empty for nothing.
QString ProfilesProblemOf(For audience, const ProfilesProblem &problem);

} // namespace Wording

// Every profile as text, a paragraph each, as `profiles` prints them and
// Export as Text writes them.
QString ProfilesAsText(const QList<PrinterProfile> &profiles);
// The profiles as `profiles --json` gives them.
QJsonArray ProfilesAsJson(const QList<PrinterProfile> &profiles);
