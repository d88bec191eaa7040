// The scan analysis against a model of the printed and scanned sheet: the
// program's own placement page drawn, carried through a printer (scale,
// shift, skew) and a scanner (resolution, turn on the glass, blur, noise,
// JPEG, dark or white lid), and measured back against the truth the model
// computes.
#include "pages/PageExport.h"
#include "scan/PlacementScan.h"
#include "scan/ScanImage.h"
#include "scan/Sheet.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

#include "ScanModel.h"

Q_DECLARE_METATYPE(Printer)
Q_DECLARE_METATYPE(Scanner)

class ScanTest : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
};

void ScanTest::placement_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("cheque");
    QTest::addColumn<Printer>("printer");
    QTest::addColumn<Scanner>("scanner");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<QString>("refused");
    const Printer plain;
    const Printer off{1.004, 0.997, 0.03, -0.02, 0.05};
    QTest::newRow("Letter top, 600 dpi, dark lid") << int(QPageSize::Letter) << 0 << off << Scanner{600, 1.2, true, false} << 0.002 << QString();
    QTest::newRow("A4 bottom, 600 dpi, white lid, JPEG") << int(QPageSize::A4) << 2 << off << Scanner{600, -2.0, false, true} << 0.002 << QString();
    QTest::newRow("Letter middle, 300 dpi") << int(QPageSize::Letter) << 1 << plain << Scanner{300, 0.5, true, true} << 0.004 << QString();
    QTest::newRow("upside down") << int(QPageSize::Letter) << 0 << plain << Scanner{600, 180, true, false} << 0.0 << QStringLiteral("upside-down");
    QTest::newRow("another cheque's page") << int(QPageSize::Letter) << 2 << plain << Scanner{600, 0, true, false} << 0.0 << QStringLiteral("wrong-page");
    QTest::newRow("too coarse") << int(QPageSize::Letter) << 0 << plain << Scanner{200, 0, true, false} << 0.0 << QStringLiteral("too-coarse");
}

void ScanTest::placement()
{
    QFETCH(int, paper);
    QFETCH(int, cheque);
    QFETCH(Printer, printer);
    QFETCH(Scanner, scanner);
    QFETCH(double, tolerance);
    QFETCH(QString, refused);
    QTemporaryDir dir;
    ExportOptions options;
    options.page = ExportedPage::Placement;
    options.paper = QPageSize::PageSizeId(paper);
    options.cheque = ChequePosition(refused == QLatin1String("wrong-page") ? 0 : cheque);
    options.dpiX = options.dpiY = DrawnDpi;
    options.output = dir.filePath(QStringLiteral("page.png"));
    QString error;
    QVERIFY2(ExportCalibrationPage(options, &error), qPrintable(error));
    const QSizeF inches = PaperInches(options.paper);
    const QImage scanned = PrintAndScan(DrawnPage(options.output), inches, printer, scanner);

    PlacementLayout layout;
    layout.paperInches = inches;
    layout.stock = StockForPaper(inches.height());
    layout.cheque = ChequePosition(cheque);
    ScanRefusal why;
    const auto scan = ScanFromImage(scanned, double(scanner.dpi), &why);
    const auto sheet = scan ? FindSheet(*scan, &why) : std::nullopt;
    const auto found = sheet ? MeasurePlacement(*scan, *sheet, layout, &why) : std::nullopt;
    QCOMPARE(ScanProblemKey(why.problem), refused.isEmpty() ? QStringLiteral("none") : refused);
    if (!refused.isEmpty())
        return;
    QVERIFY(found);
    // The truth: the page's marks where the printer put them.
    const double x1 = PositionOneRightInches(layout), baseline = BaselineInches(layout);
    const double bottom = ChequeBottomInches(layout);
    const cv::Point2d tick = printer.Map({x1, baseline});
    QVERIFY2(std::abs(found->bar - ReferenceBarInches * printer.sx) <= tolerance, qPrintable(QString::number(found->bar, 'f', 4)));
    QVERIFY(found->verticalBar);
    QVERIFY2(std::abs(*found->verticalBar - VerticalBarInches * printer.sy) <= tolerance,
             qPrintable(QString::number(*found->verticalBar, 'f', 4)));
    QVERIFY2(std::abs(found->right - (inches.width() - tick.x)) <= tolerance, qPrintable(QString::number(found->right, 'f', 4)));
    const double bottomTruth = std::abs(bottom - inches.height()) < 0.01 ? inches.height() - tick.y
                                                                           : printer.Map({x1, bottom}).y - tick.y;
    QVERIFY2(std::abs(found->bottom - bottomTruth) <= tolerance, qPrintable(QString::number(found->bottom, 'f', 4)));
    QVERIFY2(std::abs(found->sheet.skewDegrees - scanner.turnDegrees) <= 0.1, qPrintable(QString::number(found->sheet.skewDegrees)));
}

QTEST_MAIN(ScanTest)
#include "tst_scan.moc"
