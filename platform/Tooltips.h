#pragma once

class QWidget;

namespace Platform {

// How long tooltips stay up, in milliseconds, for every widget there is.
// Qt keeps this per widget, so it is applied to each.
void SetHintHidePause(int milliseconds);

// Gives a window made later the pause set for the widgets there were, if
// one was set.
void ApplyHintHidePause(QWidget *window);

} // namespace Platform
