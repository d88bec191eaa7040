#include "ChequeFileReader.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// A PDF's header may stand this far into the file, and its end-of-file
// marker this far from the end.
constexpr qint64 HeaderWindow = 1024;
constexpr qint64 TrailerWindow = 1024;
// Marks that are no text are looked for at this resolution: a drawing's
// place to a hundredth of an inch is plenty to name it.
constexpr double DrawingDpi = 150;
// Text hides the ink this far around its boxes (glyphs overhang them a little).
constexpr int TextMarginPixels = 2;
// A pixel this dark or darker is ink (0 white, 255 black): a hairline of
// 0.1 pt still covers a fifth of a pixel; a light tint stays below.
constexpr int InkDarkness = 40;
// The MICR line's baseline is measured from its ink at this resolution,
// from the anti-aliased bottom edge: poppler's rasteriser sets glyphs
// about a pixel high, so the pixels are kept small (0.0004 in).
constexpr double BaselineDpi = 2400;
// Below a word's box (which reaches the font's descent, under the baseline
// of a MICR face), ink is looked for only this far: a mark further down is
// no part of the word.
constexpr double InkBelowBoxInches = 0.01;
// A page or strip is never rendered with more pixels than this (a poster
// of a page would otherwise take gigabytes): its resolution is lowered.
constexpr double MostPixels = 40e6;
// A pixel darker than this is part of a glyph's edge.
constexpr int GlyphEdgeDarkness = 4;
// Ink wider than this many of the line's characters is no glyph of it.
constexpr double GlyphsInAMark = 1.5;
// No paper is larger than this; a page or word beyond it comes from a
// damaged number, and would only make the renders huge.
constexpr double LargestPaperInches = 200;
// Ghostscript is given this long to make a PDF of a one-page file.
constexpr int GhostscriptMilliseconds = 30000;

void QuietPoppler(const std::string & /*message*/, void * /*closure*/) {}

// No page, for this reason (said by the wording unit).
std::optional<ChequeFilePage> Unread(ChequeFileProblem *problem, ChequeFileProblem::Kind kind, const QString &path,
                                     const QString &detail = QString())
{
    problem->kind = kind;
    problem->path = path;
    problem->detail = detail;
    return std::nullopt;
}

QRectF Inches(const poppler::rectf &points)
{
    return {points.x() / PointsPerInch, points.y() / PointsPerInch, points.width() / PointsPerInch,
            points.height() / PointsPerInch};
}

// A box that could be on paper: every number finite, no side past the
// largest paper.
bool Sensible(const QRectF &box)
{
    return std::isfinite(box.x()) && std::isfinite(box.y()) && std::isfinite(box.width()) &&
        std::isfinite(box.height()) && std::abs(box.width()) <= LargestPaperInches &&
        std::abs(box.height()) <= LargestPaperInches && std::abs(box.x()) <= 10 * LargestPaperInches &&
        std::abs(box.y()) <= 10 * LargestPaperInches;
}

// A coordinate in pixels as an index from 0 to `size`, whatever the file
// says (text far off the page, or at no number at all).
int Pixel(double at, int size)
{
    return std::isfinite(at) ? int(std::clamp(std::floor(at), 0.0, double(size))) : 0;
}

// Darkness of a gray8 pixel, 0 (white) to 255 (black).
int Darkness(const poppler::image &image, int x, int y)
{
    const auto *row = reinterpret_cast<const unsigned char *>(image.const_data()) + std::ptrdiff_t(y) * image.bytes_per_row();
    return 255 - row[x];
}

void SetUp(poppler::page_renderer &renderer)
{
    renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_hinting, false);
    renderer.set_image_format(poppler::image::format_gray8);
}

// How far the page is turned, beyond its own /Rotate, to read its MICR
// text upright: a page turned alone (its content not turned with it)
// shows its lines on their side.
struct Reading
{
    int quarterTurns = 0; // clockwise
    QSizeF shown;         // the page as shown, inches, before these turns

