// From readings to a verdict, with the test faces installed: every expected
// length comes from the faces' known advances, never from the code.
#include "PageMeasure.h"

#include "calibration/Measurement.h"
#include "calibration/PlacementPage.h"

#include <QtTest>

namespace {

// A sample line of 56 positions at 10 points in a face of `advance`
// thousandths of an em, in inches.
double FaceLineInches(int advance)
{
    return 56 * advance / 1000.0 * 10 / 72;
}

// What a printer that scales by `scale` prints for each line.
std::array<double, 5> Printed(double scale)
{
    std::array<double, 5> lengths{};
    for (int i = 0; i < 5; ++i)
        lengths[std::size_t(i)] = scale * FaceLineInches(TestFaceAdvances[i]);
    return lengths;
}

} // namespace

class MeasurementTest : public QObject
{
    Q_OBJECT

private slots:
    void nominalLengthsAreTheFacesWidths()
    {
        const LineLengths nominal = NominalLineLengths();
        for (int i = 0; i < 5; ++i) {
            QVERIFY(nominal[std::size_t(i)]);
            QVERIFY(qAbs(*nominal[std::size_t(i)] - FaceLineInches(TestFaceAdvances[i])) < 1e-6);
        }
        QVERIFY(!SampleLineInches(QStringLiteral("No Such MICR Face")));
    }

    void assess_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QList<int>>("measuredLines");
        QTest::addColumn<int>("line");          // expected recommendation
        QTest::addColumn<QString>("outcome");   // good, marginal, scaled, between L-L, inconsistent
        QTest::addColumn<bool>("predicted");    // the recommended line was not measured

