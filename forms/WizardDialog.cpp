#include "WizardDialog.h"

#include "Micr.h"
#include "platform/CharHeights.h"
#include "platform/DialogPlacement.h"
#include "platform/FaceSubstitutes.h"
#include "platform/FormLayout.h"

WizardDialog::WizardDialog(QPoint offsetFromWizard, QWidget *owner)
    : QDialog(owner), offsetFromWizard_(offsetFromWizard)
{
}

void WizardDialog::FinishForm()
{
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
    Platform::PlaceRelativeTo(this, Form1, offsetFromWizard_);
    QDialog::showEvent(event);
}