    QSizeF Size() const { return quarterTurns % 2 ? shown.transposed() : shown; }
    // A box of the page as shown, in the upright page.
    QRectF Upright(const QRectF &box) const
    {
        QRectF turned = box;
        QSizeF size = shown;
        for (int turn = 0; turn < quarterTurns; ++turn) {
            // A clockwise quarter turn: the left edge becomes the top.
            turned = QRectF(size.height() - turned.bottom(), turned.left(), turned.height(), turned.width());
            size.transpose();
        }
        return turned;
    }
};

poppler::image Render(const poppler::page &page, const Reading &reading, double dpi, int x = -1, int y = -1,
                      int w = -1, int h = -1)
{
    poppler::page_renderer renderer;
    SetUp(renderer);
    return renderer.render_page(&page, dpi, dpi, x, y, w, h, poppler::rotation_enum(reading.quarterTurns));
}

// The ink of a strip that is no glyph's: each group of touching ink
// pixels wider than a few of the row's characters (a frame's border, an
// outline, a rule under the line). A glyph, or a symbol's parts, is no
// wider than its cell.
std::vector<unsigned char> ForeignInk(const poppler::image &image, const std::vector<ChequeFileWord *> &row, double dpi)
{
    const int width = image.width();
    const int height = image.height();
    double widest = 0;
    for (const ChequeFileWord *word : row) {
        for (const QRectF &character : word->characters)
            widest = std::max(widest, character.width());
    }
    const int widestGlyph = int(std::ceil(widest * dpi * GlyphsInAMark));
    std::vector<unsigned char> seen(std::size_t(width) * std::size_t(height), 0);
    std::vector<unsigned char> foreign(seen.size(), 0);
    std::vector<int> stack;
    std::vector<int> group;
    for (int start = 0; start < width * height; ++start) {
        if (seen[std::size_t(start)] || Darkness(image, start % width, start / width) <= GlyphEdgeDarkness)
            continue;
        seen[std::size_t(start)] = 1;
        stack.push_back(start);
        group.clear();
        int left = width, right = 0;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            group.push_back(at);
            const int x = at % width;
            const int y = at / width;
            left = std::min(left, x);
            right = std::max(right, x);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                        continue;
                    const std::size_t next = std::size_t(ny) * std::size_t(width) + std::size_t(nx);
                    if (!seen[next] && Darkness(image, nx, ny) > GlyphEdgeDarkness) {
                        seen[next] = 1;
                        stack.push_back(int(next));
                    }
                }
            }
        }
        if (right - left > widestGlyph) {
            for (int at : group)
                foreign[std::size_t(at)] = 1;
        }
    }
    return foreign;
}

