// What the program remembers of each printer: written, read back, forgotten,
// exported; damaged files set aside with a message, values out of range
// dropped; two writers at once.
#include "store/PrinterProfiles.h"
#include "wording/ProfilesWording.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QSettings>
#include <QtTest>

namespace {

// A problem as the data it holds: why nothing was read from the file, and
// each part dropped.
QStringList Told(const ProfilesProblem &problem)
{
    QStringList told;
    if (problem.kind == ProfilesProblem::Kind::Unusable || problem.kind == ProfilesProblem::Kind::UnusableSetAside
        || problem.kind == ProfilesProblem::Kind::UnusableStuck) {
        const char *const why[] = {"cannot-read", "no-version", "other-version"};
        told << QString(why[int(problem.why)])
                    + (problem.why == ProfilesProblem::Why::OtherVersion ? " " + problem.version : QString());
    }
    for (const ProfilesProblem::Dropped &part : problem.dropped) {
        switch (part.what) {
        case ProfilesProblem::Dropped::What::Value:
            told << QString("value %1 %2 %3").arg(part.printer, part.key, part.value);
            break;
        case ProfilesProblem::Dropped::What::Profile:
            told << "profile " + part.printer;
            break;
        case ProfilesProblem::Dropped::What::Line:
            told << "line";
            break;
        }
    }
    return told;
}

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
        QVERIFY(loaded.problem.none());
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
        // What is told, as data: why nothing was read, or a part dropped
        // (a value with its printer, key and text; a profile; a line).
        QTest::addColumn<QString>("told");
        QTest::addColumn<int>("kept"); // profiles read; -1: the file is set aside
        QTest::newRow("unreadable") << "directory" << "cannot-read" << -1;
        QTest::newRow("another version") << "version=7" << "other-version 7" << -1;
        QTest::newRow("nonsense") << "nonsense" << "no-version" << -1;
        QTest::newRow("hand-edited, no version") << "version=" << "no-version" << -1;
        QTest::newRow("binary") << "binary" << "no-version" << -1;
        QTest::newRow("cut in the last printer") << "cut:[printer-Office]\nline=4\nmeasured\\4=7.0"
                                                 << "profile Office" << 1;
        QTest::newRow("cut in a printer's name") << "cut:[printer-Off" << "line" << 1;
        QTest::newRow("half") << "half" << "profile Office" << 1;
        QTest::newRow("a foreign group") << "append:[colours]\nred=1\n" << "profile " << 2;
        QTest::newRow("a printer without its queue") << "append:[printer-Attic]\nweight=bold\nline=2\n"
                                                     << "profile Attic" << 2;
        QTest::newRow("a reading out of range") << "measured/4=12.5" << "value Office measured/4 12.5" << 2;
        QTest::newRow("line 9") << "line=9" << "value Office line 9" << 2;
        QTest::newRow("weight heavy") << "weight=heavy" << "value Office weight heavy" << 2;
        QTest::newRow("a date that is not") << "placement/taken=yesterday" << "value Office placement/taken yesterday"
                                            << 2;
        QTest::newRow("a move of a foot") << "placement/move-right=12" << "value Office placement/move-right 12" << 2;
        QTest::newRow("a move that is not a number") << "placement/move-up=up" << "value Office placement/move-up up"
                                                     << 2;
        QTest::newRow("the bar out of range") << "placement/bar=70" << "value Office placement/bar 70" << 2;
        // The tallest cheque is a third of A4, not a whole sheet.
        QTest::newRow("a cheque 5 in tall") << "placement/stock=5" << "value Office placement/stock 5" << 2;
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
        QVERIFY2(Told(read.problem).contains(told), qPrintable(Told(read.problem).join('|')));
        QCOMPARE(read.problem.kind, kept < 0 ? ProfilesProblem::Kind::Unusable : ProfilesProblem::Kind::Damaged);
        QCOMPARE(read.problem.path, path_);
        QCOMPARE(read.profiles.size(), std::max(kept, 0));
        QCOMPARE(QDir(QFileInfo(path_).absolutePath()).entryList({"printers.ini.damaged-*"}).size(), 0);
        if (damage != "directory")
            QCOMPARE(ReadAll(path_), damaged);

        const LoadedProfiles loaded = profiles.Load();
        QVERIFY2(Told(loaded.problem).contains(told), qPrintable(Told(loaded.problem).join('|')));
        QCOMPARE(loaded.problem.kind,
                 kept < 0 ? ProfilesProblem::Kind::UnusableSetAside : ProfilesProblem::Kind::DamagedCopied);
        QCOMPARE(loaded.problem.path, path_);
        const QStringList aside = QDir(QFileInfo(path_).absolutePath()).entryList({"printers.ini.damaged-*"});
        QCOMPARE(aside.size(), 1);
        const QString asidePath = QFileInfo(path_).absolutePath() + "/" + aside.first();
        QCOMPARE(loaded.problem.aside, asidePath);
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
            QVERIFY(again.problem.none());
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
    // Readings of a page that carried a correction: the correction kept, the
    // moves the total; a total dropped is worked out again as the page's
    // correction and the move still to make.
    void appliedCorrectionKept()
    {
        PrinterProfile profile = Calibrated("Office", 4, 7.003);
        profile.placement->applied = {0.05, -0.01};
        profile.placement->moveRight = 0.141;
        profile.placement->scaleVerdict = QStringLiteral("between-faces");
        const PrinterProfiles profiles;
        QString error;
        QVERIFY2(profiles.Save(profile, &error), qPrintable(error));
        std::optional<PrinterProfile> back = profiles.Find("Office");
        QVERIFY(back && back->placement);
        QCOMPARE(back->placement->applied.right, 0.05);
        QCOMPARE(back->placement->applied.up, -0.01);
        QCOMPARE(back->placement->moveRight, 0.141);
        QCOMPARE(back->placement->scaleVerdict, QString("between-faces"));
        {
            QSettings settings(profiles.Path(), QSettings::IniFormat);
            settings.remove("printer-Office/placement/move-right");
        }
        back = profiles.Find("Office");
        QVERIFY(back && back->placement);
        // Position 1 ended (0.4026 - 5/16) in too far left at 98.9 %, on a
        // page already moved 0.05 in right.
        QCOMPARE(qRound(back->placement->moveRight * 1000), qRound((0.05 + (0.4026 - 0.3125) / (6.923 / 7)) * 1000));
        profiles.Forget("Office", &error);
    }

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
        QVERIFY(loaded.problem.none());
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
        QVERIFY(loaded.problem.none());
        QCOMPARE(loaded.profiles.size(), 2);
        for (const PrinterProfile &profile : loaded.profiles) {
            QVERIFY(profile.measurement);
            QCOMPARE(profile.line, 5); // the 40th round's
        }
    }
};

QTEST_GUILESS_MAIN(ProfilesTest)
#include "tst_profiles.moc"
