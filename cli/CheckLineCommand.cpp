// check-line TEXT: a MICR line as typed, checked against the standard's
// fields, with where it goes on the cheque.
#include "Command.h"
#include "CommonOptions.h"
#include "LineReport.h"

#include <QCoreApplication>

namespace {

class CheckLineCommand : public Command
{
public:
    CheckLineCommand()
        : Command(QStringLiteral("check-line"), QT_TRANSLATE_NOOP("Exporter", "Checks a MICR line as typed."),
                  QT_TRANSLATE_NOOP("Exporter", "Checks a MICR line as typed against the standard's fields, its last character\n"
                                 "at position 14 (at 1 when it ends in an amount field), and prints it as the\n"
                                 "line command does. Exits with 0 with no fault, 1 with one."))
    {
        TakeArgument(QStringLiteral("TEXT"),
                     QCoreApplication::translate("Exporter", "The line as typed, symbols as A B C D or : ; < =."));
        AddOptions({ChequeWidthOption(), json_});
    }

protected:
    int Execute(const Console &console) override
    {
        return ReportMicrLine(console.out, CheckMicrLine(Given()), ReadChequeWidth(Parser()), IsSet(json_));
    }

private:
    QCommandLineOption json_ = JsonOption(QCoreApplication::translate("Exporter", "one JSON object"));
};

} // namespace

std::unique_ptr<Command> MakeCheckLineCommand()
{
    return std::make_unique<CheckLineCommand>();
}
