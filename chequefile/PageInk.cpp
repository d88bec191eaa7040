#include "PageInk.h"

#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <QRect>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

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

// The highest resolution, up to `dpi`, at which `inches` stays within
// MostPixels.
double BoundedDpi(double dpi, const QSizeF &inches)
{
    return std::min(dpi, std::sqrt(MostPixels / std::max(1e-6, inches.width() * inches.height())));
}

poppler::image Render(const poppler::page &page, const PageTurn &turn, double dpi, int x = -1, int y = -1,
                      int w = -1, int h = -1)
{
    poppler::page_renderer renderer;
    renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
    renderer.set_render_hint(poppler::page_renderer::text_hinting, false);
    renderer.set_image_format(poppler::image::format_gray8);
    return renderer.render_page(&page, dpi, dpi, x, y, w, h, poppler::rotation_enum(turn.quarterTurns));
}

// Each group of touching pixels set in `mask` (width × height, a row after
// another), handed to `take` with its bounds and, when `withPixels`, its
// pixels' indexes; the mask is cleared as it is searched.
void ForEachInkGroup(std::vector<unsigned char> &mask, int width, int height, bool withPixels,
                     const std::function<void(const std::vector<int> &, const QRect &)> &take)
{
    std::vector<int> stack;
    std::vector<int> group;
    for (int start = 0; start < width * height; ++start) {
        if (!mask[std::size_t(start)])
            continue;
        mask[std::size_t(start)] = 0;
        stack.push_back(start);
        group.clear();
        int left = width, right = 0, top = height, bottom = 0;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            if (withPixels)
                group.push_back(at);
            const int x = at % width;
            const int y = at / width;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                        continue;
                    const std::size_t next = std::size_t(ny) * std::size_t(width) + std::size_t(nx);
                    if (mask[next]) {
                        mask[next] = 0;
                        stack.push_back(int(next));
                    }
                }
            }
        }
        take(group, QRect(QPoint(left, top), QPoint(right, bottom)));
    }
}

// The pixels of `image` darker than `darkness`, 1 each.
std::vector<unsigned char> InkMask(const poppler::image &image, int darkness)
{
    const int width = image.width();
    const int height = image.height();
    std::vector<unsigned char> ink(std::size_t(width) * std::size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            ink[std::size_t(y) * std::size_t(width) + std::size_t(x)] = Darkness(image, x, y) > darkness ? 1 : 0;
    }
    return ink;
}

// The ink of a strip that is no glyph's: each group of touching ink
// pixels wider than a few of the row's characters (a frame's border, an
// outline, a rule under the line). A glyph, or a symbol's parts, is no
// wider than its cell.
std::vector<unsigned char> ForeignInk(const poppler::image &image, const std::vector<ChequeFileWord *> &row, double dpi)
{
    double widest = 0;
    for (const ChequeFileWord *word : row) {
        for (const QRectF &character : word->characters)
            widest = std::max(widest, character.width());
    }
    const int widestGlyph = int(std::ceil(widest * dpi * GlyphsInAMark));
    std::vector<unsigned char> ink = InkMask(image, GlyphEdgeDarkness);
    std::vector<unsigned char> foreign(ink.size(), 0);
    ForEachInkGroup(ink, image.width(), image.height(), true, [&](const std::vector<int> &group, const QRect &bounds) {
        if (bounds.width() - 1 > widestGlyph) {
            for (int at : group)
                foreign[std::size_t(at)] = 1;
        }
    });
    return foreign;
}

} // namespace

QRectF PageTurn::Upright(const QRectF &box) const
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

void MeasureInkBottoms(const poppler::page &page, const PageTurn &turn, const std::vector<ChequeFileWord *> &row)
{
    QRectF strip;
    for (const ChequeFileWord *word : row)
        strip |= word->box;
    strip.setBottom(strip.bottom() + InkBelowBoxInches);
    // Text may stand off the page; its ink there is not printed.
    strip &= QRectF(QPointF(0, 0), turn.Size());
    if (strip.isEmpty())
        return;
    const double dpi = BoundedDpi(BaselineDpi, strip.size());
    const int x0 = std::max(0, int(std::floor(strip.left() * dpi)));
    const int y0 = std::max(0, int(std::floor(strip.top() * dpi)));
    const int w = int(std::ceil(strip.right() * dpi)) - x0;
    const int h = int(std::ceil(strip.bottom() * dpi)) - y0;
    if (w <= 0 || h <= 0)
        return;
    const poppler::image image = Render(page, turn, dpi, x0, y0, w, h);
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

std::vector<QRectF> Drawings(const poppler::page &page, const PageTurn &turn, const std::vector<ChequeFileWord> &words)
{
    const double dpi = BoundedDpi(DrawingDpi, turn.Size());
    const poppler::image image = Render(page, turn, dpi);
    if (!image.is_valid())
        return {};
    const int width = image.width();
    const int height = image.height();
    std::vector<unsigned char> ink = InkMask(image, InkDarkness - 1);
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
    std::vector<QRectF> boxes;
    ForEachInkGroup(ink, width, height, false, [&](const std::vector<int> & /*group*/, const QRect &bounds) {
        boxes.emplace_back(bounds.left() / dpi, bounds.top() / dpi, bounds.width() / dpi, bounds.height() / dpi);
    });
    return boxes;
}
