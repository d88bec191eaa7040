// micr-calibration-page: the calibration and placement pages, the readings
// taken from them, MICR lines and printers, for users without a print
// dialog at hand, print shops and scripts. Its commands are the cli
// library's (cli/Commands.cpp lists them).
#include "cli/Program.h"

int main(int argc, char **argv)
{
    return RunExporter(argc, argv);
}
