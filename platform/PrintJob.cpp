#include "PrintJob.h"

#include <QLibrary>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <cups/cups.h>

#include <type_traits>

namespace Platform {

namespace {
// QCupsPrintEngine's PPK_CupsOptions: a flat list of option, value pairs.
constexpr auto CupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// libcups, loaded when a printer is first checked rather than at start-up:
// it brings GnuTLS, Kerberos and Avahi, whose loading was the largest part
// of the program's start-up. Qt's print plugin loads it for the print
// dialog in any case.
struct CupsFunctions
{
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsServer) server = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpClose) close = nullptr;

    // Null when libcups cannot be loaded.
    static const CupsFunctions *Load()
    {
        static const CupsFunctions functions = [] {
            CupsFunctions loaded;
            QLibrary library(QStringLiteral("cups"), 2);
            if (!library.load())
                return loaded;
            auto resolve = [&library](auto &function, const char *name) {
                function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
                return function != nullptr;
            };
            const bool complete = resolve(loaded.getNamedDest, "cupsGetNamedDest")
                && resolve(loaded.freeDests, "cupsFreeDests") && resolve(loaded.getOption, "cupsGetOption")
                && resolve(loaded.server, "cupsServer") && resolve(loaded.encryption, "cupsEncryption")
                && resolve(loaded.port, "ippPort") && resolve(loaded.connect, "httpConnect2")
                && resolve(loaded.close, "httpClose");
            if (!complete)
                loaded.getNamedDest = nullptr;
            return loaded;
        }();
        return functions.getNamedDest ? &functions : nullptr;
    }
};
} // namespace

void PrintWithoutScaling(QPrinter &printer)
{
    QPrintEngine *engine = printer.printEngine();
    if (!engine)
        return;
    QStringList options = engine->property(CupsOptionsProperty).toStringList();
    const qsizetype at = options.indexOf(QStringLiteral("print-scaling"));
    if (at >= 0 && at % 2 == 0 && at + 1 < options.size())
        options[at + 1] = QStringLiteral("none");
    else
        options << QStringLiteral("print-scaling") << QStringLiteral("none");
    engine->setProperty(CupsOptionsProperty, options);
}

QString PrinterProblem(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty())
        return {};
    const CupsFunctions *cups = CupsFunctions::Load();
    if (!cups)
        return {}; // nothing to ask: Qt reports what it can
    const QByteArray name = printer.printerName().toLocal8Bit();
    cups_dest_t *dest = cups->getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest) {
        // libcups says "not found" whether the queue or the whole scheduler
        // is missing: a connection tells which.
        http_t *scheduler = cups->connect(cups->server(), cups->port(), nullptr, AF_UNSPEC, cups->encryption(), 1,
                                          5000, nullptr);
        if (!scheduler)
            return QStringLiteral("The print system (CUPS) cannot be reached at %1. Start it, then print "
                                  "the calibration page again")
                .arg(QString::fromLocal8Bit(cups->server()));
        cups->close(scheduler);
        return QStringLiteral("The printer \"%1\" does not exist any more. Choose another printer")
            .arg(printer.printerName());
    }
    QString problem;
    const char *accepting = cups->getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = cups->getOption("printer-state", dest->num_options, dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        problem = QStringLiteral("The printer \"%1\" is not accepting jobs. Ask whoever runs it to let it "
                                 "accept jobs, or choose another printer")
                      .arg(printer.printerName());
    else if (state && qstrcmp(state, "5") == 0)
        problem = QStringLiteral("The printer \"%1\" is stopped, so the page would wait in its queue. "
                                 "Resume the printer, or choose another one")
                      .arg(printer.printerName());
    cups->freeDests(1, dest);
    return problem;
}

void UsePrinterMedia(QPrinter &printer, const QPageSize &beforeDialog)
{
    if (!printer.pageLayout().pageSize().isEquivalentTo(beforeDialog))
        return;
    const QPageSize media = QPrinterInfo(printer).defaultPageSize();
    if (media.isValid())
        printer.setPageSize(media);
}

} // namespace Platform
