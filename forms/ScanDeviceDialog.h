#pragma once

#include "scanclient/ScannerWire.h"

#include <QDialog>
#include <QTemporaryDir>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class ScannerJob;

// Scans a sheet on a scanner the user picks, at 300, 600 or 1200 dpi.
// exec() answers Accepted once a scan is saved: scannedFile() is then a PNG
// carrying its resolution, in a temporary folder the dialog owns, so the
// file lives as long as the dialog does and goes with it. The window that
// asks keeps the dialog until it has read the scan (a dialog on its stack
// around the analysis), and nothing is left behind after.
class ScanDeviceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ScanDeviceDialog(QWidget *parent = nullptr);
    QString scannedFile() const;

private:
    void Refresh();
    void Scan();
    void CancelOrClose();
    // Escape and the close box stop a scan under way before they close.
    void reject() override;
    void Listed(const QList<ScannerDevice> &devices);
    void Saved(const QString &file);
    void Failed(const ScannerFailure &failure);
    void ShowBusy(bool scanning);

    ScannerJob *job_;
    QTemporaryDir folder_;
    QString scannedFile_;
    QComboBox *devices_;
    QPushButton *refresh_;
    QComboBox *resolution_;
    QLabel *status_;
    QProgressBar *progress_;
    QPushButton *scan_;
    QPushButton *cancel_;
    int scans_ = 0;
    bool scanning_ = false;
};
