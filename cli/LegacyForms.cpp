#include "LegacyForms.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The options that chose a task, and the command each became. --micr-line
// with -o printed the user's line on the placement page: that is the page
// command's --micr-line; with --export-settings, the settings command's.
struct OldForm
{
    const char *option;
    const char *argument; // empty for a flag
    const char *command;
};

constexpr OldForm Forms[] = {
    {"check-fonts", "", "fonts"},
    {"profiles", "", "profiles"},
    {"measured", "READINGS", "measure"},
    {"placement-measured", "READINGS", "place"},
    {"micr-line", "FIELDS", "line"},
    {"check-line", "TEXT", "check-line"},
    {"check-cheque", "FILE", "cheque"},
    {"export-settings", "PROGRAM", "settings"},
};

// Options the old exporter took with every task and ignored where they
// meant nothing: dropped where the command has no use for them.
const QStringList IgnoredBefore{QStringLiteral("bold"), QStringLiteral("dpi"), QStringLiteral("paper"),
                                QStringLiteral("page")};

QString Dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

QList<QPair<QString, QString>> OldForms()
{
    QList<QPair<QString, QString>> forms;
    for (const OldForm &form : Forms) {
        const QString argument = *form.argument ? QLatin1Char(' ') + QLatin1String(form.argument) : QString();
        forms.append({QStringLiteral("--%1%2").arg(QLatin1String(form.option), argument),
                      QLatin1String(form.command) + argument});
    }
    forms.append({QCoreApplication::translate("Exporter", "-o FILE [page options]"),
                  QCoreApplication::translate("Exporter", "page -o FILE [page options]")});
    return forms;
}

QStringList CommandForOldForm(const QStringList &arguments, const CommandTable &table)
{
    // Every command's options, and the old ones that chose a task, in one
    // parser, as the old exporter read them.
    QList<QCommandLineOption> options;
    for (const std::unique_ptr<Command> &command : table) {
        for (const QCommandLineOption &option : command->Options()) {
            const bool known = std::any_of(options.begin(), options.end(), [&option](const QCommandLineOption &o) {
                return o.names().first() == option.names().first();
            });
            if (!known)
                options.append(option);
        }
    }
    for (const OldForm &form : Forms) {
        if (std::none_of(options.begin(), options.end(), [&form](const QCommandLineOption &o) {
                return o.names().first() == QLatin1String(form.option);
            }))
            options.append(QCommandLineOption(QLatin1String(form.option), QString(), QLatin1String(form.argument)));
    }
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("help-all")},
                                  QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    options << help << version;
    QCommandLineParser parser;
    parser.addOptions(options);
    if (!parser.parse(QStringList{QLatin1String(ProgramName)} + arguments))
        throw ParseRefusal(parser, arguments, options);
    if (!parser.positionalArguments().isEmpty())
        throw Refusal(RefusalKind::UnexpectedArgument, QCoreApplication::translate("Exporter", "unknown argument \"%1\"").arg(parser.positionalArguments().first()));
    if (parser.isSet(help))
        return {QStringLiteral("--help")};
    if (parser.isSet(version))
        return {QStringLiteral("--version")};
    // The fonts were checked whatever else was given.
    if (parser.isSet(QStringLiteral("check-fonts")))
        return {QStringLiteral("fonts")};

    const bool writesPage = parser.isSet(QStringLiteral("o"));
    const OldForm *chosen = nullptr;
    for (const OldForm &form : Forms) {
        const QLatin1String option(form.option);
        // --micr-line was also the line settings were written for.
        const bool lineForOther = writesPage || parser.isSet(QStringLiteral("export-settings"));
        if (!parser.isSet(option) || (option == QLatin1String("micr-line") && lineForOther))
            continue;
        if (chosen)
            throw Refusal(RefusalKind::ConflictingOptions,
                          QCoreApplication::translate("Exporter", "--%1 and --%2 are different commands (%3 and %4): give one")
                              .arg(QLatin1String(chosen->option), option, QLatin1String(chosen->command),
                                   QLatin1String(form.command)));
        chosen = &form;
    }
    const bool micrLineOnPage = !chosen && parser.isSet(QStringLiteral("micr-line"));
    if (micrLineOnPage
        && parser.value(QStringLiteral("page")).compare(QLatin1String("placement"), Qt::CaseInsensitive) != 0)
        throw Refusal(RefusalKind::OptionOutOfPlace,
                      QCoreApplication::translate("Exporter", "--micr-line with -o prints on the placement page: add --page placement"));

    const QString name = chosen ? QLatin1String(chosen->command) : QStringLiteral("page");
    const Command *command = table.Find(name);
    QStringList result{name};
    for (const QCommandLineOption &option : options) {
        const QString first = option.names().first();
        if (!parser.isSet(first) || (chosen && first == QLatin1String(chosen->option)))
            continue;
        // The cheque's width meant nothing to the page the user's line was
        // printed on.
        // The old forms never read a scan, so a resolution was always the
        // page's.
        const bool scanResolution = first == QLatin1String("dpi") && command->TakesOption(QStringLiteral("scan"));
        const bool ignored = (IgnoredBefore.contains(first) && (!command->TakesOption(first) || scanResolution))
            || (micrLineOnPage && first == QLatin1String("cheque-width"));
        if (ignored)
            continue;
        if (option.valueName().isEmpty()) {
            result.append(Dashed(first));
            continue;
        }
        // Joined to its value ("-oFILE", "--dpi=300"), so that a value such
        // as "-300" is read as the value it was.
        for (const QString &value : parser.values(first))
            result.append(Dashed(first) + (first.size() == 1 ? QString() : QStringLiteral("=")) + value);
    }
    if (chosen && *chosen->argument)
        result << QStringLiteral("--") << parser.value(QLatin1String(chosen->option));
    return result;
}
