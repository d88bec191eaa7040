// What the program remembers of each printer: written, read back, forgotten,
// exported; damaged files set aside with a message, values out of range
// dropped; two writers at once.
#include "calibration/PrinterProfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PrinterProfile Calibrated(const QString &queue, CalibrationLine line, double reading)
{
    PrinterProfile profile;
    profile.queue = queue;
    profile.makeAndModel = QStringLiteral("Test Laser ") + queue;
    profile.weight = FontWeightChoice::Bold;
    profile.line = line;
    MeasurementRecord measured;
    measured.readings[std::size_t(line - 1)] = reading;
    measured.line = line;
    measured.verdict = QStringLiteral("good");
    measured.taken = QDateTime(QDate(2026, 12, 7), QTime(15, 0), Qt::UTC);
    profile.measurement = measured;
    PlacementRecord placed;
    placed.cheque = ChequePosition::Bottom;
    placed.stock = A4Stock();
    placed.readings.bar = 6.923;
    placed.readings.verticalBar = 1.998;
    placed.readings.right = 0.4026;
    placed.readings.vertical = VerticalReading::FromPaperTop;
    placed.readings.fromEdge = 11.5;
    placed.moveRight = 0.091;
    placed.moveUp = -0.006;
    // Read on a page that carried a correction; the moves are the total.
    placed.applied = {0.05, -0.01};
    placed.scaleVerdict = QStringLiteral("between-faces");
    placed.taken = measured.taken.addDays(1);
    profile.placement = placed;
    return profile;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file as a hand edit would, a moment later: QSettings knows a
// file it read by its size and time, and the kernel's file times move in
// steps of milliseconds, so an edit of the same size at once would go unseen.
void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(1), QFileDevice::FileModificationTime));
}

} // namespace

class ProfilesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

