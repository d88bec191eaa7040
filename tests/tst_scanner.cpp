// The scanner through the scan helper and SANE's own test backend (no
// hardware): its devices listed, whole-bed scans measured back, a scan
// cancelled half way, and the devices and states it refuses. The test
// backend is set up in a private SANE_CONFIG_DIR per row; its grid picture
// is 10 mm squares whatever the resolution, and its bed the test's own
// geometry_max.
#include "scanclient/ScannerJob.h"

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

constexpr double BedMillimetres = 200;
constexpr double GridSquareMillimetres = 10;
constexpr double MillimetresPerInch = 25.4;
// A scan at 300 dpi of the whole bed comes in under a few seconds; a
// loaded machine gets ample room.
constexpr int AnswerMilliseconds = 60000;

const QByteArray Bed = "geometry_min 0.0\ngeometry_max 200.0\ngeometry_quant 1.0\n"
                       "resolution_min 1.0\nresolution_max 1200.0\nresolution_quant 1.0\nresolution 50.0\n";

// The mean width of the grid's squares along the image's first row, in
// pixels: the distance from the first colour change to the last, over the
// squares between.
double GridSquarePixels(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const uchar *row = grey.constScanLine(0);
    int first = -1;
    int last = -1;
    int changes = 0;
    for (int x = 1; x < grey.width(); ++x) {
        if ((row[x] < 128) != (row[x - 1] < 128)) {
            if (first < 0)
                first = x;
            last = x;
            ++changes;
        }
    }
    return changes > 1 ? double(last - first) / (changes - 1) : 0;
}

} // namespace

class TestScanner : public QObject
{
    Q_OBJECT

private slots:
    void scanner_data()
    {
        QTest::addColumn<QByteArray>("backends");
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("device"); // empty: list the devices
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("devices");
        QTest::addColumn<double>("savedDpi");

        const int none = int(ScannerProblem::None);
        const QByteArray test = "test\n";
        QTest::newRow("devices listed") << test << QByteArray("number_of_devices 3\n") << QString() << 0 << false << none << 3
                                        << 0.0;
        QTest::newRow("no device") << QByteArray() << QByteArray() << QString() << 0 << false
                                   << int(ScannerProblem::NoDevice) << 0 << 0.0;
        // The test backend crashes when it is to offer no device: the helper
        // goes down, the job says so.
        QTest::newRow("backend crashes") << test << QByteArray("number_of_devices 0\n") << QString() << 0 << false
                                         << int(ScannerProblem::HelperStopped) << 0 << 0.0;
        QTest::newRow("300 dpi, whole bed") << test << QByteArray("test-picture \"Grid\"\n") << QStringLiteral("test:0") << 300 << false
                                            << none << 0 << 300.0;
        // 300 dpi asked of a scanner that goes to 250: the nearest it has.
        QTest::newRow("nearest resolution") << test << QByteArray("test-picture \"Grid\"\nresolution_max 250.0\n")
                                            << QStringLiteral("test:0") << 300 << false << none << 0 << 250.0;
        // A slow scanner: a buffer every 0.2 s, stopped at its first progress.
        QTest::newRow("cancelled") << test << QByteArray("read-delay true\nread-delay-duration 200000\nread-limit true\nread-limit-size 4096\n")
                                   << QStringLiteral("test:0") << 600 << true << int(ScannerProblem::Cancelled) << 0 << 0.0;
        QTest::newRow("no such device") << test << QByteArray() << QStringLiteral("test:9") << 300 << false
                                        << int(ScannerProblem::NoSuchDevice) << 0 << 0.0;
        QTest::newRow("no such backend") << test << QByteArray() << QStringLiteral("nosuchscanner:0") << 300 << false
                                         << int(ScannerProblem::NoSuchDevice) << 0 << 0.0;
        QTest::newRow("device busy") << test << QByteArray("read-status-code \"SANE_STATUS_DEVICE_BUSY\"\n") << QStringLiteral("test:0")
                                     << 300 << false << int(ScannerProblem::Busy) << 0 << 0.0;
    }

    void scanner()
    {
        QFETCH(QByteArray, backends);
        QFETCH(QByteArray, config);
        QFETCH(QString, device);
        QFETCH(int, dpi);
        QFETCH(bool, cancel);
        QFETCH(int, problem);
        QFETCH(int, devices);
        QFETCH(double, savedDpi);

        QTemporaryDir sane;
        QVERIFY(sane.isValid());
        QFile dll(sane.filePath(QStringLiteral("dll.conf")));
        QVERIFY(dll.open(QIODevice::WriteOnly) && dll.write(backends) >= 0);
        dll.close();
        QFile test(sane.filePath(QStringLiteral("test.conf")));
        QVERIFY(test.open(QIODevice::WriteOnly) && test.write(Bed + config) >= 0);
        test.close();
        qputenv("SANE_CONFIG_DIR", sane.path().toLocal8Bit());

        ScannerJob job;
        QSignalSpy listed(&job, &ScannerJob::Listed);
        QSignalSpy progress(&job, &ScannerJob::Progress);
        QSignalSpy saved(&job, &ScannerJob::Saved);
        QSignalSpy failed(&job, &ScannerJob::Failed);
        const QString file = sane.filePath(QStringLiteral("scan.png"));
        if (device.isEmpty())
            job.ListDevices();
        else
            job.Scan(device, dpi, file);
        if (cancel) {
            QVERIFY(progress.wait(AnswerMilliseconds));
            QVERIFY(job.Running());
            job.Cancel();
        }
        QTRY_COMPARE_WITH_TIMEOUT(listed.count() + saved.count() + failed.count(), 1, AnswerMilliseconds);
        QVERIFY(!job.Running());

        if (problem != int(ScannerProblem::None)) {
            QCOMPARE(failed.count(), 1);
            QCOMPARE(int(failed[0][0].value<ScannerFailure>().problem), problem);
            QVERIFY(!QFile::exists(file));
        } else if (devices > 0) {
            QCOMPARE(listed.count(), 1);
            const auto found = listed[0][0].value<QList<ScannerDevice>>();
            QCOMPARE(found.size(), devices);
            for (int i = 0; i < devices; ++i)
                QCOMPARE(found[i].name, QStringLiteral("test:%1").arg(i));
        } else {
            QCOMPARE(saved.count(), 1);
            QCOMPARE(saved[0][0].toString(), file);
            QCOMPARE(saved[0][1].toDouble(), savedDpi);
            QVERIFY(!progress.isEmpty());
            QCOMPARE(progress.last()[0].toDouble(), 1.0);
            const QImage image(file);
            QVERIFY(!image.isNull());
            QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), qRound(savedDpi));
            QCOMPARE(qRound(image.dotsPerMeterY() * 0.0254), qRound(savedDpi));
            // The whole bed: its size at that resolution, to the pixel the
            // backend rounds away.
            const double bedPixels = BedMillimetres / MillimetresPerInch * savedDpi;
            QVERIFY2(std::abs(image.width() - bedPixels) <= 1 && std::abs(image.height() - bedPixels) <= 1,
                     qPrintable(QStringLiteral("%1 x %2 for %3").arg(image.width()).arg(image.height()).arg(bedPixels)));
            const double square = GridSquarePixels(image);
            const double expected = GridSquareMillimetres / MillimetresPerInch * savedDpi;
            QVERIFY2(std::abs(square - expected) < 0.5, qPrintable(QStringLiteral("%1 for %2").arg(square).arg(expected)));
        }
    }
};

QTEST_GUILESS_MAIN(TestScanner)
#include "tst_scanner.moc"
