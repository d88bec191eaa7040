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
    placed.scaleVerdict = QStringLiteral("fine");
    placed.taken = measured.taken.addDays(1);
    profile.placement = placed;
    MicrFields micr;
    micr.routing = QStringLiteral("021000021");
    micr.onUs = QStringLiteral("123456789< 1001");
    micr.auxOnUs = QStringLiteral("C12=34C");
    profile.micrLine = micr;
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
        // The MICR line as it was typed, for the window to open with.
        QVERIFY(office->micrLine);
        QVERIFY(*office->micrLine == *Calibrated("Office", 4, 7.003).micrLine);
        QCOMPARE(office->micrLine->onUs, QString("123456789< 1001"));

        const QString text = ProfilesAsText(loaded.profiles);
        QVERIFY2(text.contains("Office (Test Laser Office)") && text.contains("FerrodarkN2 Sample")
                     && text.contains("move the MICR line right 0.091 in and down 0.006 in")
                     && text.contains("MICR line: C12D34C A021000021A    123456789C 1001"),
                 qPrintable(text));
        QCOMPARE(ProfilesAsJson(loaded.profiles).size(), 2);

        QVERIFY(profiles.Forget("Office", &error));
        QVERIFY(!profiles.Find("Office"));
        QVERIFY(profiles.Find("Home"));
    }

    // Each kind of damage. A file nothing can be read from is set aside
    // whole and the program starts with none; otherwise what is wrong is
    // dropped (a value, or a printer's whole profile), the other printers
    // and values kept, the file as it was copied aside byte for byte, and
    // the message names the printer and both files.
    void damagedFiles_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("told");
        QTest::addColumn<int>("kept"); // profiles read; -1: the file is set aside
        QTest::newRow("unreadable") << "directory" << "cannot be read" << -1;
        QTest::newRow("another version") << "version=7" << "another version (7)" << -1;
        QTest::newRow("nonsense") << "nonsense" << "not a settings file" << -1;
        QTest::newRow("hand-edited, no version") << "version=" << "no version" << -1;
        QTest::newRow("binary") << "binary" << "cannot be used" << -1;
        QTest::newRow("cut in the last printer") << "cut:[printer-Office]\nline=4\nmeasured\\4=7.0"
                                                 << "printer \"Office\" was cut short" << 1;
        QTest::newRow("cut in a printer's name") << "cut:[printer-Off" << "not a setting" << 1;
        QTest::newRow("half") << "half" << "cut short" << 1;
        QTest::newRow("a foreign group") << "append:[colours]\nred=1\n" << "an entry that names no printer" << 2;
        QTest::newRow("a printer without its queue") << "append:[printer-Attic]\nweight=bold\nline=2\n"
                                                     << "printer \"Attic\" was cut short" << 2;
        QTest::newRow("a reading out of range") << "measured/4=12.5"
                                                << "printer \"Office\": the value measured/4 (\"12.5\")" << 2;
        QTest::newRow("line 9") << "line=9" << "printer \"Office\": the value line (\"9\")" << 2;
        QTest::newRow("weight heavy") << "weight=heavy" << "printer \"Office\": the value weight (\"heavy\")" << 2;
        QTest::newRow("a date that is not") << "placement/taken=yesterday" << "dropped" << 2;
        QTest::newRow("a move of a foot") << "placement/move-right=12" << "placement/move-right" << 2;
        QTest::newRow("a move that is not a number") << "placement/move-up=up" << "placement/move-up" << 2;
        QTest::newRow("the bar out of range") << "placement/bar=70" << "placement/bar" << 2;
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
            // Cut in the middle of the last printer's group.
            const qsizetype office = good.indexOf("[printer-Office]");
            WriteAll(path_, good.left(office + (good.size() - office) / 2));
        } else if (damage.startsWith("cut:")) {
            const QByteArray upTo = damage.mid(4).toLatin1();
            QVERIFY(good.contains(upTo));
            WriteAll(path_, good.left(good.indexOf(upTo) + upTo.size()));
        } else if (damage.startsWith("append:")) {
            WriteAll(path_, good + "\n" + damage.mid(7).toLatin1());
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

        // Reading alone changes nothing.
        const LoadedProfiles read = profiles.Read();
        QVERIFY2(read.problem.contains(told) && read.problem.contains(path_), qPrintable(read.problem));
        QCOMPARE(read.profiles.size(), std::max(kept, 0));
        QCOMPARE(QDir(QFileInfo(path_).absolutePath()).entryList({"printers.ini.damaged-*"}).size(), 0);
        if (damage != "directory")
            QCOMPARE(ReadAll(path_), damaged);

        const LoadedProfiles loaded = profiles.Load();
        QVERIFY2(loaded.problem.contains(told), qPrintable(loaded.problem));
        QVERIFY2(loaded.problem.contains(path_), qPrintable(loaded.problem));
        QVERIFY2(!loaded.problem.contains("[printer-") && !loaded.problem.contains("printer-Office"),
                 qPrintable(loaded.problem));
        const QStringList aside = QDir(QFileInfo(path_).absolutePath()).entryList({"printers.ini.damaged-*"});
        QCOMPARE(aside.size(), 1);
        const QString asidePath = QFileInfo(path_).absolutePath() + "/" + aside.first();
        QVERIFY2(loaded.problem.contains(asidePath), qPrintable(loaded.problem));
        if (damage != "directory")
            QCOMPARE(ReadAll(asidePath), damaged); // nothing of it is lost
        if (kept >= 0) {
            QCOMPARE(loaded.profiles.size(), kept);
            // Home is whole whatever happened to Office.
            const auto home = std::find_if(loaded.profiles.begin(), loaded.profiles.end(),
                                           [](const PrinterProfile &p) { return p.queue == "Home"; });
            QVERIFY(home != loaded.profiles.end());
            QCOMPARE(home->line, 2);
            QCOMPARE(home->weight, FontWeightChoice::Bold);
            QCOMPARE(home->placement->moveRight, 0.091);
            // Said once: the file now holds what was kept.
            const LoadedProfiles again = profiles.Load();
            QCOMPARE(again.problem, QString());
            QCOMPARE(again.profiles.size(), kept);
            QCOMPARE(QDir(QFileInfo(path_).absolutePath()).entryList({"printers.ini.damaged-*"}).size(), 1);
            return;
        }
        QVERIFY(loaded.profiles.isEmpty());
        QVERIFY(!QFileInfo::exists(path_));
        // The program goes on: the next save starts a good file.
        QVERIFY(profiles.Save(Calibrated("Home", 2, 6.991), &error));
        QCOMPARE(profiles.Load().profiles.size(), 1);
    }

    // A value dropped from Office's profile: the rest of it kept, and
    // nothing shown in place of what was dropped.
    void droppedValues_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<bool>("placement");
        QTest::newRow("line 9") << "line=9" << 4 << "bold" << true;
        QTest::newRow("weight heavy") << "weight=heavy" << 4 << "standard" << true;
        QTest::newRow("move right dropped") << "placement/move-right=12" << 4 << "bold" << true;
        QTest::newRow("move up dropped") << "placement/move-up=up" << 4 << "bold" << true;
        QTest::newRow("the bar dropped") << "placement/bar=70" << 4 << "bold" << false;
    }

    void droppedValues()
    {
        QFETCH(QString, damage);
        QFETCH(int, line);
        QFETCH(QString, weight);
        QFETCH(bool, placement);
        const PrinterProfiles profiles(path_);
        QString error;
        QVERIFY(profiles.Save(Calibrated("Office", 4, 7.003), &error));
        QByteArray good = ReadAll(path_);
        const QByteArray key = damage.section('=', 0, 0).replace("/", "\\").toLatin1();
        const qsizetype at = good.indexOf("\n" + key + "=");
        QVERIFY(at > 0);
        const qsizetype end = good.indexOf('\n', at + 1);
        WriteAll(path_, good.left(at + 1) + key + "=" + damage.section('=', 1).toLatin1() + good.mid(end));

        const std::optional<PrinterProfile> office = profiles.Find("Office");
        QVERIFY(office);
        QCOMPARE(office->line, line);
        QCOMPARE(office->weight == FontWeightChoice::Bold ? QString("bold") : QString("standard"), weight);
        QCOMPARE(office->measurement->readings[3], std::optional<double>(7.003));
        QCOMPARE(bool(office->placement), placement);
        const QString text = ProfilesAsText({*office});
        if (!placement) {
            QVERIFY2(text.contains("Placement not measured"), qPrintable(text));
            return;
        }
        // The correction worked out again from the readings kept: the
        // printer scaled the page by bar / 7 across and vbar / 2 down;
        // position 1 ended (right - 5/16) in too far left, and on plain
        // paper the baseline came out at the top reading, where the bottom
        // cheque of A4 stock (3 x 99 mm) wants it 3/16 in above its bottom.
        const double right = (0.4026 - 0.3125) / (6.923 / 7);
        const double up = (11.5 - (3 * 99 / 25.4 - 0.1875)) / (1.998 / 2);
        QCOMPARE(qRound(office->placement->moveRight * 1000), qRound((damage.contains("right") ? right : 0.091) * 1000));
        QCOMPARE(qRound(office->placement->moveUp * 1000), qRound((damage.contains("up") ? up : -0.006) * 1000));
        QVERIFY2(!text.contains(" 0.000 in"), qPrintable(text));
    }

    // Queue names as CUPS allows them, stored, found, listed and forgotten
    // as they are, none mistaken for another.
    void queueNames_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::newRow("slash") << "office/laser";
        QTest::newRow("percent") << "100%";
        QTest::newRow("percent-encoded look") << "a%2Fb";
        QTest::newRow("space and brackets") << "Office [2nd floor]";
        QTest::newRow("backslash, equals, semicolon") << "x\\y=z;1";
        QTest::newRow("accents") << "Imprimante réseau";
        QTest::newRow("the group's own prefix") << "printer-Home";
    }

    void queueNames()
    {
        QFETCH(QString, queue);
        const PrinterProfiles profiles(path_);
        QString error;
        QVERIFY(profiles.Save(Calibrated("Home", 2, 6.991), &error));
        QVERIFY(profiles.Save(Calibrated(queue, 4, 7.003), &error));
        const LoadedProfiles loaded = profiles.Load();
        QCOMPARE(loaded.problem, QString());
        QCOMPARE(loaded.profiles.size(), 2);
        const std::optional<PrinterProfile> found = profiles.Find(queue);
        QVERIFY(found);
        QCOMPARE(found->queue, queue);
        QCOMPARE(found->line, 4);
        QVERIFY(ProfilesAsText(loaded.profiles).contains(queue + " (Test Laser " + queue + ")"));
        QVERIFY(profiles.Forget(queue, &error));
        QVERIFY(!profiles.Find(queue));
        QCOMPARE(profiles.Find("Home")->line, 2);
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
