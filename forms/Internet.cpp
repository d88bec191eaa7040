#include "Internet.h"

#include "common/VendorDetails.h"
#include "platform/ShellLauncher.h"

TConnect::TConnect(QWidget *owner) : WizardDialog(QPoint(39, 37), owner)
{
    setupUi(this);
    Label11->setText(Label11->text().arg(QLatin1String(Vendor::OrderPhoneNumber)));
    FinishForm();
    // Keys for the buttons that take no focus, as their tooltips say; set
    // after the captions, which would replace them with their (absent)
    // mnemonics.
    BitBtn1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_O));
    SpeedButton1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_P));
}

void TConnect::SpeedButton1Click()
{
    OpenWithShell(OwnerWindow(this), QString(), QStringLiteral("o-micr.pdf"));
}
