#include "PrintJob.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

namespace Platform {

namespace {
// QCupsPrintEngine's PPK_CupsOptions: a flat list of option, value pairs.
constexpr auto CupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);
} // namespace

void PrintWithoutScaling(QPrinter &printer)
{
    QPrintEngine *engine = printer.printEngine();
    if (!engine)
        return;
    QStringList options = engine->property(CupsOptionsProperty).toStringList();
    const qsizetype at = options.indexOf(QStringLiteral("print-scaling"));
    if (at >= 0 && at % 2 == 0 && at + 1 < options.size())
        options[at + 1] = QStringLiteral("none");
    else
        options << QStringLiteral("print-scaling") << QStringLiteral("none");
    engine->setProperty(CupsOptionsProperty, options);
}

void UsePrinterMedia(QPrinter &printer, const QPageSize &beforeDialog)
{
    if (!printer.pageLayout().pageSize().isEquivalentTo(beforeDialog))
        return;
    const QPageSize media = QPrinterInfo(printer).defaultPageSize();
    if (media.isValid())
        printer.setPageSize(media);
}

} // namespace Platform
