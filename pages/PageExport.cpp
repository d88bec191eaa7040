#include "pages/PageExport.h"

#include "pages/CalibrationPage.h"
#include "pages/PainterCanvas.h"
#include "pages/PdfMediaBox.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

#include <cmath>

namespace {
// A raster larger than this many pixels is refused rather than allocated.
constexpr qint64 MaximumRasterPixels = qint64(1) << 28;

void DrawPage(QPainter &painter, const ExportOptions &options)
{
    CanvasFont font;
    PainterCanvas canvas(painter, options.dpiX, options.dpiY, font);
    const FontWeightChoice weight = options.bold ? FontWeightChoice::Bold : FontWeightChoice::Standard;
    if (options.page == ExportedPage::Placement) {
        PlacementLayout layout;
        layout.paperInches = PaperInches(options.paper);
        layout.cheque = options.cheque;
        layout.stock = options.stock.value_or(StockForPaper(layout.paperInches.height()));
        layout.line = options.line;
        layout.weight = weight;
        layout.userLine = options.userLine;
        layout.applied = options.applied;
        DrawPlacementPage(canvas, layout, options.dpiX, options.dpiY);
        return;
    }
    painter.translate(ExportOriginInches * options.dpiX, ExportOriginInches * options.dpiY);
    DrawCalibrationPage(canvas, ComputePageUnits(options.dpiX, options.dpiY), [weight] { return weight; },
                        PaperInches(options.paper).width(), ExportOriginInches);
}

bool WritePdf(const ExportOptions &options, QSaveFile &file, QString *error)
{
    // Written whole in memory first: the page's exact size is set after Qt
    // has finished it.
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QPdfWriter writer(&written);
    const int resolution = std::max(options.dpiX, options.dpiY);
    writer.setResolution(resolution);
    writer.setPageSize(QPageSize(options.paper));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(options.page == ExportedPage::Placement ? QStringLiteral("MICR placement test page")
                                                            : QStringLiteral("MICR calibration page"));
    writer.setCreator(QStringLiteral("micr-calibration-page"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        *error = QCoreApplication::translate("Exporter", "cannot start a PDF in %1").arg(options.output);
        return false;
    }
    // Page pixels at dpiX x dpiY onto the writer's square resolution.
    painter.scale(double(resolution) / options.dpiX, double(resolution) / options.dpiY);
    DrawPage(painter, options);
    if (!painter.end()) {
        *error = QCoreApplication::translate("Exporter", "cannot finish the PDF %1: %2").arg(options.output, file.errorString());
        return false;
    }
    const QByteArray exact = WithMediaBox(written.data(), ExactPaperPoints(QPageSize(options.paper)));
    if (exact.isEmpty() || file.write(exact) != exact.size()) {
        *error = QCoreApplication::translate("Exporter", "cannot finish the PDF %1: %2").arg(options.output, file.errorString());
        return false;
    }
    return true;
}

bool WritePng(const ExportOptions &options, QSaveFile &file, QString *error)
{
    const QSizeF inches = PaperInches(options.paper);
    const qint64 width = std::llround(inches.width() * options.dpiX);
    const qint64 height = std::llround(inches.height() * options.dpiY);
    if (width * height > MaximumRasterPixels) {
        *error = QCoreApplication::translate("Exporter", "%1: a %2 x %3 pixel image is too large; use a lower --dpi or a PDF")
                     .arg(options.output)
                     .arg(width)
                     .arg(height);
        return false;
    }
    // Grey from the start: a quarter of the memory of a colour image (135
    // MB rather than 540 MB for Letter at 1200 dpi), and the same pixels,
    // the page being black on white.
    QImage image(int(width), int(height), QImage::Format_Grayscale8);
    if (image.isNull()) {
        *error = QCoreApplication::translate("Exporter", "%1: not enough memory for a %2 x %3 pixel image")
                     .arg(options.output)
                     .arg(width)
                     .arg(height);
        return false;
    }
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(std::lround(options.dpiX / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(options.dpiY / 0.0254)));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawPage(painter, options);
    }
    if (!image.save(&file, "PNG")) {
        *error = QCoreApplication::translate("Exporter", "cannot encode the image %1: %2").arg(options.output, file.errorString());
        return false;
    }
    return true;
}

} // namespace

QSizeF PaperInches(QPageSize::PageSizeId paper)
{
    // Millimetres are exact for both papers; Qt rounds inches to hundredths.
    return QPageSize(paper).size(QPageSize::Millimeter) / MillimetresPerInch;
}

bool ExportCalibrationPage(const ExportOptions &options, QString *error)
{
    // Written beside the target and renamed over it only when complete.
    QSaveFile file(options.output);
    const QFileInfo target(options.output);
    if (target.isDir()) {
        *error = QStringLiteral("%1 is a directory").arg(options.output);
        return false;
    }
    // The new file is renamed over the old one, which would replace a
    // read-only file whatever its permissions say.
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (target.exists() && !(target.permissions() & anyWrite)) {
        *error = QStringLiteral("%1 is read-only").arg(options.output);
        return false;
    }
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QCoreApplication::translate("Exporter", "cannot write %1: %2").arg(options.output, file.errorString());
        return false;
    }
    const bool pdf = QFileInfo(options.output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    const bool written = pdf ? WritePdf(options, file, error) : WritePng(options, file, error);
    if (!written) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QCoreApplication::translate("Exporter", "cannot write %1: %2").arg(options.output, file.errorString());
        return false;
    }
    return true;
}

QStringList FaceReport()
{
    QStringList lines;
    // The two words in one column, however long each is in the language.
    const QString installed = QCoreApplication::translate("Exporter", "installed");
    const QString missing = QCoreApplication::translate("Exporter", "missing");
    const qsizetype column = std::max(installed.size(), missing.size());
    auto report = [&](const QString &face, const QString &role) {
        lines << QStringLiteral("%1  %2  (%3)")
                     .arg((QFontDatabase::hasFamily(face) ? installed : missing).leftJustified(column), face, role);
    };
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        report(QString::fromLatin1(MicrFaceName(line, FontWeightChoice::Standard)),
               QCoreApplication::translate("Exporter", "MICR, standard"));
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        report(QString::fromLatin1(MicrFaceName(line, FontWeightChoice::Bold)),
               QCoreApplication::translate("Exporter", "MICR, bold"));
    for (const QString &face : SecurityFaces())
        report(face, QCoreApplication::translate("Exporter", "security sample"));
    return lines;
}
