#include "ScanSource.h"

#include "ScanDeviceDialog.h"

#include "scanclient/ScanAnalysis.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>

namespace {

// The folder a scan was last opened from, for the next one.
QString &LastFolder()
{
    static QString folder;
    return folder;
}

} // namespace

std::optional<QString> ChooseScan(QWidget *parent, bool fromScanner)
{
    if (fromScanner) {
        // One Scan dialog for each window, kept with it: its scan stays on
        // disk, in the dialog's own folder, while the window measures and
        // shows it, and the next scan starts from the same scanner.
        auto *dialog = parent->findChild<ScanDeviceDialog *>(QString(), Qt::FindDirectChildrenOnly);
        if (!dialog)
            dialog = new ScanDeviceDialog(parent);
        if (dialog->exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog->scannedFile();
    }
    if (LastFolder().isEmpty())
        LastFolder() = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("ScanSource", "Open a Scan"), LastFolder(),
        QCoreApplication::translate("ScanSource", "Scans (*.png *.tif *.tiff *.jpg *.jpeg *.pdf);;PNG (*.png);;TIFF (*.tif *.tiff);;JPEG (*.jpg *.jpeg);;"
           "PDF (*.pdf);;All files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
}

void OfferScans(QPushButton *button, const std::function<void(const QString &path)> &chosen)
{
    auto *menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("ScanMenu"));
    QAction *open = menu->addAction(QCoreApplication::translate("ScanSource", "&Open Image..."));
    open->setObjectName(QStringLiteral("OpenScanAction"));
    open->setToolTip(QCoreApplication::translate("ScanSource", "Measure a scan saved to a file"));
    QAction *scan = menu->addAction(QCoreApplication::translate("ScanSource", "&Scan..."));
    scan->setObjectName(QStringLiteral("ScanNowAction"));
    const auto take = [button, chosen](bool fromScanner) {
        if (const std::optional<QString> path = ChooseScan(button->window(), fromScanner))
            chosen(*path);
    };
    QObject::connect(open, &QAction::triggered, button, [take] { take(false); });
    QObject::connect(scan, &QAction::triggered, button, [take] { take(true); });
    button->setMenu(menu);
}

ScanProgress::ScanProgress(ScanAnalysis *analysis, QWidget *parent)
    : QWidget(parent), analysis_(analysis), bar_(new QProgressBar(this)), cancel_(new QPushButton(this))
{
    setObjectName(QStringLiteral("ScanProgress"));
    bar_->setObjectName(QStringLiteral("ScanProgressBar"));
    bar_->setRange(0, 0);
    bar_->setTextVisible(true);
    cancel_->setObjectName(QStringLiteral("CancelScanButton"));
    cancel_->setText(tr("Cancel Measuring"));
    cancel_->setToolTip(tr("Stops measuring the scan; the readings stay as they were"));
    cancel_->setAutoDefault(false);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bar_, 1);
    row->addWidget(cancel_);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        analysis_->Cancel();
        hide();
        emit Cancelled();
    });
    // Whichever way the measuring ends, the row goes.
    connect(analysis_, &ScanAnalysis::Finished, this, &QWidget::hide);
    connect(analysis_, &ScanAnalysis::Refused, this, &QWidget::hide);
    hide();
}

void ScanProgress::Measuring(const QString &path)
{
    bar_->setFormat(tr("Measuring %1...").arg(QFileInfo(path).fileName()));
    show();
}
