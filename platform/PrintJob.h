#pragma once

#include "answers/PrinterScaling.h"
#include "pages/PrintableArea.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

class QPrintDialog;
class QPrinter;

namespace Platform {

// Asks CUPS to print the job exactly as drawn. When the page size differs
// from the queue's media, CUPS's pdftopdf filter scales the page to fit by
// default (a Letter page on an A4 queue comes out 6 % larger), which would
// ruin a page that is measured with a ruler; fit-to-page=false does not
// stop it, print-scaling=none does. Qt 6.4 has no public API for job
// options: they travel in the CUPS print engine's private options property,
// which the print dialog also fills, so the option is added to its list.
void PrintWithoutScaling(QPrinter &printer);

// Pins every job option that changes a page's geometry, whatever the
// queue's defaults: one page per sheet, portrait, not mirrored, all pages,
// no fit to page, no scaling, the whole document, on the queue's own
// media. Copies and duplex stay as they are. Returns what the user had
// chosen in the print dialog that this overrides, one sentence each.
QStringList PinPageGeometry(QPrinter &printer);

// Lays the job out on the paper the printer has: its default media, unless
// the user picked another paper in the print dialog (the page size is no
// longer `beforeDialog`). A page size the printer lacks is what makes CUPS
// rescale or ask for other paper.
void UsePrinterMedia(QPrinter &printer, const QPageSize &beforeDialog);

// Has the print dialog offer `queue` when it next opens, as if the user
// had picked it. Qt's dialog lists the system's default printer first
// whatever its printer names, once it was made with a file name for "Print
// to File"; nothing when the dialog does not list the queue.
void OfferPrinter(QPrintDialog &dialog, const QString &queue);

// Why the printer cannot take a job now, or an empty text when it can:
// the print system is not running, the queue is gone, stopped or refusing
// jobs. Qt would hand the job over regardless and report nothing, and a
// stopped queue would keep the page until someone restarts it.
QString PrinterProblem(const QPrinter &printer);

// What the queue leaves unprinted at each edge of the job's paper, as CUPS
// says it: a PPD's ImageableArea, or a driverless printer's own
// media-*-margin. Nothing when the print system cannot say (a file, no
// libcups, a paper the queue does not list).
std::optional<PaperMargins> QueueMargins(const QPrinter &printer);

// What the queue's printer does with a page's size by itself, asked of the
// printer (IPP Get-Printer-Attributes) at the queue's ipp:// or ipps://
// device URI, as driverless queues have: whether it takes PDF, its
// print-scaling default and choices, and its web page. Nothing for a file, another kind of
// queue or a printer that does not answer within seconds.
std::optional<PrinterScaling> DriverlessScaling(const QPrinter &printer);

// Hands the PDF file `pdf` to the printer's queue as Qt's CUPS print
// engine hands it its own: with the page's media, copies, collation, sides
// and the job's CUPS options, titled with the document's name. Empty when
// the queue took the job; otherwise what CUPS said.
QString SubmitPdf(const QPrinter &printer, const QString &pdf);

} // namespace Platform
