// Writes one printer's profile again and again, as a running wizard would:
//   profile_writer FILE QUEUE TIMES
// Two of these at once must leave a file that reads back whole.
#include "store/PrinterProfiles.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    const PrinterProfiles profiles(arguments[1]);
    PrinterProfile profile;
    profile.queue = arguments[2];
    for (int round = 0; round < arguments[3].toInt(); ++round) {
        MeasurementRecord measured;
        measured.readings[2] = 6.95 + 0.001 * (round % 90);
        measured.line = 3;
        measured.verdict = QStringLiteral("good");
        measured.taken = QDateTime::currentDateTimeUtc();
        profile.line = 1 + round % 5;
        profile.measurement = measured;
        QString error;
        if (!profiles.Save(profile, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
