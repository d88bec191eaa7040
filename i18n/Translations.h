#pragma once

#include <QByteArray>
#include <QString>

class QCoreApplication;

// The program's catalogues: US English is the source language; fr_CA is the
// French a Quebec user reads; en_CA says "cheque" and serves en_GB too.
namespace I18n {

// The locale variables that choose the language of messages, as the user's
// environment sets them.
struct MessageLocale
{
    QByteArray language; // LANGUAGE: a colon-separated list of preferences
    QByteArray lcAll;
    QByteArray lcMessages;
    QByteArray lang;

    static MessageLocale FromEnvironment();
};

// The catalogue that `locale` asks for, in gettext's order: LANGUAGE's
// entries first, then LC_ALL, LC_MESSAGES and LANG, the first one set. Under
// the C or POSIX locale LANGUAGE is not looked at, as gettext does. Returns
// "fr_CA", "en_CA" or an empty string for the source's US English.
QString CatalogueFor(const MessageLocale &locale);

// The catalogue's file among the program's resources.
QString CatalogueResource(const QString &catalogue);

// The help in a catalogue's language: beside the English help file
// "micr.chm" and pages "help/NAME.html", a language's own are
// "micr-LL.chm" and "help/LL/NAME.html" (Canadian English "micr-en_CA.chm"
// and "help/en_CA/NAME.html"). Returns `name` itself for US English and for
// any other file.
QString HelpNameFor(const QString &name, const QString &catalogue);

// Installs the catalogue the environment asks for, and Qt's own catalogue in
// the same language so that the print and file dialogs match. Returns the
// catalogue installed (empty for US English). Call before any window is made.
QString InstallTranslations(QCoreApplication &application);

} // namespace I18n
