#pragma once

#include <QString>

// Font styles a canvas font can carry.
enum FontStyle : unsigned { fsBold = 1u << 0, fsItalic = 1u << 1 };
using FontStyles = unsigned;

// Where a line of text set on a baseline stands: from its left end, with
// the advance of its last character ending at the given point, or centred
// on it.
enum class TextAnchor { Left, Right, Centre };

// What the pages draw on: one current font (face, size in points, style)
// changed by the few operations the pages use, single lines of text placed
// by the top-left corner of their cell or on a baseline, and rules, all in
// device pixels.
class PageCanvas
{
public:
    virtual ~PageCanvas() = default;

    virtual void SetFace(const QString &face) = 0;
    virtual void SetSize(int points) = 0;
    virtual void AddBold() = 0;
    virtual void AddItalic() = 0;
    virtual void ClearStyle() = 0;
    virtual FontStyles Style() const = 0;
    virtual void TextOut(int x, int y, const QString &text) = 0;
    // A line of text whose baseline is the pixel row `baselineY`; `x` is
    // where its left end or its last advance's end falls (a fraction of a
    // pixel is kept: the text is drawn at its exact size).
    virtual void TextOnBaseline(double x, int baselineY, const QString &text, TextAnchor anchor) = 0;
    // A solid black rectangle of whole pixels.
    virtual void FillRect(int x, int y, int width, int height) = 0;
};

// The font state of a canvas. The printer's outlives each job.
struct CanvasFont
{
    QString face = QStringLiteral("Arial");
    int points = 10;
    FontStyles style = 0;
};

// The font operations every canvas shares; a canvas adds TextOut.
class FontKeepingCanvas : public PageCanvas
{
public:
    explicit FontKeepingCanvas(CanvasFont &font) : font_(font) {}

    void SetFace(const QString &face) override { font_.face = face; }
    void SetSize(int points) override { font_.points = points; }
    void AddBold() override { font_.style |= fsBold; }
    void AddItalic() override { font_.style |= fsItalic; }
    void ClearStyle() override { font_.style = 0; }
    FontStyles Style() const override { return font_.style; }

protected:
    const CanvasFont &Font() const { return font_; }

private:
    CanvasFont &font_;
};