// The bottom of the ink under each character of `words` (one row of text),
// measured on a strip rendered at BaselineDpi; the lowest is the baseline
// of a face whose glyphs all sit on it.
void MeasureInkBottoms(const poppler::page &page, const Reading &reading, const std::vector<ChequeFileWord *> &row)
{
    QRectF strip;
    for (const ChequeFileWord *word : row)
        strip |= word->box;
    strip.setBottom(strip.bottom() + InkBelowBoxInches);
    // Text may stand off the page; its ink there is not printed.
    strip &= QRectF(QPointF(0, 0), reading.Size());
    if (strip.isEmpty())
        return;
    const double dpi = std::min(BaselineDpi, std::sqrt(MostPixels / std::max(1e-6, strip.width() * strip.height())));
    const int x0 = std::max(0, int(std::floor(strip.left() * dpi)));
    const int y0 = std::max(0, int(std::floor(strip.top() * dpi)));
    const int w = int(std::ceil(strip.right() * dpi)) - x0;
    const int h = int(std::ceil(strip.bottom() * dpi)) - y0;
    if (w <= 0 || h <= 0)
        return;
    const poppler::image image = Render(page, reading, dpi, x0, y0, w, h);
    if (!image.is_valid())
        return;
    const std::vector<unsigned char> foreign = ForeignInk(image, row, dpi);
    for (ChequeFileWord *word : row) {
        double lowest = -1;
        for (const QRectF &character : word->characters) {
            // The middle of the cell: its neighbours' overhangs stay out.
            const int left = Pixel((character.left() + character.width() * 0.1) * dpi - x0, image.width());
            const int right = Pixel((character.right() - character.width() * 0.1) * dpi - x0, image.width());
            const int top = Pixel(character.top() * dpi - y0, image.height());
            for (int x = left; x < right; ++x) {
                for (int y = image.height() - 1; y >= top; --y) {
                    const int darkness = Darkness(image, x, y);
                    if (darkness > GlyphEdgeDarkness && !foreign[std::size_t(y) * std::size_t(image.width()) + std::size_t(x)]) {
                        // The edge crosses this pixel where its coverage says.
                        lowest = std::max(lowest, y + darkness / 255.0);
                        break;
                    }
                }
            }
        }
        if (lowest >= 0)
            word->inkBottom = (y0 + lowest) / dpi;
    }
}

// Boxes around the ink that no text covers, at DrawingDpi.
std::vector<QRectF> Drawings(const poppler::page &page, const Reading &reading, const std::vector<ChequeFileWord> &words)
{
    const QSizeF size = reading.Size();
    const double dpi = std::min(DrawingDpi, std::sqrt(MostPixels / std::max(1e-6, size.width() * size.height())));
    const poppler::image image = Render(page, reading, dpi);
    if (!image.is_valid())
        return {};
    const int width = image.width();
    const int height = image.height();
    std::vector<unsigned char> ink(std::size_t(width) * std::size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            ink[std::size_t(y) * std::size_t(width) + std::size_t(x)] = Darkness(image, x, y) >= InkDarkness ? 1 : 0;
    }
    for (const ChequeFileWord &word : words) {
        const int left = Pixel(word.box.left() * dpi - TextMarginPixels, width);
        const int right = Pixel(std::ceil(word.box.right() * dpi) + TextMarginPixels, width);
        const int top = Pixel(word.box.top() * dpi - TextMarginPixels, height);
        const int bottom = Pixel(std::ceil(word.box.bottom() * dpi) + TextMarginPixels, height);
        if (left >= right)
            continue;
        for (int y = top; y < bottom; ++y)
            std::fill(ink.begin() + std::ptrdiff_t(y) * width + left, ink.begin() + std::ptrdiff_t(y) * width + right, 0);
    }
    // Each group of touching ink pixels, one box.
    std::vector<QRectF> boxes;
    std::vector<int> stack;
    for (int start = 0; start < width * height; ++start) {
        if (!ink[std::size_t(start)])
            continue;
        int left = width, right = 0, top = height, bottom = 0;
        ink[std::size_t(start)] = 0;
        stack.push_back(start);
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            const int x = at % width;
            const int y = at / width;
            left = std::min(left, x);
            right = std::max(right, x + 1);
            top = std::min(top, y);
            bottom = std::max(bottom, y + 1);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                        continue;
                    const std::size_t next = std::size_t(ny) * std::size_t(width) + std::size_t(nx);
                    if (ink[next]) {
                        ink[next] = 0;
                        stack.push_back(int(next));
                    }
                }
            }
        }
        boxes.emplace_back(left / dpi, top / dpi, (right - left) / dpi,
                           (bottom - top) / dpi);
    }
    return boxes;
}

