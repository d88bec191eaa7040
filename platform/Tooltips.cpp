#include "Tooltips.h"

#include "WidgetTree.h"

#include <QApplication>
#include <QWidget>

namespace Platform {

namespace {
// Qt's own (-1: it depends on the text's length) until one is set.
int HintHidePause = -1;
} // namespace

void SetHintHidePause(int milliseconds)
{
    HintHidePause = milliseconds;
    const auto widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets)
        widget->setToolTipDuration(milliseconds);
}

void ApplyHintHidePause(QWidget *window)
{
    if (HintHidePause < 0)
        return;
    ForWidgetTree(window, [](QWidget *widget) { widget->setToolTipDuration(HintHidePause); });
}

} // namespace Platform
