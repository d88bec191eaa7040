#pragma once

#include <QPoint>

class QWidget;

namespace Platform {

// A dialog's frame: fixed at its designed size, a title and a close box only.
void UseDialogFrame(QWidget *dialog);

// Places a window's outer top-left corner at the anchor window's outer
// top-left plus `offset`, and keeps it above the anchor.
void PlaceRelativeTo(QWidget *window, const QWidget *anchor, QPoint offset);

} // namespace Platform
