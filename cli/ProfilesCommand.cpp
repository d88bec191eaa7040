// profiles: what the wizard remembers of each printer.
#include "Command.h"
#include "CommonOptions.h"

#include "store/PrinterProfiles.h"
#include "wording/Wording.h"
#include "wording/ProfilesWording.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace {

class ProfilesCommand : public Command
{
public:
    ProfilesCommand()
        : Command(QStringLiteral("profiles"), QT_TRANSLATE_NOOP("Exporter", "Lists the printers the wizard remembers."),
                  QT_TRANSLATE_NOOP("Exporter", "Lists what the wizard remembers of each printer: its face, its last calibration\n"
                                 "and its placement correction, from\n"
                                 "~/.config/micr-calibration/printers.ini. It only reads: a damaged file is\n"
                                 "said on stderr (with what could be read from it listed) and left where it\n"
                                 "is, and the status is 1; the wizard sets it aside when it starts."))
    {
        AddOptions({json_});
    }

protected:
    int Execute(const Console &console) override
    {
        // Listing moves nothing: the file stays for the wizard to set aside.
        const LoadedProfiles loaded = PrinterProfiles().Read();
        if (!loaded.problem.none())
            console.Say(Wording::ProfilesProblemOf(Wording::For::Reader, loaded.problem));
        if (IsSet(json_) && loaded.problem.none())
            PrintJson(console.out, QJsonDocument(ProfilesAsJson(loaded.profiles)));
        else if (IsSet(json_))
            PrintJson(console.out, QJsonDocument(QJsonObject{{QStringLiteral("problem"),
                                                 Wording::ProfilesProblemOf(Wording::For::Script, loaded.problem)},
                                                {QStringLiteral("printers"), ProfilesAsJson(loaded.profiles)}}));
        else
            console.out << ProfilesAsText(loaded.profiles);
        return loaded.problem.none() ? Done : Failed;
    }

private:
    QCommandLineOption json_ = JsonOption(
        QCoreApplication::translate("Exporter", "one JSON array, an object for each printer (for a damaged file, an object: its problem and "
                       "the printers that could be read),"));
};

} // namespace

std::unique_ptr<Command> MakeProfilesCommand()
{
    return std::make_unique<ProfilesCommand>();
}