// The page's words as shown (its /Rotate applied), in inches; none, and
// *absurd set, when a word is sized beyond any paper.
std::vector<ChequeFileWord> WordsOf(const poppler::page &page, std::vector<int> *rotations, bool *absurd)
{
    std::vector<ChequeFileWord> words;
    for (const poppler::text_box &box : page.text_list(poppler::page::text_list_include_font)) {
        ChequeFileWord word;
        const poppler::byte_array utf8 = box.text().to_utf8();
        word.text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
        word.font = QString::fromStdString(box.get_font_name());
        word.points = box.get_font_size();
        word.box = Inches(box.bbox());
        if (!Sensible(word.box)) {
            *absurd = true;
            return {};
        }
        for (qsizetype i = 0; i < word.text.size(); ++i)
            word.characters.push_back(Inches(box.char_bbox(std::size_t(i))));
        rotations->push_back(box.rotation());
        words.push_back(std::move(word));
    }
    return words;
}

bool HasMicrText(const std::vector<ChequeFileWord> &words)
{
    return std::any_of(words.begin(), words.end(), [](const ChequeFileWord &word) {
        return IsMicrFont(word.font) && !word.text.trimmed().isEmpty();
    });
}

std::optional<ChequeFilePage> ReadPdf(const QString &pdf, const QString &path, ChequeFileProblem *problem,
                                      int pageNumber)
{
    poppler::set_debug_error_function(QuietPoppler, nullptr);
    const std::unique_ptr<poppler::document> document(poppler::document::load_from_file(QFile::encodeName(pdf).toStdString()));
    using Kind = ChequeFileProblem::Kind;
    if (!document)
        return Unread(problem, Kind::Damaged, path);
    if (document->is_locked())
        return Unread(problem, Kind::Encrypted, path);
    const int pages = document->pages();
    if (pages < 1)
        return Unread(problem, Kind::NoPage, path);
    if (pageNumber > pages) {
        problem->pages = pages;
        problem->page = pageNumber;
        return Unread(problem, Kind::NoSuchPage, path);
    }
    // The chosen page, or the first whose text is in a MICR face.
    std::unique_ptr<poppler::page> page;
    std::vector<ChequeFileWord> words;
    std::vector<int> rotations;
    const bool chosen = pageNumber > 0;
    for (int index = pageNumber > 0 ? pageNumber - 1 : 0; index < pages; ++index) {
        std::unique_ptr<poppler::page> candidate(document->create_page(index));
        if (!candidate)
            continue;
        if (!Sensible(Inches(candidate->page_rect(poppler::media_box))))
            return Unread(problem, Kind::AbsurdGeometry, path);
        std::vector<int> candidateRotations;
        bool absurd = false;
        std::vector<ChequeFileWord> candidateWords = WordsOf(*candidate, &candidateRotations, &absurd);
        if (absurd)
            return Unread(problem, Kind::AbsurdGeometry, path);
        const bool micr = HasMicrText(candidateWords);
        if (!page || micr) {
            page = std::move(candidate);
            words = std::move(candidateWords);
            rotations = std::move(candidateRotations);
            pageNumber = index + 1;
        }
        if (micr || chosen)
            break;
    }
    if (!page)
        return Unread(problem, Kind::PageUnreadable, path);

    ChequeFilePage read;
    read.pageCount = pages;
    read.pageNumber = pageNumber;
    // Text and renders come as the page is shown, its /Rotate applied; a
    // MICR line on its side is turned upright.
    Reading reading;
    const QSizeF media = Inches(page->page_rect(poppler::media_box)).size();
    const poppler::page::orientation_enum orientation = page->orientation();
    reading.shown = orientation == poppler::page::landscape || orientation == poppler::page::seascape
        ? media.transposed() : media;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (IsMicrFont(words[i].font) && !words[i].text.trimmed().isEmpty()) {
            reading.quarterTurns = (4 - rotations[i] % 4) % 4;
            break;
        }
    }
    read.pageInches = reading.Size();
    for (ChequeFileWord &word : words) {
        word.box = reading.Upright(word.box);
        for (QRectF &character : word.characters)
            character = reading.Upright(character);
        if (!word.font.isEmpty() && !read.fonts.contains(word.font))
            read.fonts << word.font;
    }
    read.words = std::move(words);
    // The rows of text in a MICR face get their baselines from the ink.
    std::vector<std::vector<ChequeFileWord *>> rows;
    for (ChequeFileWord &word : read.words) {
        if (!IsMicrFont(word.font))
            continue;
        auto row = std::find_if(rows.begin(), rows.end(), [&word](const std::vector<ChequeFileWord *> &r) {
            return std::abs(r.front()->box.bottom() - word.box.bottom()) < 0.05;
        });
        if (row == rows.end())
            rows.push_back({&word});
        else
            row->push_back(&word);
    }
    for (const std::vector<ChequeFileWord *> &row : rows)
        MeasureInkBottoms(*page, reading, row);
    read.drawings = Drawings(*page, reading, read.words);
    return read;
}

