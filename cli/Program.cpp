#include "Program.h"

#include "LegacyForms.h"

#include "common/VendorDetails.h"
#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Only the program's own messages reach stderr: Qt's warnings about the
// environment (a runtime folder missing or not private, say) are not the
// user's business here.
void QuietQtMessages(QtMsgType type, const QMessageLogContext & /*context*/, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: %s\n", ProgramName, qPrintable(message));
        std::abort();
    }
}

// "  NAME  TEXT" rows with the texts in one column.
QString Rows(const QList<QPair<QString, QString>> &rows)
{
    qsizetype width = 0;
    for (const auto &row : rows)
        width = std::max(width, row.first.size());
    QString text;
    for (const auto &row : rows)
        text += QStringLiteral("  %1  %2\n").arg(row.first.leftJustified(width), row.second);
    return text;
}

} // namespace

// The program's help is also its manual page (tools/manpage.py): a
// "Heading:" opens a section, "  TERM  TEXT" rows are its entries.
QString ProgramHelp(const CommandTable &table)
{
    QList<QPair<QString, QString>> commands;
    for (const std::unique_ptr<Command> &command : table) {
        commands.append({(command->Name() + QLatin1Char(' ') + command->Argument()).trimmed(), command->Summary()});
    }
    const QString program = QLatin1String(ProgramName);
    return QCoreApplication::translate("Exporter", "Usage: %1 COMMAND [options]\n"
                          "Writes the MICR calibration page and the placement page exactly as the wizard\n"
                          "prints them, weighs what was measured on them, composes and checks MICR lines\n"
                          "and lists the printers the wizard remembers.\n"
                          "\n"
                          "Commands:\n"
                          "%2"
                          "\n"
                          "Options:\n"
                          "%3"
                          "\n"
                          "Each command has its own options: %1 COMMAND --help.\n"
                          "\n"
                          "Exit status:\n"
                          "%4"
                          "\n"
                          "Files:\n"
                          "%5"
                          "\n"
                          "Environment:\n"
                          "%6"
                          "\n"
                          "Examples:\n"
                          "%7"
                          "\n"
                          "Older forms, still read as the command they became:\n"
                          "%8")
        .arg(program, Rows(commands),
             Rows({{QStringLiteral("-h, --help"), QCoreApplication::translate("Exporter", "Displays this help.")},
                   {QStringLiteral("-v, --version"), QCoreApplication::translate("Exporter", "Displays version information.")}}),
             Rows({{QStringLiteral("0"), QCoreApplication::translate("Exporter", "Done: the page written, the readings within tolerance,")},
                   {QString(), QCoreApplication::translate("Exporter", "no fault found, the faces installed.")},
                   {QStringLiteral("1"), QCoreApplication::translate("Exporter", "The page could not be written, or the answer is no: out")},
                   {QString(), QCoreApplication::translate("Exporter", "of tolerance, a fault, a face missing.")},
                   {QStringLiteral("2"), QCoreApplication::translate("Exporter", "The command line was refused.")}}),
             Rows({{QStringLiteral("~/.config/micr-calibration/printers.ini"),
                    QCoreApplication::translate("Exporter", "The printers the wizard")},
                   {QString(), QCoreApplication::translate("Exporter", "remembers, read by profiles.")}}),
             Rows({{QStringLiteral("XDG_CONFIG_HOME"),
                    QCoreApplication::translate("Exporter", "The folder of printers.ini's folder, ~/.config by default.")},
                   {QStringLiteral("LANG"),
                    QCoreApplication::translate("Exporter", "The language of the text; readings and --json are the same in each.")},
                   {QStringLiteral("CUPS_SERVER"),
                    QCoreApplication::translate("Exporter", "The print server whose printers the profiles are kept")},
                   {QString(), QCoreApplication::translate("Exporter", "for and the shell's completion offers.")}}),
             QCoreApplication::translate("Exporter", "  Write the calibration page for a 1200-dpi printer, on A4:\n"
                            "    %1 page --dpi 1200 --paper a4 -o page.pdf\n"
                            "  Judge the lengths of lines 3 and 5 as measured:\n"
                            "    %1 measure \"3=7 1/64,5=182.2 mm\"\n"
                            "  Write the placement page for the middle check in Line 4's face:\n"
                            "    %1 page --page placement --cheque middle --line 4 -o place.pdf\n"
                            "  Judge what was measured on it:\n"
                            "    %1 place bar=7,right=0.32,bottom=0.19 --cheque middle --line 4\n"
                            "  Compose a US MICR line, as JSON:\n"
                            "    %1 line layout=us,routing=021000021,onus=123456789C --json\n")
                 .arg(program),
             Rows(OldForms()));
}

int RunCommand(QStringList arguments, const CommandTable &table, const Console &console)
{
    // `help COMMAND` is `COMMAND --help`.
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("help"))
        arguments = arguments.size() > 1 ? QStringList{arguments.at(1), QStringLiteral("--help")}
                                         : QStringList{QStringLiteral("--help")};
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1Char('-')))
        arguments = CommandForOldForm(arguments, table);
    if (arguments.first() == QLatin1String("--help")) {
        console.out << ProgramHelp(table);
        return Done;
    }
    if (arguments.first() == QLatin1String("--version")) {
        console.out << ProgramName << ' ' << Vendor::Version << '\n';
        return Done;
    }
    const QString name = arguments.takeFirst();
    Command *command = table.Find(name);
    if (!command)
        throw Refusal(RefusalKind::UnknownCommand,
                      QCoreApplication::translate("Exporter", "no command \"%1\"; did you mean \"%2\"?")
                          .arg(name, table.Nearest(name)));
    try {
        return command->Run(arguments, table, console);
    } catch (const Refusal &refusal) {
        throw refusal.ForCommand(name);
    }
}

int RunCommandLine(const QStringList &arguments, const CommandTable &table, const Console &console)
{
    try {
        return RunCommand(arguments, table, console);
    } catch (const Refusal &refusal) {
        const QString help = QLatin1String(ProgramName)
            + (refusal.command().isEmpty() ? QString() : QLatin1Char(' ') + refusal.command());
        console.Say(refusal.message());
        console.err << QCoreApplication::translate("Exporter", "Try %1 --help.").arg(help) << '\n' << Qt::flush;
        return Refused;
    }
}

int RunExporter(int argc, char **argv)
{
    qInstallMessageHandler(QuietQtMessages);
    // Fonts need a GUI application, though nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QLatin1String(ProgramName));
    QGuiApplication::setApplicationVersion(QLatin1String(Vendor::Version));
    // The user's language for the text; --json is the same in every locale.
    I18n::InstallTranslations(*QCoreApplication::instance());
    const CommandTable table = ExporterCommands();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommandLine(QGuiApplication::arguments().mid(1), table, Console{out, err});
}
