// From readings to a verdict, with the test faces installed: every expected
// length comes from the faces' known advances, never from the code.
#include "PageMeasure.h"

#include "answers/Measurement.h"
#include "answers/PlacementCheck.h"
#include "pages/PlacementPage.h"
#include "wording/Wording.h"
#include "wording/MeasurementWording.h"
#include "wording/PlacementWording.h"
#include "wording/ReadingWording.h"

#include <QtTest>

#include <cmath>

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

// A ruler's reading as typed, to the thousandth of an inch.
double Typed(double inches)
{
    return std::round(inches * 1000) / 1000;
}

// A printer mapping the page's (x, y) to (sx·x + ox, sy·y + oy), and the
// readings it gives of a placement page laid out as `layout`, by the
// published geometry: position 1 ends 5/16 in from the cheque's right
// edge, the baseline stands 3/16 in above its bottom edge, both moved by
// the correction the page carries.
struct SimulatedPrinter
{
    double sx, sy, ox, oy;

    PlacementReadings Read(const PlacementLayout &layout, bool fromTop) const
    {
        const double width = layout.paperInches.width();
        const double chequeBottom = (int(layout.cheque) + 1) * layout.stock.chequeInches;
        const double lineEnd = width - 5.0 / 16 + layout.applied.right;
        const double baseline = chequeBottom - 3.0 / 16 - layout.applied.up;
        PlacementReadings readings;
        readings.bar = Typed(7 * sx);
        readings.verticalBar = Typed(2 * sy);
        readings.right = Typed(width - (sx * lineEnd + ox));
        readings.vertical = fromTop ? VerticalReading::FromPaperTop : VerticalReading::FromChequeBottom;
        readings.fromEdge = Typed(fromTop ? sy * baseline + oy : chequeBottom - (sy * baseline + oy));
        return readings;
    }
};

// The verdict the test faces give at scale `sx` for `chosen`: each face's
// line within 0.030 in of 7 in, or a gap between two faces, or none near.
QString ExpectedScaleVerdict(double sx, int chosen, int *fitting)
{
    *fitting = 0;
    bool shorter = false;
    bool longer = false;
    for (int line = 1; line <= 5; ++line) {
        const double residual = sx * FaceLineInches(TestFaceAdvances[line - 1]) - 7;
        if (std::abs(residual) <= 0.030)
            *fitting = line;
        shorter = shorter || residual < 0;
        longer = longer || residual > 0;
    }
    if (*fitting != 0)
        return *fitting == chosen ? "fine" : "other-face";
    return shorter && longer ? "between-faces" : "print-path";
}

// The stocks of the table: the two papers' own and typed heights.
struct Stock
{
    const char *name;
    QSizeF paper;
    ChequeStock stock;
};

