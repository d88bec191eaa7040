#pragma once

#include "pages/PageCanvas.h"

class QFont;
class QPainter;

// Draws the page with a QPainter on a printer, a PDF or an image. Page
// coordinates are device pixels at dpiX x dpiY; the painter's transform
// maps them onto its device.
//
// Text is set at exactly its point size and advanced by the face's own
// design widths. Qt would round a font's size to whole device pixels (a
// 10-point face at 600 dpi becomes 83 px, 9.96 pt), which shortens or
// lengthens a 56-position sample line by several hundredths of an inch, so
// the text is drawn from a font many times larger, scaled down.
class PainterCanvas : public FontKeepingCanvas
{
public:
    PainterCanvas(QPainter &painter, double dpiX, double dpiY, CanvasFont &font);

    void TextOut(int x, int y, const QString &text) override;
    void TextOnBaseline(double x, int baselineY, const QString &text, TextAnchor anchor) override;
    void FillRect(int x, int y, int width, int height) override;

private:
    QFont ExactFont() const;

    QPainter &painter_;
    double dpiX_;
    double dpiY_;
};
