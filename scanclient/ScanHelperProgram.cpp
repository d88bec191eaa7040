#include "ScanHelperProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr char HelperName[] = "micr-calibration-scan";

} // namespace

QString ScanHelperProgram()
{
    QString chosen = qEnvironmentVariable("MICR_CALIBRATION_SCAN");
    if (!chosen.isEmpty())
        return chosen;
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {here.filePath(QLatin1String(HelperName)),
                                     here.filePath(QStringLiteral("../") + QLatin1String(HelperName))})
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    return QStandardPaths::findExecutable(QLatin1String(HelperName));
}
