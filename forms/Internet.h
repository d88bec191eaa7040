#pragma once

#include "ui_Internet.h"

#include "WizardDialog.h"

// How to order the font set. Also the ordering prompt shown before the
// program ends: "Buy Now Online" closes it with Accepted, Exit, Esc and the
// close box with Rejected.
class TConnect : public WizardDialog, private Ui::TConnect
{
    Q_OBJECT

public:
    explicit TConnect(QWidget *owner = nullptr);

public slots:
    void SpeedButton1Click();
};
