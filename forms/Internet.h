#pragma once

#include "ui_Internet.h"

#include <QDialog>

// How to order the font set. Also the ordering prompt shown before the
// program ends: "Buy Now Online" closes it with Accepted, Exit, Esc and the
// close box with Rejected.
class TConnect : public QDialog, private Ui::TConnect
{
    Q_OBJECT

public:
    explicit TConnect(QWidget *owner = nullptr);

public slots:
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent *event) override;
};

extern TConnect *Connect;
