#pragma once

#include "ui_About.h"

#include "WizardDialog.h"

// The About window: vendor, version and two web links. Clicking the version
// asks the vendor's update page whether a newer version exists.
class TForm3 : public WizardDialog, private Ui::TForm3
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *owner = nullptr);

    using Ui::TForm3::CurVersion;

public slots:
    void CurVersionClick();
    void StaticText8Click();
    void StaticText7Click();
};

// The update-check address: the update page, the product code and the version.
std::string UpdateCheckAddress();

// Gives the keyboard focus back to the wizard's Next button, where it is shown.
void HandFocusToNext();
