#include "Internet.h"

#include "Micr.h"
#include "app/ShellLauncher.h"
#include "platform/FormGlue.h"

TConnect *Connect = nullptr;

TConnect::TConnect(QWidget *owner) : QDialog(owner)
{
    Platform::RegisterResources();
    setupUi(this);
    Platform::PrepareForm(this);
    Platform::UseDialogFrame(this);
}

void TConnect::showEvent(QShowEvent *event)
{
    Platform::PrepareForFirstShow(this);
    Platform::PlaceRelativeTo(this, Form1, QPoint(39, 37));
    QDialog::showEvent(event);
}

void TConnect::SpeedButton1Click()
{
    OpenWithShell(OwnerWindow(this), nullptr, "o-micr.pdf");
}
