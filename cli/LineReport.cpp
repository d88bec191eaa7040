#include "LineReport.h"

#include "Command.h"

#include "answers/Readings.h"
#include "wording/Wording.h"
#include "wording/LineWording.h"
#include "wording/ReadingWording.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

int ReportMicrLine(QTextStream &out, const MicrLine &composed, double chequeWidth, bool json)
{
    if (json) {
        PrintJson(out, QJsonDocument(MicrLineAsJson(composed, chequeWidth)));
    } else {
        const auto say = [&out](const QString &line) { out << line << '\n'; };
        // The two forms of the line one above the other, their characters
        // in the same columns in every language.
        const QString letters = QCoreApplication::translate("Exporter", "Type (letters):");
        const QString punctuation = QCoreApplication::translate("Exporter", "Type (punctuation):");
        const qsizetype labels = std::max(letters.size(), punctuation.size()) + 1;
        say(letters.leftJustified(labels) + composed.letters);
        say(punctuation.leftJustified(labels) + composed.punctuation);
        say(QCoreApplication::translate("Exporter", "Positions %1 to %2").arg(composed.FirstPosition()).arg(composed.lastPosition));
        for (const MicrField &field : composed.fields)
            say(QStringLiteral("  %1 %2-%3  %4")
                    .arg(Wording::FieldName(Wording::For::Reader, field.name).leftJustified(26))
                    .arg(field.first, 2)
                    .arg(QString::number(field.last).leftJustified(2), field.text));
        say(QCoreApplication::translate("Exporter", "Left end: %1 from the check's left edge (a check %2 in wide); "
                                                    "baseline: %3 above its bottom edge")
                .arg(FormatLength(MicrLineLeftInches(composed, chequeWidth)),
                     QLocale().toString(chequeWidth, 'f', 3), FormatLength(MicrLineBaselineInches())));
        if (composed.faults.empty())
            say(QCoreApplication::translate("Exporter", "No faults."));
        for (const QString &fault : Wording::LineFaults(Wording::For::Reader, composed.faults))
            say(QCoreApplication::translate("Exporter", "Fault: %1").arg(fault));
    }
    return composed.faults.empty() ? Done : Failed;
}

