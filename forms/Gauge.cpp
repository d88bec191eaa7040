#include "Gauge.h"

#include "Micr.h"
#include "app/ShellLauncher.h"
#include "common/VendorDetails.h"
#include "platform/FormGlue.h"

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *owner) : QDialog(owner)
{
    Platform::RegisterResources();
    setupUi(this);
    Platform::PrepareDialog(this);
}

void TForm4::showEvent(QShowEvent *event)
{
    Platform::ShowDialogRelativeTo(this, Form1, QPoint(70, 50));
    QDialog::showEvent(event);
}

void TForm4::BitBtn1Click()
{
    OpenWithShell(OwnerWindow(this), nullptr, "MICR-Gauge-Instructions.pdf");
}

void TForm4::BitBtn3Click()
{
    OpenWithShell(OwnerWindow(this), "open", Vendor::GaugeOrderPage);
}

void TForm4::BitBtn4Click()
{
    OpenWithShell(OwnerWindow(this), nullptr, "MICR-Gauge-Order-Form.pdf");
}
