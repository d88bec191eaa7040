#include "ChequeFileReader.h"
#include "PageInk.h"
#include "PostScriptToPdf.h"

#include <poppler-document.h>
#include <poppler-font.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <QFile>
#include <QFileInfo>
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
// No paper is larger than this; a page or word beyond it comes from a
// damaged number, and would only make the renders huge.
constexpr double LargestPaperInches = 200;

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

// The names of the fonts in the resources of the page at `index`, as
// poppler lists them, a font whose glyphs carry no characters (as pdftops
// leaves them) among them.
QStringList FontsOf(const poppler::document &document, int index)
{
    QStringList fonts;
    const std::unique_ptr<poppler::font_iterator> iterator(document.create_font_iterator(index));
    if (!iterator || !iterator->has_next())
        return fonts;
    for (const poppler::font_info &font : iterator->next()) {
        const QString name = QString::fromStdString(font.name());
        if (!name.isEmpty() && !fonts.contains(name))
            fonts << name;
    }
    return fonts;
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
    PageTurn turn;
    const QSizeF media = Inches(page->page_rect(poppler::media_box)).size();
    const poppler::page::orientation_enum orientation = page->orientation();
    turn.shown = orientation == poppler::page::landscape || orientation == poppler::page::seascape
        ? media.transposed() : media;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (IsMicrFont(words[i].font) && !words[i].text.trimmed().isEmpty()) {
            turn.quarterTurns = (4 - rotations[i] % 4) % 4;
            break;
        }
    }
    read.pageInches = turn.Size();
    for (ChequeFileWord &word : words) {
        word.box = turn.Upright(word.box);
        for (QRectF &character : word.characters)
            character = turn.Upright(character);
        if (!word.font.isEmpty() && !read.fonts.contains(word.font))
            read.fonts << word.font;
    }
    for (const QString &font : FontsOf(*document, pageNumber - 1)) {
        if (!read.fonts.contains(font))
            read.fontsWithoutText << font;
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
        MeasureInkBottoms(*page, turn, row);
    read.drawings = Drawings(*page, turn, read.words);
    return read;
}

} // namespace

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
