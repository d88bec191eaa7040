#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonDocument>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// One command of micr-calibration-page, `micr-calibration-page NAME
// [ARGUMENT] [options]`: its name, a line for the program's --help, its own
// options and --help, and what it does. Each command is one file in
// cli/ that defines a subclass and its Make function; the program's
// table of commands (app/page_main.cpp) lists it.

// Exit statuses: done (the page written, the readings good, no fault); the
// work failed or the answer is "no"; the command line was refused.
inline constexpr int Done = 0;
inline constexpr int Failed = 1;
inline constexpr int Refused = 2;

inline constexpr char ProgramName[] = "micr-calibration-page";

// A command line the program refuses: said on stderr, exit status 2.
class Refusal
{
public:
    explicit Refusal(QString message) : message_(std::move(message)) {}
    const QString &message() const { return message_; }
    // The command whose --help the message points to; empty for the
    // program's.
    const QString &command() const { return command_; }
    Refusal ForCommand(const QString &command) const
    {
        Refusal refusal(message_);
        refusal.command_ = command;
        return refusal;
    }

private:
    QString message_;
    QString command_;
};

class Command;
using CommandFactory = std::function<std::unique_ptr<Command>()>;
using CommandTable = std::vector<CommandFactory>;

class Command
{
public:
    // `summary` is the command's line in the program's --help,
    // `description` opens its own --help.
    Command(QString name, QString summary, const QString &description);
    // The same from the program's English, marked where it is written with
    // QT_TRANSLATE_NOOP("Exporter", ...), in the user's language.
    Command(QString name, const char *summary, const char *description);
    virtual ~Command() = default;
    Command(const Command &) = delete;
    Command &operator=(const Command &) = delete;

    const QString &Name() const { return name_; }
    const QString &Argument() const { return argument_; }
    const QString &Summary() const { return summary_; }
    const QList<QCommandLineOption> &Options() const { return options_; }
    // "Usage: micr-calibration-page NAME [options] ARGUMENT", the
    // description and the options.
    QString HelpText() const;

    // Parses `arguments` (those after the command's name) and runs the
    // command, or prints its help. `table` names the commands that take an
    // option this one does not. Throws a Refusal.
    int Run(const QStringList &arguments, const CommandTable &table);

    // Whether the command has an option of this name ("o", "json").
    bool TakesOption(const QString &name) const;

protected:
    // The one positional argument, "READINGS", and what it is; a command
    // that takes none does not call this.
    void TakeArgument(const QString &argument, const QString &help);
    void AddOptions(const QList<QCommandLineOption> &options);
    const QCommandLineParser &Parser() const { return parser_; }
    bool IsSet(const QCommandLineOption &option) const { return parser_.isSet(option); }
    QString Value(const QCommandLineOption &option) const { return parser_.value(option); }
    // The positional argument's value.
    const QString &Given() const { return given_; }

    virtual int Execute() = 0;

private:
    void Parse(const QStringList &arguments, const CommandTable &table);

    QString name_;
    QString argument_;
    QString summary_;
    QCommandLineOption help_;
    QCommandLineParser parser_;
    QList<QCommandLineOption> options_;
    QString given_;
};

// The name of `table`'s command nearest to `name` by edit distance.
QString NearestCommand(const QString &name, const CommandTable &table);

// "unknown argument \"--colour\"" or "--dpi needs a value", from a parser
// that failed on `arguments`.
QString ParseFault(const QCommandLineParser &parser, const QStringList &arguments);

// `document` on stdout, indented, as the exporter always printed it.
void PrintJson(const QJsonDocument &document);
void PrintLines(const QStringList &lines);
