#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace I18n {

namespace {

// What one locale name ("fr_CA.UTF-8", "en_GB", "fr") asks for: a catalogue,
// the source language (an empty string), or nothing this program has (null).
QString CatalogueForName(QByteArray name)
{
    const qsizetype end = name.indexOf('.');
    name = name.left(end < 0 ? name.size() : end);
    const qsizetype modifier = name.indexOf('@');
    name = name.left(modifier < 0 ? name.size() : modifier);
    name.replace('-', '_');
    const QByteArray language = name.left(name.indexOf('_') < 0 ? name.size() : name.indexOf('_')).toLower();
    const QByteArray territory = name.mid(language.size() + 1).toUpper();
    if (language == "fr")
        return QStringLiteral("fr_CA"); // the only French there is
    if (language == "en")
        return territory == "CA" || territory == "GB" ? QStringLiteral("en_CA") : QStringLiteral("");
    return {};
}

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
        const QString catalogue = preference.isEmpty() ? QString() : CatalogueForName(preference);
        if (!catalogue.isNull())
            return catalogue;
    }
    const QString catalogue = CatalogueForName(messages);
    return catalogue.isNull() ? QString() : catalogue;
}

QString CatalogueResource(const QString &catalogue)
{
    return QStringLiteral(":/i18n/micr-calibration_%1.qm").arg(catalogue);
}

QString InstallTranslations(QCoreApplication &application)
{
    // Read by hand rather than through QLocale::system().uiLanguages(): Qt
    // 6.4 takes LANGUAGE even under the C locale, where gettext, and so every
    // other program on the desktop, ignores it.
    const QString catalogue = CatalogueFor(MessageLocale::FromEnvironment());
    if (catalogue.isEmpty())
        return catalogue;
    // One resource lookup for the program's own, one file for Qt's: no
    // search through locale fallbacks at start-up.
    auto *own = new QTranslator(&application);
    if (own->load(CatalogueResource(catalogue)))
        QCoreApplication::installTranslator(own);
    const QString language = catalogue.left(2);
    if (language != QLatin1String("en")) {
        auto *qt = new QTranslator(&application);
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    return catalogue;
}

} // namespace I18n
