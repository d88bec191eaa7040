#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QSizeF>

// Qt's PDF writer gives a page a MediaBox in whole points: A4, 210 x 297 mm
// or 595.2756 x 841.8898 pt, comes out 595 x 842. A print filter (CUPS's
// pdftopdf) that finds the page a fraction of a point off the printer's own
// paper centres it there, which moves every mark by up to 0.003 in.

// The paper's own size in points, from the size it is defined by: 210 x 297
// mm for A4, 8.5 x 11 in for Letter.
QSizeF ExactPaperPoints(const QPageSize &paper);

// The one-page PDF `pdf`, as Qt writes it, with its page given the MediaBox
// `points` (from the page's bottom-left corner) and its drawing kept where
// it was from the top-left corner. The change is appended as an
// incremental update, so Qt's bytes stay as they are in front of it.
// `pdf` itself when its MediaBox already is `points` to a thousandth of a
// point (Letter); an empty array when it is not a one-page PDF of Qt's.
QByteArray WithMediaBox(const QByteArray &pdf, const QSizeF &points);
