#pragma once

#include "session/PrinterSession.h"
#include "ui_Printers.h"

#include <QDialog>

// The printers the program remembers: each one's face, last calibration and
// correction. One can be forgotten; all can be exported as text. F1 opens
// the help page on printers.
class TPrinters : public QDialog, private Ui::TPrinters
{
    Q_OBJECT

public:
    // The printers are those `session` remembers; one forgotten there
    // takes its readings with it.
    explicit TPrinters(PrinterSession &session, QWidget *owner = nullptr);

    // Shows the profiles remembered and runs the window.
    void Ask();

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

    PrinterSession &session_;
    QList<PrinterProfile> shown_;
};
