#include "DialogPlacement.h"

#include <QWidget>
#include <QWindow>

namespace Platform {

void UseDialogFrame(QWidget *dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(dialog->size());
}

void PlaceRelativeTo(QWidget *window, const QWidget *anchor, QPoint offset)
{
    if (!anchor)
        return;
    window->move(anchor->frameGeometry().topLeft() + offset);
    if (window->windowHandle() && anchor->windowHandle())
        window->windowHandle()->setTransientParent(anchor->windowHandle());
}

} // namespace Platform
