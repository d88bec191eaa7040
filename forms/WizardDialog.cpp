#include "WizardDialog.h"

#include "platform/CharHeights.h"
#include "platform/DialogPlacement.h"
#include "platform/FaceSubstitutes.h"
#include "platform/FormLayout.h"

namespace {
QWidget *Wizard = nullptr;
std::function<void()> WizardFocus;
} // namespace

void WizardDialog::StandBeside(QWidget *wizard, std::function<void()> handFocusBack)
{
    Wizard = wizard;
    WizardFocus = std::move(handFocusBack);
}

void WizardDialog::HandFocusBack()
{
    if (WizardFocus)
        WizardFocus();
}

WizardDialog::WizardDialog(QPoint offsetFromWizard, QWidget *owner)
    : QDialog(owner), offsetFromWizard_(offsetFromWizard)
{
}

void WizardDialog::FinishForm()
{
    Platform::ApplyGlyphs(this);
    Platform::ApplyCharHeights(this);
    Platform::UseInstalledFaces(this);
    Platform::UseDialogFrame(this);
}

void WizardDialog::showEvent(QShowEvent *event)
{
    if (!shownBefore_) {
        shownBefore_ = true;
        Platform::PrepareForFirstShow(this);
    }
    Platform::PlaceRelativeTo(this, Wizard, offsetFromWizard_);
    QDialog::showEvent(event);
}
