#pragma once

#include "Command.h"

// micr-calibration-page's main: `micr-calibration-page COMMAND [options]`
// with the commands of `table`, or one of the old forms; --help and
// --version. Returns the exit status.
int RunExporter(int argc, char **argv, const CommandTable &table);

// The program's --help: its commands, a line each, and the old forms.
QString ProgramHelp(const CommandTable &table);
