#include "PrintJob.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QFile>
#include <QLibrary>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <cups/cups.h>

#include <cmath>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

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
    decltype(&cupsCopyDestInfo) copyDestInfo = nullptr;
    decltype(&cupsFreeDestInfo) freeDestInfo = nullptr;
    decltype(&cupsGetDestMediaBySize) mediaBySize = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&httpSeparateURI) separateUri = nullptr;
    decltype(&httpSetTimeout) setTimeout = nullptr;
    decltype(&ippNewRequest) newRequest = nullptr;
    decltype(&ippAddString) addString = nullptr;
    decltype(&ippAddStrings) addStrings = nullptr;
    decltype(&cupsDoRequest) doRequest = nullptr;
    decltype(&ippFindAttribute) findAttribute = nullptr;
    decltype(&ippFindNextAttribute) findNextAttribute = nullptr;
    decltype(&ippGetCount) count = nullptr;
    decltype(&ippGetString) getString = nullptr;
    decltype(&ippDelete) deleteIpp = nullptr;

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
                && resolve(loaded.close, "httpClose") && resolve(loaded.copyDestInfo, "cupsCopyDestInfo")
                && resolve(loaded.freeDestInfo, "cupsFreeDestInfo")
                && resolve(loaded.mediaBySize, "cupsGetDestMediaBySize")
                && resolve(loaded.printFile, "cupsPrintFile")
                && resolve(loaded.lastErrorString, "cupsLastErrorString")
                && resolve(loaded.separateUri, "httpSeparateURI") && resolve(loaded.setTimeout, "httpSetTimeout")
                && resolve(loaded.newRequest, "ippNewRequest") && resolve(loaded.addString, "ippAddString")
                && resolve(loaded.addStrings, "ippAddStrings") && resolve(loaded.doRequest, "cupsDoRequest")
                && resolve(loaded.findAttribute, "ippFindAttribute")
                && resolve(loaded.findNextAttribute, "ippFindNextAttribute") && resolve(loaded.count, "ippGetCount")
                && resolve(loaded.getString, "ippGetString") && resolve(loaded.deleteIpp, "ippDelete");
            if (!complete)
                loaded.getNamedDest = nullptr;
            return loaded;
        }();
        return functions.getNamedDest ? &functions : nullptr;
    }
};
} // namespace

namespace {

// The job's CUPS options as (name, value) pairs.
class JobOptions
{
public:
    explicit JobOptions(const QPrinter &printer) : engine_(printer.printEngine())
    {
        if (engine_)
            list_ = engine_->property(CupsOptionsProperty).toStringList();
    }

    QString Value(const QString &name) const
    {
        for (qsizetype at = 0; at + 1 < list_.size(); at += 2) {
            if (list_[at] == name)
                return list_[at + 1];
        }
        return {};
    }

    void Set(const QString &name, const QString &value)
    {
        for (qsizetype at = 0; at + 1 < list_.size(); at += 2) {
            if (list_[at] == name) {
                list_[at + 1] = value;
                return;
            }
        }
        list_ << name << value;
    }

    void Remove(const QString &name)
    {
        for (qsizetype at = 0; at + 1 < list_.size(); at += 2) {
            if (list_[at] == name) {
                list_.remove(at, 2);
                return;
            }
        }
    }

    const QStringList &List() const { return list_; }

    void Apply()
    {
        if (engine_)
            engine_->setProperty(CupsOptionsProperty, list_);
    }

private:
    QPrintEngine *engine_;
    QStringList list_;
};

// A job option that changes the page's geometry: its name, the value that
// keeps the page as drawn, and what the user is told when the print dialog
// had chosen another.
struct PinnedOption
{
    const char *name;
    const char *value;
    const char *told;
};

const PinnedOption PinnedOptions[] = {
    {"number-up", "1", QT_TRANSLATE_NOOP("PrintJob", "Pages per sheet: %1. The page is printed one to a sheet, at its own size.")},
    {"page-set", "all", QT_TRANSLATE_NOOP("PrintJob", "Page set: %1. The page is printed whatever the page set.")},
    {"mirror", "false", QT_TRANSLATE_NOOP("PrintJob", "Mirror: %1. The page is printed unmirrored, so that it reads as drawn.")},
    {"orientation-requested", "3", QT_TRANSLATE_NOOP("PrintJob", "Orientation: %1. The page is printed upright (portrait).")},
    {"fit-to-page", "false", QT_TRANSLATE_NOOP("PrintJob", "Fit to page: %1. The page is printed at 100 %.")},
    {"print-scaling", "none", QT_TRANSLATE_NOOP("PrintJob", "Scaling: %1. The page is printed at 100 %.")},
};

// Translated when said, not when the program starts.
QString WhyPinned()
{
    return QLatin1Char(' ')
        + QCoreApplication::translate("PrintJob", "The page is measured with a ruler, so it must print exactly as drawn.");
}

// The CUPS destination `printer` prints to, with libcups in `cups`; none
// for a file, or without libcups or the queue. The caller frees it.
cups_dest_t *QueueDestination(const QPrinter &printer, const CupsFunctions **cups)
{
    if (printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty())
        return nullptr;
    *cups = CupsFunctions::Load();
    if (!*cups)
        return nullptr;
    const QByteArray name = printer.printerName().toLocal8Bit();
    return (*cups)->getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
}

} // namespace

