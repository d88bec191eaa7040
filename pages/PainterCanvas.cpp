#include "pages/PainterCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {
// Font pixels to the point at which text is set before scaling down.
constexpr int PixelsPerPoint = 128;
} // namespace

PainterCanvas::PainterCanvas(QPainter &painter, double dpiX, double dpiY, CanvasFont &font)
    : FontKeepingCanvas(font), painter_(painter), dpiX_(dpiX), dpiY_(dpiY)
{
}

QFont PainterCanvas::ExactFont() const
{
    QFont font(Font().face);
    font.setPixelSize(Font().points * PixelsPerPoint);
    font.setBold(Font().style & fsBold);
    font.setItalic(Font().style & fsItalic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void PainterCanvas::TextOut(int x, int y, const QString &text)
{
    const QFont font = ExactFont();
    // The cell's top is the face's own ascent above the baseline; a glyph
    // borrowed from another face must not move the row.
    const qreal ascent = QFontMetricsF(font).ascent();

    painter_.save();
    painter_.translate(x, y);
    painter_.scale(dpiX_ / 72.0 / PixelsPerPoint, dpiY_ / 72.0 / PixelsPerPoint);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(0, ascent), text);
    painter_.restore();
}

void PainterCanvas::TextOnBaseline(double x, int baselineY, const QString &text, TextAnchor anchor)
{
    const QFont font = ExactFont();
    qreal advance = 0;
    if (anchor != TextAnchor::Left)
        advance = QFontMetricsF(font).horizontalAdvance(text) / (anchor == TextAnchor::Centre ? 2 : 1);

    painter_.save();
    painter_.translate(x, baselineY);
    painter_.scale(dpiX_ / 72.0 / PixelsPerPoint, dpiY_ / 72.0 / PixelsPerPoint);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(-advance, 0), text);
    painter_.restore();
}

void PainterCanvas::FillRect(int x, int y, int width, int height)
{
    painter_.fillRect(QRect(x, y, width, height), Qt::black);
}
