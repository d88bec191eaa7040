// The real print path: the wizard's print job, the print dialog confirmed,
// a private cupsd with cups-pdf queues, and the result measured from a
// raster of what cups-pdf wrote.
#include "CupsOutput.h"
#include "PageMeasure.h"
#include "TestSupport.h"

#include "app/MicrApplication.h"
#include "pages/CalibrationPage.h"
#include "pages/PageExport.h"
#include "pages/PlacementPage.h"
#include "pages/PrintableArea.h"
#include "answers/PrinterScaling.h"
#include "forms/Micr.h"
#include "forms/Placement.h"
#include "platform/ErrorBox.h"
#include "platform/PrintJob.h"
#include "platform/PrintRun.h"
#include "store/PrinterProfiles.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QtTest>

namespace {

QString Run(const QString &program, const QStringList &arguments)
{
    return RunProgram(program, arguments);
}

} // namespace

class PrintPathTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TForm1> window_;
    QTemporaryDir dir_;
    QStringList made_;
    QImage plainCalibration_;
    QImage plainPlacement_;

    // What the cross-printer steps did on each printer: the profile it
    // must hold, and nothing more.
    struct DoneOn
    {
        CalibrationLine line = 3;
        LineLengths readings{};
        bool placed = false;
    };
    QMap<QString, DoneOn> done_;

    void OpenWizard()
    {
        window_ = std::make_unique<TForm1>();
        Form1 = window_.get();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

private slots:
    void initTestCase()
    {
        QImageReader::setAllocationLimit(0);
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"), "run through cups_print.py");
        QDir().mkpath(CupsPdfDir().path());
        CopyGlyphFiles(dir_.path());
        QDir::setCurrent(dir_.path());
        OpenWizard();
    }

    void cleanupTestCase()
    {
        for (const QString &path : made_)
            QFile::remove(path);
        window_.reset();
    }

    void cleanup()
    {
        StopAnsweringModals();
    }

    void init()
    {
        // Each case starts on step 1, whatever the one before left.
        while (CurrentStep > 1)
            QTest::mouseClick(window_->findChild<QPushButton *>("PreviousButton"), Qt::LeftButton);
    }

    void cancelledDialogPrintsNothing()
    {
        const QStringList before = CupsPdfFiles();
        const QString jobsBefore = Run("lpstat", {"-W", "all", "-o"});
        auto seen = RejectNextModal();
        QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        QVERIFY(*seen);
        QCOMPARE(CurrentStep, 2);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QTest::qWait(2000);
        QCOMPARE(CupsPdfFiles(), before);
        QCOMPARE(Run("lpstat", {"-W", "all", "-o"}), jobsBefore);
        QTest::mouseClick(window_->findChild<QPushButton *>("PreviousButton"), Qt::LeftButton);
        QCOMPARE(CurrentStep, 1);
    }

    // What each queue's PPD leaves unprinted (its ImageableArea, in points:
    // left, bottom, right, top), where the calibration page starts there and
    // which measured marks of the two pages it would cut.
    void printableAreaVerdicts_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<int>("paper");
        QTest::addColumn<QList<double>>("ppdPoints");
        QTest::addColumn<QPointF>("origin");
        QTest::addColumn<QStringList>("calibrationCut");
        QTest::addColumn<QStringList>("placementCut");
        const QStringList none;
        const QStringList allLines = {"Line 1", "Line 2", "Line 3", "Line 4", "Line 5"};
        QTest::newRow("no margins") << "MicrLetter" << int(QPageSize::Letter) << QList<double>{0, 0, 0, 0}
                                    << QPointF(0.25, 0.25) << none << none;
        QTest::newRow("laser margins under 1/4 in") << "MicrMargins" << int(QPageSize::A4)
                                                    << QList<double>{12.6, 10.8, 14.4, 16.2} << QPointF(0.25, 0.25)
                                                    << none << none;
        QTest::newRow("foomatic's 1/2 in top and bottom")
            << "MicrFoomaticMargins" << int(QPageSize::Letter) << QList<double>{18, 36, 18, 36} << QPointF(0.25, 0.5)
            << none << QStringList{"the 2-inch vertical bar"};
        QTest::newRow("1.5 in at the left") << "MicrWideLeft" << int(QPageSize::Letter)
                                           << QList<double>{108, 18, 18, 18} << QPointF(1.5, 0.25) << allLines
                                           << QStringList{"the 7-inch reference bar", "the 2-inch vertical bar"};
    }

    void printableAreaVerdicts()
    {
        QFETCH(QString, queue);
        QFETCH(int, paper);
        QFETCH(QList<double>, ppdPoints);
        QFETCH(QPointF, origin);
        QFETCH(QStringList, calibrationCut);
        QFETCH(QStringList, placementCut);

        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        const std::optional<PaperMargins> margins = Platform::QueueMargins(printer);
        QVERIFY(margins);
        // CUPS keeps margins in hundredths of a millimetre.
        const double tolerance = 0.001;
        QVERIFY(std::abs(margins->left - ppdPoints[0] / 72) < tolerance);
        QVERIFY(std::abs(margins->bottom - ppdPoints[1] / 72) < tolerance);
        QVERIFY(std::abs(margins->right - ppdPoints[2] / 72) < tolerance);
        QVERIFY(std::abs(margins->top - ppdPoints[3] / 72) < tolerance);
        const QPointF at = CalibrationOrigin(*margins);
        QVERIFY2(std::abs(at.x() - origin.x()) < tolerance && std::abs(at.y() - origin.y()) < tolerance,
                 qPrintable(QStringLiteral("%1, %2").arg(at.x()).arg(at.y())));
        const QSizeF paperInches = QPageSize(QPageSize::PageSizeId(paper)).size(QPageSize::Millimeter) / 25.4;
        QCOMPARE(MarksCut(CalibrationMeasuredMarks(at, paperInches.width(), 1200, 1200), paperInches, *margins),
                 calibrationCut);
        PlacementLayout layout;
        layout.paperInches = paperInches;
        layout.stock = StockForPaper(paperInches.height());
        QCOMPARE(MarksCut(PlacementMeasuredMarks(layout), paperInches, *margins), placementCut);
    }

    void printsOnThePrintersMediaUnscaled_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("media");
        QTest::addColumn<int>("paper");
        QTest::newRow("Letter page on an A4 queue") << "MicrA4" << "595 x 842" << int(QPageSize::Letter);
        QTest::newRow("A4 page on a Letter queue") << "MicrLetter" << "612 x 792" << int(QPageSize::A4);
        QTest::newRow("Letter on Letter") << "MicrLetter" << "612 x 792" << int(QPageSize::Letter);
    }

    void printsOnThePrintersMediaUnscaled()
    {
        QFETCH(QString, queue);
        QFETCH(QString, media);
        QFETCH(int, paper);

        QPrinter *printer = window_->PrintDialog1()->printer();
        printer->setPrinterName(queue);
        printer->setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        const QStringList before = CupsPdfFiles();
        bool chosen = false;
        auto seen = AnswerNextModal([&](QWidget *dialog) {
            // Picks the queue in the dialog's printer list, as a user would.
            if (auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"))) {
                for (int i = 0; i < printers->count(); ++i) {
                    if (printers->itemText(i) == queue) {
                        printers->setCurrentIndex(i);
                        chosen = true;
                    }
                }
            }
            static_cast<QDialog *>(dialog)->accept();
        });
        QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        QVERIFY(*seen);
        QVERIFY(chosen);
        QCOMPARE(CurrentStep, 2);
        QCOMPARE(printer->printerName(), queue);
        qInfo("printed on %s, %s", qPrintable(printer->printerName()), qPrintable(printer->pageLayout().pageSize().key()));
        MeasurePrintedLines(before, media, printer->resolution(), 1.0);
    }

    // A page drawn on other paper than the job asks for, as when the paper
    // chosen among the printer's own options differs from the page: printed
    // as drawn. Without print-scaling=none CUPS rescales it, which the
    // control case shows.
    void otherPaperIsNotScaled_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("jobMedia");
        QTest::addColumn<bool>("withoutScaling");
        QTest::addColumn<double>("scale");
        QTest::newRow("Letter page, A4 job") << "MicrA4" << int(QPageSize::Letter) << "A4" << true << 1.0;
        QTest::newRow("A4 page, Letter job") << "MicrLetter" << int(QPageSize::A4) << "Letter" << true << 1.0;
        QTest::newRow("control: A4 page, Letter job, CUPS left to scale")
            << "MicrLetter" << int(QPageSize::A4) << "Letter" << false << 0.0;
    }

    void otherPaperIsNotScaled()
    {
        QFETCH(QString, queue);
        QFETCH(int, paper);
        QFETCH(QString, jobMedia);
        QFETCH(bool, withoutScaling);
        QFETCH(double, scale);

        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        printer.setDocName(QString());
        // The same private property the print dialog fills with the
        // printer's options.
        printer.printEngine()->setProperty(QPrintEngine::PrintEnginePropertyKey(0xfe00),
                                           QStringList{"PageSize", jobMedia});
        if (withoutScaling)
            Platform::PrintWithoutScaling(printer);
        const QStringList before = CupsPdfFiles();
        PrintCalibrationPageOn(printer, FontWeightChoice::Standard);
        MeasurePrintedLines(before, QString(), printer.resolution(), scale);
    }

    // The placement page reaches the queue unscaled and full-page: every
    // rule where the geometry puts it, measured from the paper's edges.
    void placementPageFromThePapersEdges()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName("MicrLetter");
        printer.setDocName(QString());
        // As after the print dialog: the queue's own media, unscaled.
        Platform::UsePrinterMedia(printer, printer.pageLayout().pageSize());
        Platform::PrintWithoutScaling(printer);
        PlacementLayout layout;
        layout.cheque = ChequePosition::Middle;
        layout.line = 2;
        const QStringList before = CupsPdfFiles();
        PrintPlacementPageOn(printer, layout);
        const QString pdf = WaitForNewCupsPdf(before, 60000);
        QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote nothing");
        QVERIFY2(Run("pdfinfo", {pdf}).contains("MICR placement page"), "the job is named");
        const int rasterDpi = 600;
        const QString raster = dir_.filePath("placement");
        Run("pdftoppm", {"-r", QString::number(rasterDpi), "-gray", "-png", "-singlefile", pdf, raster});
        const QImage page(raster + ".png");
        QCOMPARE(page.size(), QSize(int(8.5 * rasterDpi), 11 * rasterDpi));
        // Half a pixel of the printer, and a pixel of the raster it is read from.
        CheckPlacementRaster(page, rasterDpi, rasterDpi, 3.5, 3.5, TestFaceAdvances[1],
                             0.5 * rasterDpi / printer.resolution() + 1);
        QFile::remove(pdf); // not an untitled page, so not left for the title check
    }

    // A4 on queues whose PPDs round it as drivers do. The job CUPS receives
    // is A4 itself, 210 x 297 mm, as the exporter's file is; replayed
    // through the queue's PPD with pdftopdf (cupsfilter), which centres it
    // on the PPD's paper, its marks lie, from the paper's centre, where the
    // file's lie, within 0.001 in.
    void exactA4OnRoundedPpds_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QSizeF>("ppdPoints");
        QTest::addColumn<bool>("placement");
        for (const bool placement : {false, true}) {
            const char *page = placement ? "placement page" : "calibration page";
            QTest::addRow("A4 as 8.27 x 11.69 in, %s", page) << "MicrA4Inches" << QSizeF(595.44, 841.68) << placement;
            QTest::addRow("A4 to hundredths of a point, %s", page)
                << "MicrA4Points" << QSizeF(595.28, 841.89) << placement;
        }
    }

    void exactA4OnRoundedPpds()
    {
        QFETCH(QString, queue);
        QFETCH(QSizeF, ppdPoints);
        QFETCH(bool, placement);
        const QSizeF a4Points = QSizeF(210, 297) / 25.4 * 72;
        // pdfinfo gives hundredths of a point.
        auto sameSize = [](const QSizeF &a, const QSizeF &b) {
            return std::abs(a.width() - b.width()) < 0.006 && std::abs(a.height() - b.height()) < 0.006;
        };

        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        Platform::UsePrinterMedia(printer, printer.pageLayout().pageSize());
        QVERIFY(Platform::PinPageGeometry(printer).isEmpty());
        PlacementLayout layout;
        layout.stock = StockForPaper(297 / 25.4);
        const QStringList before = CupsPdfFiles();
        if (placement)
            PrintPlacementPageOn(printer, layout);
        else
            PrintCalibrationPageOn(printer, FontWeightChoice::Standard);
        const QString printed = WaitForNewCupsPdf(before, 60000);
        QVERIFY2(!printed.isEmpty(), "cups-pdf wrote nothing");
        QVERIFY2(sameSize(MediaBoxPoints(printed), ppdPoints), "not printed on the PPD's paper");
        QFile::remove(printed);

        // The job as CUPS received it, kept in the spool, and the page
        // pdftopdf makes of it for the queue's PPD.
        const QFileInfoList jobs = QDir(qEnvironmentVariable("MICR_CUPS_SPOOL_DIR"))
                                       .entryInfoList({"d*"}, QDir::Files, QDir::Time);
        QVERIFY2(!jobs.isEmpty(), "no job file kept");
        const QSizeF jobPoints = MediaBoxPoints(jobs.first().filePath());
        QVERIFY2(sameSize(jobPoints, a4Points), qPrintable(QString("CUPS received %1 x %2 pt")
                                                              .arg(jobPoints.width()).arg(jobPoints.height())));
        const QString replayed = dir_.filePath("exact-a4-replayed.pdf");
        QProcess cupsfilter;
        cupsfilter.setStandardOutputFile(replayed);
        cupsfilter.start("cupsfilter", {"-p", QDir(qEnvironmentVariable("MICR_CUPS_PPD_DIR")).filePath(queue + ".ppd"),
                                        "-m", "application/vnd.cups-pdf", "-o", "media=A4", "-o", "print-scaling=none",
                                        jobs.first().filePath()});
        QVERIFY(cupsfilter.waitForFinished(60000) && cupsfilter.exitCode() == 0);
        const QSizeF replayedPoints = MediaBoxPoints(replayed);
        QVERIFY2(sameSize(replayedPoints, ppdPoints), "not replayed on the PPD's paper");

        ExportOptions options;
        options.page = placement ? ExportedPage::Placement : ExportedPage::Calibration;
        options.paper = QPageSize::A4;
        options.stock = layout.stock;
        options.dpiX = options.dpiY = printer.resolution();
        options.output = dir_.filePath("exact-a4.pdf");
        QString error;
        QVERIFY2(ExportCalibrationPage(options, &error), qPrintable(error));
        const QSizeF filePoints = MediaBoxPoints(options.output);
        QVERIFY2(sameSize(filePoints, a4Points), "the file is not A4");

        const QPointF fileMarks = InkCentreFromPageCentre(options.output, filePoints, "exact-a4-file");
        const QPointF printedMarks = InkCentreFromPageCentre(replayed, replayedPoints, "exact-a4-printed");
        const QPointF off = printedMarks - fileMarks;
        qInfo("%s: marks' centre %.5f, %.5f in from the paper's centre; the file's %.5f, %.5f in; off by %.5f, %.5f in",
              qPrintable(queue), printedMarks.x(), printedMarks.y(), fileMarks.x(), fileMarks.y(), off.x(), off.y());
        QVERIFY2(std::abs(off.x()) <= 0.001 && std::abs(off.y()) <= 0.001, "the printed marks moved");
    }

    // Driverless printers (ippeveprinter on the loopback, queues made with
    // lpadmin -m everywhere): asked what they do with a page by themselves.
    // Only a printer that takes the PDF as it is and fits it by default is
    // warned of; the user cancels there, and nothing prints.
    void driverlessPrinterScaling_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("takesPdf");
        QTest::addColumn<QString>("scalingDefault");
        QTest::addColumn<bool>("warned");
        QTest::newRow("PDF, fits by default") << "MicrIppFit" << true << "fit" << true;
        QTest::newRow("PDF, no scaling by default") << "MicrIppNone" << true << "none" << false;
        QTest::newRow("PWG raster only, fits by default") << "MicrIppRaster" << false << "fit" << false;
    }

    void driverlessPrinterScaling()
    {
        QFETCH(QString, queue);
        QFETCH(bool, takesPdf);
        QFETCH(QString, scalingDefault);
        QFETCH(bool, warned);
        const QString device = Run("lpstat", {"-v", queue}).trimmed().section(' ', -1);
        if (device.isEmpty())
            QSKIP("no ippeveprinter for a driverless printer");
        // ippeveprinter serves its web page where it serves IPP.
        const QUrl printerAddress(device);
        const QString webPage = QString("%1:%2/").arg(printerAddress.host()).arg(printerAddress.port());

        QPrinter asked(QPrinter::HighResolution);
        asked.setPrinterName(queue);
        const std::optional<PrinterScaling> scaling = Platform::DriverlessScaling(asked);
        QVERIFY2(scaling, "the printer did not say");
        QCOMPARE(scaling->takesPdf, takesPdf);
        QCOMPARE(scaling->scalingDefault, scalingDefault);

        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, window_.get());
        // Every box after the print dialog is named and cancelled.
        auto boxes = std::make_shared<QStringList>();
        auto told = std::make_shared<QString>();
        auto chosen = AnswerNextModal([queue, boxes, told](QWidget *shown) {
            auto *printers = shown->findChild<QComboBox *>(QStringLiteral("printers"));
            if (!printers) { // not the print dialog: named, and the run cancelled
                *boxes << shown->objectName();
                static_cast<QDialog *>(shown)->reject();
                return;
            }
            printers->setCurrentIndex(printers->findText(queue));
            AnswerNextModal([boxes, told](QWidget *box) {
                *boxes << box->objectName();
                *told = static_cast<QMessageBox *>(box)->text() + '\n' + static_cast<QMessageBox *>(box)->informativeText();
                static_cast<QMessageBox *>(box)->button(QMessageBox::Cancel)->click();
            }, 15000, [](QWidget *modal) { return qobject_cast<QMessageBox *>(modal) != nullptr; });
            static_cast<QDialog *>(shown)->accept();
        });
        const bool printed = PrintCalibrationPage(dialog, FontWeightChoice::Standard);
        QVERIFY(*chosen);
        QCOMPARE(*boxes, warned ? QStringList{"PrinterScalingBox"} : QStringList());
        QCOMPARE(printed, !warned);
        if (warned)
            QVERIFY2(told->contains(queue) && told->contains("\"fit\"") && told->contains("\"none\"")
                         && told->contains(webPage),
                     qPrintable(*told));
        // The job printed is done before the next test counts jobs.
        QElapsedTimer waited;
        waited.start();
        while (!Run("lpstat", {"-o", queue}).trimmed().isEmpty() && waited.elapsed() < 60000)
            QTest::qWait(200);
        QVERIFY2(Run("lpstat", {"-o", queue}).trimmed().isEmpty(), "the job is still queued");
    }