// Ghostscript's PDF of a PostScript file, in `folder`.
std::optional<QString> PostScriptToPdf(const QString &path, const QString &folder, ChequeFileProblem *problem)
{
    using Kind = ChequeFileProblem::Kind;
    const QString gs = GhostscriptProgram();
    if (gs.isEmpty()) {
        Unread(problem, Kind::NoGhostscript, path);
        return std::nullopt;
    }
    const QString pdf = folder + QStringLiteral("/cheque.pdf");
    QProcess process;
    process.start(gs, {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
                       QStringLiteral("-dNOPAUSE"), QStringLiteral("-sDEVICE=pdfwrite"),
                       QStringLiteral("-sOutputFile=") + pdf, QStringLiteral("-f"), path});
    if (!process.waitForFinished(GhostscriptMilliseconds)) {
        process.kill();
        process.waitForFinished();
        Unread(problem, Kind::GhostscriptTimedOut, path);
        problem->seconds = GhostscriptMilliseconds / 1000;
        return std::nullopt;
    }
    const QString complaint = QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput())
                                  .section(QLatin1Char('\n'), 0, 0)
                                  .trimmed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || !QFileInfo(pdf).size()) {
        Unread(problem, Kind::NotPostScript, path, complaint);
        return std::nullopt;
    }
    return pdf;
}

} // namespace

QString GhostscriptProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("gs"));
}

std::optional<ChequeFilePage> ReadChequeFile(const QString &path, ChequeFileProblem *problem, int pageNumber)
{
    using Kind = ChequeFileProblem::Kind;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return QFileInfo::exists(path) ? Unread(problem, Kind::CannotOpen, path, file.errorString())
                                       : Unread(problem, Kind::Missing, path);
    }
    const qint64 size = file.size();
    if (size == 0)
        return Unread(problem, Kind::Empty, path);
    const QByteArray head = file.read(HeaderWindow);
    file.seek(std::max<qint64>(0, size - TrailerWindow));
    const QByteArray tail = file.read(TrailerWindow);
    file.close();
    const bool postScript = head.startsWith("%!") || head.startsWith("\x04%!");
    if (!postScript && !head.contains("%PDF-"))
        return Unread(problem, Kind::NeitherPdfNorPostScript, path);
    // Both end in an end-of-file marker; one cut short has none (a PDF
    // reader would mend the rest and read a page with parts missing).
    if ((!postScript || head.startsWith("%!PS-Adobe")) && !tail.contains("%%EOF"))
        return Unread(problem, postScript ? Kind::CutShortPostScript : Kind::CutShortPdf, path);
    if (!postScript)
        return ReadPdf(path, path, problem, pageNumber);
    const QTemporaryDir folder;
    if (!folder.isValid())
        return Unread(problem, Kind::NoTemporaryFolder, path);
    const std::optional<QString> pdf = PostScriptToPdf(path, folder.path(), problem);
    if (!pdf)
        return std::nullopt;
    return ReadPdf(*pdf, path, problem, pageNumber);
}
