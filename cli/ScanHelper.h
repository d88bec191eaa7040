#pragma once

#include "answers/ScanFindings.h"
#include "scanclient/ScanAnalysis.h"

#include <QJsonObject>

#include <variant>

// Runs the scan helper and waits for it, at most ScanHelperMilliseconds:
// what it found, or why it measured nothing.
std::variant<QJsonObject, ScanRefusal> RunScanHelper(const ScanRequest &request);

// Exit status 2 for a file that cannot be taken as a scan, 1 for a scan of
// the wrong thing.
int ScanRefusalStatus(const ScanRefusal &refusal);
