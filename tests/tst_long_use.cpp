// Long use in one process: round after round of printing the page to a PDF
// through the print dialog, going back, and opening the About window and
// each dialog. Memory stays flat, no file stays open, every page is the first.
#include "TestSupport.h"

#include "app/MicrApplication.h"
#include "app/WindowSet.h"
#include "forms/About.h"
#include "forms/Gauge.h"
#include "forms/Internet.h"
#include "forms/Micr.h"
#include "forms/Signature.h"
#include "platform/ErrorBox.h"
#include "platform/FaceSubstitutes.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

long ResidentKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int OpenFileDescriptors()
{
    return int(QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

// A page as printed, less the moment it was made.
QByteArray PageContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    static const QRegularExpression made(QStringLiteral("/CreationDate \\([^)]*\\)"));
    return QString::fromLatin1(bytes).remove(made).toLatin1();
}

void Click(const char *name)
{
    QTest::mouseClick(Form1->findChild<QWidget *>(name), Qt::LeftButton, {}, QPoint(5, 5));
}

void OpenAndClose(const char *opener)
{
    auto seen = RejectNextModal();
    Click(opener);
    QVERIFY(*seen);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true; // its quarantine holds freed memory back on purpose
#else
constexpr bool Sanitized = false;
#endif

} // namespace

class LongUseTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    void PrintRound()
    {
        const QString pdf = dir_.filePath(QStringLiteral("page.pdf"));
        auto seen = AnswerNextModal([&pdf](QWidget *modal) {
            auto *dialog = qobject_cast<QPrintDialog *>(modal);
            QVERIFY(dialog);
            auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
            QVERIFY(file);
            file->setText(pdf);
            dialog->accept();
        });
        Click("NextButton");
        QVERIFY(*seen);
        QVERIFY(QFile::exists(pdf));
        Click("PreviousButton");
        OpenAndClose("SpeedButton1");
        OpenAndClose("BuyNow");
        OpenAndClose("BitBtn1");
        OpenAndClose("Gauge");
        QCOMPARE(CurrentStep, 1);
    }

private slots:
    void rounds()
    {
        CopyGlyphFiles(dir_.path());
        QDir::setCurrent(dir_.path());
        CreateWindowSet(*static_cast<MicrApplication *>(qApp));
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));

        const int rounds = qEnvironmentVariableIntValue("MICR_LONG_USE_ROUNDS") > 0
                               ? qEnvironmentVariableIntValue("MICR_LONG_USE_ROUNDS")
                               : 200;
        long settledMemory = 0;
        int settledFiles = 0;
        QByteArray firstPage;
        for (int round = 1; round <= rounds; ++round) {
            PrintRound();
            if (QTest::currentTestFailed())
                return;
            const QString pdf = dir_.filePath(QStringLiteral("page.pdf"));
            if (round == 1)
                firstPage = PageContent(pdf);
            else if (PageContent(pdf) != firstPage) {
                QFile::copy(pdf, QDir::temp().filePath("micr-long-use-differing-page.pdf"));
                QFAIL(qPrintable(QString("page %1 differs from the first; kept as %2").arg(round).arg(QDir::temp().filePath("micr-long-use-differing-page.pdf"))));
            }
            if (round == 1)
                QFile::copy(pdf, QDir::temp().filePath("micr-long-use-first-page.pdf"));
            QFile::remove(pdf);
            if (round == 10) {
                QTest::qWait(50);
                settledMemory = ResidentKilobytes();
                settledFiles = OpenFileDescriptors();
            }
        }
        QTest::qWait(50);
        const long memory = ResidentKilobytes();
        const int files = OpenFileDescriptors();
        qInfo("after round 10: %ld kB, %d files open; after round %d: %ld kB, %d files open", settledMemory,
              settledFiles, rounds, memory, files);
        QVERIFY(!firstPage.isEmpty());
        QCOMPARE(files, settledFiles);
        if (!Sanitized)
            QVERIFY2(memory < settledMemory * 105 / 100, "memory grew by 5 % or more");
    }
};

int main(int argc, char **argv)
{
    MicrApplication application(argc, argv);
    Platform::SetApplicationTitle(QStringLiteral("MICR System Calibration"));
    Platform::InstallFaceSubstitutes();
    LongUseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_long_use.moc"
