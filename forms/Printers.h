#pragma once

#include "store/PrinterProfiles.h"
#include "ui_Printers.h"

#include <QDialog>

// The printers the program remembers: each one's face, last calibration and
// correction. One can be forgotten; all can be exported as text. F1 opens
// the help page on printers.
class TPrinters : public QDialog, private Ui::TPrinters
{
    Q_OBJECT

public:
    explicit TPrinters(QWidget *owner = nullptr);

    // Shows the profiles kept in `profiles`' file and runs the window.
    void Ask(const PrinterProfiles &profiles);

    // The printers listed, in the list's order.
    QStringList Listed() const;

    // Forgets `queue` (no question asked); false with the reason shown.
    bool Forget(const QString &queue);
    // Writes every profile as text to `path`, whole or not at all.
    bool ExportTo(const QString &path, QString *error) const;

private:
    void Refresh();
    void ForgetSelected();
    void ExportAll();

    PrinterProfiles profiles_;
    QList<PrinterProfile> shown_;
};
