#pragma once

#include "answers/PrinterProfile.h"
#include "store/ProfilesProblem.h"

#include <QDateTime>
#include <QJsonArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Kept with QSettings in the user's configuration folder, a group a
// printer.

// What was read back: the profiles, and what the user is to be told: a
// damaged file set aside, values out of range dropped.
struct LoadedProfiles
{
    QList<PrinterProfile> profiles;
    ProfilesProblem problem;
};

class PrinterProfiles
{
public:
    // The file, by default printers.ini in the user's configuration folder
    // (~/.config/micr-calibration).
    explicit PrinterProfiles(QString path = DefaultPath());
    static QString DefaultPath();
    const QString &Path() const { return path_; }

    // Reads every profile and changes nothing: a damaged file is only said
    // in `problem`, with what could be read from it.
    LoadedProfiles Read() const;

    // Reads every profile, as the wizard does. A file that cannot be read,
    // is of another version or not this program's is set aside under a new
    // name and nothing is read from it. A value out of range is dropped and
    // the rest of its printer kept; a profile cut short or not this
    // program's is dropped and the other printers kept; the file as it was
    // is then copied aside byte for byte and the file keeps what was good.
    // Either is said in `problem`, naming the files and the printers.
    LoadedProfiles Load() const;

    // The profile of `queue`, if there is one (and what Load said).
    std::optional<PrinterProfile> Find(const QString &queue, ProfilesProblem *problem = nullptr) const;

    // Writes one printer's profile, whole, beside the others (another
    // instance may be writing its own). False with *error on a failure.
    bool Save(const PrinterProfile &profile, QString *error) const;
    bool Forget(const QString &queue, QString *error) const;

private:
    QString path_;
};

// "7 Dec 2026"
QString ShortDate(const QDateTime &when);
