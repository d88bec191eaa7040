#include "store/PrinterProfiles.h"

#include "store/ProfileGroup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <cmath>

namespace {

// The file's layout: [General] version=1, then a group a printer.
constexpr int FileVersion = 1;

// Said in a window after "not remembered:" or alone, in the user's language.
QString NotWritten(const QString &path)
{
    return QCoreApplication::translate("PrinterProfiles", "cannot write the printer profiles to %1").arg(path);
}

// Moves a damaged file out of the way, or copies it byte for byte where
// what was good in it stays: PATH.damaged-YYYYMMDD-HHMMSS.
QString SetAside(const QString &path, bool copy)
{
    const QString stem = path + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stem;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + QStringLiteral("-%1").arg(n);
    if (copy ? !QFile::copy(path, aside) : !QFile::rename(path, aside))
        return {};
    return aside;
}

// What is in the file: the profiles that could be read, and what was
// wrong: the whole file (nothing read from it), or parts dropped.
struct FileReading
{
    QList<PrinterProfile> profiles;
    // The whole file, why.
    std::optional<ProfilesProblem::Why> unusable;
    QString version;
    QList<ProfilesProblem::Dropped> dropped; // values and profiles left out
    bool damaged() const { return unusable || !dropped.isEmpty(); }
};

FileReading ReadFile(const QString &path)
{
    FileReading reading;
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink())
        return reading;
    QFile raw(path);
    if (file.isDir() || !raw.open(QIODevice::ReadOnly)) {
        reading.unusable = ProfilesProblem::Why::CannotRead;
        return reading;
    }
    const QByteArray bytes = raw.readAll();
    QSettings settings(path, QSettings::IniFormat);
    // What is on disk now, not what this process last read or wrote.
    settings.sync();
    const QString version = settings.value(QStringLiteral("version")).toString();
    // Lines that are neither a group, a setting nor a comment (QSettings
    // skips them, and says so only the first time it reads the file).
    const QList<QByteArray> lines = bytes.split('\n');
    const bool partlyUnreadable = std::any_of(lines.begin(), lines.end(), [](const QByteArray &line) {
        const QByteArray text = line.trimmed();
        return !text.isEmpty() && !text.startsWith(';') && !text.startsWith('#') && !text.contains('=')
            && !(text.startsWith('[') && text.endsWith(']'));
    });
    if (version.isEmpty())
        reading.unusable = ProfilesProblem::Why::NoVersion;
    else if (version != QString::number(FileVersion))
        reading.unusable = ProfilesProblem::Why::OtherVersion;
    reading.version = version;
    if (reading.unusable)
        return reading;
    if (partlyUnreadable)
        reading.dropped << ProfilesProblem::Dropped{ProfilesProblem::Dropped::What::Line, {}, {}, {}};
    const QStringList groups = settings.childGroups();
    for (const QString &group : groups) {
        // Its groups come in this order; a last line without its end was
        // cut off in the middle of the last group.
        const bool cutShort = group == groups.last() && !bytes.endsWith('\n') && !lines.last().startsWith('[');
        if (std::optional<PrinterProfile> profile = ReadGroup(settings, group, cutShort, reading.dropped))
            reading.profiles << *profile;
    }
    return reading;
}

} // namespace

PrinterProfiles::PrinterProfiles(QString path) : path_(std::move(path)) {}

QString PrinterProfiles::DefaultPath()
{
    // The same file for the wizard and the exporter, whatever their names.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("micr-calibration/printers.ini"));
}

namespace {

// What was wrong with the file at `path`, of kind `kind` where it was.
ProfilesProblem ProblemOf(const FileReading &reading, const QString &path, ProfilesProblem::Kind kind)
{
    ProfilesProblem problem;
    if (!reading.damaged())
        return problem;
    problem.kind = kind;
    problem.path = path;
    problem.why = reading.unusable.value_or(ProfilesProblem::Why::CannotRead);
    problem.version = reading.version;
    problem.dropped = reading.dropped;
    return problem;
}

} // namespace

LoadedProfiles PrinterProfiles::Read() const
{
    const FileReading reading = ReadFile(path_);
    return {reading.profiles, ProblemOf(reading, path_,
                                        reading.unusable ? ProfilesProblem::Kind::Unusable
                                                         : ProfilesProblem::Kind::Damaged)};
}

LoadedProfiles PrinterProfiles::Load() const
{
    const FileReading reading = ReadFile(path_);
    LoadedProfiles loaded{reading.profiles, {}};
    if (!reading.damaged())
        return loaded;
    if (reading.unusable) {
        const QString aside = SetAside(path_, false);
        loaded.problem = ProblemOf(reading, path_,
                                   aside.isEmpty() ? ProfilesProblem::Kind::UnusableStuck
                                                   : ProfilesProblem::Kind::UnusableSetAside);
        loaded.problem.aside = aside;
        return loaded;
    }
    // The original kept whole beside it; the file then holds what was good
    // in it, so that what was dropped is said once.
    const QString aside = SetAside(path_, true);
    if (!aside.isEmpty()) {
        QFile::remove(path_);
        QSettings settings(path_, QSettings::IniFormat);
        settings.setValue(QStringLiteral("version"), FileVersion);
        for (const PrinterProfile &profile : reading.profiles)
            WriteProfile(settings, profile);
        settings.sync();
    }
    loaded.problem = ProblemOf(reading, path_,
                               aside.isEmpty() ? ProfilesProblem::Kind::DamagedStuck
                                               : ProfilesProblem::Kind::DamagedCopied);
    loaded.problem.aside = aside;
    return loaded;
}

std::optional<PrinterProfile> PrinterProfiles::Find(const QString &queue, ProfilesProblem *problem) const
{
    const LoadedProfiles loaded = Load();
    if (problem)
        *problem = loaded.problem;
    for (const PrinterProfile &profile : loaded.profiles) {
        if (profile.queue == queue)
            return profile;
    }
    return std::nullopt;
}

bool PrinterProfiles::Save(const PrinterProfile &profile, QString *error) const
{
    // A damaged file is set aside first, so nothing is merged into it.
    Load();
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(QStringLiteral("version"), FileVersion);
    WriteProfile(settings, profile);
    // Under QSettings' lock, merged with what another instance wrote, and
    // written whole to a new file that then replaces the old.
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        *error = NotWritten(path_);
        return false;
    }
    return true;
}

bool PrinterProfiles::Forget(const QString &queue, QString *error) const
{
    Load();
    QSettings settings(path_, QSettings::IniFormat);
    settings.remove(GroupOf(queue));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        *error = NotWritten(path_);
        return false;
    }
    return true;
}

QString ShortDate(const QDateTime &when)
{
    return when.isValid() ? when.toLocalTime().toString(QStringLiteral("d MMM yyyy")) : QStringLiteral("no date");
}

