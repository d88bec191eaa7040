#include "Internet.h"

#include "platform/ShellLauncher.h"

TConnect *Connect = nullptr;

TConnect::TConnect(QWidget *owner) : WizardDialog(QPoint(39, 37), owner)
{
    setupUi(this);
    FinishForm();
}

void TConnect::SpeedButton1Click()
{
    OpenWithShell(OwnerWindow(this), QString(), QStringLiteral("o-micr.pdf"));
}