void PrintWithoutScaling(QPrinter &printer)
{
    JobOptions options(printer);
    options.Set(QStringLiteral("print-scaling"), QStringLiteral("none"));
    options.Apply();
}

QStringList PinPageGeometry(QPrinter &printer)
{
    QStringList overridden;
    JobOptions options(printer);
    for (const PinnedOption &pinned : PinnedOptions) {
        const QString name = QLatin1String(pinned.name);
        const QString chosen = options.Value(name);
        if (!chosen.isEmpty() && chosen != QLatin1String(pinned.value))
            overridden << QCoreApplication::translate("PrintJob", pinned.told).arg(chosen) + WhyPinned();
        options.Set(name, QLatin1String(pinned.value));
    }
    // A range is the document's pages to print: the page is the document.
    if (!options.Value(QStringLiteral("page-ranges")).isEmpty() || printer.printRange() != QPrinter::AllPages) {
        if (printer.printRange() != QPrinter::AllPages && !(printer.fromPage() <= 1 && printer.toPage() >= 1))
            overridden << QCoreApplication::translate("PrintJob", "Pages: %1 to %2. The document is one page, printed whole.")
                                  .arg(printer.fromPage())
                                  .arg(printer.toPage())
                    + WhyPinned();
        printer.setPrintRange(QPrinter::AllPages);
        printer.setFromTo(0, 0);
        options.Remove(QStringLiteral("page-ranges"));
    }
    options.Remove(QStringLiteral("landscape"));
    if (printer.pageLayout().orientation() != QPageLayout::Portrait) {
        overridden << QCoreApplication::translate("PrintJob", "Orientation: landscape. The page is printed upright (portrait).") + WhyPinned();
        printer.setPageOrientation(QPageLayout::Portrait);
    }
    const QPageSize media = QPrinterInfo(printer).defaultPageSize();
    if (media.isValid() && !printer.pageLayout().pageSize().isEquivalentTo(media)) {
        overridden << QCoreApplication::translate("PrintJob", "Paper: %1. The page is laid out on the printer's own paper, %2, so that "
                                     "nothing scales it.")
                          .arg(printer.pageLayout().pageSize().name(), media.name())
                    + WhyPinned();
        printer.setPageSize(media);
    }
    options.Apply();
    return overridden;
}

void OfferPrinter(QPrintDialog &dialog, const QString &queue)
{
    // The list of printers in Qt's own dialog, named by its form.
    auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("printers"));
    const int index = printers && !queue.isEmpty() ? printers->findText(queue) : -1;
    if (index >= 0)
        printers->setCurrentIndex(index);
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
            return QCoreApplication::translate("PrintJob", "The print system (CUPS) cannot be reached at %1. Start it, then print "
                                  "the calibration page again")
                .arg(QString::fromLocal8Bit(cups->server()));
        cups->close(scheduler);
        return QCoreApplication::translate("PrintJob", "The printer \"%1\" does not exist any more. Choose another printer")
            .arg(printer.printerName());
    }
    QString problem;
    const char *accepting = cups->getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = cups->getOption("printer-state", dest->num_options, dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        problem = QCoreApplication::translate("PrintJob", "The printer \"%1\" is not accepting jobs. Ask whoever runs it to let it "
                                 "accept jobs, or choose another printer")
                      .arg(printer.printerName());
    else if (state && qstrcmp(state, "5") == 0)
        problem = QCoreApplication::translate("PrintJob", "The printer \"%1\" is stopped, so the page would wait in its queue. "
                                 "Resume the printer, or choose another one")
                      .arg(printer.printerName());
    cups->freeDests(1, dest);
    return problem;
}

std::optional<PaperMargins> QueueMargins(const QPrinter &printer)
{
    const CupsFunctions *cups = nullptr;
    cups_dest_t *dest = QueueDestination(printer, &cups);
    if (!dest)
        return std::nullopt;
    std::optional<PaperMargins> margins;
    if (cups_dinfo_t *info = cups->copyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        // CUPS measures media in hundredths of a millimetre.
        constexpr double PerInch = 2540;
        const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
        cups_size_t size{};
        if (cups->mediaBySize(CUPS_HTTP_DEFAULT, dest, info, int(std::lround(paper.width() * 100)),
                              int(std::lround(paper.height() * 100)), CUPS_MEDIA_FLAGS_DEFAULT, &size))
            margins = PaperMargins{size.left / PerInch, size.top / PerInch, size.right / PerInch,
                                   size.bottom / PerInch};
        cups->freeDestInfo(info);
    }
    cups->freeDests(1, dest);
    return margins;
}

