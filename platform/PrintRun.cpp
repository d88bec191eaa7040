#include "PrintRun.h"

#include "ErrorBox.h"
#include "PrintJob.h"
#include "calibration/CalibrationPage.h"
#include "calibration/PageExport.h"
#include "calibration/PainterCanvas.h"
#include "calibration/PlacementPage.h"

#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <stdexcept>

namespace {

// The printer's canvas font lives as long as the printer does.
CanvasFont &PrinterCanvasFont()
{
    static CanvasFont font;
    return font;
}

// A page printed in a face that is not installed measures the stand-in
// face, not the user's MICR font. Says so and lets the user decide.
bool ConfirmMissingMicrFaces(QWidget *parent)
{
    const QStringList missing = MissingMicrFaces();
    if (missing.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Warning, Platform::ApplicationTitle(),
                    QStringLiteral("These MICR fonts are not installed: %1.")
                        .arg(missing.join(QStringLiteral(", "))),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MissingFacesBox"));
    box.setInformativeText(QStringLiteral(
        "Their sample lines would be printed in another font and cannot be measured. "
        "Install the MICR fonts, then print the calibration page again."));
    QPushButton *printAnyway = box.addButton(QStringLiteral("Print Anyway"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == printAnyway;
}

// Says which print dialog choices the page overrides, and why; the user
// prints it 1:1 or cancels.
bool ConfirmOverrides(QWidget *parent, const QStringList &overridden)
{
    QMessageBox box(QMessageBox::Information, Platform::ApplicationTitle(),
                    QStringLiteral("The page is printed exactly as drawn, so these print dialog choices are not "
                                   "used:"),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("OverriddenChoicesBox"));
    box.setInformativeText(overridden.join(QLatin1Char('\n')));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

class PrintFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace

namespace {

// The dialog part of a print run: the missing-face warning, the print
// dialog and the printer's checks. Returns the printer set up for the job,
// or null when the user cancelled.
QPrinter *ChoosePrinter(QPrintDialog &dialog)
{
    if (!ConfirmMissingMicrFaces(dialog.parentWidget()))
        return nullptr;
    const QPageSize pageSizeBeforeDialog = dialog.printer()->pageLayout().pageSize();
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;

    QPrinter &printer = *dialog.printer();
    // Nothing is handed to a printer that cannot print it.
    const QString problem = Platform::PrinterProblem(printer);
    if (!problem.isEmpty())
        throw PrintFailure(problem.toStdString());
    printer.setDocName(QString());
    Platform::UsePrinterMedia(printer, pageSizeBeforeDialog);
    // What the dialog chose against the page's geometry is undone, and the
    // user told before anything is printed.
    const QStringList overridden = Platform::PinPageGeometry(printer);
    if (!overridden.isEmpty() && !ConfirmOverrides(dialog.parentWidget(), overridden))
        return nullptr;
    return &printer;
}

// Begins the job, draws, ends it; a failure aborts the job and is thrown.
// Every page is drawn from the paper's corner, as the exporter draws its
// files: the printable area's corner depends on the queue's margins, on
// Qt's own default margins and on whatever the printer's last job left in
// its page layout, so a page placed from it moves from printer to printer
// and from one job to the next.
template <class Draw> void PrintPage(QPrinter &printer, const QString &pageName, Draw &&draw)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                  : printer.outputFileName();
        throw PrintFailure(QStringLiteral("Cannot print the %1 on \"%2\": the printer did not accept the job")
                               .arg(pageName, where)
                               .toStdString());
    }
    try {
        draw(painter);
    } catch (...) {
        // Nothing half-drawn goes to the printer.
        printer.abort();
        painter.end();
        throw;
    }
    if (!painter.end())
        throw PrintFailure(QStringLiteral("The %1 could not be sent to the printer").arg(pageName).toStdString());
}

} // namespace

bool PrintCalibrationPage(QPrintDialog &dialog, FontWeightChoice weight)
{
    QPrinter *printer = ChoosePrinter(dialog);
    if (printer)
        PrintCalibrationPageOn(*printer, weight);
    return printer != nullptr;
}

bool PrintPlacementPage(QPrintDialog &dialog, const PlacementLayout &layout)
{
    QPrinter *printer = ChoosePrinter(dialog);
    if (printer)
        PrintPlacementPageOn(*printer, layout);
    return printer != nullptr;
}

void PrintPlacementPageOn(QPrinter &printer, PlacementLayout layout)
{
    // Named in the queue, unlike the calibration page.
    printer.setDocName(QStringLiteral("MICR placement page"));
    // Millimetres, which Qt keeps exact for both papers; its points and
    // inches are rounded.
    layout.paperInches = printer.pageLayout().fullRect(QPageLayout::Millimeter).size() / 25.4;
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    PrintPage(printer, QStringLiteral("placement page"), [&](QPainter &painter) {
        PainterCanvas canvas(painter, dpiX, dpiY, PrinterCanvasFont());
        DrawPlacementPage(canvas, layout, dpiX, dpiY);
    });
}

void PrintCalibrationPageOn(QPrinter &printer, FontWeightChoice weight)
{
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const PageUnits units = ComputePageUnits(dpiX, dpiY);
    printer.setDocName(QString());
    PrintPage(printer, QStringLiteral("calibration page"), [&](QPainter &painter) {
        painter.translate(ExportOriginInches * dpiX, ExportOriginInches * dpiY);
        PainterCanvas canvas(painter, dpiX, dpiY, PrinterCanvasFont());
        DrawCalibrationPage(canvas, units, [weight] { return weight; });
    });
}
