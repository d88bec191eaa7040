// settings PROGRAM: what the user's cheque program needs for the MICR line
// to land where the standard puts it on this printer.
#include "Command.h"
#include "CommonOptions.h"

#include "answers/ChequeSettings.h"
#include "store/PrinterProfiles.h"
#include "wording/Wording.h"
#include "wording/ProfilesWording.h"
#include "wording/SettingsWording.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {

class SettingsCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(SettingsCommand)

public:
    SettingsCommand()
        : Command(QStringLiteral("settings"), tr("Writes your check program's settings for the MICR line."),
                  tr("Writes what your check program needs, in its own keys and units, for the MICR\n"
                     "line to land 5/16 in from the check's right edge and 3/16 in above its bottom\n"
                     "edge on this printer: FreeCheck's [Global] keys, a GnuCash check format\n"
                     "(.chk) or Odoo's check margins. The face and correction are those the wizard\n"
                     "remembers for --printer, or the face of --line with no correction. Written to\n"
                     "stdout, or whole to -o FILE, with where it goes in its comments. Exits with 0\n"
                     "when written, 1 when it could not be (said on stderr)."))
    {
        TakeArgument(QStringLiteral("PROGRAM"), tr("freecheck, gnucash or odoo."));
        AddOptions(PlacementOptions());
        AddOptions({PaperOption(), bold_, printer_, micrLine_, output_});
    }

protected:
    int Execute(const Console &console) override
    {
        const std::optional<ChequeProgram> program = ChequeProgramFromKey(Given());
        if (!program)
            throw Refusal(RefusalKind::BadValue, tr("%1 is for freecheck, gnucash or odoo, not \"%2\"").arg(Name(), Given()));
        if (IsSet(printer_) && (Parser().isSet(QStringLiteral("line")) || IsSet(bold_)))
            throw Refusal(RefusalKind::ConflictingOptions, tr("--printer brings its own face: give --printer or --line, not both"));
        PlacementLayout layout = ReadPlacementLayout(Parser(), ReadPaper(Parser()));
        if (IsSet(micrLine_))
            layout.userLine = ComposeMicrLine(ReadMicrFields(Value(micrLine_), QStringLiteral("--micr-line")));

        SettingsInputs inputs;
        if (IsSet(printer_)) {
            ProfilesProblem found;
            const std::optional<PrinterProfile> profile = PrinterProfiles().Find(Value(printer_), &found);
            const QString problem = Wording::ProfilesProblemOf(Wording::For::Reader, found);
            if (!problem.isEmpty())
                console.Say(problem);
            if (!profile) {
                console.Say(tr("no printer \"%1\" is remembered: print a page on it from the wizard first, or give "
                       "--line N for the face alone (the profiles command lists the printers)")
                        .arg(Value(printer_)));
                return Failed;
            }
            inputs = InputsForProfile(*profile, layout);
        } else {
            inputs = InputsForLine(layout.line, layout.weight, layout);
        }
        const ChequeProgramSettings settings = SettingsFor(*program, inputs);
        if (!settings.ok) {
            for (const QString &note : settings.notes)
                console.Say(note);
            return Failed;
        }
        return Write(console, settings.text) ? Done : Failed;
    }

private:
    // To stdout, or the whole file or nothing.
    bool Write(const Console &console, const QString &settings) const
    {
        if (!IsSet(output_)) {
            console.out << settings << Qt::flush;
            return true;
        }
        const QByteArray text = settings.toUtf8();
        QSaveFile file(Value(output_));
        if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
            return true;
        console.Say(tr("could not write %1: %2").arg(Value(output_), file.errorString()));
        return false;
    }

    QCommandLineOption bold_ = BoldOption(tr("With --line: its bold face."));
    QCommandLineOption printer_{QStringLiteral("printer"),
                                tr("A printer the wizard remembers (its CUPS queue): its face and its placement "
                                   "correction."),
                                QStringLiteral("QUEUE")};
    QCommandLineOption micrLine_{QStringLiteral("micr-line"),
                                 tr("Your MICR line, as the line command takes it (default: the one last composed for "
                                    "--printer); GnuCash's format prints it character by character, and it tells "
                                    "FreeCheck and Odoo where the transit symbol and the line's left end stand."),
                                 QStringLiteral("FIELDS")};
    QCommandLineOption output_{{QStringLiteral("o"), QStringLiteral("output")},
                               tr("Writes the settings to FILE, whole or not at all, instead of stdout."),
                               QStringLiteral("FILE")};
};

} // namespace

std::unique_ptr<Command> MakeSettingsCommand()
{
    return std::make_unique<SettingsCommand>();
}
