// The wizard window's printers: the print dialogs, each made on first use,
// and the session following the printer pages go to.
#include "Micr.h"

#include "platform/ErrorBox.h"
#include "platform/PrintJob.h"
#include "platform/PrintRun.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

std::unique_ptr<QPrintDialog> TForm1::MakePrintDialog(QPrinter &printer, const QString &fileName)
{
    // "Print to File" offers the file the printer names when the dialog is
    // made; without one, Qt offers a folder on some platforms, and printing
    // to it fails. The printer goes back to the system's printers once the
    // dialog has taken the name.
    const QString queue = printer.printerName();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    printer.setOutputFileName(QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath(fileName));
    auto dialog = std::make_unique<QPrintDialog>(&printer, this);
    printer.setOutputFileName(QString());
    if (!queue.isEmpty())
        printer.setPrinterName(queue);
    return dialog;
}

QPrintDialog *TForm1::PrintDialog1()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printDialog_)
        printDialog_ = MakePrintDialog(*printer_, QStringLiteral("calibration-page.pdf"));
    return printDialog_.get();
}

QPrintDialog *TForm1::PlacementPrintDialog()
{
    // A printer of its own: a printer chosen for the placement page changes
    // neither the calibration page's printer nor whose profile step 2 and
    // step 3 show. It is offered the printer the calibration page went to.
    if (!placementPrinter_)
        placementPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!placementPrintDialog_)
        placementPrintDialog_ = MakePrintDialog(*placementPrinter_, QStringLiteral("placement-page.pdf"));
    Platform::OfferPrinter(*placementPrintDialog_, PrinterQueue());
    return placementPrintDialog_.get();
}

QString TForm1::PrinterQueue() const
{
    if (!printer_)
        return QPrinterInfo::defaultPrinterName();
    return printer_->outputFileName().isEmpty() ? printer_->printerName() : QString();
}

void TForm1::FollowPrinter(bool printed)
{
    const QString queue = PrinterQueue();
    if (!printed && session_.Follows(queue))
        return;
    const QString model = QPrinterInfo::printerInfo(queue).makeAndModel();
    if (printed)
        session_.CalibrationPagePrinted(queue, model, PaperStock(queue));
    else
        session_.FollowPrinter(queue, model, PaperStock(queue));
}

ChequeStock TForm1::PaperStock(const QString &queue) const
{
    // The usual stock of the paper the printer has.
    QPageSize paper = QPrinterInfo::printerInfo(queue).defaultPageSize();
    if (queue.isEmpty() && printer_)
        paper = printer_->pageLayout().pageSize();
    return paper.isValid() ? StockForPaper(paper.size(QPageSize::Millimeter).height() / MillimetresPerInch)
                           : LetterStock();
}

std::function<bool(const PlacementLayout &)> TForm1::PlacementPagePrinter()
{
    return [this](const PlacementLayout &layout) {
        bool printed = false;
        Platform::ShowingErrors(
            [this, &layout, &printed] { printed = PrintPlacementPage(*PlacementPrintDialog(), layout); });
        // The readings taken from this page are the printer's it went to; a
        // file leaves them with the calibration page's printer.
        if (printed && placementPrinter_->outputFileName().isEmpty())
            session_.PlacementPagePrinted(placementPrinter_->printerName(),
                                          QPrinterInfo::printerInfo(placementPrinter_->printerName()).makeAndModel());
        return printed;
    };
}
