#pragma once

#include "answers/PlacementLayout.h"
#include "answers/ScanFindings.h"

#include <QJsonObject>
#include <QString>

#include <optional>
#include <variant>

// The scan helper, micr-calibration-scan, run as a child process: the image
// libraries stay in it, and a damaged or huge image costs it, not the
// exporter, its time and memory.
inline constexpr int ScanHelperMilliseconds = 10000;
inline constexpr long long ScanHelperBytes = 1LL << 30;

struct ScanRequest
{
    QString task; // "place", "gauge" or "measure"
    QString file;
    std::optional<double> dpi;
    PlacementLayout layout;
    QString face; // the MICR face the line is printed in, for "gauge"
};

// What the helper found, or why it measured nothing.
std::variant<QJsonObject, ScanRefusal> RunScanHelper(const ScanRequest &request);

// Exit status 2 for a file that cannot be taken as a scan, 1 for a scan of
// the wrong thing.
int ScanRefusalStatus(const ScanRefusal &refusal);
