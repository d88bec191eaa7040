#pragma once

#include "ui_Signature.h"

#include "WizardDialog.h"

// How to order a signature font made from the user's own signature.
class TForm2 : public WizardDialog, private Ui::TForm2
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *owner = nullptr);

public slots:
    void BitBtn2Click();
};
