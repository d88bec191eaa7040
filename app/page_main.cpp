// micr-calibration-page: the calibration and placement pages, the readings
// taken from them, MICR lines and printers, for users without a print
// dialog at hand, print shops and scripts.
#include "cli/Command.h"
#include "cli/Program.h"

// The commands, in the order --help lists them. A command is one file in
// cli/ (a Command subclass and the function that makes it, as in
// MeasureCommand.cpp; CMake picks the file up): adding one is that file and,
// here, its function's declaration and its row in the table. Its --help,
// its section of the manual page and its completion follow from the
// Command, and its options are named to whoever gives them to another
// command.
std::unique_ptr<Command> MakePageCommand();
std::unique_ptr<Command> MakeMeasureCommand();
std::unique_ptr<Command> MakePlaceCommand();
std::unique_ptr<Command> MakeLineCommand();
std::unique_ptr<Command> MakeCheckLineCommand();
std::unique_ptr<Command> MakeChequeCommand();
std::unique_ptr<Command> MakeProfilesCommand();
std::unique_ptr<Command> MakeFontsCommand();
std::unique_ptr<Command> MakeSettingsCommand();

namespace {

const CommandTable Commands{
    MakePageCommand,
    MakeMeasureCommand,
    MakePlaceCommand,
    MakeLineCommand,
    MakeCheckLineCommand,
    MakeChequeCommand,
    MakeProfilesCommand,
    MakeFontsCommand,
    MakeSettingsCommand,
};

} // namespace

int main(int argc, char **argv)
{
    return RunExporter(argc, argv, Commands);
}
