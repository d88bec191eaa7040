#pragma once

#include "Command.h"

// micr-calibration-page's main: `micr-calibration-page COMMAND [options]`
// with the commands of ExporterCommands, or one of the old forms, on stdout
// and stderr. Returns the exit status.
int RunExporter(int argc, char **argv);

// The program's commands, in the order --help lists them; made in the
// user's language, so after the catalogues are installed.
CommandTable ExporterCommands();

// `arguments` (those after the program's name) as the program reads them:
// a command, `help COMMAND`, --help, --version or an old form, run against
// `table` on `console`, a refusal said on its err. Returns the exit status.
int RunCommandLine(const QStringList &arguments, const CommandTable &table, const Console &console);
// The same with a refused command line thrown as a Refusal, not said.
int RunCommand(QStringList arguments, const CommandTable &table, const Console &console);

// The program's help: its commands, a line each, and the old forms.
QString ProgramHelp(const CommandTable &table);
