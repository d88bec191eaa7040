#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonDocument>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

// One command of micr-calibration-page, `micr-calibration-page NAME
// [ARGUMENT] [options]`: its name, a line for the program's --help, its own
// options and --help, and what it does. Each command is one file in cli/
// that defines a subclass and its Make function; the program's table of
// commands (ExporterCommands, in Commands.cpp) lists it.

// Exit statuses: done (the page written, the readings good, no fault); the
// work failed or the answer is "no"; the command line was refused.
inline constexpr int Done = 0;
inline constexpr int Failed = 1;
inline constexpr int Refused = 2;

inline constexpr char ProgramName[] = "micr-calibration-page";

// Where a command writes: its answers to `out`, its messages to `err`. The
// program gives it stdout and stderr, a test strings.
struct Console
{
    QTextStream &out;
    QTextStream &err;

    // "micr-calibration-page: MESSAGE" on err.
    void Say(const QString &message) const;
};

// What was wrong with a command line the program refuses.
enum class RefusalKind {
    UnknownCommand,         // no command of that name
    UnknownOption,          // an option no command takes
    OptionOfAnotherCommand, // an option another command takes
    MissingValue,           // an option that takes a value came last
    UnexpectedValue,        // a switch given a value ("--json=yes")
    MissingArgument,        // the command's argument not given
    UnexpectedArgument,     // a word the command has no place for
    MalformedArgument,      // the argument not in the command's form
    BadValue,               // a value out of its range or not one of its choices
    MissingOption,          // an option the command cannot do without
    OptionOutOfPlace,       // an option that needs another (--line without --page placement)
    ConflictingOptions,     // options that exclude each other
    NotAvailable,           // a printer not remembered, a face not installed
    UnreadableCommandLine,  // a fault the parser found that none of the above names
};

// A command line the program refuses: said on stderr, exit status 2.
class Refusal
{
public:
    Refusal(RefusalKind kind, QString message) : kind_(kind), message_(std::move(message)) {}
    RefusalKind kind() const { return kind_; }
    const QString &message() const { return message_; }
    // The command whose --help the message points to; empty for the
    // program's.
    const QString &command() const { return command_; }
    Refusal ForCommand(const QString &command) const
    {
        Refusal refusal(*this);
        refusal.command_ = command;
        return refusal;
    }

private:
    RefusalKind kind_;
    QString message_;
    QString command_;
};

class CommandTable;

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
    // command, or prints its help, on `console`. `table` names the commands
    // that take an option this one does not. Throws a Refusal.
    int Run(const QStringList &arguments, const CommandTable &table, const Console &console);

    // Whether the command has an option of this name ("o", "json").
    bool TakesOption(const QString &name) const;

protected:
    // The one positional argument, "READINGS", and what it is; a command
    // that takes none does not call this.
    void TakeArgument(const QString &argument, const QString &help);
    // The same for an argument that an option may stand in for: the
    // command itself says when it is missing.
    void TakeOptionalArgument(const QString &argument, const QString &help);
    void AddOptions(const QList<QCommandLineOption> &options);
    const QCommandLineParser &Parser() const { return parser_; }
    bool IsSet(const QCommandLineOption &option) const { return parser_.isSet(option); }
    QString Value(const QCommandLineOption &option) const { return parser_.value(option); }
    // The positional argument's value.
    const QString &Given() const { return given_; }
    // A scan's resolution given with `dpi`, none when it is not; refuses
    // what is not a positive number.
    std::optional<double> ScanDpi(const QCommandLineOption &dpi) const;

    virtual int Execute(const Console &console) = 0;

private:
    void Parse(const QStringList &arguments, const CommandTable &table);

    QString name_;
    QString argument_;
    QString summary_;
    QCommandLineOption help_;
    QCommandLineParser parser_;
    QList<QCommandLineOption> options_;
    QString given_;
    bool argumentOptional_ = false;
};

// The program's commands, made once, in the order --help lists them.
class CommandTable
{
public:
    explicit CommandTable(std::vector<std::unique_ptr<Command>> commands) : commands_(std::move(commands)) {}

    auto begin() const { return commands_.begin(); }
    auto end() const { return commands_.end(); }
    // The command called `name`, or none.
    Command *Find(const QString &name) const;
    // The names of the commands other than `except` that take the option
    // `option` ("o", "cheque").
    QStringList Taking(const QString &option, const QString &except) const;
    // The name of the command nearest to `name` by edit distance.
    QString Nearest(const QString &name) const;

private:
    std::vector<std::unique_ptr<Command>> commands_;
};

// What a parser given `options` refused in `arguments` (those after the
// program's name): an unknown option, a switch given a value, an option
// whose value is missing; anything else in the parser's own words.
Refusal ParseRefusal(const QCommandLineParser &parser, const QStringList &arguments,
                     const QList<QCommandLineOption> &options);

// `document` on `out`, indented, as the exporter always printed it.
void PrintJson(QTextStream &out, const QJsonDocument &document);
// Each line and a newline on `out`.
void PrintLines(QTextStream &out, const QStringList &lines);
