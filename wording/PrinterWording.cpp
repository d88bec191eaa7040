#include "wording/PrinterWording.h"

#include <QCoreApplication>

namespace Wording {

QString ScalesPagesItself(const PrinterScaling &scaling)
{
    return QCoreApplication::translate("Wording", "The printer \"%1\" scales the pages it is sent by itself (its "
                                                  "print-scaling setting is \"%2\"), so this page would not print at "
                                                  "its own size and could not be measured.")
        .arg(scaling.printer, scaling.scalingDefault);
}

QString HowToStopScaling(const PrinterScaling &scaling)
{
    if (scaling.webPage.isEmpty())
        return QCoreApplication::translate("Wording", "Open the printer's web page, set its print-scaling setting "
                                                      "(\"Scaling\" or \"Fit to page\" on some printers) to \"none\", "
                                                      "then print again.");
    return QCoreApplication::translate("Wording", "Open the printer's web page, %1, set its print-scaling setting "
                                                  "(\"Scaling\" or \"Fit to page\" on some printers) to \"none\", then "
                                                  "print again.")
        .arg(scaling.webPage);
}

} // namespace Wording
