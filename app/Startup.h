#pragma once

#include <functional>

class MicrApplication;

// Runs the program: `start` makes and shows the windows, then the event loop
// runs until the main window closes. Returns the exit status: 0 after the
// loop ends, 2 when start-up failed, after the failure has been shown in the
// error box (a start that failed must not look like a clean exit).
int RunStartup(MicrApplication &application, const std::function<void()> &start);
