#include "Signature.h"

#include "Micr.h"
#include "app/ShellLauncher.h"
#include "platform/FormGlue.h"

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *owner) : QDialog(owner)
{
    Platform::RegisterResources();
    setupUi(this);
    Platform::PrepareDialog(this);
}

void TForm2::showEvent(QShowEvent *event)
{
    Platform::ShowDialogRelativeTo(this, Form1, QPoint(80, 68));
    QDialog::showEvent(event);
}

void TForm2::BitBtn2Click()
{
    OpenWithShell(OwnerWindow(this), nullptr, "o-sigtt.pdf");
}
