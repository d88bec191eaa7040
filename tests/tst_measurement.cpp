// From readings to a verdict, with the test faces installed: every expected
// length comes from the faces' known advances, never from the code.
#include "PageMeasure.h"

#include "calibration/Measurement.h"
#include "calibration/PlacementCheck.h"

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
        QTest::newRow("centimetres") << "17.93 cm" << 179.3 / 25.4 << "";
        QTest::newRow("improper fraction") << "7 17/16" << 0.0 << "less than one";
        QTest::newRow("bare millimetres") << "179.3" << 0.0 << "Did you mean 179.3 mm?";
        QTest::newRow("its own instruction") << "4.5" << 0.0 << "left edge of the first mark";
    }

    void lengthsAsPeopleTypeThem()
    {
        QFETCH(QString, typed);
        QFETCH(double, inches);
        QFETCH(QString, message);
        QString error;
        const std::optional<double> length = ParseLength(typed, SampleLineRange(), &error);
        if (inches == 0) {
            QVERIFY(!length);
            QVERIFY2(error.contains(message), qPrintable(error));
        } else {
            QVERIFY2(length, qPrintable(error));
            QVERIFY(qAbs(*length - inches) < 1e-9);
        }
    }

    // A placement reading names its own range and how it is taken.
    void placementReadingsNameTheirRange()
    {
        QString error;
        QVERIFY(!ParseLength("0.1", TopEdgeRange(), &error));
        QVERIFY2(error.contains("between 0.25 and 14 in") && error.contains("paper's top edge"), qPrintable(error));
        QVERIFY(!ParseLength("2", RightEdgeRange(), &error));
        QVERIFY2(error.contains("between 0.05 and 1.5 in") && error.contains("right edge"), qPrintable(error));
    }

    // Judged on the residual as shown: 0.015 is good, 0.030 marginal.
    void verdictOnTheShownFigure_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict");
        const std::pair<const char *, const char *> readings[] = {
            {"7.015", "good"},     {"7.016", "marginal"},      {"6.985", "good"},    {"7.030", "marginal"},
            {"6.970", "marginal"}, {"178.562 mm", "marginal"}, {"7.031", "between"}, {"6.969", "between"},
        };
        for (const auto &[typed, verdict] : readings)
            QTest::newRow(typed) << QString(typed) << QString(verdict);
    }

    void verdictOnTheShownFigure()
    {
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QString error;
        LineLengths measured;
        measured[2] = ParseLength(typed, SampleLineRange(), &error);
        const Assessment result = AssessReadings(NominalLineLengths(), measured);
        QCOMPARE(result.recommended, 3);
        QCOMPARE(AssessmentVerdictKey(result), verdict);
        QCOMPARE(result.usable(), verdict != "between");
        QCOMPARE(LineSummary(result, 3).startsWith("Not calibrated"), !result.usable());
    }

    // Each reading against what the others predict: two misread lines
    // cannot vouch for each other.
    void leaveOneOut_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QList<double>>("readings");
        QTest::addColumn<bool>("inconsistent");
        const double line2At3 = FaceLineInches(890) * 7.02 / 7.0; // line 2 when line 3 reads 7.020
        QTest::newRow("adjacent faces, misread") << QList<int>{2, 3} << QList<double>{6.922, 7.039} << true;
        QTest::newRow("ends, misread") << QList<int>{1, 5} << QList<double>{6.844, 7.194} << true;
        QTest::newRow("ends, 0.3 % long") << QList<int>{1, 5} << QList<double>{6.865, 7.177} << false;
        QTest::newRow("0.020 apart") << QList<int>{2, 3} << QList<double>{line2At3 + 0.020, 7.02} << false;
        QTest::newRow("0.021 apart") << QList<int>{2, 3} << QList<double>{line2At3 + 0.021, 7.02} << true;
        QTest::newRow("one of five misread")
            << QList<int>{1, 2, 3, 4, 5} << QList<double>{6.844, 6.922, 7.0, 7.078, 7.156 + 0.03} << true;
    }

    void leaveOneOut()
    {
        QFETCH(QList<int>, lines);
        QFETCH(QList<double>, readings);
        QFETCH(bool, inconsistent);
        LineLengths measured;
        for (int i = 0; i < lines.size(); ++i)
            measured[std::size_t(lines[i] - 1)] = readings[i];
        const Assessment result = AssessReadings(NominalLineLengths(), measured);
        QCOMPARE(result.inconsistent, inconsistent);
        QCOMPARE(AssessmentVerdictKey(result) == "inconsistent", inconsistent);
    }

    // Simulated printers: (x, y) on the page, in inches from the paper's
    // top-left corner, prints at (sx·x + ox, sy·y + oy). The readings are
    // what a ruler takes on such a page, by the published geometry; the
    // correction, entered in cheque-printing software, must land position
    // 1's right end 5/16 in from the right edge and the baseline 3/16 in
    // above the cheque's bottom edge.
    void placementCorrection_data()
    {
        QTest::addColumn<QList<double>>("printer"); // sx, sy, ox, oy
        QTest::addColumn<int>("cheque");
        QTest::addColumn<bool>("a4");
        QTest::addColumn<bool>("fromTop");
        const double scales[] = {0.985, 1.0, 1.015};
        const QPointF offsets[] = {{-0.04, 0.04}, {0.02, 0.01}, {0.04, -0.04}};
        for (double sx : scales)
            for (double sy : scales)
                for (QPointF offset : offsets)
                    for (int cheque = 0; cheque < 3; ++cheque)
                        for (bool a4 : {false, true})
                            for (bool fromTop : {false, true})
                                QTest::addRow("sx %.3f sy %.3f o %+.2f %+.2f cheque %d %s %s", sx, sy, offset.x(),
                                              offset.y(), cheque, a4 ? "A4" : "Letter", fromTop ? "top" : "bottom")
                                    << QList<double>{sx, sy, offset.x(), offset.y()} << cheque << a4 << fromTop;
    }

    void placementCorrection()
    {
        QFETCH(QList<double>, printer);
        QFETCH(int, cheque);
        QFETCH(bool, a4);
        QFETCH(bool, fromTop);
        const double sx = printer[0], sy = printer[1], ox = printer[2], oy = printer[3];
        const double width = a4 ? 210 / 25.4 : 8.5;
        const double chequeHeight = a4 ? 99 / 25.4 : 3.5;
        const double chequeBottom = (cheque + 1) * chequeHeight;
        const double lineEnd = width - 5.0 / 16;          // on the page
        const double baseline = chequeBottom - 3.0 / 16; // on the page

        PlacementLayout layout;
        layout.paperInches = a4 ? QSizeF(width, 297 / 25.4) : QSizeF(8.5, 11);
        layout.cheque = ChequePosition(cheque);
        layout.stock = a4 ? A4Stock() : LetterStock();
        PlacementReadings readings;
        readings.bar = 7 * sx;
        readings.verticalBar = 2 * sy;
        readings.right = width - (sx * lineEnd + ox);
        readings.vertical = fromTop ? VerticalReading::FromPaperTop : VerticalReading::FromChequeBottom;
        readings.fromEdge = fromTop ? sy * baseline + oy : chequeBottom - (sy * baseline + oy);
        const PlacementResult result = AssessPlacement(layout, readings, NominalLineLengths());

        const double landedEnd = sx * (lineEnd + result.moveRight) + ox;
        const double landedBaseline = sy * (baseline - result.moveUp) + oy;
        QVERIFY2(qAbs(width - landedEnd - 5.0 / 16) <= 0.002, qPrintable(QString::number(width - landedEnd)));
        QVERIFY2(qAbs(chequeBottom - landedBaseline - 3.0 / 16) <= 0.002,
                 qPrintable(QString::number(chequeBottom - landedBaseline)));
        // Every move is shown, a move of nothing too.
        const QString words = DescribePlacement(layout, result).join('\n');
        QVERIFY2(words.contains(QRegularExpression("move the MICR line (right|left) \\d\\.\\d{3} in \\(\\d+\\.\\d\\d mm, "
                                                   "\\d+/1000 in\\) and (up|down) \\d\\.\\d{3} in")),
                 qPrintable(words));
    }

    // The bar's scale against the faces: the chosen face makes up for it,
    // another would, or none (the page was scaled).
    void placementScale_data()
    {
        QTest::addColumn<double>("bar");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<int>("lineForScale");
        QTest::newRow("100 %, line 3") << 7.0 << 3 << "fine" << 3;
        // 98.9 %: line 4 (0.91 em) prints 7.000 in, line 3 6.923 in.
        QTest::newRow("98.9 %, line 4") << 6.923 << 4 << "fine" << 4;
        QTest::newRow("98.9 %, line 3") << 6.923 << 3 << "other-face" << 4;
        QTest::newRow("101.1 %, line 4") << 7.078 << 4 << "other-face" << 2;
        QTest::newRow("line 3 at 7.030") << 7.030 << 3 << "fine" << 3;
        QTest::newRow("line 3 at 7.031") << 7.031 << 3 << "print-path" << 0;
        QTest::newRow("fit to page, 94 %") << 6.58 << 5 << "print-path" << 0;
        QTest::newRow("Letter on A4, 105 %") << 7.35 << 1 << "print-path" << 0;
    }

    void placementScale()
    {
        QFETCH(double, bar);
        QFETCH(int, line);
        QFETCH(QString, verdict);
        QFETCH(int, lineForScale);
        PlacementLayout layout;
        layout.line = line;
        PlacementReadings readings;
        readings.bar = bar;
        const PlacementResult result = AssessPlacement(layout, readings, NominalLineLengths());
        QCOMPARE(ScaleVerdictKey(result.scaleVerdict), verdict);
        QCOMPARE(result.lineForScale, lineForScale);
        QCOMPARE(result.fine(), verdict == "fine");
        const QString words = DescribePlacement(layout, result).join('\n');
        QCOMPARE(words.contains("print it at 100 %", Qt::CaseInsensitive), verdict == "print-path");
    }

    // Within 1/32 in as shown: 0.031 is fine, 0.032 is not.
    void placementTolerance_data()
    {
        QTest::addColumn<double>("right");
        QTest::addColumn<bool>("fine");
        QTest::newRow("0.031 right") << 0.3125 + 0.031 << true;
        QTest::newRow("0.032 right") << 0.3125 + 0.032 << false;
        QTest::newRow("0.031 left") << 0.3125 - 0.031 << true;
        QTest::newRow("0.032 left") << 0.3125 - 0.032 << false;
    }

    void placementTolerance()
    {
        QFETCH(double, right);
        QFETCH(bool, fine);
        PlacementReadings readings;
        readings.right = right;
        QCOMPARE(AssessPlacement(PlacementLayout(), readings, NominalLineLengths()).offsetsFine(), fine);
    }

    void shownToAThousandthInchAndHundredthMillimetre()
    {
        QCOMPARE(FormatLength(7.0625), QString("7.063 in (179.39 mm)"));
        QCOMPARE(FormatResidual(-0.0156), QString("-0.016 in (-0.40 mm)"));
    }
};

QTEST_MAIN(MeasurementTest)
#include "tst_measurement.moc"
