#pragma once

namespace Platform {

// How long tooltips stay up, in milliseconds, for every widget there is.
// Qt keeps this per widget, so it is applied to each.
void SetHintHidePause(int milliseconds);

} // namespace Platform
