// cheque FILE: a cheque another program printed to a file, PDF or
// PostScript, checked against a printer: its MICR line's face, size,
// positions and fields, where it lands, how far to move it, and the clear band.
#include "Command.h"
#include "CommonOptions.h"

#include "answers/ChequeCheck.h"
#include "store/PrinterProfiles.h"
#include "wording/Wording.h"
#include "chequefile/ChequeFileClient.h"
#include "wording/ProfilesWording.h"
#include "wording/ChequeWording.h"
#include "wording/ReadingWording.h"

#include <QCoreApplication>

namespace {

class ChequeCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ChequeCommand)

public:
    ChequeCommand()
        : Command(QStringLiteral("cheque"), tr("Checks a check printed to a file by another program."),
                  tr("Reads the MICR line out of one check that a check-printing program printed to\n"
                     "a file (PDF, or PostScript through Ghostscript) and checks it against a printer:\n"
                     "its face and size, each character's position and the fields, where position 1\n"
                     "and the baseline land on the paper, how far to move the line in that program,\n"
                     "and every other mark in the clear band. Exits with 0 with no fault and both\n"
                     "moves within 1/32 in, 1 otherwise (also when no MICR line is found), and 2\n"
                     "for a file that cannot be read."))
    {
        TakeArgument(QStringLiteral("FILE"), tr("The check file, PDF or PostScript."));
        // --cheque and --cheque-height as the placement page takes them; --line names a printer here.
        AddOptions(PlacementOptions().mid(0, 2));
        AddOptions({line_, printer_, bold_, page_, json_});
    }

protected:
    int Execute(const Console &console) override
    {
        // The command line first, then the file.
        const ChequePosition cheque = Parser().isSet(QStringLiteral("cheque"))
            ? ChequePosition(ReadChoice(QStringLiteral("cheque"), Parser().value(QStringLiteral("cheque")),
                                        {QStringLiteral("top"), QStringLiteral("middle"), QStringLiteral("bottom")}))
            : ChequePosition::Top;
        const PrinterModel model = ReadModel(console);
        int pageNumber = 0;
        if (IsSet(page_)) {
            bool number = false;
            pageNumber = Value(page_).toInt(&number);
            if (!number || pageNumber < 1)
                throw Refusal(RefusalKind::BadValue, tr("--page: \"%1\" is no page number (1, 2, ...)").arg(Value(page_)));
        }
        const ChequeFileReading reading = ReadChequeFileApart(Given(), pageNumber);
        const std::optional<ChequeFilePage> &page = reading.page;
        if (!page) {
            console.Say(Wording::ChequeFileUnread(Wording::For::Reader, reading.problem));
            return Refused;
        }
        std::optional<ChequeStock> stock;
        if (Parser().isSet(QStringLiteral("cheque-height"))) {
            QString error;
            stock = CustomStock(Parser().value(QStringLiteral("cheque-height")), page->pageInches.height(), &error);
            if (!stock)
                throw Refusal(RefusalKind::BadValue, tr("--cheque-height: %1").arg(error.left(1).toLower() + error.mid(1)));
        }
        const ChequeCheck check = CheckCheque(*page, cheque, stock, model);
        if (IsSet(json_))
            PrintJson(console.out, QJsonDocument(ChequeCheckJson(check)));
        else
            PrintLines(console.out, Wording::ChequeCheckLines(Wording::For::Reader, check));
        return check.fine() ? Done : Failed;
    }

private:
    // The printer: --printer's profile, or Line N's printer.
    PrinterModel ReadModel(const Console &console) const
    {
        if (IsSet(printer_)) {
            if (IsSet(line_) || IsSet(bold_))
                throw Refusal(RefusalKind::ConflictingOptions, tr("--printer takes the face from the printer's profile: give --printer, or --line "
                                 "and --bold"));
            ProfilesProblem found;
            const std::optional<PrinterProfile> profile = PrinterProfiles().Find(Value(printer_), &found);
            const QString problem = Wording::ProfilesProblemOf(Wording::For::Reader, found);
            if (!problem.isEmpty())
                console.Say(problem);
            if (!profile)
                throw Refusal(RefusalKind::NotAvailable, tr("no printer \"%1\" is remembered: see the profiles command").arg(Value(printer_)));
            if (const std::optional<PrinterModel> model = ModelForProfile(*profile))
                return *model;
            throw Refusal(RefusalKind::NotAvailable, tr("printer \"%1\"'s face, %2, is not installed: see the fonts command")
                              .arg(profile->queue, profile->Face()));
        }
        const CalibrationLine line = IsSet(line_)
            ? ReadChoice(QStringLiteral("line"), Value(line_),
                         {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                          QStringLiteral("5")})
                + 1
            : 3;
        const FontWeightChoice weight = IsSet(bold_) ? FontWeightChoice::Bold : FontWeightChoice::Standard;
        if (const std::optional<PrinterModel> model = ModelForLine(line, weight))
            return *model;
        throw Refusal(RefusalKind::NotAvailable, tr("Line %1's face, %2, is not installed, so its printer's scale is unknown: see the fonts "
                         "command")
                          .arg(line)
                          .arg(QLatin1String(MicrFaceName(line, weight))));
    }

    QCommandLineOption line_{QStringLiteral("line"),
                             tr("Without --printer: the printer on which calibration line N's face (1 to 5, default "
                                "3) prints the MICR line 7.000 in long, with no shift."),
                             QStringLiteral("N")};
    QCommandLineOption printer_{QStringLiteral("printer"),
                                tr("The printer the check will print on, by its CUPS queue: the face calibrated there "
                                   "and the placement measured there (see the profiles command). Without it, --line "
                                   "N."),
                                QStringLiteral("QUEUE")};
    QCommandLineOption bold_ = BoldOption(tr("Without --printer: the printer is calibrated for --line's bold face."));
    QCommandLineOption page_{QStringLiteral("page"),
                             tr("The page of the file that holds the check, from 1. Without it, the first page with "
                                "text in a MICR face."),
                             QStringLiteral("N")};
    QCommandLineOption json_ = JsonOption(tr("one JSON object"));
};

} // namespace

std::unique_ptr<Command> MakeChequeCommand()
{
    return std::make_unique<ChequeCommand>();
}
