#include "PrintRun.h"

#include "ErrorBox.h"
#include "PrintJob.h"
#include "calibration/CalibrationPage.h"
#include "calibration/PainterCanvas.h"

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

class PrintFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace

void PrintCalibrationPage(QPrintDialog &dialog, FontWeightChoice weight)
{
    if (!ConfirmMissingMicrFaces(dialog.parentWidget()))
        return;
    const QPageSize pageSizeBeforeDialog = dialog.printer()->pageLayout().pageSize();
    if (dialog.exec() != QDialog::Accepted)
        return;

    QPrinter &printer = *dialog.printer();
    // Nothing is handed to a printer that cannot print it.
    const QString problem = Platform::PrinterProblem(printer);
    if (!problem.isEmpty())
        throw PrintFailure(problem.toStdString());
    printer.setDocName(QString());
    Platform::UsePrinterMedia(printer, pageSizeBeforeDialog);
    Platform::PrintWithoutScaling(printer);
    PrintCalibrationPageOn(printer, weight);
}

void PrintCalibrationPageOn(QPrinter &printer, FontWeightChoice weight)
{
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const PageUnits units = ComputePageUnits(dpiX, dpiY);

    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                  : printer.outputFileName();
        throw PrintFailure(QStringLiteral("Cannot print the calibration page on \"%1\": "
                                          "the printer did not accept the job")
                               .arg(where)
                               .toStdString());
    }
    try {
        PainterCanvas canvas(painter, dpiX, dpiY, PrinterCanvasFont());
        DrawCalibrationPage(canvas, units, [weight] { return weight; });
    } catch (...) {
        // Nothing half-drawn goes to the printer.
        printer.abort();
        painter.end();
        throw;
    }
    if (!painter.end())
        throw PrintFailure("The calibration page could not be sent to the printer");
}
