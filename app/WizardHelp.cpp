#include "WizardHelp.h"

#include "common/VendorDetails.h"
#include "i18n/Translations.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

// The same form as micr-calibration-page's help, so that one tool makes
// both manual pages from them (tools/manpage.py).
constexpr char Help[] = QT_TRANSLATE_NOOP(
    "WizardHelp",
    "Usage: micr-calibration [Qt options]\n"
    "Finds the width of the E-13B MICR font that prints the MICR line at exactly\n"
    "0.125 inch a character on your laser printer. A three-step wizard prints a\n"
    "calibration page with five sample MICR lines, takes the lengths you measure on\n"
    "it and names the face to use; it then prints a placement page that tells how\n"
    "far to move the MICR line in check-printing software, composes and checks\n"
    "your own MICR line, and remembers each printer. F1 opens the help of any of\n"
    "its windows.\n"
    "\n"
    "Options:\n"
    "  -h, --help         Displays this help.\n"
    "  -v, --version      Displays version information.\n"
    "  -platform NAME     Qt's window system: xcb, wayland or offscreen.\n"
    "\n"
    "Files:\n"
    "  ~/.config/micr-calibration/printers.ini  What the wizard remembers of\n"
    "                                           each printer.\n"
    "  /usr/share/micr-calibration              The help files micr.chm (US\n"
    "                                           English), micr-en_CA.chm (Canadian\n"
    "                                           English) and micr-fr.chm (French),\n"
    "                                           the order forms and the gauge\n"
    "                                           manual.\n"
    "\n"
    "Environment:\n"
    "  XDG_CONFIG_HOME  The folder of printers.ini's folder, ~/.config by default.\n"
    "  LANG             The locale: the windows' language, and a decimal comma in\n"
    "                   readings where it writes one.\n"
    "  CUPS_SERVER      The print server the wizard prints to and lists printers\n"
    "                   from.\n"
    "\n"
    "Examples:\n"
    "  Start the wizard in a Wayland session without XWayland:\n"
    "    micr-calibration -platform wayland\n"
    "  Write the calibration page to a file instead, for another computer:\n"
    "    micr-calibration-page page -o page.pdf\n");

} // namespace

std::optional<int> AnswerHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0) {
            // In the user's language: the catalogues need an application,
            // but no window system.
            QCoreApplication application(argc, argv);
            I18n::InstallTranslations(application);
            std::fputs(QCoreApplication::translate("WizardHelp", Help).toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (std::strcmp(argument, "-v") == 0 || std::strcmp(argument, "--version") == 0) {
            std::printf("micr-calibration %s\n", Vendor::Version);
            return 0;
        }
    }
    return std::nullopt;
}
