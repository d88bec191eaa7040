#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QProgressBar;
class QPushButton;
class ScanAnalysis;

// A scan to measure: an image file the user chooses, or with
// `fromScanner` one scanned now; none when the user cancels.
std::optional<QString> ChooseScan(QWidget *parent, bool fromScanner);

// Makes `button` the windows' "From Scan..." button: its menu opens an
// image or scans one, and `chosen` gets the file.
void OfferScans(QPushButton *button, const std::function<void(const QString &path)> &chosen);

// The row a window shows while the helper measures a scan: a busy bar
// naming the file, and Cancel, which stops the helper and leaves the
// window as it was.
class ScanProgress : public QWidget
{
    Q_OBJECT

public:
    ScanProgress(ScanAnalysis *analysis, QWidget *parent);

    // Starts showing the measuring of `path`.
    void Measuring(const QString &path);

signals:
    void Cancelled();

private:
    ScanAnalysis *analysis_;
    QProgressBar *bar_;
    QPushButton *cancel_;
};
