#include "Tooltips.h"

#include <QApplication>
#include <QWidget>

namespace Platform {

void SetHintHidePause(int milliseconds)
{
    const auto widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets)
        widget->setToolTipDuration(milliseconds);
}

} // namespace Platform
