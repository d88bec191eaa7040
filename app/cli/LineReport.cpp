#include "LineReport.h"

#include "Command.h"

#include "calibration/Readings.h"
#include "calibration/Wording.h"

#include <cstdio>

int ReportMicrLine(const MicrLine &composed, double chequeWidth, bool json)
{
    if (json) {
        PrintJson(QJsonDocument(MicrLineAsJson(composed, chequeWidth)));
    } else {
        std::printf("Type (letters):     %s\n", qPrintable(composed.letters));
        std::printf("Type (punctuation): %s\n", qPrintable(composed.punctuation));
        std::printf("Positions %d to %d\n", composed.FirstPosition(), composed.lastPosition);
        for (const MicrField &field : composed.fields)
            std::printf("  %-26s %2d-%-2d  %s\n", qPrintable(field.name), field.first, field.last,
                        qPrintable(field.text));
        std::printf("Left end: %s from the cheque's left edge (a cheque %.3f in wide); baseline: %s above its "
                    "bottom edge\n",
                    qPrintable(FormatLength(MicrLineLeftInches(composed, chequeWidth))), chequeWidth,
                    qPrintable(FormatLength(MicrLineBaselineInches())));
        if (composed.faults.empty())
            std::printf("No faults.\n");
        for (const QString &fault : Wording::LineFaults(Wording::For::Reader, composed.faults))
            std::printf("Fault: %s\n", qPrintable(fault));
    }
    return composed.faults.empty() ? Done : Failed;
}

