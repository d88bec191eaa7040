#include "scan/ScanImage.h"

#include "scan/PdfScan.h"

#include <QImage>
#include <QImageReader>

#include <cmath>
#include <cstring>

namespace {

// Qt writes 96 dpi into an image whose file gives none.
constexpr double QtDefaultDpi = 96;
constexpr double MetresPerInch = 0.0254;
// Enough for a Letter or A4 sheet at 1200 dpi decoded in colour.
constexpr int DecodeLimitMegabytes = 640;

} // namespace

std::optional<ScanImage> ScanFromImage(const QImage &decoded, std::optional<double> dpi, ScanRefusal *why)
{
    ScanImage scan;
    scan.dpiX = dpi ? *dpi : decoded.dotsPerMeterX() * MetresPerInch;
    scan.dpiY = dpi ? *dpi : decoded.dotsPerMeterY() * MetresPerInch;
    if (!dpi && std::abs(scan.dpiX - QtDefaultDpi) < 0.5 && std::abs(scan.dpiY - QtDefaultDpi) < 0.5)
        scan.dpiX = scan.dpiY = 0; // the file gives none
    if (std::min(scan.dpiX, scan.dpiY) < MinimumScanDpi - 0.5) {
        *why = {ScanProblem::TooCoarse, std::min(scan.dpiX, scan.dpiY), {}};
        return std::nullopt;
    }
    const QImage gray = decoded.convertToFormat(QImage::Format_Grayscale8);
    if (gray.isNull()) {
        *why = {ScanProblem::TooLarge, 0, {}};
        return std::nullopt;
    }
    scan.gray.create(gray.height(), gray.width(), CV_8UC1);
    for (int y = 0; y < gray.height(); ++y)
        std::memcpy(scan.gray.ptr(y), gray.constScanLine(y), size_t(gray.width()));
    return scan;
}

QString DecoderFault(const QImageReader &reader)
{
    // Qt's decoders word their faults in English only: the usual ones are
    // said in the program's words, which the user's language has.
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("Wording", "there is no such file"));
    case QImageReader::UnsupportedFormatError:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("Wording", "it is not an image this program reads (PNG, TIFF, JPEG)"));
    case QImageReader::InvalidDataError:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("Wording", "the image is damaged or cut short"));
    default:
        return reader.errorString();
    }
}

std::optional<ScanImage> LoadScan(const QString &path, std::optional<double> dpi, ScanRefusal *why)
{
    QImageReader::setAllocationLimit(DecodeLimitMegabytes);
    if (IsPdf(path)) {
        const std::optional<QImage> image = PdfScanImage(path, why);
        return image ? ScanFromImage(*image, dpi, why) : std::nullopt;
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && double(size.width()) * size.height() > MostScanPixels) {
        *why = {ScanProblem::TooLarge, 0, QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())};
        return std::nullopt;
    }
    QImage decoded;
    if (!reader.read(&decoded)) {
        *why = {ScanProblem::Unreadable, 0, DecoderFault(reader)};
        return std::nullopt;
    }
    return ScanFromImage(decoded, dpi, why);
}
