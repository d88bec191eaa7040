#pragma once

#include "answers/ScanFindings.h"
#include "wording/Wording.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>

// What a scan showed, for the helper that measured it to hand to the
// exporter (JSON on the helper's standard output), and the gauge's answer
// for a person or a script.
namespace Wording {

QJsonObject PlacementFoundAsJson(const PlacementFound &found);
std::optional<PlacementFound> PlacementFoundFromJson(const QJsonObject &object);
QJsonObject GaugeFoundAsJson(const GaugeFound &found);
std::optional<GaugeFound> GaugeFoundFromJson(const QJsonObject &object);
QJsonObject CalibrationFoundAsJson(const CalibrationFound &found);
std::optional<CalibrationFound> CalibrationFoundFromJson(const QJsonObject &object);
QJsonObject ScanRefusalAsJson(const ScanRefusal &refusal);
std::optional<ScanRefusal> ScanRefusalFromJson(const QJsonObject &object);

// The readings as `place` takes them typed, and the sheet found.
QJsonObject ScanReadingsAsJson(const PlacementFound &found);
// "Readings from the scan: bar=7.002 in, ..." in a line.
QString ScanReadingsLine(For audience, const PlacementFound &found);
// Why the scan was not measured, in a sentence.
QString ScanRefusalText(For audience, const ScanRefusal &refusal);
// The calibration page's lengths from the scan, as `measure` takes them
// typed ("1" to "5"), with their uncertainty, the scale's source, the
// lines that cannot be decided and the sheet found.
QJsonObject ScannedLengthsAsJson(const CalibrationFound &found, const ScannedLengths &scanned);
// "Lengths from the scan (600 dpi, ...): line 1 6.844 in, ..." and a
// sentence for each line, and for the answer, that cannot be decided.
QStringList ScanLengthsLines(For audience, const CalibrationFound &found, const ScannedLengths &scanned);
// Why the calibration page's scan was not measured, in a sentence.
QString CalibrationScanRefusalText(For audience, const ScanRefusal &refusal);
QJsonObject GaugeAsJson(const GaugeFound &found, const GaugeResult &result);
QStringList Gauge(For audience, const GaugeFound &found, const GaugeResult &result);

} // namespace Wording
