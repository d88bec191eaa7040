#pragma once

#include <QJsonObject>
#include <QString>

#include <functional>

// The scanner through SANE, for the helper's "devices" and "acquire" tasks.
// Only the helper links SANE: a backend that hangs or crashes takes the
// helper with it, not the window that asked.

struct ScannerAnswer
{
    QJsonObject json; // as scanclient/ScannerWire words it
    int status = 0;   // 0 answered, 1 refused
};

ScannerAnswer ListScanners();

// Scans the whole bed of `device` in grey (colour where the scanner has no
// grey) at the resolution nearest `dpi`, and saves it to `file` as a PNG
// carrying that resolution, whole or not at all. `progress` hears the
// fraction read so far. SIGTERM or SIGINT cancels the scan: the answer is
// then "cancelled" and no file is written.
ScannerAnswer AcquireScan(const QString &device, int dpi, const QString &file,
                          const std::function<void(double)> &progress);