        QTest::newRow("at 100 %, all measured") << 1.0 << QList<int>{1, 2, 3, 4, 5} << 3 << "good" << false;
        QTest::newRow("1 % long, line 3 measured") << 1.01 << QList<int>{3} << 2 << "good" << true;
        QTest::newRow("1 % long, line 2 measured") << 1.01 << QList<int>{2} << 2 << "good" << false;
        QTest::newRow("1.2 % short, lines 1 and 5") << 0.988 << QList<int>{1, 5} << 4 << "good" << true;
        QTest::newRow("0.3 % long: marginal") << 1.0032 << QList<int>{3} << 3 << "marginal" << false;
        QTest::newRow("between lines 2 and 3") << 1.0055 << QList<int>{1, 3, 5} << 3 << "between 2-3" << false;
        QTest::newRow("between lines 3 and 4") << 0.9945 << QList<int>{2} << 3 << "between 3-4" << true;
        QTest::newRow("fit to page, 94 %") << 0.94 << QList<int>{3} << 5 << "scaled" << true;
        QTest::newRow("Letter on A4, 105 %") << 1.05 << QList<int>{2, 4} << 1 << "scaled" << true;
    }

    void assess()
    {
        QFETCH(double, scale);
        QFETCH(QList<int>, measuredLines);
        QFETCH(int, line);
        QFETCH(QString, outcome);
        QFETCH(bool, predicted);
        const std::array<double, 5> printed = Printed(scale);
        LineLengths measured;
        for (int measuredLine : measuredLines)
            measured[std::size_t(measuredLine - 1)] = printed[std::size_t(measuredLine - 1)];

        const Assessment result = AssessReadings(NominalLineLengths(), measured);
        QCOMPARE(result.recommended, line);
        QVERIFY(qAbs(result.residual - (printed[std::size_t(line - 1)] - 7.0)) < 0.001);
        QVERIFY(result.scale && qAbs(*result.scale - scale) < 1e-6);
        for (int i = 0; i < 5; ++i)
            QVERIFY(qAbs(*result.lines[std::size_t(i)].length - printed[std::size_t(i)]) < 0.001);
        QCOMPARE(result.recommendedIsPredicted(), predicted);
        QVERIFY(!result.inconsistent);
        QCOMPARE(result.verdict == Verdict::Good, outcome == "good");
        QCOMPARE(result.verdict == Verdict::Marginal, outcome == "marginal");
        QCOMPARE(result.pageScaled, outcome == "scaled");
        QCOMPARE(result.usable(), outcome == "good" || outcome == "marginal");
        if (outcome.startsWith("between")) {
            QCOMPARE(result.shorterLine, outcome.mid(8, 1).toInt());
            QCOMPARE(result.longerLine, outcome.mid(10, 1).toInt());
        }
        const QString advice = Advice(result, FontWeightChoice::Standard).join(' ');
        QCOMPARE(advice.contains("Measure it to confirm"), predicted && result.usable());
        if (outcome == "scaled")
            QVERIFY2(advice.contains(QString::number(scale * 100, 'f', 1) + " %"), qPrintable(advice));
    }

    void readingsThatDisagreeAreCalledInconsistent()
    {
        const std::array<double, 5> printed = Printed(1.0);
        LineLengths measured;
        measured[0] = printed[0];
        measured[4] = printed[4] + 0.05; // a misread line 5
        const Assessment result = AssessReadings(NominalLineLengths(), measured);
        QVERIFY(result.inconsistent);
        QVERIFY(!result.usable());
        QVERIFY(Advice(result, FontWeightChoice::Bold).join(' ').contains("Measure the lines again"));
    }

    void lengthsAsPeopleTypeThem_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("inches"); // 0: refused
        QTest::addColumn<QString>("message");
        QTest::newRow("decimal") << "7.06" << 7.06 << "";
        QTest::newRow("inches") << "7.06 in" << 7.06 << "";
        QTest::newRow("inch sign") << "7.06\"" << 7.06 << "";
        QTest::newRow("fraction") << "7 1/16" << 7.0625 << "";
        QTest::newRow("dashed fraction") << "7-1/16 in" << 7.0625 << "";
        QTest::newRow("millimetres") << "179.3 mm" << 179.3 / 25.4 << "";
        QTest::newRow("decimal comma") << "179,3 mm" << 179.3 / 25.4 << "";
        QTest::newRow("empty") << "  " << 0.0 << "Type the length";
        QTest::newRow("words") << "seven" << 0.0 << "is not a length";
        QTest::newRow("two numbers") << "7 7" << 0.0 << "is not a length";
        QTest::newRow("zero denominator") << "7 1/0" << 0.0 << "is not a length";
        QTest::newRow("negative") << "-7.06" << 0.0 << "cannot be negative";
        QTest::newRow("zero") << "0" << 0.0 << "more than zero";
        QTest::newRow("too short") << "4.5 in" << 0.0 << "between 5 and 9 in";
        QTest::newRow("centimetres read as mm") << "17.9 mm" << 0.0 << "between 5 and 9 in";
    }

    void lengthsAsPeopleTypeThem()
    {
        QFETCH(QString, typed);
        QFETCH(double, inches);
        QFETCH(QString, message);
        QString error;
        const std::optional<double> length = ParseLength(typed, 5, 9, &error);
        if (inches == 0) {
            QVERIFY(!length);
            QVERIFY2(error.contains(message), qPrintable(error));
        } else {
            QVERIFY2(length, qPrintable(error));
            QVERIFY(qAbs(*length - inches) < 1e-9);
        }
    }

    // Readings of a printed placement page: the bar is 7 in, the marks 1 in
    // from the paper's right edge and the cheque's bottom edge.
    void placementOffsets_data()
    {
        QTest::addColumn<double>("bar");
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("bottom");
        QTest::addColumn<bool>("fine");
        QTest::addColumn<QString>("correction");
        QTest::newRow("in place") << 7.0 << 1.0 << 1.0 << true << "no correction is needed";
        QTest::newRow("moved left and up") << 7.0 << 1.02 << 1.015 << true
                                           << "move the MICR line 0.020 in (0.51 mm, 20/1000 in) right and "
                                              "0.015 in (0.38 mm, 15/1000 in) down";
        QTest::newRow("moved right 1.5 mm") << 7.0 << 1 - 1.5 / 25.4 << 1.0 << false
                                            << "move the MICR line 0.059 in (1.50 mm, 59/1000 in) left.";
        QTest::newRow("moved down") << 7.0 << 1.0 << 0.98 << true << "0.020 in (0.51 mm, 20/1000 in) up";
        QTest::newRow("fit to page") << 6.58 << 1.0 << 1.0 << false << "no correction is needed";
    }

    void placementOffsets()
    {
        QFETCH(double, bar);
        QFETCH(double, right);
        QFETCH(double, bottom);
        QFETCH(bool, fine);
        QFETCH(QString, correction);
        const PlacementResult result = AssessPlacement({bar, right, bottom});
        QCOMPARE(result.scaleFine() && result.offsetsFine(), fine);
        QVERIFY(qAbs(result.scale - bar / 7) < 1e-12);
        const QString words = DescribePlacement(result).join('\n');
        QVERIFY2(words.contains(correction), qPrintable(words));
        QCOMPARE(words.contains("print at 100 %"), qAbs(bar - 7) > 0.014);
    }

    void shownToAThousandthInchAndHundredthMillimetre()
    {
        QCOMPARE(FormatLength(7.0625), QString("7.063 in (179.39 mm)"));
        QCOMPARE(FormatResidual(-0.0156), QString("-0.016 in (-0.40 mm)"));
    }
};

QTEST_MAIN(MeasurementTest)
#include "tst_measurement.moc"
