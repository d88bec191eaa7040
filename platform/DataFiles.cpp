#include "DataFiles.h"

#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Platform {

QStringList DataFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList candidates = {programFolder + QStringLiteral("/../share/micr-calibration")};
#ifdef MICR_INSTALLED_DATA_DIR
    candidates << QStringLiteral(MICR_INSTALLED_DATA_DIR);
#endif
    candidates << programFolder;
    QStringList folders;
    for (const QString &candidate : std::as_const(candidates)) {
        const QString folder = QDir::cleanPath(candidate);
        if (QFileInfo(folder).isDir() && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QString LocateDataFile(const QString &name)
{
    if (QFileInfo(name).isAbsolute())
        return QFileInfo::exists(name) ? name : QString();
    const QFileInfo here(QDir::current(), name);
    if (here.exists())
        return here.absoluteFilePath();
    for (const QString &folder : DataFolders()) {
        const QFileInfo there(QDir(folder), name);
        if (there.exists())
            return there.absoluteFilePath();
    }
    return {};
}

QString HelpInUserLanguage(const QString &name)
{
    const QString own =
        I18n::HelpNameFor(name, I18n::CatalogueFor(I18n::MessageLocale::FromEnvironment()));
    return own != name && !LocateDataFile(own).isEmpty() ? own : name;
}

} // namespace Platform
