#include "CharHeights.h"

#include "WidgetTree.h"

#include <QFont>
#include <QVariant>
#include <QWidget>

namespace Platform {

namespace {
void ApplyCharHeight(QWidget *widget)
{
    const QVariant height = widget->property("charHeight");
    if (!height.isValid())
        return;
    QFont font = widget->font();
    font.setPixelSize(height.toInt());
    widget->setFont(font);
}
} // namespace

void ApplyCharHeights(QWidget *root)
{
    ForWidgetTree(root, ApplyCharHeight);
}

} // namespace Platform
