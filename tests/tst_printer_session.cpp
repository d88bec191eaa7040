// What step 3 says after what a user does, with no window: print, measure,
// open the Printers window, choose another line, refuse a reading, switch
// printer, restart. The verdicts expected come from the test faces' widths.
#include "PageMeasure.h"

#include "session/PrinterSession.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <map>
#include <memory>

namespace {

const char *const StandardFaces[] = {"FerroN Sample", "FerroN2 Sample", "Ferro Sample", "FerroW2 Sample",
                                     "FerroW Sample"};

// A sample line of 56 positions at 10 points in line `line`'s test face.
double FaceLineInches(int line)
{
    return 56 * TestFaceAdvances[line - 1] / 1000.0 * 10 / 72;
}

// "3=7.010" to line 3 read at 7.010 in; "" to no reading.
std::map<int, double> ReadingOf(const QString &text)
{
    std::map<int, double> readings;
    if (!text.isEmpty())
        readings[text.section('=', 0, 0).toInt()] = text.section('=', 1).toDouble();
    return readings;
}

// What a printer that printed `reading` prints on `line`: its scale over
// the measured face, carried to `line`'s face.
double Printed(const std::map<int, double> &reading, int line)
{
    const auto [measured, inches] = *reading.begin();
    return inches / FaceLineInches(measured) * FaceLineInches(line);
}

// Judged on the residual shown, to the thousandth.
Verdict Expected(const std::map<int, double> &reading, int line)
{
    const double residual = std::abs(std::round((Printed(reading, line) - 7) * 1000));
    return residual <= 15 ? Verdict::Good : residual <= 30 ? Verdict::Marginal : Verdict::Out;
}

// The line whose face prints nearest 7 in for that printer.
int Nearest(const std::map<int, double> &reading)
{
    int nearest = 1;
    for (int line = 2; line <= 5; ++line)
        nearest = std::abs(Printed(reading, line) - 7) < std::abs(Printed(reading, nearest) - 7) ? line : nearest;
    return nearest;
}

} // namespace

class PrinterSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void stepThreeAfterWhatTheUserDid_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("standing"); // the readings step 3 stands on
        QTest::addColumn<int>("line");         // the line step 3 names
        QTest::addColumn<QString>("printer");  // the printer it names them for
        QTest::addColumn<QString>("typed");    // the readings the Measurements window judges; "-": not open

        QTest::newRow("to a file, Printers window, Line 5")
            << QStringList{"file", "measure 3 7.010", "printers", "line 5"} << "3=7.010" << 5 << "" << "-";
        QTest::newRow("remembered, Printers window") << QStringList{"print Office", "measure 3 7.010", "printers"}
                                                     << "3=7.010" << 3 << "Office" << "-";
        QTest::newRow("remembered, Line 5") << QStringList{"print Office", "measure 3 7.010", "line 5"}
                                            << "3=7.010" << 5 << "Office" << "-";
        QTest::newRow("printer forgotten") << QStringList{"print Office", "measure 3 7.010", "forget Office"}
                                           << "" << 3 << "" << "-";
        QTest::newRow("another printer forgotten")
            << QStringList{"print Home", "measure 2 6.950", "print Office", "measure 3 7.010", "forget Home"}
            << "3=7.010" << 3 << "Office" << "-";
        QTest::newRow("back to a printer measured before")
            << QStringList{"print Home", "measure 4 7.100", "print Office", "measure 1 6.800", "switch Home"}
            << "4=7.100" << 3 << "Home" << "-";
        QTest::newRow("a printer new to the program")
            << QStringList{"print Office", "measure 1 6.800", "switch Home"} << "" << 3 << "" << "-";
        QTest::newRow("restart") << QStringList{"print Office", "measure 5 7.180", "line 4", "restart Office"}
                                 << "5=7.180" << 3 << "Office" << "-";
        QTest::newRow("restart after a file") << QStringList{"file", "measure 3 7.010", "restart"} << "" << 3 << ""
                                              << "-";
        QTest::newRow("the only reading refused") << QStringList{"print Office", "measure 2 7.060", "refuse 2"}
                                                  << "2=7.060" << 1 << "Office" << "";
        QTest::newRow("a second reading refused") << QStringList{"file", "measure 3 7.010", "type 2 7.062", "refuse 2"}
                                                  << "3=7.010" << 3 << "" << "3=7.010";
    }

    void stepThreeAfterWhatTheUserDid()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, standing);
        QFETCH(int, line);
        QFETCH(QString, printer);
        QFETCH(QString, typed);
        QTemporaryDir dir;
        const PrinterProfiles file(dir.filePath("printers.ini"));
        auto session = std::make_unique<PrinterSession>(file);
        LineLengths window{};
        for (const QString &step : steps) {
            const QStringList words = step.split(' ');
            const int number = words.value(1).toInt();
            if (words[0] == "print") {
                session->CalibrationPagePrinted(words[1], "Test Laser", LetterStock());
            } else if (words[0] == "file") {
                session->FollowPrinter({}, {}, LetterStock());
            } else if (words[0] == "switch") {
                session->FollowPrinter(words[1], "Test Laser", LetterStock());
            } else if (words[0] == "measure") { // opened, typed, OK
                session->ReadingsOpened();
                window = LineLengths{};
                window[std::size_t(number - 1)] = words[2].toDouble();
                session->ReadingsTyped(window);
                session->ReadingsAccepted();
            } else if (words[0] == "type" || words[0] == "refuse") { // the window left open
                window[std::size_t(number - 1)] = words.size() > 2 ? std::optional(words[2].toDouble()) : std::nullopt;
                session->ReadingsTyped(window);
            } else if (words[0] == "line") {
                session->ChooseLine(number);
            } else if (words[0] == "printers") {
                QVERIFY(session->LoadProfiles().problem.none());
                session->ProfilesReread();
            } else if (words[0] == "forget") {
                QString error;
                QVERIFY2(session->ForgetPrinter(words[1], &error), qPrintable(error));
            } else if (words[0] == "restart") {
                session = std::make_unique<PrinterSession>(file);
                session->FollowPrinter(words.value(1), "Test Laser", LetterStock());
            }
        }

        const StepThreeAnswer answer = session->StepThree();
        QCOMPARE(answer.line, line);
        QCOMPARE(answer.face, QString(StandardFaces[line - 1]));
        const std::map<int, double> stands = ReadingOf(standing);
        QCOMPARE(answer.readings.has_value(), !stands.empty());
        if (!stands.empty()) {
            QVERIFY(answer.lineVerdict);
            QCOMPARE(int(*answer.lineVerdict), int(Expected(stands, line)));
            QCOMPARE(answer.calibrated, Expected(stands, line) != Verdict::Out);
        } else {
            QVERIFY(!answer.lineVerdict);
            QVERIFY(answer.calibrated);
        }
        QCOMPARE(answer.printer, printer);
        QCOMPARE(answer.taken.isValid(), !printer.isEmpty());
        if (typed != "-") {
            const std::map<int, double> judged = ReadingOf(typed);
            const Assessment &shown = session->TypedAssessment();
            QCOMPARE(shown.recommended, judged.empty() ? 0 : Nearest(judged));
            if (!judged.empty())
                QCOMPARE(int(shown.verdict), int(Expected(judged, Nearest(judged))));
        }
    }
};

QTEST_MAIN(PrinterSessionTest)
#include "tst_printer_session.moc"
