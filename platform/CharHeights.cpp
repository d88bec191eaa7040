#include "CharHeights.h"

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
    ApplyCharHeight(root);
    const auto descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants)
        ApplyCharHeight(widget);
}

} // namespace Platform
