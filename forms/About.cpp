#include "About.h"

#include "Micr.h"
#include "app/ShellLauncher.h"
#include "common/VendorDetails.h"
#include "platform/FormGlue.h"

#include <string>

TForm3 *Form3 = nullptr;

TForm3::TForm3(QWidget *owner) : QDialog(owner)
{
    Platform::RegisterResources();
    setupUi(this);
    Platform::PrepareDialog(this);
}

void TForm3::showEvent(QShowEvent *event)
{
    Platform::ShowDialogRelativeTo(this, Form1, QPoint(142, 93));
    QDialog::showEvent(event);
}

std::string UpdateCheckAddress()
{
    return std::string(Vendor::UpdateBaseAddress) + Vendor::ProductCode + "-" + Vendor::Version;
}

void HandFocusToNext()
{
    if (!Form1->NextButton->isHidden())
        Form1->NextButton->setFocus();
}

void TForm3::CurVersionClick()
{
    QWidget *owner = OwnerWindow(this);
    HandFocusToNext();
    OpenWithShell(owner, "open", UpdateCheckAddress().c_str());
}

void TForm3::StaticText8Click()
{
    QWidget *owner = OwnerWindow(this);
    HandFocusToNext();
    OpenWithShell(owner, nullptr, Vendor::ProductPage);
}

void TForm3::StaticText7Click()
{
    QWidget *owner = OwnerWindow(this);
    HandFocusToNext();
    OpenWithShell(owner, nullptr, Vendor::GaugeSite);
}
