#include "Program.h"

#include "LegacyForms.h"

#include "common/VendorDetails.h"

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

int Dispatch(QStringList arguments, const CommandTable &table)
{
    // `help COMMAND` is `COMMAND --help`.
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("help"))
        arguments = arguments.size() > 1 ? QStringList{arguments.at(1), QStringLiteral("--help")}
                                         : QStringList{QStringLiteral("--help")};
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1Char('-')))
        arguments = CommandForOldForm(arguments, table);
    if (arguments.first() == QLatin1String("--help")) {
        std::printf("%s", qPrintable(ProgramHelp(table)));
        return Done;
    }
    if (arguments.first() == QLatin1String("--version")) {
        std::printf("%s %s\n", ProgramName, Vendor::Version);
        return Done;
    }
    const QString name = arguments.takeFirst();
    for (const CommandFactory &make : table) {
        const std::unique_ptr<Command> command = make();
        if (command->Name() != name)
            continue;
        try {
            return command->Run(arguments, table);
        } catch (const Refusal &refusal) {
            throw refusal.ForCommand(name);
        }
    }
    throw Refusal(
        QStringLiteral("no command \"%1\"; did you mean \"%2\"?").arg(name, NearestCommand(name, table)));
}

} // namespace

QString ProgramHelp(const CommandTable &table)
{
    QList<QPair<QString, QString>> commands;
    for (const CommandFactory &make : table) {
        const std::unique_ptr<Command> command = make();
        commands.append({(command->Name() + QLatin1Char(' ') + command->Argument()).trimmed(), command->Summary()});
    }
    return QStringLiteral("Usage: %1 COMMAND [options]\n"
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
                          "Older forms, still read as the command they became:\n"
                          "%5")
        .arg(QLatin1String(ProgramName), Rows(commands),
             Rows({{QStringLiteral("-h, --help"), QStringLiteral("Displays this help.")},
                   {QStringLiteral("-v, --version"), QStringLiteral("Displays version information.")}}),
             Rows({{QStringLiteral("0"), QStringLiteral("done: the page written, readings within tolerance, no fault")},
                   {QStringLiteral("1"), QStringLiteral("the page not written, or readings out of tolerance, a "
                                                        "fault,")},
                   {QString(), QStringLiteral("a face missing")},
                   {QStringLiteral("2"), QStringLiteral("the command line refused")}}),
             Rows(OldForms()));
}

int RunExporter(int argc, char **argv, const CommandTable &table)
{
    qInstallMessageHandler(QuietQtMessages);
    // Fonts need a GUI application, though nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QLatin1String(ProgramName));
    QGuiApplication::setApplicationVersion(QLatin1String(Vendor::Version));
    try {
        return Dispatch(QGuiApplication::arguments().mid(1), table);
    } catch (const Refusal &refusal) {
        const QString help = QLatin1String(ProgramName)
            + (refusal.command().isEmpty() ? QString() : QLatin1Char(' ') + refusal.command());
        std::fprintf(stderr, "%s: %s\nTry %s --help.\n", ProgramName, qPrintable(refusal.message()),
                     qPrintable(help));
        return Refused;
    }
}
