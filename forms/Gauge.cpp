#include "Gauge.h"

#include "platform/ShellLauncher.h"
#include "common/VendorDetails.h"

TForm4::TForm4(QWidget *owner) : WizardDialog(QPoint(70, 50), owner)
{
    setupUi(this);
    // The picture's labels are words: each language has its own drawing.
    Image1->setProperty("picture", tr(":/images/gauge.png", "the gauge picture, drawn with the reader's words"));
    FinishForm();
}

void TForm4::BitBtn1Click()
{
    OpenWithShell(OwnerWindow(this), QString(), QStringLiteral("MICR-Gauge-Instructions.pdf"));
}

void TForm4::BitBtn3Click()
{
    OpenWithShell(OwnerWindow(this), QStringLiteral("open"), QLatin1String(Vendor::GaugeOrderPage));
}

void TForm4::BitBtn4Click()
{
    OpenWithShell(OwnerWindow(this), QString(), QStringLiteral("MICR-Gauge-Order-Form.pdf"));
}
