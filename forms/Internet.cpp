#include "Internet.h"

#include "Micr.h"
#include "app/ShellLauncher.h"
#include "platform/FormGlue.h"

TConnect *Connect = nullptr;

TConnect::TConnect(QWidget *owner) : QDialog(owner)
{
    Platform::RegisterResources();
    setupUi(this);
    Platform::PrepareDialog(this);
}

void TConnect::showEvent(QShowEvent *event)
{
    Platform::ShowDialogRelativeTo(this, Form1, QPoint(39, 37));
    QDialog::showEvent(event);
}

void TConnect::SpeedButton1Click()
{
    OpenWithShell(OwnerWindow(this), nullptr, "o-micr.pdf");
}
