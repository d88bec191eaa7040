// The windows' "From Scan...": a model of the placement page, of the
// calibration page and of a cheque, printed and scanned, measured by the
// scan helper in the background; the Placement window's readings, the
// Measurements window's lengths and the Cheque File window's gauge answer
// against the model's truth, the overlay where the model put
// the paper and the line, a damaged image refused, and Cancel.
#include "TestSupport.h"

#include "answers/ChequeCheck.h"
#include "forms/ChequeFile.h"
#include "forms/Measurements.h"
#include "forms/Placement.h"
#include "pages/PageExport.h"
#include "platform/ScanView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ScanModel.h"

Q_DECLARE_METATYPE(Printer)

namespace {

// The overlay's corners and line ends land within this many of the scan's
// pixels of where the model put them.
constexpr double OverlayPixels = 3;

double Reading(QWidget *window, const char *field)
{
    return window->findChild<QLineEdit *>(field)->text().toDouble();
}

bool Near(QPointF found, cv::Point2d truth, double within)
{
    return std::hypot(found.x() - truth.x, found.y() - truth.y) <= within;
}

} // namespace

class ScanWindowsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void fromScan_data();
    void fromScan();
};

void ScanWindowsTest::fromScan_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("cheque");
    QTest::addColumn<Printer>("printer");
    // What is scanned: "page", "calibration", "cheque", "damaged", or "slow" (a helper
    // that never answers, cancelled).
    QTest::addColumn<QString>("scanned");
    QTest::newRow("placement, Letter top") << "placement" << int(QPageSize::Letter) << 0
                                           << Printer{1.003, 0.998, 0.03, -0.02, 0.05} << "page";
    QTest::newRow("placement, A4 bottom") << "placement" << int(QPageSize::A4) << 2
                                          << Printer{0.997, 1.002, -0.02, 0.015, -0.05} << "page";
    QTest::newRow("measurements, Letter") << "measurements" << int(QPageSize::Letter) << 0
                                          << Printer{1.004, 0.997, 0.03, -0.02, 0.05, 0.001} << "calibration";
    QTest::newRow("cheque file, Letter top") << "cheque" << int(QPageSize::Letter) << 0
                                             << Printer{1.0, 1.0, 0.01, -0.005, 0.1, 0.001} << "cheque";
    QTest::newRow("damaged PNG") << "placement" << int(QPageSize::Letter) << 0 << Printer{} << "damaged";
    QTest::newRow("cancelled, placement") << "placement" << int(QPageSize::Letter) << 0 << Printer{} << "slow";
    QTest::newRow("cancelled, cheque file") << "cheque" << int(QPageSize::Letter) << 0 << Printer{} << "slow";
}

