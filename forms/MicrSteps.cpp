#include "MicrSteps.h"

#include <QtGlobal>

const StepLayout IntroStep = {
    true,
    false,
    false,
    QT_TRANSLATE_NOOP("TForm1",
        "This utility will print a sample of each MICR font in this package.\n"
        "You will then be guided through the process of selecting the right\n"
        "MICR font for your printer and operating system.\n"
        "\n"
        "Turn your laser printer on. Make sure this printer has blank paper\n"
        "loaded in it. Leave the font selection set to standard unless you\n"
        "need bold fonts to increase signal strength. Click Next to select a\n"
        "printer and print the calibration page."),
    false,
    true,
    "print24.bmp",
    QT_TRANSLATE_NOOP("TForm1", "Print a calibration page and move to the next step"),
    nullptr,
    QT_TRANSLATE_NOOP("TForm1", "Exit the program immediately"),
    QT_TRANSLATE_NOOP("TForm1", "Exit"),
    false,
    false,
};

const StepLayout MeasureStep = {
    true,
    true,
    true,
    QT_TRANSLATE_NOOP("TForm1",
        "\n"
        "Now printing a test sheet . . .\n"
        "\n"
        "Wait until page that is now printing is cool, then measure the\n"
        "length of each printed MICR line. Select the line that is nearest to\n"
        "7 inches in length. If two lines are the same length, pick the one\n"
        "closest to Line 3. Select the line number below that corresponds\n"
        "to this 7 inch long MICR line."),
    false,
    false,
    "next24.bmp",
    QT_TRANSLATE_NOOP("TForm1", "Move to the next step which will tell you what font to use"),
    QT_TRANSLATE_NOOP("TForm1", "Return to the print a calibration page step"),
    QT_TRANSLATE_NOOP("TForm1", "Exit the program immediately"),
    QT_TRANSLATE_NOOP("TForm1", "Exit"),
    true,
    false,
};

const StepLayout ResultStep = {
    false,
    true,
    false,
    QT_TRANSLATE_NOOP("TForm1",
        "\n"
        "\n"
        "Congratulations, your computer and printer system is now\n"
        "calibrated. Note that if you change printers or operating systems\n"
        "you should run this calibration program again.\n"
        "\n"
        "You must use the following MICR font name, printing at 10 points,\n"
        "in your check printing program:"),
    true,
    false,
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("TForm1", "Return to the line length selection step"),
    QT_TRANSLATE_NOOP("TForm1", "All done, exit now"),
    QT_TRANSLATE_NOOP("TForm1", "Done"),
    false,
    true,
};
