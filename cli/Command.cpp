#include "Command.h"

#include "wording/Wording.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

QString Dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// "page", "page and place", "measure, place and profiles"
QString Listed(const QStringList &names)
{
    return Wording::Listed(Wording::For::Reader, names);
}

qsizetype EditDistance(const QString &a, const QString &b)
{
    std::vector<qsizetype> row(std::size_t(b.size() + 1));
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[std::size_t(j)] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[std::size_t(j)];
            row[std::size_t(j)] = std::min({above + 1, row[std::size_t(j - 1)] + 1,
                                            diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[std::size_t(b.size())];
}

// Where a parse failed on a value, read from `arguments` as the parser
// reads them: a switch given one ("--json=yes" is "--json"), or an option
// that takes one with nothing after it. The last such, as the parser says
// it; none where the arguments show neither. Unknown options are another
// fault, said before this one is looked for.
std::optional<Refusal> ValueFault(const QStringList &arguments, const QList<QCommandLineOption> &options)
{
    const auto takesValue = [&options](const QString &name) -> std::optional<bool> {
        for (const QCommandLineOption &option : options) {
            if (option.names().contains(name))
                return !option.valueName().isEmpty();
        }
        return std::nullopt;
    };
    const auto unexpected = [](const QString &option) {
        return Refusal(RefusalKind::UnexpectedValue, QCoreApplication::translate("Exporter", "%1 takes no value").arg(option));
    };
    std::optional<Refusal> fault;
    for (auto it = arguments.begin(); it != arguments.end() && *it != QLatin1String("--"); ++it) {
        const QString &argument = *it;
        if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-')))
            continue;
        const qsizetype assign = argument.indexOf(QLatin1Char('='));
        // A long option's name, or short ones run together ("-ho") up to
        // the first that takes a value.
        const bool isLong = argument.startsWith(QLatin1String("--"));
        const QStringList names = isLong ? QStringList{argument.mid(2).section(QLatin1Char('='), 0, 0)}
                                         : argument.mid(1).split(QString(), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < names.size(); ++i) {
            const std::optional<bool> valued = takesValue(names[i]);
            if (!valued)
                break;
            // Where the name ends in the argument, and whether its value follows in it.
            const qsizetype end = isLong ? argument.size() : i + 2;
            const bool attached = isLong ? assign >= 0 : end < argument.size();
            if (*valued) {
                if (!attached && std::next(it) == arguments.end())
                    fault = Refusal(RefusalKind::MissingValue,
                                    QCoreApplication::translate("Exporter", "%1 needs a value").arg(argument));
                else if (!attached)
                    ++it;
                break;
            }
            if (isLong ? assign >= 0 : attached && argument[end] == QLatin1Char('=')) {
                fault = unexpected(argument.left(assign));
                break;
            }
        }
    }
    return fault;
}

} // namespace

Command::Command(QString name, QString summary, const QString &description)
    : name_(std::move(name)), summary_(std::move(summary)),
      help_({QStringLiteral("h"), QStringLiteral("help")}, QCoreApplication::translate("Exporter", "Displays this help."))
{
    parser_.setApplicationDescription(description);
    parser_.addOption(help_);
}

Command::Command(QString name, const char *summary, const char *description)
    : Command(std::move(name), QCoreApplication::translate("Exporter", summary),
              QCoreApplication::translate("Exporter", description))
{
}

void Command::TakeArgument(const QString &argument, const QString &help)
{
    argument_ = argument;
    parser_.addPositionalArgument(argument, help);
}

void Command::TakeOptionalArgument(const QString &argument, const QString &help)
{
    TakeArgument(argument, help);
    argumentOptional_ = true;
}

void Command::AddOptions(const QList<QCommandLineOption> &options)
{
    options_ += options;
    parser_.addOptions(options);
}

bool Command::TakesOption(const QString &name) const
{
    return std::any_of(options_.begin(), options_.end(),
                       [&name](const QCommandLineOption &option) { return option.names().contains(name); });
}

QString Command::HelpText() const
{
    // Qt's usage line names the program as it was called, and not the
    // command.
    QString text = parser_.helpText();
    const QString usage = QCoreApplication::translate("Exporter", "Usage: %1 %2 [options]%3")
                              .arg(QLatin1String(ProgramName), name_,
                                   argument_.isEmpty() ? QString() : QLatin1Char(' ') + argument_);
    return usage + text.mid(text.indexOf(QLatin1Char('\n')));
}

std::optional<double> Command::ScanDpi(const QCommandLineOption &dpi) const
{
    if (!IsSet(dpi))
        return std::nullopt;
    bool ok = false;
    const double value = Value(dpi).toDouble(&ok);
    if (!ok || value <= 0)
        throw Refusal(RefusalKind::BadValue,
                      QCoreApplication::translate("Exporter", "--dpi takes a resolution in dots per inch, not \"%1\"").arg(Value(dpi)));
    return value;
}

int Command::Run(const QStringList &arguments, const CommandTable &table, const Console &console)
{
    Parse(arguments, table);
    if (parser_.isSet(help_)) {
        console.out << HelpText();
        return Done;
    }
    return Execute(console);
}

void Command::Parse(const QStringList &arguments, const CommandTable &table)
{
    if (!parser_.parse(QStringList{QLatin1String(ProgramName)} + arguments)) {
        const QStringList unknown = parser_.unknownOptionNames();
        if (!unknown.isEmpty()) {
            // An option of another command says which one takes it.
            const QStringList owners = table.Taking(unknown.first(), name_);
            const QString option = Dashed(unknown.first());
            if (!owners.isEmpty() && (option == QLatin1String("-o") || option == QLatin1String("--output")))
                throw Refusal(RefusalKind::OptionOfAnotherCommand,
                              QCoreApplication::translate("Exporter", "%1 writes a page or file (for %2); %3 writes no file")
                                  .arg(option, Listed(owners), name_));
            if (!owners.isEmpty())
                throw Refusal(RefusalKind::OptionOfAnotherCommand,
                              QCoreApplication::translate("Exporter", "%1 is for %2; %3 takes no %1").arg(option, Listed(owners), name_));
        }
        throw ParseRefusal(parser_, arguments, options_ + QList<QCommandLineOption>{help_});
    }
    if (parser_.isSet(help_))
        return;
    QStringList positional = parser_.positionalArguments();
    // A command run again in the same process (tst_cli) has no argument
    // left from its last run.
    given_.clear();
    if (!argument_.isEmpty()) {
        if (positional.isEmpty() && argumentOptional_)
            return;
        if (positional.isEmpty())
            throw Refusal(RefusalKind::MissingArgument,
                          QCoreApplication::translate("Exporter", "%1 needs %2").arg(name_, argument_));
        given_ = positional.takeFirst();
    }
    if (!positional.isEmpty())
        throw Refusal(RefusalKind::UnexpectedArgument,
                      QCoreApplication::translate("Exporter", "unknown argument \"%1\"").arg(positional.first()));
}

Command *CommandTable::Find(const QString &name) const
{
    const auto found = std::find_if(commands_.begin(), commands_.end(),
                                    [&name](const std::unique_ptr<Command> &command) { return command->Name() == name; });
    return found == commands_.end() ? nullptr : found->get();
}

QStringList CommandTable::Taking(const QString &option, const QString &except) const
{
    QStringList names;
    for (const std::unique_ptr<Command> &command : commands_) {
        if (command->Name() != except && command->TakesOption(option))
            names.append(command->Name());
    }
    return names;
}

QString CommandTable::Nearest(const QString &name) const
{
    QString nearest;
    qsizetype best = 0;
    for (const std::unique_ptr<Command> &command : commands_) {
        const qsizetype distance = EditDistance(name.toLower(), command->Name());
        if (nearest.isEmpty() || distance < best) {
            nearest = command->Name();
            best = distance;
        }
    }
    return nearest;
}

Refusal ParseRefusal(const QCommandLineParser &parser, const QStringList &arguments,
                     const QList<QCommandLineOption> &options)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return {RefusalKind::UnknownOption,
                QCoreApplication::translate("Exporter", "unknown argument \"%1\"").arg(Dashed(unknown.first()))};
    if (const std::optional<Refusal> fault = ValueFault(arguments, options))
        return *fault;
    return {RefusalKind::UnreadableCommandLine, parser.errorText()};
}

void Console::Say(const QString &message) const
{
    err << ProgramName << ": " << message << '\n' << Qt::flush;
}

void PrintJson(QTextStream &out, const QJsonDocument &document)
{
    out << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

void PrintLines(QTextStream &out, const QStringList &lines)
{
    for (const QString &line : lines)
        out << line << '\n';
}
