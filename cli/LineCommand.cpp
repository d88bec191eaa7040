// line FIELDS: the user's MICR line composed from the bank's details, with
// where it goes on the cheque.
#include "Command.h"
#include "CommonOptions.h"

#include <QCoreApplication>

#include "LineReport.h"

namespace {

class LineCommand : public Command
{
public:
    LineCommand()
        : Command(QStringLiteral("line"), QT_TRANSLATE_NOOP("Exporter", "Composes your own MICR line from your bank's details."),
                  QT_TRANSLATE_NOOP("Exporter", "Composes your own MICR line from your bank's details: prints the text to type,\n"
                                 "each field's positions, every fault, and where the line goes on the check.\n"
                                 "Exits with 0 with no fault, 1 with one. The page command's --micr-line prints\n"
                                 "it on the placement page."))
    {
        TakeArgument(QStringLiteral("FIELDS"),
                     QCoreApplication::translate("Exporter", "KEY=VALUE pairs joined by commas: layout=us with routing=NUMBER, "
                                    "onus=FIELD and, where the bank prints them, aux=FIELD and epc=DIGIT; or "
                                    "layout=ca with branch=NUMBER, institution=NUMBER, onus=FIELD and aux=FIELD. "
                                    "The on-us fields as your bank prints them, symbols as A B C D or : ; < =. "
                                    "For example layout=us,routing=021000021,onus=123456789C."));
        AddOptions({ChequeWidthOption(), json_});
    }

protected:
    int Execute(const Console &console) override
    {
        const MicrFields fields = ReadMicrFields(Given(), Name());
        return ReportMicrLine(console.out, ComposeMicrLine(fields), ReadChequeWidth(Parser()), IsSet(json_));
    }

private:
    QCommandLineOption json_ = JsonOption(QCoreApplication::translate("Exporter", "one JSON object"));
};

} // namespace

std::unique_ptr<Command> MakeLineCommand()
{
    return std::make_unique<LineCommand>();
}
