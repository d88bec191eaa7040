#include "Command.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace {

QString Dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// "page", "page and place", "measure, place and profiles"
QString Listed(const QStringList &names)
{
    if (names.size() < 2)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QCoreApplication::translate("Exporter", " and ") + names.last();
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

int Command::Run(const QStringList &arguments, const CommandTable &table)
{
    Parse(arguments, table);
    if (parser_.isSet(help_)) {
        std::printf("%s", qPrintable(HelpText()));
        return Done;
    }
    return Execute();
}

void Command::Parse(const QStringList &arguments, const CommandTable &table)
{
    const QStringList full = QStringList{QLatin1String(ProgramName)} + arguments;
    if (!parser_.parse(full)) {
        const QStringList unknown = parser_.unknownOptionNames();
        if (!unknown.isEmpty()) {
            // An option of another command says which one takes it.
            QStringList owners;
            for (const CommandFactory &make : table) {
                const std::unique_ptr<Command> other = make();
                if (other->Name() != name_ && other->TakesOption(unknown.first()))
                    owners.append(other->Name());
            }
            const QString option = Dashed(unknown.first());
            if (!owners.isEmpty() && (option == QLatin1String("-o") || option == QLatin1String("--output")))
                throw Refusal(QCoreApplication::translate("Exporter", "%1 writes a page or file (for %2); %3 writes no file")
                                  .arg(option, Listed(owners), name_));
            if (!owners.isEmpty())
                throw Refusal(QCoreApplication::translate("Exporter", "%1 is for %2; %3 takes no %1").arg(option, Listed(owners), name_));
        }
        throw Refusal(ParseFault(parser_, full));
    }
    if (parser_.isSet(help_))
        return;
    QStringList positional = parser_.positionalArguments();
    if (!argument_.isEmpty()) {
        if (positional.isEmpty())
            throw Refusal(QCoreApplication::translate("Exporter", "%1 needs %2").arg(name_, argument_));
        given_ = positional.takeFirst();
    }
    if (!positional.isEmpty())
        throw Refusal(QCoreApplication::translate("Exporter", "unknown argument \"%1\"").arg(positional.first()));
}

QString NearestCommand(const QString &name, const CommandTable &table)
{
    QString nearest;
    qsizetype best = 0;
    for (const CommandFactory &make : table) {
        const QString candidate = make()->Name();
        const qsizetype distance = EditDistance(name.toLower(), candidate);
        if (nearest.isEmpty() || distance < best) {
            nearest = candidate;
            best = distance;
        }
    }
    return nearest;
}

QString ParseFault(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QCoreApplication::translate("Exporter", "unknown argument \"%1\"").arg(Dashed(unknown.first()));
    // A switch given a value ("--bold=yes"), which Qt says in its own words,
    // in the user's language where Qt's catalogue has it.
    static const char *const qtContext = "QCommandLineParser"; // Qt's catalogue's, not this program's
    QString said =
        QRegularExpression::escape(QCoreApplication::translate(qtContext, "Unexpected value after '%1'."));
    said.replace(QRegularExpression::escape(QStringLiteral("%1")), QStringLiteral("(.*)"));
    const QRegularExpression unexpected(QLatin1Char('^') + said);
    const QRegularExpressionMatch match = unexpected.match(parser.errorText());
    if (match.hasMatch())
        return QCoreApplication::translate("Exporter", "%1 takes no value").arg(match.captured(1));
    // The only other fault: an option that takes a value came last.
    return QCoreApplication::translate("Exporter", "%1 needs a value").arg(arguments.last());
}

void PrintJson(const QJsonDocument &document)
{
    std::printf("%s", document.toJson(QJsonDocument::Indented).constData());
}

void PrintLines(const QStringList &lines)
{
    for (const QString &line : lines)
        std::printf("%s\n", qPrintable(line));
}
