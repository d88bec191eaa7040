#pragma once

#include <QString>
#include <QStringList>

// What a driverless (IPP Everywhere) printer says of the pages it is sent:
// whether it takes PDF, and what it does with a page's size by itself
// (IPP's print-scaling: "auto", "auto-fit", "fill", "fit" or "none").
struct PrinterScaling
{
    QString printer;
    bool takesPdf = false;
    QString scalingDefault;
    QStringList scalingSupported;
    QString webPage; // the printer's own web page, where its defaults are set
};

// Whether the printer would scale the page by itself. CUPS 2.4's ipp
// backend does not pass a job's print-scaling on, so a printer that is sent
// the PDF scales it as its own default says; a printer sent a raster that
// CUPS made at the page's size has nothing to fit.
inline bool ScalesPagesItself(const PrinterScaling &scaling)
{
    return scaling.takesPdf && !scaling.scalingDefault.isEmpty() && scaling.scalingDefault != QLatin1String("none");
}
