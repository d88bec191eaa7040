#pragma once

#include <QPageSize>
#include <QRectF>
#include <QString>

#include <vector>

// Cheque files as cheque-printing programs write them, at places the test
// chooses: text in a face at a size, each glyph at the pen position its
// advance gives, and filled rectangles; the whole page zoomed about its
// top-left corner as an HTML converter or "fit to page" zooms it.

struct ChequeText
{
    QString face;
    double points = 10;
    double left = 0;     // inches from the page's left edge, before the zoom
    double baseline = 0; // inches from the page's top edge
    QString text;
};

struct ChequeFileContent
{
    QPageSize paper{QPageSize::Letter};
    double zoom = 1;
    std::vector<ChequeText> texts;
    std::vector<QRectF> rectangles; // inches
};

// The advance of one character of `face` at `points`, in inches, from the
// test faces' known widths (a MICR face) or the installed face.
double AdvanceInches(const QString &face, double points, QChar c);

// Writes the PDF with QPdfWriter; false when it could not.
bool WriteChequePdf(const QString &path, const ChequeFileContent &content);

// Writes PostScript as FreeCheck does: each MICR face embedded as a Type 42
// font from the test face's file (found beside $FONTCONFIG_FILE), other
// text in Helvetica, each text one `show` at `moveto`, spaces included.
// Not zoomed. False when it could not.
bool WriteChequePostScript(const QString &path, const ChequeFileContent &content);
