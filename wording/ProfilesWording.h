#pragma once

#include "store/PrinterProfiles.h"
#include "wording/Wording.h"
#include <QJsonArray>

// The printers remembered, and what was wrong with their file.
namespace Wording {

// What was wrong with the printer profiles' file; empty for nothing.
QString ProfilesProblemOf(For audience, const ProfilesProblem &problem);

// A remembered calibration's verdict (an AssessmentVerdictKey) in a word
// or two: "good", "out of tolerance".
QString StoredVerdict(For audience, const QString &key);

} // namespace Wording

// Every profile as text, a paragraph each, as `profiles` prints them and
// Export as Text writes them, for a person in their language.
QString ProfilesAsText(const QList<PrinterProfile> &profiles);
// The profiles as `profiles --json` gives them.
QJsonArray ProfilesAsJson(const QList<PrinterProfile> &profiles);
