#pragma once

#include <QPixmap>
#include <QString>

namespace Platform {

// The largest glyph bitmap accepted, in pixels a side. Button glyphs are
// 24 x 24; anything far beyond is not a glyph and is refused before decoding.
inline constexpr int MaxGlyphSide = 256;

// Reads a button glyph from a bitmap file. On failure returns a null pixmap
// and puts a short reason in *reason. While the file holds the same bytes the
// same pixmap comes back: a new one for every read would be cached by Qt's
// icons under a new key each time, and the program would grow with each
// step of the wizard.
QPixmap ReadGlyphFile(const QString &fileName, QString *reason);

} // namespace Platform
