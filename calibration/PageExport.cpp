#include "PageExport.h"

#include "CalibrationPage.h"
#include "PainterCanvas.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>

namespace {
constexpr int MinimumDpi = 50;
constexpr int MaximumDpi = 2400;
// A raster larger than this many pixels is refused rather than allocated.
constexpr qint64 MaximumRasterPixels = qint64(1) << 28;

bool ParseResolution(const QString &text, ExportOptions &options, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6})(?:[xX](\\d{1,6}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        *error = QStringLiteral("--dpi takes N or XxY in dots per inch, not \"%1\"").arg(text);
        return false;
    }
    options.dpiX = match.captured(1).toInt();
    options.dpiY = match.captured(2).isEmpty() ? options.dpiX : match.captured(2).toInt();
    for (int dpi : {options.dpiX, options.dpiY}) {
        if (dpi < MinimumDpi || dpi > MaximumDpi) {
            *error = QStringLiteral("--dpi must be between %1 and %2, not %3")
                         .arg(MinimumDpi)
                         .arg(MaximumDpi)
                         .arg(dpi);
            return false;
        }
    }
    return true;
}
} // namespace

QString ExportUsage()
{
    return QStringLiteral(
        "Usage: micr-calibration-page [--bold] [--dpi N | --dpi XxY] [--paper letter|a4] -o FILE\n"
        "       micr-calibration-page --check-fonts\n"
        "\n"
        "Writes the MICR calibration page, exactly as the wizard prints it, to FILE:\n"
        "a PDF (FILE.pdf) or a raster image (FILE.png).\n"
        "\n"
        "  --bold          label the sample lines with the bold MICR faces\n"
        "  --dpi N, XxY    device resolution the page is laid out for (default 600)\n"
        "  --paper NAME    letter (default) or a4; the page starts a quarter inch\n"
        "                  in from the top and left edges of the paper\n"
        "  -o FILE         the file to write; it is written whole or not at all\n"
        "  --check-fonts   list each MICR and security face as installed or missing;\n"
        "                  fails when a standard MICR face is missing\n"
        "  --help          show this text\n"
        "\n"
        "Print the file at 100 % (no \"fit to page\") and measure the sample lines.\n");
}

std::optional<ExportOptions> ParseExportArguments(const QStringList &arguments, QString *error)
{
    ExportOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        auto value = [&](QString *into) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("%1 needs a value").arg(argument);
                return false;
            }
            *into = arguments[++i];
            return true;
        };
        QString text;
        if (argument == QLatin1String("--bold")) {
            options.bold = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--check-fonts")) {
            options.checkFonts = true;
        } else if (argument == QLatin1String("--dpi")) {
            if (!value(&text) || !ParseResolution(text, options, error))
                return std::nullopt;
        } else if (argument == QLatin1String("--paper")) {
            if (!value(&text))
                return std::nullopt;
            if (text.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
                options.paper = QPageSize::Letter;
            else if (text.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
                options.paper = QPageSize::A4;
            else {
                *error = QStringLiteral("--paper is letter or a4, not \"%1\"").arg(text);
                return std::nullopt;
            }
        } else if (argument == QLatin1String("-o") || argument == QLatin1String("--output")) {
            if (!value(&options.output))
                return std::nullopt;
        } else {
            *error = QStringLiteral("unknown argument \"%1\"").arg(argument);
            return std::nullopt;
        }
    }
    if (options.help || options.checkFonts)
        return options;
    if (options.output.isEmpty()) {
        *error = QStringLiteral("no output file: give one with -o FILE");
        return std::nullopt;
    }
    const QString suffix = QFileInfo(options.output).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png")) {
        *error = QStringLiteral("the output file must end in .pdf or .png, not \"%1\"").arg(options.output);
        return std::nullopt;
    }
    return options;
}

namespace {

void DrawPage(QPainter &painter, const ExportOptions &options)
{
    painter.translate(ExportOriginInches * options.dpiX, ExportOriginInches * options.dpiY);
    CanvasFont font;
    PainterCanvas canvas(painter, options.dpiX, options.dpiY, font);
    const FontWeightChoice weight = options.bold ? FontWeightChoice::Bold : FontWeightChoice::Standard;
    DrawCalibrationPage(canvas, ComputePageUnits(options.dpiX, options.dpiY), [weight] { return weight; });
}

bool WritePdf(const ExportOptions &options, QSaveFile &file, QString *error)
{
    QPdfWriter writer(&file);
    const int resolution = std::max(options.dpiX, options.dpiY);
    writer.setResolution(resolution);
    writer.setPageSize(QPageSize(options.paper));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(QStringLiteral("MICR calibration page"));
    writer.setCreator(QStringLiteral("micr-calibration-page"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        *error = QStringLiteral("cannot start the PDF");
        return false;
    }
    // Page pixels at dpiX x dpiY onto the writer's square resolution.
    painter.scale(double(resolution) / options.dpiX, double(resolution) / options.dpiY);
    DrawPage(painter, options);
    return painter.end();
}

bool WritePng(const ExportOptions &options, QSaveFile &file, QString *error)
{
    const QSizeF inches = QPageSize(options.paper).size(QPageSize::Millimeter) / 25.4;
    const qint64 width = std::llround(inches.width() * options.dpiX);
    const qint64 height = std::llround(inches.height() * options.dpiY);
    if (width * height > MaximumRasterPixels) {
        *error = QStringLiteral("a %1 x %2 pixel image is too large; use a lower --dpi or a PDF")
                     .arg(width)
                     .arg(height);
        return false;
    }
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) {
        *error = QStringLiteral("not enough memory for a %1 x %2 pixel image").arg(width).arg(height);
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
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    if (!gray.save(&file, "PNG")) {
        *error = QStringLiteral("cannot encode the image");
        return false;
    }
    return true;
}

} // namespace

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
        *error = QStringLiteral("cannot write %1: %2").arg(options.output, file.errorString());
        return false;
    }
    const bool pdf = QFileInfo(options.output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    const bool written = pdf ? WritePdf(options, file, error) : WritePng(options, file, error);
    if (!written) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(options.output, file.errorString());
        return false;
    }
    return true;
}

QStringList FaceReport()
{
    QStringList lines;
    auto report = [&lines](const QString &face, const char *role) {
        lines << QStringLiteral("%1  %2  (%3)")
                     .arg(QFontDatabase::hasFamily(face) ? QStringLiteral("installed")
                                                        : QStringLiteral("missing  "),
                          face, QLatin1String(role));
    };
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        report(QString::fromLatin1(MicrFaceName(line, FontWeightChoice::Standard)), "MICR, standard");
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line)
        report(QString::fromLatin1(MicrFaceName(line, FontWeightChoice::Bold)), "MICR, bold");
    for (const QString &face : SecurityFaces())
        report(face, "security sample");
    return lines;
}
