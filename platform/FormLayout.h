#pragma once

#include <QSize>
#include <QtGlobal>

class QLabel;
class QPixmap;
class QString;
class QWidget;

// The forms are laid out by position, as designed, with texts that size
// their controls; these keep that working with Qt's fonts.
namespace Platform {

// A static text that sizes itself to its text, keeping its top-left corner.
void SetStaticText(QLabel *label, const QString &text);

// Sizes the window so that its client area encloses every visible control,
// never below the designed client size, and fixes it there: the layout is by
// position, so a larger window would only add empty space. The client area
// sits inside a border.
void EncloseControls(QWidget *window, QWidget *clientArea, QSize designedClientSize, int border);

// Makes a window laid out by a layout tall enough for its wrapped texts at
// its present width, after they changed; it never shrinks.
void GrowToFitText(QWidget *window);

// A picture for a screen of `devicePixelRatio`: above 1, its NAME@2x twin
// where there is one (Qt picks such twins for icons, not for pixmaps).
QPixmap PictureFor(const QString &fileName, qreal devicePixelRatio);

// Gives each control the icon its "glyph" property names (a window: its
// window icon), and at twice the size on screens scaled to 2 where there is
// a NAME@2x twin. Call once setupUi has built the form.
void ApplyGlyphs(QWidget *root);

// What a window needs before it is first seen, and not before: every window
// is made at start-up and most are never shown. Decodes its pictures (each
// label's "picture" property names one) and sizes its static texts to their
// text, which loads the window's fonts. Call once, on the first showing.
void PrepareForFirstShow(QWidget *root);

} // namespace Platform
