// The scan analysis against a model of the printed and scanned sheet: the
// program's own placement page drawn, carried through a printer (scale,
// shift, skew) and a scanner (resolution, turn on the glass, blur, noise,
// JPEG, dark or white lid), and measured back against the truth the model
// computes.
#include "pages/PageExport.h"
#include "scan/PlacementScan.h"
#include "scan/ScanImage.h"
#include "scan/Sheet.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace {

struct Printer
{
    double sx = 1, sy = 1, ox = 0, oy = 0, skewDegrees = 0;
    // Paper point from page point, in inches.
    cv::Point2d Map(cv::Point2d p) const
    {
        const double a = skewDegrees * CV_PI / 180;
        const double x = sx * p.x, y = sy * p.y;
        return {std::cos(a) * x - std::sin(a) * y + ox, std::sin(a) * x + std::cos(a) * y + oy};
    }
};

struct Scanner
{
    int dpi = 600;
    double turnDegrees = 0;
    bool darkLid = true;
    bool jpeg = false;
};

} // namespace

Q_DECLARE_METATYPE(Printer)
Q_DECLARE_METATYPE(Scanner)

namespace {

constexpr int DrawnDpi = 600;
constexpr double Glass = 0.4; // the paper's corner from the glass's, in inches

cv::Mat Gray(const QImage &image)
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    cv::Mat mat(gray.height(), gray.width(), CV_8UC1);
    for (int y = 0; y < gray.height(); ++y)
        std::memcpy(mat.ptr(y), gray.constScanLine(y), size_t(gray.width()));
    return mat;
}

// The page printed by `printer` on its paper and scanned by `scanner`.
QImage PrintAndScan(const cv::Mat &page, QSizeF paper, const Printer &printer, const Scanner &scanner)
{
    // The printer: each paper pixel from the page pixel that lands on it.
    const double a = printer.skewDegrees * CV_PI / 180;
    cv::Mat forward = (cv::Mat_<double>(2, 3) << std::cos(a) * printer.sx, -std::sin(a) * printer.sy,
                       printer.ox * DrawnDpi, std::sin(a) * printer.sx, std::cos(a) * printer.sy, printer.oy * DrawnDpi);
    cv::Mat printed;
    cv::warpAffine(page, printed, forward, page.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT, 255);
    constexpr double Toner = 20, Paper = 238;
    printed.convertTo(printed, CV_8U, (Paper - Toner) / 255, Toner);
    // The scanner: the paper turned on the glass, at its resolution.
    const double k = double(scanner.dpi) / DrawnDpi, t = scanner.turnDegrees * CV_PI / 180;
    const cv::Size size(int((paper.width() + 2 * Glass) * scanner.dpi), int((paper.height() + 2 * Glass) * scanner.dpi));
    // Turned about the paper's centre, which lands in the glass's.
    const cv::Point2d from(printed.cols / 2.0, printed.rows / 2.0), to(size.width / 2.0, size.height / 2.0);
    const double c = k * std::cos(t), s = k * std::sin(t);
    cv::Mat glass = (cv::Mat_<double>(2, 3) << c, -s, to.x - (c * from.x - s * from.y), s, c,
                     to.y - (s * from.x + c * from.y));
    cv::Mat scanned;
    if (k < 1)
        cv::GaussianBlur(printed, printed, {0, 0}, 0.5 / k);
    cv::warpAffine(printed, scanned, glass, size, cv::INTER_LINEAR, cv::BORDER_CONSTANT, scanner.darkLid ? 30 : 252);
    cv::GaussianBlur(scanned, scanned, {0, 0}, 0.7);
    cv::Mat noise(scanned.size(), CV_16S);
    cv::randn(noise, 0, 2);
    cv::Mat noisy;
    scanned.convertTo(noisy, CV_16S);
    noisy += noise;
    noisy.convertTo(scanned, CV_8U);
    QImage image(scanned.data, scanned.cols, scanned.rows, int(scanned.step), QImage::Format_Grayscale8);
    image = image.copy();
    if (scanner.jpeg) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        image.save(&buffer, "JPG", 75);
        image.loadFromData(bytes, "JPG");
    }
    return image;
}

} // namespace

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
    QImageReader page(options.output);
    page.setAllocationLimit(512);
    const QImage scanned = PrintAndScan(Gray(page.read()), inches, printer, scanner);

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
