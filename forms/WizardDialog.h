#pragma once

#include <QDialog>
#include <QPoint>

#include <functional>

// What the wizard's four dialogs have in common: a fixed dialog frame, the
// form's character heights, pictures decoded when first shown, and a place
// at a fixed offset from the wizard window's top-left corner on every
// showing.
class WizardDialog : public QDialog
{
    Q_OBJECT

public:
    // The wizard window the dialogs stand beside, and what gives the
    // keyboard back to it; the window set says so once it is made.
    static void StandBeside(QWidget *wizard, std::function<void()> handFocusBack);
    // Gives the keyboard back to the wizard, as a dialog does before it
    // hands something to the desktop.
    static void HandFocusBack();

protected:
    WizardDialog(QPoint offsetFromWizard, QWidget *owner);

    // Call once setupUi has built the form.
    void FinishForm();

    void showEvent(QShowEvent *event) override;

private:
    QPoint offsetFromWizard_;
    bool shownBefore_ = false;
};
