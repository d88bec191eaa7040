#include "scan/PdfScan.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <cmath>
#include <memory>

namespace {

constexpr double MetresPerInch = 0.0254;
// pdfimages writes a page's images in well under this; the helper as a
// whole is stopped after 10 s.
constexpr int ExtractMilliseconds = 8000;

void QuietPoppler(const std::string & /*message*/, void * /*closure*/) {}

std::optional<QImage> Refused(ScanRefusal *why, ScanProblem problem, const QString &detail = {})
{
    *why = {problem, 0, detail};
    return std::nullopt;
}

} // namespace

bool IsPdf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

std::optional<QImage> PdfScanImage(const QString &path, ScanRefusal *why)
{
    poppler::set_debug_error_function(QuietPoppler, nullptr);
    const std::unique_ptr<poppler::document> document(poppler::document::load_from_file(QFile::encodeName(path).toStdString()));
    if (!document || document->is_locked())
        return Refused(why, ScanProblem::Unreadable, document ? QString::fromLatin1(QT_TRANSLATE_NOOP("Wording", "the PDF is encrypted")) : QString::fromLatin1(QT_TRANSLATE_NOOP("Wording", "not a PDF that can be read")));
    if (document->pages() != 1)
        return Refused(why, ScanProblem::PdfPages, QString::number(document->pages()));
    const std::unique_ptr<poppler::page> page(document->create_page(0));
    if (!page)
        return Refused(why, ScanProblem::Unreadable, QString::fromLatin1(QT_TRANSLATE_NOOP("Wording", "its page cannot be read")));
    const poppler::rectf media = page->page_rect(poppler::media_box);
    const poppler::page::orientation_enum orientation = page->orientation();

    // The images as stored, each in a file of its own: JPEG as it is,
    // anything else as PNG.
    const QString extractor = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    if (extractor.isEmpty())
        return Refused(why, ScanProblem::Failed, QString::fromLatin1(QT_TRANSLATE_NOOP("Wording", "a PDF scan is read with pdfimages, which is not installed (poppler-utils)")));
    QTemporaryDir folder;
    if (!folder.isValid())
        return Refused(why, ScanProblem::Failed, folder.errorString());
    QProcess process;
    process.start(extractor, {QStringLiteral("-j"), QStringLiteral("-png"), path, folder.filePath(QStringLiteral("image"))});
    if (!process.waitForFinished(ExtractMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return Refused(why, ScanProblem::Failed, QString::fromLatin1(QT_TRANSLATE_NOOP("Wording", "pdfimages did not finish")));
    }
    const QStringList images = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    if (images.size() != 1)
        return Refused(why, ScanProblem::PdfImages, QString::number(images.size()));
    QImageReader reader(folder.filePath(images.front()));
    const QSize size = reader.size();
    if (size.isValid() && double(size.width()) * size.height() > MostScanPixels)
        return Refused(why, ScanProblem::TooLarge, QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
    QImage image;
    if (!reader.read(&image))
        return Refused(why, ScanProblem::Unreadable, reader.errorString());
    // Upright as the page is shown; the image fills the page.
    const int quarterTurns = orientation == poppler::page::landscape ? 1
        : orientation == poppler::page::upside_down                 ? 2
        : orientation == poppler::page::seascape                     ? 3
                                                                     : 0;
    if (quarterTurns != 0)
        image = image.transformed(QTransform().rotate(90.0 * quarterTurns));
    const bool across = quarterTurns % 2 == 1;
    const double widthInches = (across ? media.height() : media.width()) / PointsPerInch;
    const double heightInches = (across ? media.width() : media.height()) / PointsPerInch;
    if (widthInches <= 0 || heightInches <= 0)
        return Refused(why, ScanProblem::Unreadable, QString::fromLatin1(QT_TRANSLATE_NOOP("Wording", "its page has no size")));
    image.setDotsPerMeterX(int(std::lround(image.width() / widthInches / MetresPerInch)));
    image.setDotsPerMeterY(int(std::lround(image.height() / heightInches / MetresPerInch)));
    return image;
}