private:
    // The first page's MediaBox, in points, as pdfinfo gives it.
    QSizeF MediaBoxPoints(const QString &pdf)
    {
        static const QRegularExpression box(QStringLiteral("MediaBox:\\s+[\\d.]+\\s+[\\d.]+\\s+([\\d.]+)\\s+([\\d.]+)"));
        const QRegularExpressionMatch match = box.match(Run("pdfinfo", {"-box", pdf}));
        return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
    }

    // The centre of all the page's ink, weighted by its darkness, in inches
    // right of and below the centre of the page's MediaBox (`points`), from
    // a 600-dpi raster. Cairo's: pdftoppm snaps thin rules to whole pixels,
    // so a page moved by a fraction of a pixel gains or loses a pixel of a
    // rule's width.
    QPointF InkCentreFromPageCentre(const QString &pdf, const QSizeF &points, const QString &name)
    {
        constexpr int dpi = 600;
        const QString base = dir_.filePath(name);
        RunProgram("pdftocairo", {"-r", QString::number(dpi), "-gray", "-png", "-singlefile", pdf, base});
        const QImage page = QImage(base + ".png").convertToFormat(QImage::Format_Grayscale8);
        double sumX = 0;
        double sumY = 0;
        double ink = 0;
        for (int y = 0; y < page.height(); ++y) {
            const uchar *row = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x) {
                const double darkness = (255 - row[x]) / 255.0;
                sumX += (x + 0.5) * darkness;
                sumY += (y + 0.5) * darkness;
                ink += darkness;
            }
        }
        if (ink == 0)
            return {qInf(), qInf()};
        return {sumX / ink / dpi - points.width() / 72 / 2, sumY / ink / dpi - points.height() / 72 / 2};
    }

    // Measures the five sample lines of the next page cups-pdf writes. A
    // scale of 0 expects the page to have been rescaled.
    // A page printed as the print run prints it after the dialog, on
    // `queue`, read back as a 150-dpi raster.
    QImage PrintedPage(const QString &queue, bool placement)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        Platform::UsePrinterMedia(printer, printer.pageLayout().pageSize());
        const QStringList overridden = Platform::PinPageGeometry(printer);
        if (!overridden.isEmpty())
            qWarning("overridden without a dialog: %s", qPrintable(overridden.join(' ')));
        const QStringList before = CupsPdfFiles();
        if (placement)
            PrintPlacementPageOn(printer, PlacementLayout());
        else
            PrintCalibrationPageOn(printer, FontWeightChoice::Standard);
        const QString pdf = WaitForNewCupsPdf(before, 60000);
        if (pdf.isEmpty())
            return {};
        const QString raster = dir_.filePath(queue + (placement ? "-placement" : "-calibration"));
        Run("pdftoppm", {"-r", "150", "-gray", "-png", "-singlefile", pdf, raster});
        QFile::remove(pdf);
        return QImage(raster + ".png");
    }

    void MeasurePrintedLines(const QStringList &before, const QString &media, int printerDpi, double scale)
    {
        const QString pdf = WaitForNewCupsPdf(before, 60000);
        QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote nothing");
        made_ << pdf;
        QVERIFY2(Run("pdfinfo", {pdf}).contains(media), qPrintable(Run("pdfinfo", {pdf})));

        const int rasterDpi = 1200;
        const QString raster = dir_.filePath("printed");
        Run("pdftoppm", {"-r", QString::number(rasterDpi), "-gray", "-png", "-singlefile", pdf, raster});
        const QImage page(raster + ".png");
        QVERIFY(!page.isNull());
        const auto rows = FindMarksRows(page, 6.0 * rasterDpi, MinimumMarkHeight(rasterDpi));
        for (const MarksRow &row : rows)
            qInfo("marks at %d-%d: %.4f in", row.top, row.bottom, (row.lastEdge - row.firstEdge) / rasterDpi);
        QCOMPARE(int(rows.size()), 5);
        // Half a pixel of the printer, and a pixel of the raster it is read from.
        const double tolerance = 0.5 / printerDpi + 1.0 / rasterDpi;
        for (int line = 1; line <= 5; ++line) {
            const double inches = (rows[line - 1].lastEdge - rows[line - 1].firstEdge) / rasterDpi;
            const double expected = SampleLineLength(TestFaceAdvances[line - 1], 1.0);
            qInfo("line %d: %.4f in (face makes it %.4f in) at %d dpi", line, inches, expected, printerDpi);
            if (scale == 0)
                QVERIFY2(std::abs(inches - expected) > 0.1,
                         qPrintable(QString("line %1 measures %2 in").arg(line).arg(inches, 0, 'f', 4)));
            else
                QVERIFY2(std::abs(inches - expected) <= tolerance,
                         qPrintable(QString("line %1 measures %2 in").arg(line).arg(inches, 0, 'f', 4)));
        }
    }

    // Prints the calibration page on `queue` from step 1, types `reading`
    // for `line` into the measurements window and accepts it.
    void CalibrateOn(const QString &queue, int line, const QString &reading)
    {
        const QStringList before = CupsPdfFiles();
        auto printed = AnswerNextModal([&queue](QWidget *dialog) {
            // The queue picked in the dialog's list, as a user would.
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->findText(queue));
            static_cast<QDialog *>(dialog)->accept();
        });
        QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        QVERIFY(*printed);
        made_ << WaitForNewCupsPdf(before, 60000);
        auto measured = AnswerNextModal([&](QWidget *modal) {
            for (auto *field : modal->findChildren<QLineEdit *>())
                field->clear();
            QTest::keyClicks(modal->findChild<QLineEdit *>(QString("LengthField%1").arg(line)), reading);
            modal->findChild<QDialogButtonBox *>("ButtonBox")->button(QDialogButtonBox::Ok)->click();
        });
        QTest::mouseClick(window_->MeasureButton, Qt::LeftButton);
        QVERIFY(*measured);
    }

    // Prints through the wizard's own printers and dialogs, the queue picked
    // in the print dialog as a user would: the calibration page from step 1,
    // or the placement page from the placement window. Returns the PDF
    // cups-pdf wrote, and in `stock` the placement window's stock.
    QString PrintFromWizard(bool placement, const QString &queue, ChequeStock *stock = nullptr)
    {
        while (CurrentStep > 1)
            QTest::mouseClick(window_->findChild<QPushButton *>("PreviousButton"), Qt::LeftButton);
        auto picked = std::make_shared<bool>(false);
        const auto pick = [queue, picked](QWidget *dialog) {
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            *picked = printers && printers->findText(queue) >= 0;
            if (*picked)
                printers->setCurrentIndex(printers->findText(queue));
            static_cast<QDialog *>(dialog)->accept();
        };
        const QStringList before = CupsPdfFiles();
        std::shared_ptr<bool> seen;
        if (placement) {
            seen = AnswerNextModal([&](QWidget *window) {
                AnswerNextModal(pick, 5000, [window](QWidget *modal) { return modal != window; });
                // A stock of another paper than the queue's: printed on the stock's.
                AnswerNextModal(
                    [](QWidget *box) {
                        for (QAbstractButton *button : static_cast<QMessageBox *>(box)->buttons())
                            if (button->text().startsWith("Print on"))
                                button->click();
                    },
                    10000, [](QWidget *modal) { return modal->objectName() == "PaperMismatchBox"; });
                window->findChild<QPushButton *>(QStringLiteral("PrintButton"))->click();
                if (stock)
                    *stock = static_cast<TPlacement *>(window)->Layout().stock;
                static_cast<QDialog *>(window)->reject();
            });
            window_->PlacementButtonClick();
        } else {
            seen = AnswerNextModal(pick);
            QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        }
        if (!*seen || !*picked)
            return {};
        return WaitForNewCupsPdf(before, 60000);
    }

    // The line checked on step 2.
    CalibrationLine LineOnStep2()
    {
        for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
            if (window_->findChild<QRadioButton *>(QString("RadioButton%1").arg(line))->isChecked())
                return line;
        }
        return 0;
    }

    // Every saved profile against what the steps did on its printer.
    void CheckProfilesHoldOnlyWhatWasDone(const QString &step)
    {
        const LoadedProfiles saved = PrinterProfiles().Load();
        QVERIFY(saved.problem.none());
        QStringList queues;
        for (const PrinterProfile &profile : saved.profiles)
            queues << profile.queue;
        queues.sort();
        QVERIFY2(queues == done_.keys(), qPrintable(step + ": profiles of " + queues.join(", ")));
        for (const PrinterProfile &profile : saved.profiles) {
            const DoneOn &done = done_[profile.queue];
            const QString where = step + ", " + profile.queue + ": ";
            QVERIFY2(profile.line == done.line, qPrintable(where + QString("line %1").arg(profile.line)));
            for (std::size_t i = 0; i < done.readings.size(); ++i) {
                const std::optional<double> kept = profile.measurement ? profile.measurement->readings[i] : std::nullopt;
                QVERIFY2(kept.has_value() == done.readings[i].has_value()
                             && (!kept || std::abs(*kept - *done.readings[i]) < 0.0005),
                         qPrintable(where + QString("reading of line %1").arg(i + 1)));
            }
            QVERIFY2(profile.placement.has_value() == done.placed, qPrintable(where + "placement"));
        }
    }

    // What the measurements window opens with on the printer chosen now.
    QString ReadingShown(int line)
    {
        QString shown;
        auto seen = AnswerNextModal([&](QWidget *modal) {
            shown = modal->findChild<QLineEdit *>(QString("LengthField%1").arg(line))->text();
            static_cast<QDialog *>(modal)->reject();
        });
        QTest::mouseClick(window_->MeasureButton, Qt::LeftButton);
        return *seen ? shown : QString("(no window)");
    }

