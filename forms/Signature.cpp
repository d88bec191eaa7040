#include "Signature.h"

#include "platform/ShellLauncher.h"

TForm2::TForm2(QWidget *owner) : WizardDialog(QPoint(80, 68), owner)
{
    setupUi(this);
    FinishForm();
}

void TForm2::BitBtn2Click()
{
    OpenWithShell(OwnerWindow(this), QString(), QStringLiteral("o-sigtt.pdf"));
}
