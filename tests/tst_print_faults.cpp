// Printer faults under a real cupsd: a stopped queue, a queue refusing jobs,
// the print system gone before the dialog and between the dialog and the
// job. Each shows a clear message, spools nothing and leaves the wizard
// usable; once the fault is mended, the next page prints correctly.
#include "CupsOutput.h"
#include "PageMeasure.h"
#include "TestSupport.h"

#include "app/MicrApplication.h"
#include "forms/Micr.h"
#include "platform/ErrorBox.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Queue = QStringLiteral("MicrA4");

int Run(const QString &program, const QStringList &arguments)
{
    int status = -1;
    RunProgram(program, arguments, &status);
    return status;
}

void Cupsd(const char *what)
{
    QCOMPARE(Run(qEnvironmentVariable("MICR_CUPSD_CONTROL"), {QString::fromLatin1(what)}), 0);
}

// What one Next from step 1 did.
struct Attempt
{
    bool dialogShown = false;
    bool queueListed = false;
    QString error; // the error box's text, if one came
};

} // namespace

class PrintFaultsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TForm1> window_;
    QTemporaryDir dir_;
    QStringList made_;

    // Next from step 1 with the queue chosen in the print dialog and the
    // dialog confirmed; `duringDialog` runs while the dialog is up.
    Attempt PrintOnce(const std::function<void()> &duringDialog = {})
    {
        while (CurrentStep > 1)
            QTest::mouseClick(window_->findChild<QPushButton *>("PreviousButton"), Qt::LeftButton);
        Attempt attempt;
        auto armed = std::make_shared<bool>(true);
        auto seen = AnswerNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QPrintDialog *>(modal);
            attempt.dialogShown = dialog != nullptr;
            if (!dialog) {
                modal->close();
                return;
            }
            if (auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"))) {
                for (int i = 0; i < printers->count(); ++i) {
                    if (printers->itemText(i) == Queue) {
                        printers->setCurrentIndex(i);
                        attempt.queueListed = true;
                    }
                }
            }
            if (duringDialog)
                duringDialog();
            if (!attempt.queueListed) {
                dialog->reject();
                return;
            }
            // The error box, if one comes, comes before the click returns.
            AnswerNextModal(
                [&attempt](QWidget *box) {
                    attempt.error = static_cast<QMessageBox *>(box)->text();
                    box->close();
                },
                3000, [armed](QWidget *box) { return *armed && qobject_cast<QMessageBox *>(box); });
            dialog->accept();
        });
        QTest::mouseClick(window_->NextButton, Qt::LeftButton);
        *armed = false;
        if (!*seen)
            qWarning("no dialog came");
        QTest::qWait(300);
        return attempt;
    }

    // After a fault: nothing spooled, the wizard on step 2 and usable.
    void ExpectNothingPrinted(const QStringList &before)
    {
        QTest::qWait(2500);
        QCOMPARE(CupsPdfFiles(), before);
        QCOMPARE(CurrentStep, 2);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(window_->isVisible());
    }

    // The next attempt prints a whole, correct page.
    void ExpectGoodPage()
    {
        const QStringList before = CupsPdfFiles();
        const Attempt attempt = PrintOnce();
        QVERIFY(attempt.dialogShown && attempt.queueListed);
        QVERIFY2(attempt.error.isEmpty(), qPrintable(attempt.error));
        const QString pdf = WaitForNewCupsPdf(before, 60000);
        QVERIFY2(!pdf.isEmpty(), "the page never came out");
        made_ << pdf;
        const QString raster = dir_.filePath("page");
        Run("pdftoppm", {"-r", "600", "-gray", "-png", "-singlefile", pdf, raster});
        const QImage page(raster + ".png");
        const auto rows = FindMarksRows(page, 6.0 * 600, MinimumMarkHeight(600));
        QCOMPARE(int(rows.size()), 5);
        const double inches = (rows[2].lastEdge - rows[2].firstEdge) / 600;
        QVERIFY2(std::abs(inches - 7.0) < 0.004, qPrintable(QString::number(inches, 'f', 4)));
    }

private slots:
    void initTestCase()
    {
        QImageReader::setAllocationLimit(0);
        QVERIFY2(!qEnvironmentVariableIsEmpty("MICR_CUPSD_CONTROL"), "run through cups_print.py");
        QDir().mkpath(CupsPdfDir().path());
        CopyGlyphFiles(dir_.path());
        QDir::setCurrent(dir_.path());
        window_ = std::make_unique<TForm1>();
        Form1 = window_.get();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        ExpectGoodPage();
    }

    void cleanupTestCase()
    {
        for (const QString &path : made_)
            QFile::remove(path);
        window_.reset();
    }

    void stoppedQueue()
    {
        QCOMPARE(Run("cupsdisable", {Queue}), 0);
        const QStringList before = CupsPdfFiles();
        const Attempt attempt = PrintOnce();
        QVERIFY(attempt.queueListed);
        QVERIFY2(attempt.error.contains("is stopped"), qPrintable(attempt.error));
        QVERIFY(attempt.error.contains(Queue));
        ExpectNothingPrinted(before);
        QCOMPARE(Run("cupsenable", {Queue}), 0);
        ExpectGoodPage();
    }

    void queueRefusingJobs()
    {
        QCOMPARE(Run("cupsreject", {Queue}), 0);
        const QStringList before = CupsPdfFiles();
        const Attempt attempt = PrintOnce();
        QVERIFY2(attempt.error.contains("not accepting jobs"), qPrintable(attempt.error));
        ExpectNothingPrinted(before);
        QCOMPARE(Run("cupsaccept", {Queue}), 0);
        ExpectGoodPage();
    }

    void printSystemStoppedBetweenDialogAndJob()
    {
        const QStringList before = CupsPdfFiles();
        const Attempt attempt = PrintOnce([] { Cupsd("stop"); });
        QVERIFY(attempt.queueListed);
        QVERIFY2(attempt.error.contains("cannot be reached"), qPrintable(attempt.error));
        ExpectNothingPrinted(before);
        Cupsd("start");
        ExpectGoodPage();
    }

    void printSystemNotRunning()
    {
        Cupsd("stop");
        const QStringList before = CupsPdfFiles();
        const Attempt attempt = PrintOnce();
        QVERIFY(attempt.dialogShown);
        // Either the dialog no longer offers the queue, or choosing it says why
        // it cannot print; never a crash or a silent success.
        if (attempt.queueListed)
            QVERIFY2(attempt.error.contains("cannot be reached"), qPrintable(attempt.error));
        ExpectNothingPrinted(before);
        Cupsd("start");
        ExpectGoodPage();
    }
};

int main(int argc, char **argv)
{
    MicrApplication application(argc, argv);
    Platform::SetApplicationTitle(QStringLiteral("MICR System Calibration"));
    PrintFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_print_faults.moc"
