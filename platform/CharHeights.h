#pragma once

class QWidget;

namespace Platform {

// Fonts in the form descriptions give a character height in pixels (the
// dynamic property "charHeight"), which a .ui font cannot hold. Applies it to
// the widget and every descendant that carries it; call after setupUi.
void ApplyCharHeights(QWidget *root);

} // namespace Platform
