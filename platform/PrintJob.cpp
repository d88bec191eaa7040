#include "PrintJob.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <cups/cups.h>

namespace Platform {

namespace {
// QCupsPrintEngine's PPK_CupsOptions: a flat list of option, value pairs.
constexpr auto CupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);
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
    const QByteArray name = printer.printerName().toLocal8Bit();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest) {
        // libcups says "not found" whether the queue or the whole scheduler
        // is missing: a connection tells which.
        http_t *scheduler = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                         5000, nullptr);
        if (!scheduler)
            return QStringLiteral("The print system (CUPS) cannot be reached at %1. Start it, then print "
                                  "the calibration page again")
                .arg(QString::fromLocal8Bit(cupsServer()));
        httpClose(scheduler);
        return QStringLiteral("The printer \"%1\" does not exist any more. Choose another printer")
            .arg(printer.printerName());
    }
    QString problem;
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        problem = QStringLiteral("The printer \"%1\" is not accepting jobs. Ask whoever runs it to let it "
                                 "accept jobs, or choose another printer")
                      .arg(printer.printerName());
    else if (state && qstrcmp(state, "5") == 0)
        problem = QStringLiteral("The printer \"%1\" is stopped, so the page would wait in its queue. "
                                 "Resume the printer, or choose another one")
                      .arg(printer.printerName());
    cupsFreeDests(1, dest);
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
