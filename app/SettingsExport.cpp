#include "SettingsExport.h"

#include "calibration/PrinterProfiles.h"

#include <QSaveFile>

#include <cstdio>

namespace {

void Say(const QString &message)
{
    std::fprintf(stderr, "micr-calibration-page: %s\n", qPrintable(message));
}

} // namespace

int ExportSettings(const SettingsRequest &request)
{
    SettingsInputs inputs;
    if (!request.printer.isEmpty()) {
        QString problem;
        const std::optional<PrinterProfile> profile = PrinterProfiles().Find(request.printer, &problem);
        if (!problem.isEmpty())
            Say(problem);
        if (!profile) {
            Say(QStringLiteral("no printer \"%1\" is remembered: print a page on it from the wizard first, or give "
                               "--line N for the face alone (the profiles command lists the printers)")
                    .arg(request.printer));
            return 1;
        }
        inputs = InputsForProfile(*profile, request.layout);
    } else {
        inputs = InputsForLine(request.layout.line, request.layout.weight, request.layout);
    }

    const ChequeProgramSettings settings = SettingsFor(request.program, inputs);
    if (!settings.ok) {
        for (const QString &note : settings.notes)
            Say(note);
        return 1;
    }
    const QByteArray text = settings.text.toUtf8();
    if (request.output.isEmpty()) {
        std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
        std::fflush(stdout);
    } else {
        QSaveFile file(request.output);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
            Say(QStringLiteral("could not write %1: %2").arg(request.output, file.errorString()));
            return 1;
        }
    }
    for (const QString &note : settings.notes)
        std::fprintf(stderr, "%s\n", qPrintable(note));
    return 0;
}