const Stock Stocks[] = {
    {"Letter", QSizeF(8.5, 11), LetterStock()},
    {"A4", QSizeF(210, 297) / 25.4, A4Stock()},
    {"3.667 on Letter", QSizeF(8.5, 11), ChequeStock{3.667, true}},
    {"3.25 on A4", QSizeF(210, 297) / 25.4, ChequeStock{3.25, true}},
};

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
        QCOMPARE(AssessmentVerdictKey(result), outcome.startsWith("between") ? QString("between") : outcome);
        // One piece of advice where no face is named; otherwise one to
        // confirm a predicted line and one to gauge a marginal one.
        const QStringList advice = Wording::Advice(Wording::For::Script, result, FontWeightChoice::Standard);
        QCOMPARE(advice.size(), result.usable() ? int(predicted) + int(outcome == "marginal") : 1);
        if (outcome == "scaled")
            QCOMPARE(ShownFigure(*result.scale * 100, 1), ShownFigure(scale * 100, 1));
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
        QCOMPARE(VerdictOfAssessment(result), AssessmentVerdict::Inconsistent);
        QCOMPARE(Wording::Advice(Wording::For::Script, result, FontWeightChoice::Bold).size(), 1);
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
        QVERIFY(!ParseLength("0.1", TopEdgeRange(11), &error));
        QVERIFY2(error.contains("between 0.25 and 11 in") && error.contains("paper's top edge"), qPrintable(error));
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
        QCOMPARE(LineNotCalibrated(result, 3), !result.usable());
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
                // Scales 3 % apart are a misread bar (readingsThatCannotBeRight).
                for (QPointF offset : std::abs(sx - sy) > 0.02 ? QList<QPointF>{} : QList<QPointF>(std::begin(offsets), std::end(offsets)))
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
        // Every move is given, a move of nothing too.
        QVERIFY(result.correctionOffered());
        const QJsonObject json = PlacementAsJson(result);
        QVERIFY(json["move_right_in"].isDouble() && json["move_up_in"].isDouble());
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
        // 100.44 %: past line 3's window, short of line 2's.
        QTest::newRow("line 3 at 7.031") << 7.031 << 3 << "between-faces" << 0;
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
        QCOMPARE(result.correctionOffered(), verdict != "print-path");
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

    // Simulated printers from 97 % to 103 %, the gaps between the faces'
    // windows among them: a scaled page gets no move, a printer in a gap is
    // between two faces, and otherwise the page printed again with the
    // correction reads within 0.002 in of where the standard puts the line.
    void printWithTheCorrection_data()
    {
        QTest::addColumn<QList<double>>("printer"); // sx, sy, ox, oy
        QTest::addColumn<int>("stock");
        QTest::addColumn<int>("cheque");
        QTest::addColumn<bool>("fromTop");
        QTest::addColumn<int>("chosen");
        // 0.9835, 0.9945, 1.0055 and 1.017 fall in the gaps.
        const double scales[] = {0.970, 0.975, 0.980, 0.9835, 0.988, 0.992, 0.9945, 0.998, 1.0,
                                 1.003, 1.0055, 1.010, 1.015, 1.017, 1.022, 1.027, 1.030};
        const QPointF shifts[] = {{-0.06, 0.06}, {0.06, -0.06}, {0.0, 0.045}};
        for (double sx : scales)
            for (int shift = 0; shift < 3; ++shift)
                for (int stock = 0; stock < 4; ++stock)
                    for (int cheque = 0; cheque < 3; ++cheque)
                        for (bool fromTop : {false, true}) {
                            // The fitting face chosen, or Line 3 on every third row.
                            int fitting = 0;
                            ExpectedScaleVerdict(sx, 3, &fitting);
                            const int chosen = shift == 2 || fitting == 0 ? 3 : fitting;
                            // Printers scale down a hair differently from across.
                            const double sy = sx + (shift - 1) * 0.002;
                            QTest::addRow("sx %.4f o %+.2f %+.2f, %s, cheque %d, %s, Line %d", sx, shifts[shift].x(),
                                          shifts[shift].y(), Stocks[stock].name, cheque,
                                          fromTop ? "top" : "bottom", chosen)
                                << QList<double>{sx, sy, shifts[shift].x(), shifts[shift].y()} << stock << cheque
                                << fromTop << chosen;
                        }
    }

    void printWithTheCorrection()
    {
        QFETCH(QList<double>, printer);
        QFETCH(int, stock);
        QFETCH(int, cheque);
        QFETCH(bool, fromTop);
        QFETCH(int, chosen);
        static const LineLengths nominal = NominalLineLengths();
        const SimulatedPrinter model{printer[0], printer[1], printer[2], printer[3]};
        PlacementLayout layout;
        layout.paperInches = Stocks[stock].paper;
        layout.stock = Stocks[stock].stock;
        layout.cheque = ChequePosition(cheque);
        layout.line = chosen;
        int fitting = 0;
        const QString expected = ExpectedScaleVerdict(model.sx, chosen, &fitting);

        const PlacementResult first = AssessPlacement(layout, model.Read(layout, fromTop), nominal);
        QCOMPARE(ScaleVerdictKey(first.scaleVerdict), expected);
        QCOMPARE(first.problem, ReadingProblem::None);
        const QJsonObject json = PlacementAsJson(first);
        QCOMPARE(json["within_tolerance"].toBool(), first.fine());
        if (expected == "print-path") {
            QVERIFY(!first.correctionOffered());
            QVERIFY(json["move_right_in"].isNull() && json["move_up_in"].isNull());
            QVERIFY(json["total_right_in"].isNull() && json["total_up_in"].isNull());
            return;
        }
        if (expected == "between-faces") {
            // The two faces either side, with how far each misses.
            int shorter = 0;
            for (int line = 1; line <= 5; ++line)
                if (model.sx * FaceLineInches(TestFaceAdvances[line - 1]) < 7)
                    shorter = line;
            QCOMPARE(json["between_lines"].toArray(), (QJsonArray{shorter, shorter + 1}));
            for (int line : {shorter, shorter + 1}) {
                const double residual = Typed(7 * model.sx) / 7 * FaceLineInches(TestFaceAdvances[line - 1]) - 7;
                const double length = line == shorter ? first.shorterInches : first.longerInches;
                QCOMPARE(ShownInches(length - 7), ShownInches(residual));
            }
            QCOMPARE(first.lineForScale, 0);
            QVERIFY(!first.fine());
        }

        // The correction entered and the page printed with it: read by the
        // same printer, what is still to move is within 0.002 in.
        PlacementLayout corrected = layout;
        corrected.applied = {first.totalRight(), first.totalUp()};
        QCOMPARE(corrected.applied.right, json["total_right_in"].toDouble());
        QCOMPARE(corrected.applied.up, json["total_up_in"].toDouble());
        const PlacementResult second = AssessPlacement(corrected, model.Read(corrected, fromTop), nominal);
        QVERIFY2(qAbs(second.moveRight) <= 0.002 && qAbs(second.moveUp) <= 0.002,
                 qPrintable(QString("%1 %2").arg(second.moveRight).arg(second.moveUp)));
        QCOMPARE(second.fine(), expected == "fine");
        QCOMPARE(second.applied.right, corrected.applied.right);
        QCOMPARE(second.applied.up, corrected.applied.up);
        // The total is the page's correction and the move still to make.
        QCOMPARE(second.totalRight(), ShownInches(corrected.applied.right + ShownInches(second.moveRight)));
        QVERIFY(second.correctionOffered() && second.offsetsFine());
    }

    // The page printed with a correction: its MICR line, position 1's tick
    // and the baseline rule stand moved by it, where the published geometry
    // puts them plus the move, and the page says which correction it carries.
    void pageCarriesTheCorrection_data()
    {
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("up");
        QTest::newRow("none") << 0.0 << 0.0;
        QTest::newRow("right and up") << 0.04 << 0.01;
        QTest::newRow("left and down") << -0.06 << -0.045;
    }

    void pageCarriesTheCorrection()
    {
        QFETCH(double, right);
        QFETCH(double, up);
        PlacementLayout layout;
        layout.cheque = ChequePosition::Middle;
        layout.applied = {right, up};
        const double positionOne = 8.5 - 5.0 / 16 + right;
        const double baseline = 7.0 - 3.0 / 16 - up;
        bool line = false, tick = false, rule = false, said = false;
        for (const PlacementItem &item : PlacementPageItems(layout)) {
            if (item.kind == PlacementItem::Text && item.face == "Ferro Sample")
                line = qAbs(item.x - positionOne) < 1e-9 && qAbs(item.baseline - baseline) < 1e-9;
            // The long tick: from the baseline nearly to the cheque's edge.
            if (item.kind == PlacementItem::VerticalRule && qAbs(item.at - positionOne) < 1e-9
                && qAbs(item.from - baseline) < 1e-9 && item.to > 6.9)
                tick = true;
            // The baseline rule runs across the paper inside the common margins.
            if (item.kind == PlacementItem::HorizontalRule && qAbs(item.at - baseline) < 1e-9 && item.to - item.from > 7.9)
                rule = true;
            if (item.kind == PlacementItem::Text && item.text.startsWith("This page carries the correction"))
                said = item.text == QString("This page carries the correction %1 %2 in and %3 %4 in")
                                        .arg(right < 0 ? "left" : "right").arg(qAbs(right), 0, 'f', 3)
                                        .arg(up < 0 ? "down" : "up").arg(qAbs(up), 0, 'f', 3);
        }
        QVERIFY(line);
        QVERIFY(tick);
        QVERIFY(rule);
        QCOMPARE(said, right != 0 || up != 0);
    }

    // Readings that cannot be right get no move, and say what to measure
    // again; one past the paper's edge is refused as it is typed.
    void readingsThatCannotBeRight_data()
    {
        QTest::addColumn<int>("cheque");
        QTest::addColumn<QString>("readings"); // bar, vbar (0: none), right, top/bottom, value
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("onCheque"); // the cheque the baseline lies on; -1: not asked
        // The middle cheque's baseline stands 6.8125 in from the top on Letter.
        QTest::newRow("top reading on the top cheque") << 1 << "7 0 0.3125 top 3.3" << "other-cheque" << 0;
        QTest::newRow("top reading on the bottom cheque") << 0 << "7 0 0.3125 top 10.8" << "other-cheque" << 2;
        QTest::newRow("1/2 in above the band, as shown") << 1 << "7 0 0.3125 bottom 0.9375" << "" << -1;
        QTest::newRow("past 1/2 in above the band") << 1 << "7 0 0.3125 bottom 0.939" << "far-from-band" << 1;
        QTest::newRow("baseline on the cheque's edge") << 1 << "7 0 0.3125 bottom 0" << "" << -1;
        QTest::newRow("baseline 0.015 in above the edge") << 2 << "7 0 0.3125 bottom 0.015" << "" << -1;
        QTest::newRow("vertical bar at 50 %") << 0 << "7 1 0.3125 bottom 0.1875" << "scales-disagree" << -1;
        QTest::newRow("scales 2.0 % apart") << 0 << "7 2.04 0.3125 bottom 0.1875" << "" << -1;
        QTest::newRow("scales 2.1 % apart") << 0 << "7 2.042 0.3125 bottom 0.1875" << "scales-disagree" << -1;
    }

    void readingsThatCannotBeRight()
    {
        QFETCH(int, cheque);
        QFETCH(QString, readings);
        QFETCH(QString, problem);
        QFETCH(int, onCheque);
        const QStringList parts = readings.split(' ');
        PlacementLayout layout;
        layout.cheque = ChequePosition(cheque);
        PlacementReadings typed;
        typed.bar = parts[0].toDouble();
        if (parts[1] != "0")
            typed.verticalBar = parts[1].toDouble();
        typed.right = parts[2].toDouble();
        typed.vertical = parts[3] == "top" ? VerticalReading::FromPaperTop : VerticalReading::FromChequeBottom;
        typed.fromEdge = parts[4].toDouble();
        const PlacementResult result = AssessPlacement(layout, typed, NominalLineLengths());
        QCOMPARE(ReadingProblemKey(result.problem), problem);
        QCOMPARE(result.correctionOffered(), problem.isEmpty());
        const QJsonObject json = PlacementAsJson(result);
        if (problem.isEmpty()) {
            QVERIFY(json["move_right_in"].isDouble() && json["total_up_in"].isDouble());
            return;
        }
        if (onCheque >= 0)
            QCOMPARE(int(result.baselineCheque), onCheque);
        QVERIFY(json["move_right_in"].isNull() && json["total_up_in"].isNull());
        QCOMPARE(json["problem"].toString(), problem);
        QVERIFY(!json["within_tolerance"].toBool());
    }

    // Readings refused as they are typed: past the paper's edge, below the
    // cheque's edge (which points to the top reading), a cheque that does
    // not fit three to the paper as shown.
    void readingsRefusedAsTyped_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("paper");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("top past Letter's edge") << "top" << 11.0 << "11.5" << "between 0.25 and 11 in";
        QTest::newRow("top at Letter's edge") << "top" << 11.0 << "11" << "";
        QTest::newRow("top on A4 past Letter's edge") << "top" << 297 / 25.4 << "11.5" << "";
        QTest::newRow("bottom 0") << "bottom" << 11.0 << "0" << "";
        QTest::newRow("bottom 1.5") << "bottom" << 11.0 << "1.5" << "";
        QTest::newRow("bottom 1.501") << "bottom" << 11.0 << "1.501" << "between 0 and 1.5 in";
        QTest::newRow("bottom below the edge") << "bottom" << 11.0 << "-0.02" << "(the top reading)";
        QTest::newRow("cheque 3.667 on Letter") << "cheque" << 11.0 << "3.667" << "";
        QTest::newRow("cheque 3.668 on Letter") << "cheque" << 11.0 << "3.668" << "between 3 and 3.667 in";
        QTest::newRow("cheque 99 mm on Letter") << "cheque" << 11.0 << "99 mm" << "between 3 and 3.667 in";
        QTest::newRow("cheque 99 mm on A4") << "cheque" << 297 / 25.4 << "99 mm" << "";
        QTest::newRow("cheque 3.9 on A4") << "cheque" << 297 / 25.4 << "3.9" << "between 3 and 3.898 in";
        QTest::newRow("cheque 2.999") << "cheque" << 11.0 << "2.999" << "between 3 and 3.667 in";
    }

    void readingsRefusedAsTyped()
    {
        QFETCH(QString, kind);
        QFETCH(double, paper);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QString error;
        const LengthRange range = kind == "top" ? TopEdgeRange(paper)
            : kind == "bottom"                  ? BottomEdgeRange()
                                                : ChequeHeightRange(paper);
        const bool accepted = kind == "cheque" ? bool(CustomStock(typed, paper, &error))
                                               : bool(ParseLength(typed, range, &error));
        QCOMPARE(accepted, message.isEmpty());
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    // One rounding, half away from zero, for the text and the JSON.
    void oneRounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7.0305") << 7.0305 << "7.031";
        QTest::newRow("7.0625") << 7.0625 << "7.063";
        QTest::newRow("-0.0005") << -0.0005 << "-0.001";
        QTest::newRow("-0.0004") << -0.0004 << "0.000";
        QTest::newRow("0.0315") << 0.0315 << "0.032";
        QTest::newRow("7.0305 - 7") << 7.0305 - 7 << "0.031";
        QTest::newRow("-(7.0305 - 7)") << 7 - 7.0305 << "-0.031";
    }

    void oneRounding()
    {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QCOMPARE(FormatShown(value, 3), shown);
        QCOMPARE(ShownInches(value), shown.toDouble());
        QVERIFY(FormatLength(value).startsWith(shown + " in"));
    }

    // A move shown as 0.032 is out in the text, the JSON and the status alike.
    void placementTextAndJsonAgree()
    {
        PlacementLayout layout;
        layout.applied = {0.041, -0.02};
        PlacementReadings readings;
        readings.right = 0.3125 - 0.032;
        readings.fromEdge = 0.1875 + 0.011;
        const PlacementResult result = AssessPlacement(layout, readings, NominalLineLengths());
        const QJsonObject json = PlacementAsJson(result);
        const QString words = Wording::Placement(Wording::For::Script, layout, result).join('\n');
        QCOMPARE(json["move_right_in"].toDouble(), -0.032);
        QCOMPARE(json["applied_right_in"].toDouble(), 0.041);
        QCOMPARE(json["total_right_in"].toDouble(), 0.009);
        QCOMPARE(json["total_up_in"].toDouble(), -0.031);
        QVERIFY(!json["within_tolerance"].toBool());
        // The text gives the JSON's figures: the page's, still to move, total.
        namespace W = Wording;
        for (const QString &moves :
             {W::Moves(W::For::Script, json["applied_right_in"].toDouble(), json["applied_up_in"].toDouble(), W::Brief),
              W::Moves(W::For::Script, json["move_right_in"].toDouble(), json["move_up_in"].toDouble()),
              W::Moves(W::For::Script, json["total_right_in"].toDouble(), json["total_up_in"].toDouble())})
            QVERIFY2(words.contains(moves), qPrintable(moves + '\n' + words));
        QCOMPARE(result.scaleVerdict, ScaleVerdict::Fine);
        QVERIFY(!result.offsetsFine());
    }

    void shownToAThousandthInchAndHundredthMillimetre()
    {
        QCOMPARE(FormatLength(7.0625), QString("7.063 in (179.39 mm)"));
        QCOMPARE(Wording::Residual(Wording::For::Script, -0.0156), QString("-0.016 in (-0.40 mm)"));
    }
};

QTEST_MAIN(MeasurementTest)
#include "tst_measurement.moc"
