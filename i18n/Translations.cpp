#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace I18n {

namespace {

// What one locale name ("fr_CA.UTF-8", "en_GB", "fr") asks for: a catalogue,
// the source language (an empty string), or nothing this program has (null).
QString CatalogueForName(const QByteArray &name)
{
    // language[_territory][.codeset][@modifier]
    QByteArray bare = name;
    for (const char end : {'.', '@'}) {
        if (const qsizetype at = bare.indexOf(end); at >= 0)
            bare.truncate(at);
    }
    const QList<QByteArray> parts = bare.replace('-', '_').split('_');
    const QByteArray language = parts.first().toLower();
    const QByteArray territory = parts.size() > 1 ? parts.at(1).toUpper() : QByteArray();
    if (language == "fr")
        return QStringLiteral("fr_CA"); // the only French there is
    if (language == "en")
        return territory == "CA" || territory == "GB" ? QStringLiteral("en_CA") : QStringLiteral("");
    return {};
}

// Qt's own texts that its French catalogue words badly, worded again in
// the program's catalogues, which are searched before Qt's: a file's error
// ("No such file or directory", cut short there as "Aucun fichier ou
// dossier") reaches the program's messages through QFile::errorString().
[[maybe_unused]] constexpr const char *QtTextsWordedAgain[] = {
    QT_TRANSLATE_NOOP("QIODevice", "No such file or directory"),
};

bool IsCLocale(const QByteArray &name)
{
    return name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.");
}

} // namespace

MessageLocale MessageLocale::FromEnvironment()
{
    return {qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
}

QString CatalogueFor(const MessageLocale &locale)
{
    QByteArray messages = locale.lcAll;
    if (messages.isEmpty())
        messages = locale.lcMessages;
    if (messages.isEmpty())
        messages = locale.lang;
    if (IsCLocale(messages))
        return {};
    for (const QByteArray &preference : locale.language.split(':')) {
        QString catalogue = preference.isEmpty() ? QString() : CatalogueForName(preference);
        if (!catalogue.isNull())
            return catalogue;
    }
    QString catalogue = CatalogueForName(messages);
    return catalogue.isNull() ? QString() : catalogue;
}

QString CatalogueResource(const QString &catalogue)
{
    return QStringLiteral(":/i18n/micr-calibration_%1.qm").arg(catalogue);
}

QString HelpNameFor(const QString &name, const QString &catalogue)
{
    // The US help is the one named; Canadian English and French have
    // their own, French under the language alone ("fr").
    const QString variant = catalogue.startsWith(QLatin1String("en")) ? catalogue : catalogue.left(2);
    if (variant.isEmpty())
        return name;
    if (name == QLatin1String("micr.chm"))
        return QStringLiteral("micr-%1.chm").arg(variant);
    const QLatin1String folder("help/");
    if (name.startsWith(folder) && name.indexOf(QLatin1Char('/'), folder.size()) < 0)
        return folder + variant + QLatin1Char('/') + name.mid(folder.size());
    return name;
}

QString InstallTranslations(QCoreApplication &application)
{
    // Read by hand rather than through QLocale::system().uiLanguages(): Qt
    // 6.4 takes LANGUAGE even under the C locale, where gettext, and so every
    // other program on the desktop, ignores it.
    QString catalogue = CatalogueFor(MessageLocale::FromEnvironment());
    if (catalogue.isEmpty())
        return catalogue;
    // One resource lookup for the program's own, one file for Qt's: no
    // search through locale fallbacks at start-up. Qt's goes in first: the
    // last installed is searched first, and nearly every text the windows
    // ask for at start-up is the program's own.
    const QString language = catalogue.left(2);
    if (language != QLatin1String("en")) {
        auto *qt = new QTranslator(&application);
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    // A translator trying a catalogue out names the folder of its .qm files
    // in MICR_CATALOGUE_DIR; they take the place of the built-in ones.
    auto *own = new QTranslator(&application);
    const QString trial = qEnvironmentVariable("MICR_CATALOGUE_DIR");
    if ((!trial.isEmpty() && own->load(QStringLiteral("micr-calibration_") + catalogue, trial))
        || own->load(CatalogueResource(catalogue)))
        QCoreApplication::installTranslator(own);
    return catalogue;
}

} // namespace I18n
