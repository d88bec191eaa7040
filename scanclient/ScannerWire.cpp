#include "ScannerWire.h"

#include <QJsonArray>

#include <utility>

namespace {

const std::pair<ScannerProblem, const char *> Keys[] = {
    {ScannerProblem::NoDevice, "no-device"},
    {ScannerProblem::NoSuchDevice, "no-such-device"},
    {ScannerProblem::Busy, "busy"},
    {ScannerProblem::Cancelled, "cancelled"},
    {ScannerProblem::DeviceFailed, "device-failed"},
    {ScannerProblem::NotSaved, "not-saved"},
};

} // namespace

QString ScannerProblemKey(ScannerProblem problem)
{
    for (const auto &[known, key] : Keys)
        if (known == problem)
            return QLatin1String(key);
    return QStringLiteral("device-failed");
}

ScannerProblem ScannerProblemFromKey(const QString &key)
{
    for (const auto &[problem, known] : Keys)
        if (key == QLatin1String(known))
            return problem;
    return ScannerProblem::None;
}

QJsonObject ScannerRefusalAsJson(ScannerProblem problem, const QString &detail)
{
    return {{QStringLiteral("refused"), ScannerProblemKey(problem)}, {QStringLiteral("detail"), detail}};
}

QJsonObject ScannerDevicesAsJson(const QList<ScannerDevice> &devices)
{
    QJsonArray list;
    for (const ScannerDevice &device : devices)
        list.append(QJsonObject{{QStringLiteral("name"), device.name},
                                {QStringLiteral("vendor"), device.vendor},
                                {QStringLiteral("model"), device.model},
                                {QStringLiteral("type"), device.type}});
    return {{QStringLiteral("devices"), list}};
}

QList<ScannerDevice> ScannerDevicesFromJson(const QJsonObject &answer)
{
    QList<ScannerDevice> devices;
    for (const auto &value : answer.value(QStringLiteral("devices")).toArray()) {
        const QJsonObject device = value.toObject();
        devices.append({device.value(QStringLiteral("name")).toString(), device.value(QStringLiteral("vendor")).toString(),
                        device.value(QStringLiteral("model")).toString(), device.value(QStringLiteral("type")).toString()});
    }
    return devices;
}

QJsonObject ScannerProgressAsJson(double fraction)
{
    return {{QStringLiteral("progress"), fraction}};
}

std::optional<double> ScannerProgressFromJson(const QJsonObject &line)
{
    const QJsonValue progress = line.value(QStringLiteral("progress"));
    return progress.isDouble() ? std::optional<double>(progress.toDouble()) : std::nullopt;
}

QJsonObject ScannerSavedAsJson(const QString &file, double dpi, int width, int height)
{
    return {{QStringLiteral("saved"), file},
            {QStringLiteral("dpi"), dpi},
            {QStringLiteral("width"), width},
            {QStringLiteral("height"), height}};
}
