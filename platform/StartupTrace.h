#pragma once

class QWidget;

namespace Platform {

// For the start-up benchmark: when MICR_STARTUP_TRACE is set, writes
// "first-paint peak-rss-kb=N" to stderr once `window` is first painted,
// and ends the process there if it is set to "exit".
void TraceFirstPaint(QWidget *window);

} // namespace Platform
