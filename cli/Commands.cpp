// The exporter's commands, in the order --help lists them. A command is one
// file in cli/ (a Command subclass and the function that makes it, as in
// MeasureCommand.cpp; CMake picks the file up): adding one is that file
// and, here, its function's declaration and its row in the table. Its
// --help, its section of the manual page and its completion follow from the
// Command, and its options are named to whoever gives them to another
// command.
#include "Program.h"

std::unique_ptr<Command> MakePageCommand();
std::unique_ptr<Command> MakeMeasureCommand();
std::unique_ptr<Command> MakePlaceCommand();
std::unique_ptr<Command> MakeLineCommand();
std::unique_ptr<Command> MakeCheckLineCommand();
std::unique_ptr<Command> MakeChequeCommand();
std::unique_ptr<Command> MakeScanCommand();
std::unique_ptr<Command> MakeProfilesCommand();
std::unique_ptr<Command> MakeFontsCommand();
std::unique_ptr<Command> MakeSettingsCommand();

CommandTable ExporterCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    for (auto make : {MakePageCommand, MakeMeasureCommand, MakePlaceCommand, MakeLineCommand, MakeCheckLineCommand,
                      MakeChequeCommand, MakeScanCommand, MakeProfilesCommand, MakeFontsCommand, MakeSettingsCommand})
        commands.push_back(make());
    return CommandTable(std::move(commands));
}
