#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What was wrong with the file, as data (Wording says it).
struct ProfilesProblem
{
    enum class Kind {
        None,
        Unusable,         // nothing was read from it, and it was left as it is
        UnusableSetAside, // nothing was read from it; moved aside as `aside`
        UnusableStuck,    // nothing was read from it, nor could it be moved aside
        Damaged,          // parts were dropped, and it was left as it is
        DamagedCopied,    // parts were dropped; the file as it was copied as `aside`
        DamagedStuck,     // parts were dropped; it could not be copied aside
    };
    // Why nothing could be read from it.
    enum class Why { CannotRead, NoVersion, OtherVersion };
    // One part left out.
    struct Dropped
    {
        enum class What { Value, Profile, Line };
        What what = What::Value;
        QString printer; // empty for a profile that names none
        QString key;     // a value's key and its text as it was
        QString value;
    };

    Kind kind = Kind::None;
    QString path;
    Why why = Why::CannotRead;
    QString version; // for OtherVersion
    QList<Dropped> dropped;
    QString aside;

    bool none() const { return kind == Kind::None; }
};