void ScanWindowsTest::fromScan()
{
    QFETCH(QString, window);
    QFETCH(int, paper);
    QFETCH(int, cheque);
    QFETCH(Printer, printer);
    QFETCH(QString, scanned);
    const QSizeF inches = PaperInches(QPageSize::PageSizeId(paper));
    PlacementLayout layout;
    layout.paperInches = inches;
    layout.stock = StockForPaper(inches.height());
    layout.cheque = ChequePosition(cheque);
    const Scanner scanner{600, 0.8, true, false};
    const QString path = dir_.filePath(QStringLiteral("%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
    const double right = PositionOneRightInches(layout), baseline = BaselineInches(layout);
    if (scanned == "page" || scanned == "calibration") {
        ExportOptions options;
        options.page = scanned == "page" ? ExportedPage::Placement : ExportedPage::Calibration;
        options.paper = QPageSize::PageSizeId(paper);
        options.cheque = layout.cheque;
        options.dpiX = options.dpiY = DrawnDpi;
        options.output = dir_.filePath("page.png");
        QString error;
        QVERIFY2(ExportCalibrationPage(options, &error), qPrintable(error));
        QVERIFY(PrintAndScan(DrawnPage(options.output), inches, printer, scanner).save(path));
    } else if (scanned == "cheque") {
        const QString face = QString::fromLatin1(MicrFaceName(3, FontWeightChoice::Standard));
        QVERIFY(PrintAndScan(DrawnCheque(inches, face, SampleMicrLine(), right, baseline), inches, printer, scanner)
                    .save(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // A PNG's signature and the start of its header, and nothing more.
        file.write(QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000a"));
    }
    const QByteArray helper = qgetenv("MICR_CALIBRATION_SCAN");
    if (scanned == "slow") {
        const QString slow = dir_.filePath("slow-helper");
        QFile script(slow);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nexec sleep 60\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        qputenv("MICR_CALIBRATION_SCAN", QFile::encodeName(slow));
    }

    TPlacement placement([](const PlacementLayout &) { return true; });
    TChequeFile chequeFile;
    PrinterSession session;
    TMeasurements measurements(session);
    QDialog *shown = window == "placement"  ? static_cast<QDialog *>(&placement)
                   : window == "measurements" ? static_cast<QDialog *>(&measurements)
                                              : &chequeFile;
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    const auto choose = [shown](const char *name, int index) { shown->findChild<QComboBox *>(name)->setCurrentIndex(index); };
    if (window == "placement") {
        choose("StockChoice", paper == int(QPageSize::A4) ? 1 : 0);
        choose("ChequeChoice", cheque);
        // Readings typed before: a refused or cancelled scan leaves them.
        shown->findChild<QLineEdit *>("BarField")->setText("7.01");
    } else if (window == "cheque") {
        choose("ChequeChoice", cheque);
    }
    const QString resultBefore = window == "placement" ? shown->findChild<QLabel *>("ResultText")->text()
                               : window == "cheque"    ? shown->findChild<QPlainTextEdit *>("ResultText")->toPlainText()
                                                       : QString();
    const auto measuring = [&] {
        return window == "placement" ? placement.Measuring() : window == "measurements" ? measurements.Measuring() : chequeFile.Measuring();
    };
    if (window == "placement")
        placement.MeasureScan(path);
    else if (window == "measurements")
        measurements.MeasureScan(path);
    else
        chequeFile.MeasureScan(path);
    QVERIFY(measuring());
    auto *cancel = shown->findChild<QPushButton *>("CancelScanButton");
    QVERIFY(cancel->isVisible());
    // The window answers while the helper measures.
    QVERIFY(!shown->findChild<QPushButton *>("ScanButton")->isEnabled());

    if (scanned == "slow") {
        QTest::mouseClick(cancel, Qt::LeftButton);
        qputenv("MICR_CALIBRATION_SCAN", helper);
        QVERIFY(!measuring());
        QVERIFY(!cancel->isVisible());
        QVERIFY(shown->findChild<QPushButton *>("ScanButton")->isEnabled());
        const QString resultAfter = window == "placement" ? shown->findChild<QLabel *>("ResultText")->text()
                                                          : shown->findChild<QPlainTextEdit *>("ResultText")->toPlainText();
        QCOMPARE(resultAfter, resultBefore);
        if (window == "placement") {
            QCOMPARE(shown->findChild<QLineEdit *>("BarField")->text(), QString("7.01"));
            QVERIFY(!shown->findChild<QLabel *>("ScanText")->isVisible());
        }
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!measuring(), 20000);
    QVERIFY(!cancel->isVisible());

    if (window == "measurements") {
        // The truth: each line as long as its face makes it, times the
        // printer's scale across.
        const LineLengths nominal = NominalLineLengths();
        for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
            const QString name = QStringLiteral("LengthField%1").arg(line);
            const double expected = *nominal[std::size_t(line - 1)] * printer.sx;
            QVERIFY2(std::abs(Reading(shown, qPrintable(name)) - expected) <= 0.002,
                     qPrintable(QStringLiteral("line %1: %2 for %3").arg(line).arg(shown->findChild<QLineEdit *>(name)->text()).arg(expected)));
        }
        // The usual check follows on what was filled in.
        QVERIFY(session.TypedAssessment().recommended != 0);
        // Said at the resolution the scanner stated.
        QVERIFY2(measurements.ScanSaid().contains(QStringLiteral("%1 dpi").arg(scanner.dpi)), qPrintable(measurements.ScanSaid()));
        return;
    }

    if (scanned == "damaged") {
        const QString said = placement.ScanSaid();
        QVERIFY2(said.startsWith(QFileInfo(path).fileName() + ": the scan cannot be read"), qPrintable(said));
        QCOMPARE(shown->findChild<QLineEdit *>("BarField")->text(), QString("7.01"));
        QVERIFY(!placement.ScanPicture());
        return;
    }

    // The picture: decoded in the background, the paper's corners and the
    // line where the model put them.
    ScanPictureDialog *picture = window == "placement" ? placement.ScanPicture() : chequeFile.ScanPicture();
    QVERIFY(picture);
    QTRY_VERIFY_WITH_TIMEOUT(!picture->Decoding(), 20000);
    QVERIFY(picture->isVisible());
    QVERIFY(!picture->Picture().isNull());
    const auto pixel = [&](cv::Point2d paperPoint) { return ScannedPixel(inches, scanner, paperPoint); };
    const ScanOverlay &overlay = picture->Overlay();
    QCOMPARE(overlay.sheet.size(), 4);
    const std::vector<cv::Point2d> corners{{0, 0}, {inches.width(), 0}, {inches.width(), inches.height()}, {0, inches.height()}};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(Near(overlay.sheet[i], pixel(corners[size_t(i)]), OverlayPixels),
                 qPrintable(QStringLiteral("corner %1 at %2, %3").arg(i).arg(overlay.sheet[i].x()).arg(overlay.sheet[i].y())));

    if (window == "placement") {
        // The truth: the page's marks where the printer put them.
        const cv::Point2d tick = printer.Map({right, baseline});
        const bool bottomIsPaper = cheque == 2;
        QVERIFY2(std::abs(Reading(shown, "BarField") - ReferenceBarInches * printer.sx) <= 0.002,
                 qPrintable(shown->findChild<QLineEdit *>("BarField")->text()));
        QVERIFY(std::abs(Reading(shown, "VerticalBarField") - VerticalBarInches * printer.sy) <= 0.002);
        QVERIFY(std::abs(Reading(shown, "RightField") - (inches.width() - tick.x)) <= 0.002);
        const double fromEdge = bottomIsPaper ? inches.height() - tick.y : tick.y;
        QVERIFY2(std::abs(Reading(shown, "BaselineField") - fromEdge) <= 0.002,
                 qPrintable(shown->findChild<QLineEdit *>("BaselineField")->text()));
        QCOMPARE(shown->findChild<QComboBox *>("BaselineFromChoice")->currentIndex(), bottomIsPaper ? 0 : 1);
        // The usual check follows: the scale from the bar, the move from
        // where position 1 landed.
        QVERIFY(placement.Result());
        QVERIFY(std::abs(placement.Result()->scaleX - printer.sx) <= 0.0005);
        // Position 1's cell ends at the long tick, on the baseline.
        QCOMPARE(overlay.cells.size(), std::size_t(PositionCount));
        QVERIFY(Near(overlay.cells.front()[2], pixel(tick), OverlayPixels));
    } else {
        const QString answer = shown->findChild<QPlainTextEdit *>("ResultText")->toPlainText();
        QVERIFY2(answer.contains("MICR line read: " + CheckMicrLine(SampleMicrLine()).letters), qPrintable(answer));
        // Where the printer put the line's end, from the cheque's right and
        // bottom edges.
        const cv::Point2d landed = printer.Map({right, baseline});
        static const QRegularExpression ends(QStringLiteral("right end: ([0-9.]+) in .* baseline ([0-9.]+) in"));
        const QRegularExpressionMatch said = ends.match(answer);
        QVERIFY2(said.hasMatch(), qPrintable(answer));
        QVERIFY2(std::abs(said.captured(1).toDouble() - (inches.width() - landed.x)) <= 0.002, qPrintable(answer));
        QVERIFY2(std::abs(said.captured(2).toDouble() - (ChequeBottomInches(layout) - landed.y)) <= 0.002, qPrintable(answer));
        // A box for each character, the baseline under them where the
        // printer put it, ending in the last character's cell.
        QCOMPARE(overlay.characters.size(), std::size_t(QString(SampleMicrLine()).remove(' ').size()));
        const cv::Point2d end = pixel(landed);
        QVERIFY2(std::abs(overlay.baseline.p2().y() - end.y) <= OverlayPixels,
                 qPrintable(QString::number(overlay.baseline.p2().y() - end.y)));
        QVERIFY2(overlay.baseline.p2().x() < end.x && overlay.baseline.p2().x() > end.x - PositionPitchInches * scanner.dpi,
                 qPrintable(QStringLiteral("%1 against %2").arg(overlay.baseline.p2().x()).arg(end.x)));
    }
}

QTEST_MAIN(ScanWindowsTest)
#include "tst_scan_windows.moc"