QString SubmitPdf(const QPrinter &printer, const QString &pdf)
{
    const CupsFunctions *cups = CupsFunctions::Load();
    if (!cups)
        return QStringLiteral("libcups");
    // The options Qt's CUPS print engine sends with its own file.
    QList<std::pair<QByteArray, QByteArray>> options;
    options.emplace_back("media", printer.pageLayout().pageSize().key().toLocal8Bit());
    if (printer.copyCount() > 1) {
        options.emplace_back("copies", QByteArray::number(printer.copyCount()));
        if (printer.collateCopies())
            options.emplace_back("Collate", "True");
    }
    const bool portrait = printer.pageLayout().orientation() == QPageLayout::Portrait;
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        options.emplace_back("sides", "one-sided");
        break;
    case QPrinter::DuplexAuto:
        options.emplace_back("sides", portrait ? "two-sided-long-edge" : "two-sided-short-edge");
        break;
    case QPrinter::DuplexLongSide:
        options.emplace_back("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        options.emplace_back("sides", "two-sided-short-edge");
        break;
    }
    if (!portrait)
        options.emplace_back("landscape", "");
    const QStringList jobOptions = JobOptions(printer).List();
    for (qsizetype at = 0; at + 1 < jobOptions.size(); at += 2)
        options.emplace_back(jobOptions[at].toLocal8Bit(), jobOptions[at + 1].toLocal8Bit());
    std::vector<cups_option_t> list;
    for (auto &[name, value] : options)
        list.push_back(cups_option_t{name.data(), value.data()});
    // A queue's instance ("queue/instance") names only its options.
    const QByteArray queue = printer.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray file = QFile::encodeName(pdf);
    const QByteArray title = printer.docName().toLocal8Bit();
    if (cups->printFile(queue.constData(), file.constData(), title.constData(), int(list.size()), list.data()) == 0)
        return QString::fromLocal8Bit(cups->lastErrorString());
    return {};
}

std::optional<PrinterScaling> DriverlessScaling(const QPrinter &printer)
{
    const CupsFunctions *cups = nullptr;
    cups_dest_t *dest = QueueDestination(printer, &cups);
    if (!dest)
        return std::nullopt;
    const QByteArray uri = cups->getOption("device-uri", dest->num_options, dest->options);
    cups->freeDests(1, dest);
    char scheme[32];
    char user[256];
    char host[256];
    char resource[1024];
    int port = 0;
    if (cups->separateUri(HTTP_URI_CODING_ALL, uri.constData(), scheme, sizeof scheme, user, sizeof user, host,
                          sizeof host, &port, resource, sizeof resource)
            < HTTP_URI_STATUS_OK
        || (qstrcmp(scheme, "ipp") != 0 && qstrcmp(scheme, "ipps") != 0))
        return std::nullopt;
    const bool secure = qstrcmp(scheme, "ipps") == 0;
    // A printer that does not answer within seconds is not asked further.
    constexpr int ConnectMs = 3000;
    constexpr double AnswerSeconds = 5;
    http_t *http = cups->connect(host, port, nullptr, AF_UNSPEC,
                                 secure ? HTTP_ENCRYPTION_ALWAYS : HTTP_ENCRYPTION_IF_REQUESTED, 1, ConnectMs, nullptr);
    if (!http)
        return std::nullopt;
    cups->setTimeout(http, AnswerSeconds, nullptr, nullptr);
    ipp_t *request = cups->newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups->addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    const char *const asked[] = {"document-format-supported", "print-scaling-default", "print-scaling-supported",
                                 "printer-more-info"};
    cups->addStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(asked)),
                     nullptr, asked);
    ipp_t *answer = cups->doRequest(http, request, resource);
    cups->close(http);
    if (!answer)
        return std::nullopt;
    auto values = [&](const char *attribute, ipp_tag_t tag) {
        QStringList all;
        for (ipp_attribute_t *found = cups->findAttribute(answer, attribute, tag); found;
             found = cups->findNextAttribute(answer, attribute, tag)) {
            for (int at = 0; at < cups->count(found); ++at)
                all << QString::fromUtf8(cups->getString(found, at, nullptr));
        }
        return all;
    };
    PrinterScaling scaling;
    scaling.printer = printer.printerName();
    scaling.takesPdf = values("document-format-supported", IPP_TAG_ZERO).contains(QStringLiteral("application/pdf"));
    scaling.scalingDefault = values("print-scaling-default", IPP_TAG_ZERO).value(0);
    scaling.scalingSupported = values("print-scaling-supported", IPP_TAG_ZERO);
    // The printer's own page where it names one; its host's otherwise.
    scaling.webPage = values("printer-more-info", IPP_TAG_ZERO).value(0);
    if (scaling.webPage.isEmpty())
        scaling.webPage = QStringLiteral("http://%1/").arg(QString::fromUtf8(host));
    cups->deleteIpp(answer);
    return scaling;
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
