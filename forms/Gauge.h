#pragma once

#include "ui_Gauge.h"

#include "WizardDialog.h"

// The MICR position gauge: its manual, order form and order page.
class TForm4 : public WizardDialog, private Ui::TForm4
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *owner = nullptr);

public slots:
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn4Click();
};
