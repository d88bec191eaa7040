#pragma once

class QApplication;

namespace Platform {

// Keys that a desktop user expects of every window, for the whole
// application: Return and Enter press the button that has the focus (Qt
// presses only a dialog's default button); Tab into a group of radio
// buttons lands on the checked one, and Tab out of it leaves the group,
// whose choices the arrow keys move between.
void InstallKeyboardNavigation(QApplication &application);

} // namespace Platform
