#pragma once

#include "answers/PrinterProfile.h"
#include "store/ProfilesProblem.h"

#include <QList>
#include <QSettings>
#include <QString>

#include <optional>

// One printer's group of the profiles' file: its name, every value written,
// and read back with values out of range dropped.

// "standard" or "bold", as the file and JSON name a weight.
QString WeightName(FontWeightChoice weight);

// A queue's group: its name percent-encoded, so that "/" (QSettings' group
// separator), "%" and any other character stay the queue's own; the name
// itself is kept as it is under "queue".
QString GroupOf(const QString &queue);

// Every value of a profile, in its group.
void WriteProfile(QSettings &settings, const PrinterProfile &profile);

// One printer's group; what is missing or wrong in it is said in `dropped`.
// None when the group lacks what every profile has, or was cut short.
std::optional<PrinterProfile> ReadGroup(QSettings &settings, const QString &group, bool cutShort,
                                        QList<ProfilesProblem::Dropped> &dropped);
