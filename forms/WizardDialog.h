#pragma once

#include <QDialog>
#include <QPoint>

// What the wizard's four dialogs have in common: a fixed dialog frame, the
// form's character heights, pictures decoded when first shown, and a place
// at a fixed offset from the wizard window's top-left corner on every
// showing.
class WizardDialog : public QDialog
{
    Q_OBJECT

protected:
    WizardDialog(QPoint offsetFromWizard, QWidget *owner);

    // Call once setupUi has built the form.
    void FinishForm();

    void showEvent(QShowEvent *event) override;

private:
    QPoint offsetFromWizard_;
    bool shownBefore_ = false;
};
