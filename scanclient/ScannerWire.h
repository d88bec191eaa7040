#pragma once

#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

// What the scan helper's "devices" and "acquire" tasks answer, one JSON
// object a line on standard output: progress lines while scanning, then
// the answer. Read by ScannerJob, written by the helper.

struct ScannerDevice
{
    QString name; // SANE's device name, what "acquire" takes
    QString vendor;
    QString model;
    QString type;
};

// Why there is no device list or no scan.
enum class ScannerProblem {
    None,
    NoDevice,      // SANE found no scanner
    NoSuchDevice,  // the device named is not there (unplugged, mistyped)
    Busy,          // another program is using it
    Cancelled,     // the user stopped the scan
    DeviceFailed,  // anything else the scanner or SANE said: `detail`
    NotSaved,      // the scan could not be written: `detail`
    TimedOut,      // the helper did not answer within `seconds`
    HelperMissing, // micr-calibration-scan is not installed
    HelperStopped, // the helper crashed or ran out of memory
};

struct ScannerFailure
{
    ScannerProblem problem = ScannerProblem::None;
    QString detail;
    int seconds = 0;
};
Q_DECLARE_METATYPE(ScannerFailure)

// The JSON keys of ScannerProblem (those the helper can answer).
QString ScannerProblemKey(ScannerProblem problem);
ScannerProblem ScannerProblemFromKey(const QString &key);

// {"refused": KEY, "detail": DETAIL}
QJsonObject ScannerRefusalAsJson(ScannerProblem problem, const QString &detail = {});
// {"devices": [{"name", "vendor", "model", "type"}, ...]}
QJsonObject ScannerDevicesAsJson(const QList<ScannerDevice> &devices);
QList<ScannerDevice> ScannerDevicesFromJson(const QJsonObject &answer);
// {"progress": FRACTION}: a line the helper prints while it reads.
QJsonObject ScannerProgressAsJson(double fraction);
std::optional<double> ScannerProgressFromJson(const QJsonObject &line);
// {"saved": FILE, "dpi": N, "width": PIXELS, "height": PIXELS}
QJsonObject ScannerSavedAsJson(const QString &file, double dpi, int width, int height);
