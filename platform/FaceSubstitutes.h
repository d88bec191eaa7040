#pragma once

namespace Platform {

// The form descriptions name Windows faces ("MS Sans Serif", "Tahoma",
// "Arial"). Where one is not installed, a close free face stands in for it.
void InstallFaceSubstitutes();

} // namespace Platform
