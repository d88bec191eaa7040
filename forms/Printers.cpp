#include "Printers.h"

#include "wording/Wording.h"

#include "platform/ErrorBox.h"
#include "platform/KeyStop.h"
#include "wording/ProfilesWording.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

TPrinters::TPrinters(PrinterSession &session, QWidget *owner) : QDialog(owner), session_(session)
{
    setupUi(this);
    Platform::OpenHelpOnF1(this, QStringLiteral("help/printers.html"));
    connect(ForgetButton, &QPushButton::clicked, this, &TPrinters::ForgetSelected);
    connect(ExportButton, &QPushButton::clicked, this, &TPrinters::ExportAll);
    connect(PrinterList, &QTreeWidget::currentItemChanged, this,
            [this] { ForgetButton->setEnabled(PrinterList->currentItem() != nullptr); });
}

void TPrinters::Ask()
{
    Refresh();
    PrinterList->setFocus();
    exec();
}

QStringList TPrinters::Listed() const
{
    QStringList queues;
    for (const PrinterProfile &profile : shown_)
        queues << profile.queue;
    return queues;
}

void TPrinters::Refresh()
{
    const LoadedProfiles loaded = session_.LoadProfiles();
    shown_ = loaded.profiles;
    ProblemText->setText(Wording::ProfilesProblemOf(Wording::For::Reader, loaded.problem));
    ProblemText->setVisible(!loaded.problem.none());
    PrinterList->clear();
    for (const PrinterProfile &profile : shown_) {
        QString calibrated = tr("not measured");
        if (const auto &measured = profile.measurement) {
            QStringList parts = {Wording::Date(Wording::For::Reader, measured->taken)};
            if (!measured->verdict.isEmpty())
                parts << Wording::StoredVerdict(Wording::For::Reader, measured->verdict);
            calibrated = parts.join(QStringLiteral(", "));
        }
        QString correction = tr("not measured");
        if (const auto &placed = profile.placement)
            correction = QStringLiteral("%1 (%2)").arg(Wording::Moves(Wording::For::Reader, placed->moveRight, placed->moveUp,
                                                                   Wording::Brief),
                                                    Wording::Date(Wording::For::Reader, placed->taken));
        auto *item = new QTreeWidgetItem(PrinterList, {profile.queue, profile.Face(), calibrated, correction});
        item->setToolTip(0, profile.makeAndModel.isEmpty() ? profile.queue : profile.makeAndModel);
    }
    // Wide enough for every column, so that no text hides behind a scroll
    // bar; the layout widens the window to match. The last column is
    // measured unstretched.
    PrinterList->header()->setStretchLastSection(false);
    int columns = 2 * PrinterList->frameWidth();
    for (int column = 0; column < PrinterList->columnCount(); ++column) {
        PrinterList->resizeColumnToContents(column);
        columns += PrinterList->columnWidth(column);
    }
    PrinterList->header()->setStretchLastSection(true);
    PrinterList->setMinimumWidth(columns);
    if (PrinterList->topLevelItemCount() > 0)
        PrinterList->setCurrentItem(PrinterList->topLevelItem(0));
    ForgetButton->setEnabled(PrinterList->currentItem() != nullptr);
    ExportButton->setEnabled(!shown_.isEmpty());
}

bool TPrinters::Forget(const QString &queue)
{
    QString error;
    const bool forgotten = session_.ForgetPrinter(queue, &error);
    if (!forgotten)
        QMessageBox::warning(this, Platform::ApplicationTitle(), tr("The printer was not forgotten: %1.").arg(error));
    Refresh();
    return forgotten;
}

void TPrinters::ForgetSelected()
{
    const QTreeWidgetItem *item = PrinterList->currentItem();
    if (!item)
        return;
    const QString queue = item->text(0);
    QMessageBox question(QMessageBox::Question, Platform::ApplicationTitle(),
                         tr("Forget the printer \"%1\"?").arg(queue), QMessageBox::NoButton, this);
    question.setObjectName(QStringLiteral("ForgetBox"));
    question.setInformativeText(tr("Its face, readings and correction will no longer be remembered."));
    QPushButton *forget = question.addButton(tr("&Forget"), QMessageBox::DestructiveRole);
    question.addButton(QMessageBox::Cancel);
    question.setDefaultButton(QMessageBox::Cancel);
    question.exec();
    if (question.clickedButton() == forget)
        Forget(queue);
}

bool TPrinters::ExportTo(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(ProfilesAsText(shown_).toUtf8()) < 0
        || !file.commit()) {
        *error = tr("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

void TPrinters::ExportAll()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Printer Profiles"),
        QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath(QStringLiteral("printer-profiles.txt")),
        tr("Text files (*.txt)"));
    QString error;
    if (!path.isEmpty() && !ExportTo(path, &error))
        QMessageBox::warning(this, Platform::ApplicationTitle(), error);
}

