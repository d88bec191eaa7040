#include "ScanDeviceDialog.h"

#include "scanclient/ScannerJob.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The resolutions offered: 300 dpi is the coarsest the scan analysis
// measures to its tolerances; 600 dpi resolves finer than any ruler and is
// the default; 1200 dpi for a gauge's finest readings.
constexpr int Resolutions[] = {300, 600, 1200};
constexpr int DefaultResolution = 600;
// The status line wraps at about this many characters' width rather than
// widening the dialog to one long sentence.
constexpr int StatusWidthInCharacters = 48;

} // namespace

ScanDeviceDialog::ScanDeviceDialog(QWidget *parent)
    : QDialog(parent), job_(new ScannerJob(this)), devices_(new QComboBox(this)),
      refresh_(new QPushButton(tr("&Refresh"), this)), resolution_(new QComboBox(this)), status_(new QLabel(this)),
      progress_(new QProgressBar(this)), scan_(new QPushButton(tr("&Scan"), this)),
      cancel_(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Scan"));
    devices_->setObjectName(QStringLiteral("Devices"));
    refresh_->setObjectName(QStringLiteral("Refresh"));
    resolution_->setObjectName(QStringLiteral("Resolution"));
    status_->setObjectName(QStringLiteral("Status"));
    progress_->setObjectName(QStringLiteral("Progress"));
    scan_->setObjectName(QStringLiteral("ScanButton"));
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    devices_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    devices_->setMinimumContentsLength(24);
    for (int dpi : Resolutions)
        resolution_->addItem(tr("%1 dpi").arg(dpi), dpi);
    resolution_->setCurrentIndex(resolution_->findData(DefaultResolution));
    status_->setWordWrap(true);
    status_->setMinimumWidth(fontMetrics().averageCharWidth() * StatusWidthInCharacters);
    progress_->setRange(0, 100);
    progress_->setValue(0);

    auto *deviceRow = new QHBoxLayout;
    deviceRow->addWidget(devices_, 1);
    deviceRow->addWidget(refresh_);
    auto *deviceLabel = new QLabel(tr("Scann&er:"), this);
    deviceLabel->setBuddy(devices_);
    auto *resolutionLabel = new QLabel(tr("Resol&ution:"), this);
    resolutionLabel->setBuddy(resolution_);
    auto *form = new QFormLayout;
    form->addRow(deviceLabel, deviceRow);
    form->addRow(resolutionLabel, resolution_);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(scan_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    scan_->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(refresh_, &QPushButton::clicked, this, &ScanDeviceDialog::Refresh);
    connect(scan_, &QPushButton::clicked, this, &ScanDeviceDialog::Scan);
    connect(cancel_, &QPushButton::clicked, this, &ScanDeviceDialog::CancelOrClose);
    connect(job_, &ScannerJob::Listed, this, &ScanDeviceDialog::Listed);
    connect(job_, &ScannerJob::Progress, this, [this](double fraction) { progress_->setValue(int(fraction * 100)); });
    connect(job_, &ScannerJob::Saved, this, &ScanDeviceDialog::Saved);
    connect(job_, &ScannerJob::Failed, this, &ScanDeviceDialog::Failed);
    Refresh();
}

QString ScanDeviceDialog::scannedFile() const
{
    return scannedFile_;
}

void ScanDeviceDialog::Refresh()
{
    devices_->clear();
    status_->setText(tr("Looking for scanners..."));
    ShowBusy(false);
    refresh_->setEnabled(false);
    job_->ListDevices();
}

void ScanDeviceDialog::Scan()
{
    if (devices_->currentIndex() < 0 || !folder_.isValid())
        return;
    // One file a scan: a new scan never overwrites one the owner read.
    const QString file = folder_.filePath(QStringLiteral("scan-%1.png").arg(++scans_));
    status_->setText(tr("Scanning..."));
    progress_->setValue(0);
    ShowBusy(true);
    job_->Scan(devices_->currentData().toString(), resolution_->currentData().toInt(), file);
}

void ScanDeviceDialog::CancelOrClose()
{
    if (scanning_) {
        status_->setText(tr("Canceling..."));
        cancel_->setEnabled(false);
        job_->Cancel();
        return;
    }
    QDialog::reject();
}

void ScanDeviceDialog::reject()
{
    CancelOrClose();
}

void ScanDeviceDialog::Listed(const QList<ScannerDevice> &devices)
{
    for (const ScannerDevice &device : devices)
        devices_->addItem(QStringLiteral("%1 %2 (%3)").arg(device.vendor, device.model, device.name), device.name);
    status_->setText(tr("Put the sheet face down on the glass, then press Scan."));
    ShowBusy(false);
}

void ScanDeviceDialog::Saved(const QString &file)
{
    scannedFile_ = file;
    ShowBusy(false);
    accept();
}

void ScanDeviceDialog::Failed(const ScannerFailure &failure)
{
    switch (failure.problem) {
    case ScannerProblem::NoDevice:
        status_->setText(tr("No scanner found. Check that the scanner is on and connected, then press Refresh."));
        break;
    case ScannerProblem::NoSuchDevice:
        status_->setText(tr("The scanner %1 is no longer there. Press Refresh to look again.").arg(failure.detail));
        break;
    case ScannerProblem::Busy:
        status_->setText(tr("The scanner is busy. Wait until the other program has finished with it, then scan again."));
        break;
    case ScannerProblem::Cancelled:
        status_->setText(tr("Scan canceled."));
        break;
    case ScannerProblem::TimedOut:
        status_->setText(tr("The scanner did not answer in time (%1 s).").arg(failure.seconds));
        break;
    case ScannerProblem::HelperMissing:
        status_->setText(tr("Scanning is not installed: micr-calibration-scan was not found."));
        break;
    case ScannerProblem::HelperStopped:
        status_->setText(tr("The scan stopped unexpectedly (the scanner's driver failed or memory ran out)."));
        break;
    case ScannerProblem::NotSaved:
        status_->setText(tr("The scan could not be saved: %1").arg(failure.detail));
        break;
    case ScannerProblem::DeviceFailed:
    case ScannerProblem::None:
        status_->setText(tr("The scanner reported a problem: %1").arg(failure.detail));
        break;
    }
    progress_->setValue(0);
    ShowBusy(false);
}

void ScanDeviceDialog::ShowBusy(bool scanning)
{
    scanning_ = scanning;
    const bool listing = job_->Running() && !scanning;
    devices_->setEnabled(!scanning && !listing);
    resolution_->setEnabled(!scanning);
    refresh_->setEnabled(!scanning && !listing);
    scan_->setEnabled(!scanning && !listing && devices_->count() > 0);
    cancel_->setEnabled(true);
}
