// profiles: what the wizard remembers of each printer.
#include "Command.h"
#include "CommonOptions.h"

#include "calibration/PrinterProfiles.h"

#include <cstdio>

namespace {

class ProfilesCommand : public Command
{
public:
    ProfilesCommand()
        : Command(QStringLiteral("profiles"), QStringLiteral("Lists the printers the wizard remembers."),
                  QStringLiteral("Lists what the wizard remembers of each printer: its face, its last calibration\n"
                                 "and its placement correction, from\n"
                                 "~/.config/micr-calibration/printers.ini. A damaged file is set aside and\n"
                                 "said on stderr."))
    {
        AddOptions({json_});
    }

protected:
    int Execute() override
    {
        const LoadedProfiles loaded = PrinterProfiles().Load();
        if (!loaded.problem.isEmpty())
            std::fprintf(stderr, "micr-calibration-page: %s\n", qPrintable(loaded.problem));
        if (IsSet(json_))
            PrintJson(QJsonDocument(ProfilesAsJson(loaded.profiles)));
        else
            std::printf("%s", qPrintable(ProfilesAsText(loaded.profiles)));
        return Done;
    }

private:
    QCommandLineOption json_ = JsonOption(QStringLiteral("one JSON array, an object for each printer,"));
};

} // namespace

std::unique_ptr<Command> MakeProfilesCommand()
{
    return std::make_unique<ProfilesCommand>();
}