private slots:

    // Two printers calibrated one after the other; after a restart each
    // one's readings come back with it, and step 3 names the printer.
    void eachPrinterRemembered()
    {
        QFile::remove(PrinterProfiles::DefaultPath());
        CalibrateOn("MicrA4", 3, "7.004");
        QTest::mouseClick(window_->findChild<QPushButton *>("PreviousButton"), Qt::LeftButton);
        CalibrateOn("MicrLetter", 2, "177.6 mm"); // a printer 1 % wide: Line 2
        const LoadedProfiles saved = PrinterProfiles().Load();
        QVERIFY(saved.problem.none());
        QCOMPARE(saved.profiles.size(), 2);

        // A new run: the default queue is MicrA4.
        OpenWizard();
        auto cancelled = RejectNextModal();
        QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        QVERIFY(*cancelled);
        QCOMPARE(ReadingShown(3), QString("7.004"));
        window_->PrintDialog1()->printer()->setPrinterName("MicrLetter");
        QCOMPARE(ReadingShown(2), QString("6.992"));
        QCOMPARE(ReadingShown(3), QString());
        window_->findChild<QRadioButton *>("RadioButton2")->setChecked(true);
        QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        const QString result = window_->MeasuredResult->text();
        QVERIFY2(result.startsWith("MicrLetter, " + ShortDate(QDateTime::currentDateTimeUtc()) + ": Line 2 measured 6.992 in"),
                 qPrintable(result));
    }

    // Print, measure, restart and print again on two printers: after each
    // step each printer's profile holds what was done on it and nothing
    // else, and the windows open with the readings of the printer the page
    // went to, or empty. A step is "print QUEUE", "measure QUEUE LINE INCHES
    // LINE-NAMED", "place QUEUE [PRINTED-ON]" (the placement page printed on
    // another queue when named), "step3 QUEUE" or "restart".
    void stateStaysWithItsPrinter_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("two printers, two restarts")
            << QStringList{"print MicrA4",          "measure MicrA4 3 7.004 3",
                           "place MicrA4 MicrLetter", // readings of a page printed on MicrLetter
                           "print MicrLetter",      "measure MicrLetter 2 6.992 2", // 1 % wide: Line 2
                           "print MicrA4",          "step3 MicrA4",
                           "restart",               "print MicrLetter",
                           "step3 MicrLetter",      "place MicrLetter",
                           "print MicrA4",          "place MicrA4",
                           "restart",               "print MicrLetter",
                           "measure MicrLetter 4 7.000 4", "print MicrA4",
                           "step3 MicrA4"};
    }

    void stateStaysWithItsPrinter()
    {
        QFETCH(QStringList, steps);
        QFile::remove(PrinterProfiles::DefaultPath());
        done_.clear();
        // As another printer's measurement would leave it: not the line a
        // printer new to the program starts from.
        window_->findChild<QRadioButton *>("RadioButton2")->setChecked(true);
        for (const QString &step : steps) {
            const QStringList words = step.split(' ');
            const QString queue = words.value(1);
            if (words[0] == "restart") {
                OpenWizard();
            } else if (words[0] == "print") {
                const QString pdf = PrintFromWizard(false, queue);
                QVERIFY2(!pdf.isEmpty(), qPrintable(step + ": nothing came out"));
                made_ << pdf;
                done_[queue]; // known once a page went to it
                QCOMPARE(window_->PrinterQueue(), queue);
                QVERIFY2(LineOnStep2() == done_[queue].line, qPrintable(step + QString(": Line %1 chosen").arg(LineOnStep2())));
            } else if (words[0] == "measure") {
                QCOMPARE(window_->PrinterQueue(), queue);
                const int line = words[2].toInt();
                QStringList opened;
                auto measured = AnswerNextModal([&](QWidget *modal) {
                    for (int shown = 1; shown <= 5; ++shown) {
                        auto *field = modal->findChild<QLineEdit *>(QString("LengthField%1").arg(shown));
                        opened << field->text();
                        field->clear();
                    }
                    QTest::keyClicks(modal->findChild<QLineEdit *>(QString("LengthField%1").arg(line)), words[3]);
                    modal->findChild<QDialogButtonBox *>("ButtonBox")->button(QDialogButtonBox::Ok)->click();
                });
                QTest::mouseClick(window_->MeasureButton, Qt::LeftButton);
                QVERIFY(*measured);
                QStringList expected;
                for (const std::optional<double> &reading : done_[queue].readings)
                    expected << (reading ? QString::number(*reading, 'f', 3) : QString());
                QVERIFY2(opened == expected, qPrintable(step + ": opened with " + opened.join('|')));
                done_[queue].readings = LineLengths{};
                done_[queue].readings[line - 1] = words[3].toDouble();
                done_[queue].line = words[4].toInt();
                QCOMPARE(LineOnStep2(), done_[queue].line);
            } else if (words[0] == "place") {
                QCOMPARE(window_->PrinterQueue(), queue);
                const QString printedOn = words.value(2, queue);
                const QStringList before = CupsPdfFiles();
                QString offered;
                QString stock;
                QStringList opened;
                auto placed = AnswerNextModal([&](QWidget *window) {
                    // The print dialog is offered the calibration page's printer.
                    AnswerNextModal(
                        [&offered, &printedOn, &queue](QWidget *dialog) {
                            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
                            offered = printers->currentText();
                            if (printedOn == queue) {
                                static_cast<QDialog *>(dialog)->reject();
                                return;
                            }
                            printers->setCurrentIndex(printers->findText(printedOn));
                            // The stock is the window's queue's paper: on the
                            // other queue's paper the user is told, and
                            // prints on the stock's.
                            AnswerNextModal(
                                [](QWidget *box) {
                                    for (QAbstractButton *button : static_cast<QMessageBox *>(box)->buttons())
                                        if (button->text().startsWith("Print on"))
                                            button->click();
                                },
                                10000, [](QWidget *modal) { return modal->objectName() == "PaperMismatchBox"; });
                            static_cast<QDialog *>(dialog)->accept();
                        },
                        5000, [window](QWidget *modal) { return modal != window; });
                    window->findChild<QPushButton *>(QStringLiteral("PrintButton"))->click();
                    stock = window->findChild<QComboBox *>(QStringLiteral("StockChoice"))->currentText();
                    for (const char *name : {"BarField", "RightField", "BaselineField"})
                        opened << window->findChild<QLineEdit *>(QLatin1String(name))->text();
                    QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("BarField")), "7.000");
                    QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("RightField")), "0.320");
                    QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("BaselineField")), "0.190");
                    static_cast<QDialog *>(window)->accept();
                });
                window_->PlacementButtonClick();
                QVERIFY(*placed);
                QCOMPARE(offered, queue);
                // Before the printer has placement readings: the stock of its own paper.
                QVERIFY2(done_[queue].placed || stock.contains(queue == "MicrLetter" ? "Letter" : "A4"),
                         qPrintable(step + ": " + stock));
                QVERIFY2(done_[queue].placed || opened == QStringList({"", "", ""}),
                         qPrintable(step + ": opened with " + opened.join('|')));
                if (printedOn != queue) {
                    const QString pdf = WaitForNewCupsPdf(before, 60000);
                    QVERIFY2(!pdf.isEmpty(), qPrintable(step + ": nothing came out"));
                    QFile::remove(pdf); // titled, so not left for the title check
                }
                done_[printedOn].placed = true;
            } else if (words[0] == "step3") {
                QCOMPARE(window_->PrinterQueue(), queue);
                QTest::mouseClick(window_->NextButton, Qt::LeftButton);
                QCOMPARE(CurrentStep, 3);
                const CalibrationLine line = done_[queue].line;
                // The face named and the readings' line are the printer's.
                QCOMPARE(window_->StaticText9->text(), QString::fromLatin1(MicrFaceName(line, FontWeightChoice::Standard)));
                const QString result = window_->MeasuredResult->text();
                QVERIFY2(result.startsWith(queue + ", ") && result.contains(QString("Line %1").arg(line)),
                         qPrintable(step + ": " + result));
            }
            CheckProfilesHoldOnlyWhatWasDone(step);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // The wizard's calibration and placement pages lie on the paper where
    // the exporter's files put them, within 0.01 in, on every queue's
    // margins and whatever page went before on whichever printer; nothing
    // comes within 0.1 in of the paper's edge.
    void pagesLieWhereTheExporterPutsThem_data()
    {
        QTest::addColumn<QStringList>("prints"); // "calibration QUEUE" or "placement QUEUE", in order
        QTest::newRow("calibration first")
            << QStringList{"calibration MicrLetter", "placement MicrLetter",   "calibration MicrA4",
                           "placement MicrMargins",  "calibration MicrMargins", "calibration MicrLetter"};
        QTest::newRow("placement first")
            << QStringList{"placement MicrA4", "calibration MicrMargins", "placement MicrLetter", "calibration MicrA4"};
    }

    void pagesLieWhereTheExporterPutsThem()
    {
        QFETCH(QStringList, prints);
        constexpr int dpi = 300;
        const double tolerance = 0.01 * dpi;
        // 0.1 in, less a pixel of the raster it is read from.
        const double clearance = 0.1 * dpi - 1;
        for (const QString &print : prints) {
            const bool placement = print.startsWith("placement");
            const QString queue = print.section(' ', 1);
            ChequeStock stock;
            const QString pdf = PrintFromWizard(placement, queue, &stock);
            QVERIFY2(!pdf.isEmpty(), qPrintable(print + ": nothing came out"));
            const QImage printed = RasterisePdf(pdf, dpi, dir_.filePath("order-printed"));
            if (placement)
                QFile::remove(pdf); // titled, so not left for the title check
            else
                made_ << pdf;

            ExportOptions options;
            options.page = placement ? ExportedPage::Placement : ExportedPage::Calibration;
            options.paper = queue == "MicrLetter" ? QPageSize::Letter : QPageSize::A4;
            // The placement page goes out on its stock's paper.
            if (placement && !stock.custom)
                options.paper = stock.chequeInches == A4ChequeInches ? QPageSize::A4 : QPageSize::Letter;
            options.line = LineOnStep2();
            options.stock = stock;
            // Rows stand in whole device pixels: the printer's own.
            const QPrinter *printer = placement ? window_->PlacementPrintDialog()->printer() : window_->PrintDialog1()->printer();
            options.dpiX = options.dpiY = printer->resolution();
            options.output = dir_.filePath("order-exported.pdf");
            QString error;
            QVERIFY2(ExportCalibrationPage(options, &error), qPrintable(error));
            const QImage exported = RasterisePdf(options.output, dpi, dir_.filePath("order-exported"));
            QVERIFY(!printed.isNull() && !exported.isNull());
            // The file is A4's own 210 x 297 mm; cups-pdf's A4 is 595 x 842 pt.
            QVERIFY2(std::abs(printed.width() - exported.width()) <= 1
                         && std::abs(printed.height() - exported.height()) <= 1,
                     qPrintable(QString("%1 x %2 px printed, %3 x %4 px exported")
                                    .arg(printed.width()).arg(printed.height())
                                    .arg(exported.width()).arg(exported.height())));

            const QRect ink = InkBounds(printed);
            const QRect expected = InkBounds(exported);
            qInfo("%s: ink from %.3f, %.3f to %.3f, %.3f in; the exporter's from %.3f, %.3f to %.3f, %.3f in",
                  qPrintable(print), ink.left() / double(dpi), ink.top() / double(dpi), ink.right() / double(dpi),
                  ink.bottom() / double(dpi), expected.left() / double(dpi), expected.top() / double(dpi),
                  expected.right() / double(dpi), expected.bottom() / double(dpi));
            const int offsets[] = {ink.left() - expected.left(), ink.top() - expected.top(),
                                   ink.right() - expected.right(), ink.bottom() - expected.bottom()};
            for (int offset : offsets)
                QVERIFY2(std::abs(offset) <= tolerance, qPrintable(print + ": not where the exporter puts it"));
            QVERIFY2(ink.left() >= clearance && ink.top() >= clearance && printed.height() - 1 - ink.bottom() >= clearance,
                     qPrintable(print + ": a mark within 0.1 in of the paper's edge"));
            QVERIFY2(printed.width() - 1 - ink.right() >= clearance,
                     qPrintable(print + ": a mark within 0.1 in of the paper's right edge"));
        }
    }

    // Each printer's own MICR line, typed in the My MICR Line window: kept
    // with that printer, never shown for another, and back after a restart.
    void micrLineRememberedWithThePrinter()
    {
        QFile::remove(PrinterProfiles::DefaultPath());
        const auto typeLine = [this](const QString &routing, const QString &onUs) {
            QString before = "(no window)";
            auto seen = AnswerNextModal([&](QWidget *modal) {
                auto *routingField = modal->findChild<QLineEdit *>("RoutingField");
                before = routingField->text();
                if (!routing.isNull()) {
                    QTest::keyClicks(routingField, routing);
                    QTest::keyClicks(modal->findChild<QLineEdit *>("OnUsField"), onUs);
                }
                static_cast<QDialog *>(modal)->reject();
            });
            QTest::mouseClick(window_->findChild<QPushButton *>("MicrLineButton"), Qt::LeftButton);
            return *seen ? before : QString("(no window)");
        };
        const auto toStep3 = [this] {
            auto cancelled = RejectNextModal();
            QTest::mouseClick(window_->NextButton, Qt::LeftButton);
            QVERIFY(*cancelled);
            QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        };
        OpenWizard(); // the default queue is MicrA4
        toStep3();
        QCOMPARE(typeLine("021000021", "123456789C"), QString());
        window_->PrintDialog1()->printer()->setPrinterName("MicrLetter");
        QCOMPARE(typeLine("121000248", "4567890123C"), QString());
        window_->PrintDialog1()->printer()->setPrinterName("MicrA4");
        QCOMPARE(typeLine({}, {}), QString("021000021"));

        OpenWizard();
        toStep3();
        QCOMPARE(typeLine({}, {}), QString("021000021"));
        window_->PrintDialog1()->printer()->setPrinterName("MicrLetter");
        QCOMPARE(typeLine({}, {}), QString("121000248"));
        const std::optional<PrinterProfile> letter = PrinterProfiles().Find("MicrLetter");
        QVERIFY(letter && letter->micrLine);
        QCOMPARE(letter->micrLine->onUs, QString("4567890123C"));
    }

    // The user's line on the placement page through the print path: every
    // character in its numbered cell of the page cups-pdf wrote.
    void usersLineThroughThePrintPath()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName("MicrLetter");
        Platform::UsePrinterMedia(printer, printer.pageLayout().pageSize());
        QVERIFY(Platform::PinPageGeometry(printer).isEmpty());
        MicrFields fields;
        fields.routing = "121000248";
        fields.onUs = "4567890123C";
        fields.auxOnUs = "C001234C";
        PlacementLayout layout;
        layout.userLine = ComposeMicrLine(fields);
        QVERIFY(layout.userLine->faults.empty());
        const QStringList before = CupsPdfFiles();
        PrintPlacementPageOn(printer, layout);
        const QString pdf = WaitForNewCupsPdf(before, 60000);
        QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote nothing");
        const int dpi = 600;
        const QString raster = dir_.filePath("users-line");
        Run("pdftoppm", {"-r", QString::number(dpi), "-gray", "-png", "-singlefile", pdf, raster});
        QFile::remove(pdf);
        QMap<int, QChar> expected;
        PlaceField(expected, "C001234C", 45);
        PlaceField(expected, "A121000248A", 33);
        PlaceField(expected, "4567890123C", 14);
        CheckMicrLineCells(QImage(raster + ".png").convertToFormat(QImage::Format_Grayscale8), dpi,
                           (8.5 - 0.3125) * dpi, (3.5 - 0.1875) * dpi, expected);
    }

    // Queue defaults that would rotate, mirror, skip, shrink or pair the
    // page: both pages come out identical to a plain queue's, pixel for pixel.
    void queueDefaultsDoNotReachThePage_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("placement");
        for (const char *queue : {"MicrLandscape", "MicrMirror", "MicrEvenPages", "MicrTwoUp", "MicrFitToPage"}) {
            QTest::addRow("%s, calibration page", queue) << queue << false;
            QTest::addRow("%s, placement page", queue) << queue << true;
        }
    }

    void queueDefaultsDoNotReachThePage()
    {
        QFETCH(QString, queue);
        QFETCH(bool, placement);
        QImage &plain = placement ? plainPlacement_ : plainCalibration_;
        if (plain.isNull())
            plain = PrintedPage("MicrLetter", placement);
        QVERIFY2(!plain.isNull(), "the plain queue printed nothing");
        const QImage printed = PrintedPage(queue, placement);
        QVERIFY2(!printed.isNull(), "nothing came out");
        QCOMPARE(printed.size(), plain.size());
        QVERIFY2(printed == plain, "the page differs from the plain queue's");
    }

    // The placement page for Letter stock on a queue of A4 paper: the user
    // is told, and it prints on Letter paper, laid out for the stock, or
    // not at all.
    void placementPageOnTheStocksPaper_data()
    {
        QTest::addColumn<bool>("printOnStockPaper");
        QTest::newRow("print on Letter") << true;
        QTest::newRow("cancel") << false;
    }

    void placementPageOnTheStocksPaper()
    {
        QFETCH(bool, printOnStockPaper);
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, window_.get());
        QString told;
        // The paper box is answered after the print dialog's answer has
        // returned: it takes what it needs by value, never through that frame.
        QString *toldHere = &told;
        auto printed = AnswerNextModal([toldHere, printOnStockPaper](QWidget *shown) {
            auto *printers = shown->findChild<QComboBox *>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->findText("MicrA4"));
            AnswerNextModal([toldHere, printOnStockPaper](QWidget *box) {
                auto *message = static_cast<QMessageBox *>(box);
                *toldHere = message->text();
                for (QAbstractButton *button : message->buttons())
                    if ((button->text() == "Print on Letter") == printOnStockPaper)
                        button->click();
            }, 10000, [](QWidget *modal) { return modal->objectName() == "PaperMismatchBox"; });
            static_cast<QDialog *>(shown)->accept();
        });
        PlacementLayout layout;
        layout.cheque = ChequePosition::Bottom;
        layout.line = 2;
        const QStringList before = CupsPdfFiles();
        QCOMPARE(PrintPlacementPage(dialog, layout), printOnStockPaper);
        QVERIFY(*printed);
        QVERIFY2(told == "The printer's paper is A4, but the stock chosen (3-up on Letter, 3.5 in a check) is on "
                         "Letter paper.",
                 qPrintable(told));
        if (!printOnStockPaper) {
            QTest::qWait(2000);
            QCOMPARE(CupsPdfFiles(), before);
            return;
        }
        const QString pdf = WaitForNewCupsPdf(before, 60000);
        QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote nothing");
        made_ << pdf;
        QVERIFY2(Run("pdfinfo", {pdf}).contains("612 x 792"), qPrintable(Run("pdfinfo", {pdf})));
        const int rasterDpi = 300;
        const QString raster = dir_.filePath("placement-on-stock-paper");
        Run("pdftoppm", {"-r", QString::number(rasterDpi), "-gray", "-png", "-singlefile", pdf, raster});
        const QImage page(raster + ".png");
        QCOMPARE(page.size(), QSize(int(8.5 * rasterDpi), 11 * rasterDpi));
        CheckPlacementRaster(page, rasterDpi, rasterDpi, 7.0, 3.5, TestFaceAdvances[1],
                             0.5 * rasterDpi / dialog.printer()->resolution() + 1);
    }

    // Even pages chosen in the print dialog: the user is told it is not
    // used, and the page prints as on a plain queue.
    void pageSetChosenInTheDialog()
    {
        QString told;
        QStringList combos;
        auto printed = AnswerNextModal([&](QWidget *dialog) {
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->findText("MicrLetter"));
            for (auto *combo : dialog->findChildren<QComboBox *>())
                combos << combo->objectName();
            auto *pageSet = dialog->findChild<QComboBox *>(QStringLiteral("pageSetCombo"));
            if (pageSet)
                pageSet->setCurrentIndex(pageSet->count() - 1); // even pages
            AnswerNextModal([&told](QWidget *box) {
                told = static_cast<QMessageBox *>(box)->informativeText();
                static_cast<QMessageBox *>(box)->button(QMessageBox::Ok)->click();
            });
            static_cast<QDialog *>(dialog)->accept();
        });
        const QStringList before = CupsPdfFiles();
        QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        QVERIFY(*printed);
        QVERIFY2(told.contains("Page set: even"), qPrintable(told + " / " + combos.join(',')));
        const QString pdf = WaitForNewCupsPdf(before, 60000);
        QVERIFY2(!pdf.isEmpty(), "nothing came out");
        made_ << pdf;
        const QString raster = dir_.filePath("even-pages-chosen");
        Run("pdftoppm", {"-r", "150", "-gray", "-png", "-singlefile", pdf, raster});
        if (plainCalibration_.isNull())
            plainCalibration_ = PrintedPage("MicrLetter", false);
        QVERIFY(QImage(raster + ".png") == plainCalibration_);
    }

    // What the print dialog chose against the page's geometry is named.
    void dialogChoicesOverriddenAreNamed()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName("MicrLetter");
        Platform::UsePrinterMedia(printer, printer.pageLayout().pageSize());
        printer.printEngine()->setProperty(QPrintEngine::PrintEnginePropertyKey(0xfe00),
                                           QStringList{"number-up", "2", "copies", "3", "mirror", "true"});
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        const QString told = Platform::PinPageGeometry(printer).join('\n');
        for (const char *named : {"Pages per sheet: 2", "Mirror: true", "landscape", "Pages: 2 to 3"})
            QVERIFY2(told.contains(named), qPrintable(told));
        QVERIFY2(!told.contains("copies", Qt::CaseInsensitive), qPrintable(told));
        const QStringList options =
            printer.printEngine()->property(QPrintEngine::PrintEnginePropertyKey(0xfe00)).toStringList();
        QCOMPARE(options.mid(options.indexOf("copies"), 2), QStringList({"copies", "3"}));
        QCOMPARE(options.mid(options.indexOf("number-up"), 2), QStringList({"number-up", "1"}));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(printer.printRange(), QPrinter::AllPages);
        // Pinned again, nothing more is named.
        QVERIFY(Platform::PinPageGeometry(printer).isEmpty());
    }

    void jobHasNoTitle()
    {
        // cups-pdf gives its PDF the job's title.
        QVERIFY2(!made_.isEmpty(), "no page was printed");
        const QString info = Run("pdfinfo", {made_.first()});
        static const QRegularExpression title(QStringLiteral("^Title:[ \\t]*(\\(\\))?[ \\t]*$"), QRegularExpression::MultilineOption);
        QVERIFY2(title.match(info).hasMatch(), qPrintable(info));
    }
};

int main(int argc, char **argv)
{
    MicrApplication application(argc, argv);
    Platform::SetApplicationTitle(QStringLiteral("MICR System Calibration"));
    PrintPathTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_print_cups.moc"
