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
QJsonObject ScanRefusalAsJson(const ScanRefusal &refusal);
std::optional<ScanRefusal> ScanRefusalFromJson(const QJsonObject &object);

// The readings as `place` takes them typed, and the sheet found.
QJsonObject ScanReadingsAsJson(const PlacementFound &found);
// "Readings from the scan: bar=7.002 in, ..." in a line.
QString ScanReadingsLine(For audience, const PlacementFound &found);
// Why the scan was not measured, in a sentence.
QString ScanRefusalText(For audience, const ScanRefusal &refusal);
QJsonObject GaugeAsJson(const GaugeFound &found, const GaugeResult &result);
QStringList Gauge(For audience, const GaugeFound &found, const GaugeResult &result);

} // namespace Wording
