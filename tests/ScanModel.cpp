#include "ScanModel.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>

#include <opencv2/imgproc.hpp>

#include <cstring>

namespace {

constexpr double Toner = 20, Paper = 238;
constexpr double MetresPerInch = 0.0254;

cv::Mat Gray(const QImage &image)
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    cv::Mat mat(gray.height(), gray.width(), CV_8UC1);
    for (int y = 0; y < gray.height(); ++y)
        std::memcpy(mat.ptr(y), gray.constScanLine(y), size_t(gray.width()));
    return mat;
}

// Each stroke grown by `inches` on either side: the darkest of the page
// shifted each way by that much.
cv::Mat Spread(const cv::Mat &page, double inches)
{
    if (inches <= 0)
        return page;
    const double d = inches * DrawnDpi;
    cv::Mat grown = page.clone();
    for (const cv::Point2d shift : {cv::Point2d(d, 0), cv::Point2d(-d, 0), cv::Point2d(0, d), cv::Point2d(0, -d)}) {
        cv::Mat moved;
        const cv::Mat map = (cv::Mat_<double>(2, 3) << 1, 0, shift.x, 0, 1, shift.y);
        cv::warpAffine(page, moved, map, page.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT, 255);
        grown = cv::min(grown, moved);
    }
    return grown;
}

} // namespace

// The scanner's glass, as PrintAndScan turns and samples the paper.
constexpr double Glass = 0.4;

cv::Point2d ScannedPixel(QSizeF paper, const Scanner &scanner, cv::Point2d inches)
{
    const double k = double(scanner.dpi) / DrawnDpi, t = scanner.turnDegrees * CV_PI / 180;
    // The drawn page's pixel centres stand half a pixel in.
    const cv::Point2d drawn(inches.x * DrawnDpi - 0.5, inches.y * DrawnDpi - 0.5);
    const cv::Point2d from(std::lround(paper.width() * DrawnDpi) / 2.0, std::lround(paper.height() * DrawnDpi) / 2.0);
    const cv::Point2d to(int((paper.width() + 2 * Glass) * scanner.dpi) / 2.0, int((paper.height() + 2 * Glass) * scanner.dpi) / 2.0);
    const double c = k * std::cos(t), s = k * std::sin(t);
    const cv::Point2d d = drawn - from;
    return {c * d.x - s * d.y + to.x, s * d.x + c * d.y + to.y};
}

cv::Mat DrawnPage(const QString &path)
{
    QImageReader reader(path);
    QImageReader::setAllocationLimit(512);
    return Gray(reader.read());
}

cv::Mat DrawnCheque(QSizeF paper, const QString &face, const QString &text, double right, double baseline)
{
    QImage image(int(std::lround(paper.width() * DrawnDpi)), int(std::lround(paper.height() * DrawnDpi)),
                 QImage::Format_Grayscale8);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(std::lround(DrawnDpi / MetresPerInch)));
    image.setDotsPerMeterY(int(std::lround(DrawnDpi / MetresPerInch)));
    QPainter painter(&image);
    QFont font(face);
    font.setPointSizeF(10);
    // The strokes as the face draws them, not snapped to whole pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double advance = QFontMetricsF(font, &image).horizontalAdvance(text);
    painter.drawText(QPointF(right * DrawnDpi - advance, baseline * DrawnDpi), text);
    painter.end();
    return Gray(image);
}

QImage PrintAndScan(cv::Mat page, QSizeF paper, const Printer &printer, const Scanner &scanner,
                    const std::vector<cv::Vec3d> &spots)
{
    page = Spread(page, printer.spread / 2);
    // The printer: each paper pixel from the page pixel that lands on it.
    const double a = printer.skewDegrees * CV_PI / 180;
    const cv::Mat forward = (cv::Mat_<double>(2, 3) << std::cos(a) * printer.sx, -std::sin(a) * printer.sy,
                             printer.ox * DrawnDpi, std::sin(a) * printer.sx, std::cos(a) * printer.sy,
                             printer.oy * DrawnDpi);
    cv::Mat printed;
    cv::warpAffine(page, printed, forward, page.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT, 255);
    constexpr int Shift = 4; // sixteenths of a pixel
    for (const cv::Vec3d &spot : spots)
        cv::circle(printed, cv::Point(int(spot[0] * DrawnDpi * 16), int(spot[1] * DrawnDpi * 16)),
                   int(spot[2] / 2 * DrawnDpi * 16), cv::Scalar(0), cv::FILLED, cv::LINE_AA, Shift);
    printed.convertTo(printed, CV_8U, (Paper - Toner) / 255, Toner);
    // The scanner: the paper turned about its centre on the glass, with a
    // margin of lid all round, sampled at its resolution.
    const double k = double(scanner.dpi) / DrawnDpi, t = scanner.turnDegrees * CV_PI / 180;
    const cv::Size size(int((paper.width() + 2 * Glass) * scanner.dpi), int((paper.height() + 2 * Glass) * scanner.dpi));
    const cv::Point2d from(printed.cols / 2.0, printed.rows / 2.0), to(size.width / 2.0, size.height / 2.0);
    const double c = k * std::cos(t), s = k * std::sin(t);
    const cv::Mat glass = (cv::Mat_<double>(2, 3) << c, -s, to.x - (c * from.x - s * from.y), s, c,
                           to.y - (s * from.x + c * from.y));
    if (k < 1)
        cv::GaussianBlur(printed, printed, {0, 0}, 0.5 / k);
    cv::Mat scanned;
    cv::warpAffine(printed, scanned, glass, size, cv::INTER_LINEAR, cv::BORDER_CONSTANT, scanner.darkLid ? 30 : 252);
    cv::GaussianBlur(scanned, scanned, {0, 0}, 0.7);
    cv::Mat noise(scanned.size(), CV_16S), noisy;
    cv::randn(noise, 0, 2);
    scanned.convertTo(noisy, CV_16S);
    noisy += noise;
    noisy.convertTo(scanned, CV_8U);
    QImage image = QImage(scanned.data, scanned.cols, scanned.rows, int(scanned.step), QImage::Format_Grayscale8).copy();
    image.setDotsPerMeterX(int(std::lround(scanner.dpi / MetresPerInch)));
    image.setDotsPerMeterY(int(std::lround(scanner.dpi / MetresPerInch)));
    if (scanner.jpeg) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        image.save(&buffer, "JPG", 75);
        QImageReader::setAllocationLimit(512); // a page decoded in colour
        image.loadFromData(bytes, "JPG");
        // As the scanner writes it into the file's header.
        image.setDotsPerMeterX(int(std::lround(scanner.dpi / MetresPerInch)));
        image.setDotsPerMeterY(int(std::lround(scanner.dpi / MetresPerInch)));
    }
    return image;
}
