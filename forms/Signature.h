#pragma once

#include "ui_Signature.h"

#include <QDialog>

// How to order a signature font made from the user's own signature.
class TForm2 : public QDialog, private Ui::TForm2
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *owner = nullptr);

public slots:
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent *event) override;
};

extern TForm2 *Form2;