private slots:
    void init()
    {
        path_ = dir_.filePath(QStringLiteral("%1 %2/printers.ini")
                                  .arg(QTest::currentTestFunction(), QTest::currentDataTag()));
        QDir().mkpath(QFileInfo(path_).absolutePath());
    }

    void writtenReadForgottenExported()
    {
        const PrinterProfiles profiles(path_);
        QString error;
        QVERIFY(profiles.Save(Calibrated("Office", 4, 7.003), &error));
        QVERIFY(profiles.Save(Calibrated("Home", 2, 6.991), &error));
        const LoadedProfiles loaded = profiles.Load();
        QCOMPARE(loaded.problem, QString());
        QCOMPARE(loaded.profiles.size(), 2);
        const std::optional<PrinterProfile> office = profiles.Find("Office");
        QVERIFY(office);
        QCOMPARE(office->Face(), QString("FerrodarkW2 Sample"));
        QCOMPARE(office->makeAndModel, QString("Test Laser Office"));
        QCOMPARE(office->measurement->readings[3], std::optional<double>(7.003));
        QCOMPARE(office->measurement->taken, QDateTime(QDate(2026, 12, 7), QTime(15, 0), Qt::UTC));
        QCOMPARE(office->placement->stock.Name(), A4Stock().Name());
        QCOMPARE(office->placement->readings.vertical, VerticalReading::FromPaperTop);
        QCOMPARE(office->placement->readings.verticalBar, std::optional<double>(1.998));
        QCOMPARE(office->placement->moveUp, -0.006);
        QCOMPARE(office->placement->applied.right, 0.05);
        QCOMPARE(office->placement->applied.up, -0.01);
        QCOMPARE(office->placement->scaleVerdict, QString("between-faces"));

        const QString text = ProfilesAsText(loaded.profiles);
        QVERIFY2(text.contains("Office (Test Laser Office)") && text.contains("FerrodarkN2 Sample")
                     && text.contains("move the MICR line right 0.091 in and down 0.006 in"),
                 qPrintable(text));
        QCOMPARE(ProfilesAsJson(loaded.profiles).size(), 2);

        QVERIFY(profiles.Forget("Office", &error));
        QVERIFY(!profiles.Find("Office"));
        QVERIFY(profiles.Find("Home"));
    }

    // Each kind of damage: the file is set aside whole, named with its new
    // name, and the program starts with none; a value out of range in a
    // good file is dropped and the rest kept.
    void damagedFiles_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("told");
        QTest::addColumn<int>("kept"); // profiles read; -1: the file is set aside
        QTest::newRow("unreadable") << "directory" << "cannot be read" << -1;
        QTest::newRow("truncated") << "half" << "cut short" << -1;
        QTest::newRow("another version") << "version=7" << "another version (7)" << -1;
        QTest::newRow("nonsense") << "nonsense" << "not a settings file" << -1;
        QTest::newRow("hand-edited, no version") << "version=" << "no version" << -1;
        QTest::newRow("binary") << "binary" << "cannot be used" << -1;
        QTest::newRow("a reading out of range") << "measured/4=12.5" << "measured/4 of Office (\"12.5\")" << 2;
        QTest::newRow("a date that is not") << "placement/taken=yesterday" << "dropped" << 2;
        QTest::newRow("a move of a foot") << "placement/move-right=12" << "placement/move-right" << 2;
    }

    void damagedFiles()
    {
        QFETCH(QString, damage);
        QFETCH(QString, told);
        QFETCH(int, kept);
        const PrinterProfiles profiles(path_);
        QString error;
        QVERIFY(profiles.Save(Calibrated("Office", 4, 7.003), &error));
        QVERIFY(profiles.Save(Calibrated("Home", 2, 6.991), &error));
        QByteArray good = ReadAll(path_);
        if (damage == "directory") {
            QFile::remove(path_);
            QVERIFY(QDir().mkpath(path_));
        } else if (damage == "half") {
            WriteAll(path_, good.left(good.size() / 2));
        } else if (damage == "nonsense") {
            WriteAll(path_, "Dear printer,\nplease print straight.\n[[[\n");
        } else if (damage == "binary") {
            WriteAll(path_, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        } else if (damage.startsWith("version")) {
            WriteAll(path_, good.replace("version=1", damage.toLatin1()));
        } else {
            // One value of Office's, hand-edited.
            const QByteArray key = damage.section('=', 0, 0).replace("/", "\\").toLatin1();
            const qsizetype office = good.indexOf("[printer-Office]");
            const qsizetype at = good.indexOf("\n" + key + "=", office);
            QVERIFY(at > 0);
            const qsizetype end = good.indexOf('\n', at + 1);
            WriteAll(path_, good.left(at + 1) + key + "=" + damage.section('=', 1).toLatin1() + good.mid(end));
        }
        const QByteArray damaged = damage == "directory" ? QByteArray() : ReadAll(path_);

        const LoadedProfiles loaded = profiles.Load();
        QVERIFY2(loaded.problem.contains(told), qPrintable(loaded.problem));
        QVERIFY2(loaded.problem.contains(path_), qPrintable(loaded.problem));
        if (kept >= 0) {
            QCOMPARE(loaded.profiles.size(), kept);
            QVERIFY(QFileInfo::exists(path_));
            return;
        }
        QVERIFY(loaded.profiles.isEmpty());
        const QStringList aside = QDir(QFileInfo(path_).absolutePath()).entryList({"printers.ini.damaged-*"});
        QCOMPARE(aside.size(), 1);
        const QString asidePath = QFileInfo(path_).absolutePath() + "/" + aside.first();
        QVERIFY2(loaded.problem.contains(asidePath), qPrintable(loaded.problem));
        if (damage != "directory")
            QCOMPARE(ReadAll(asidePath), damaged); // nothing of it is lost
        QVERIFY(!QFileInfo::exists(path_));
        // The program goes on: the next save starts a good file.
        QVERIFY(profiles.Save(Calibrated("Home", 2, 6.991), &error));
        QCOMPARE(profiles.Load().profiles.size(), 1);
    }

    // Two wizards writing their printers at once: the file reads back whole,
    // with both.
    void twoWritersAtOnce()
    {
        QProcess first, second;
        first.start(QStringLiteral(MICR_PROFILE_WRITER), {path_, "Office", "40"});
        second.start(QStringLiteral(MICR_PROFILE_WRITER), {path_, "Home", "40"});
        QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        const LoadedProfiles loaded = PrinterProfiles(path_).Load();
        QCOMPARE(loaded.problem, QString());
        QCOMPARE(loaded.profiles.size(), 2);
        for (const PrinterProfile &profile : loaded.profiles) {
            QVERIFY(profile.measurement);
            QCOMPARE(profile.line, 5); // the 40th round's
        }
    }
};

QTEST_GUILESS_MAIN(ProfilesTest)
#include "tst_profiles.moc"
