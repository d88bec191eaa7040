#include "PrintRun.h"

#include "ErrorBox.h"
#include "PrintJob.h"
#include "pages/CalibrationPage.h"
#include "pages/PageExport.h"
#include "wording/PrinterWording.h"
#include "wording/Wording.h"
#include "pages/PainterCanvas.h"
#include "pages/PdfMediaBox.h"
#include "pages/PlacementPage.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cmath>
#include <optional>
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
                    QCoreApplication::translate("PrintRun", "These MICR fonts are not installed: %1.")
                        .arg(Wording::Listed(Wording::For::Reader, missing)),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MissingFacesBox"));
    box.setInformativeText(QCoreApplication::translate(
        "PrintRun", "Their sample lines would be printed in another font and cannot be measured. "
                    "Install the MICR fonts, then print the calibration page again."));
    QPushButton *printAnyway = box.addButton(QCoreApplication::translate("PrintRun", "Print Anyway"), QMessageBox::AcceptRole);
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
                    QCoreApplication::translate("PrintRun", "The page is printed exactly as drawn, so these print dialog choices are not "
                                   "used:"),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("OverriddenChoicesBox"));
    box.setInformativeText(overridden.join(QLatin1Char('\n')));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

// Says which marks the printer's margins would cut and what to do; the
// user prints anyway or cancels. True when nothing is cut.
bool ConfirmMarksCut(QWidget *parent, const QStringList &cut, const PaperMargins &margins)
{
    if (cut.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Warning, Platform::ApplicationTitle(),
                    QCoreApplication::translate("PrintRun", "This printer leaves %1 in unprinted at the left, %2 in at "
                                                            "the top, %3 in at the right and %4 in at the bottom: it "
                                                            "would cut %5.")
                        .arg(Wording::Figure(Wording::For::Reader, margins.left, 2),
                             Wording::Figure(Wording::For::Reader, margins.top, 2),
                             Wording::Figure(Wording::For::Reader, margins.right, 2),
                             Wording::Figure(Wording::For::Reader, margins.bottom, 2),
                             cut.join(QStringLiteral(", "))),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MarksCutBox"));
    box.setInformativeText(QCoreApplication::translate(
        "PrintRun", "What is cut cannot be measured. Choose the printer's smaller margins or its \"edge to edge\" "
                    "setting in the print dialog's properties, or another printer, then print again."));
    QPushButton *printAnyway =
        box.addButton(QCoreApplication::translate("PrintRun", "Print Anyway"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == printAnyway;
}

// Says the printer would scale the page by itself and which of its own
// settings to change; the user prints anyway or cancels. True when the
// printer keeps the page's size, or cannot say.
bool ConfirmPrinterScaling(QWidget *parent, const QPrinter &printer)
{
    const std::optional<PrinterScaling> scaling = Platform::DriverlessScaling(printer);
    if (!scaling || !ScalesPagesItself(*scaling))
        return true;
    QMessageBox box(QMessageBox::Warning, Platform::ApplicationTitle(), Wording::ScalesPagesItself(*scaling),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("PrinterScalingBox"));
    box.setInformativeText(Wording::HowToStopScaling(*scaling));
    QPushButton *printAnyway =
        box.addButton(QCoreApplication::translate("PrintRun", "Print Anyway"), QMessageBox::AcceptRole);
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
    if (!ConfirmPrinterScaling(dialog.parentWidget(), printer))
        return nullptr;
    return &printer;
}

// Begins the job, draws, ends it; a failure aborts the job and is thrown.
// Every page is drawn from the paper's corner, as the exporter draws its
// files: the printable area's corner depends on the queue's margins, on
// Qt's own default margins and on whatever the printer's last job left in
// its page layout, so a page placed from it moves from printer to printer
// and from one job to the next.
//
// Qt's print engine gives the job's page a whole number of points, so A4
// (595.2756 x 841.8898 pt) would reach CUPS as 595 x 842 and be centred
// on the printer's own A4 by up to 0.003 in. Where the paper's own size is
// not whole, the engine writes the job to a file instead, which is given
// the paper's exact size and handed to the queue with the options Qt
// would have sent. Letter goes out as Qt writes it.
template <class Draw> void PrintPage(QPrinter &printer, const QString &pageName, Draw &&draw)
{
    printer.setFullPage(true);
    const QSizeF exact = ExactPaperPoints(printer.pageLayout().pageSize());
    const QSize whole = printer.pageLayout().pageSize().sizePoints();
    const bool reboxed = printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty()
        && (std::abs(exact.width() - whole.width()) >= 0.001 || std::abs(exact.height() - whole.height()) >= 0.001);
    const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    QTemporaryDir jobDir;
    const QString jobFile = jobDir.filePath(QStringLiteral("job.pdf"));
    if (reboxed) {
        if (!jobDir.isValid())
            throw PrintFailure(QCoreApplication::translate("PrintRun", "The %1 could not be sent to the printer").arg(pageName).toStdString());
        // The engine's own property: QPrinter::setOutputFileName would
        // swap the CUPS engine, and the print dialog's options with it, for
        // a plain PDF one.
        printer.printEngine()->setProperty(QPrintEngine::PPK_OutputFileName, jobFile);
    }
    const auto toQueueAgain = qScopeGuard([&printer, reboxed] {
        if (reboxed)
            printer.printEngine()->setProperty(QPrintEngine::PPK_OutputFileName, QString());
    });
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw PrintFailure(QCoreApplication::translate("PrintRun", "Cannot print the %1 on \"%2\": the printer did not accept the job")
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
        throw PrintFailure(QCoreApplication::translate("PrintRun", "The %1 could not be sent to the printer").arg(pageName).toStdString());
    if (!reboxed)
        return;
    QFile file(jobFile);
    const QByteArray pdf = file.open(QIODevice::ReadOnly) ? WithMediaBox(file.readAll(), exact) : QByteArray();
    file.close();
    if (pdf.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(pdf) != pdf.size()
        || !file.flush())
        throw PrintFailure(QCoreApplication::translate("PrintRun", "The %1 could not be sent to the printer").arg(pageName).toStdString());
    file.close();
    const QString refused = Platform::SubmitPdf(printer, jobFile);
    if (!refused.isEmpty())
        throw PrintFailure((QCoreApplication::translate("PrintRun", "The %1 could not be sent to the printer").arg(pageName)
                            + QStringLiteral(": ") + refused)
                               .toStdString());
}

} // namespace

bool PrintCalibrationPage(QPrintDialog &dialog, FontWeightChoice weight)
{
    QPrinter *printer = ChoosePrinter(dialog);
    if (!printer)
        return false;
    const PaperMargins margins = Platform::QueueMargins(*printer).value_or(PaperMargins{});
    const QSizeF paper = printer->pageLayout().fullRect(QPageLayout::Millimeter).size() / MillimetresPerInch;
    const QStringList cut = MarksCut(CalibrationMeasuredMarks(CalibrationOrigin(margins), paper.width(),
                                                              printer->logicalDpiX(), printer->logicalDpiY()),
                                     paper, margins);
    if (!ConfirmMarksCut(dialog.parentWidget(), cut, margins))
        return false;
    PrintCalibrationPageOn(*printer, weight);
    return true;
}

namespace {

QPageSize StockPaper(const PlacementLayout &layout)
{
    if (!layout.stock.custom)
        return QPageSize(layout.stock.Kind() == StockKind::A4 ? QPageSize::A4 : QPageSize::Letter);
    return QPageSize(ShownInches(layout.paperInches.height()) > ShownInches(LetterHeightInches) ? QPageSize::A4
                                                                                               : QPageSize::Letter);
}

// "Letter" and "A4", as the stocks are named; Qt says "US Letter".
QString PaperName(const QPageSize &paper)
{
    return paper.id() == QPageSize::Letter ? QStringLiteral("Letter") : paper.name();
}

// Says the printer's paper is not the stock's; the page goes out on the
// stock's paper, or not at all.
bool UseStockPaper(QPrinter &printer, const PlacementLayout &layout, QWidget *parent)
{
    const QString mismatch = PlacementPaperMismatch(printer, layout);
    if (mismatch.isEmpty())
        return true;
    const QPageSize paper = StockPaper(layout);
    QMessageBox box(QMessageBox::Warning, Platform::ApplicationTitle(), mismatch, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("PaperMismatchBox"));
    box.setInformativeText(QCoreApplication::translate("PrintRun", "The page is laid out for the stock: print it on %1 paper, or cancel and "
                                          "choose the stock that is on the printer's paper.")
                               .arg(PaperName(paper)));
    QPushButton *onStockPaper =
        box.addButton(QCoreApplication::translate("PrintRun", "Print on %1").arg(PaperName(paper)), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() != onStockPaper)
        return false;
    printer.setPageSize(paper);
    return true;
}

} // namespace

QString PlacementPaperMismatch(const QPrinter &printer, const PlacementLayout &layout)
{
    const QPageSize paper = StockPaper(layout);
    const QSizeF stockMillimetres = paper.size(QPageSize::Millimeter);
    const QSizeF printerMillimetres = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    // Within a millimetre: the two papers differ by 6 mm across and 18 down.
    if (std::abs(stockMillimetres.width() - printerMillimetres.width()) < 1
        && std::abs(stockMillimetres.height() - printerMillimetres.height()) < 1)
        return {};
    return QCoreApplication::translate("PrintRun", "The printer's paper is %1, but the stock chosen (%2) is on %3 paper.")
        .arg(PaperName(printer.pageLayout().pageSize()), Wording::Stock(Wording::For::Reader, layout.stock), PaperName(paper));
}

bool PrintPlacementPage(QPrintDialog &dialog, const PlacementLayout &layout)
{
    QPrinter *printer = ChoosePrinter(dialog);
    if (printer && !UseStockPaper(*printer, layout, dialog.parentWidget()))
        return false;
    if (!printer)
        return false;
    if (const std::optional<PaperMargins> margins = Platform::QueueMargins(*printer)) {
        PlacementLayout onPaper = layout;
        onPaper.paperInches = printer->pageLayout().fullRect(QPageLayout::Millimeter).size() / MillimetresPerInch;
        if (!ConfirmMarksCut(dialog.parentWidget(), MarksCut(PlacementMeasuredMarks(onPaper), onPaper.paperInches, *margins),
                             *margins))
            return false;
    }
    PrintPlacementPageOn(*printer, layout);
    return true;
}

void PrintPlacementPageOn(QPrinter &printer, PlacementLayout layout)
{
    // Named in the queue, unlike the calibration page.
    printer.setDocName(QCoreApplication::translate("PrintRun", "MICR placement page"));
    // Millimetres, which Qt keeps exact for both papers; its points and
    // inches are rounded.
    layout.paperInches = printer.pageLayout().fullRect(QPageLayout::Millimeter).size() / MillimetresPerInch;
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    PrintPage(printer, QCoreApplication::translate("PrintRun", "placement page"), [&](QPainter &painter) {
        PainterCanvas canvas(painter, dpiX, dpiY, PrinterCanvasFont());
        DrawPlacementPage(canvas, layout, dpiX, dpiY);
    });
}

void PrintCalibrationPageOn(QPrinter &printer, FontWeightChoice weight)
{
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const PageUnits units = ComputePageUnits(dpiX, dpiY);
    // At the printable area's corner where the queue's margins are wider
    // than the quarter inch the page keeps.
    const QPointF origin = CalibrationOrigin(Platform::QueueMargins(printer).value_or(PaperMargins{}));
    const double paperWidth = printer.pageLayout().fullRect(QPageLayout::Millimeter).width() / MillimetresPerInch;
    printer.setDocName(QString());
    PrintPage(printer, QCoreApplication::translate("PrintRun", "calibration page"), [&](QPainter &painter) {
        painter.translate(origin.x() * dpiX, origin.y() * dpiY);
        PainterCanvas canvas(painter, dpiX, dpiY, PrinterCanvasFont());
        DrawCalibrationPage(canvas, units, [weight] { return weight; }, paperWidth, origin.x());
    });
}
