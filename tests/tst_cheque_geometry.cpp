// The papers, the stock's heights and a move's direction: the expected
// figures are the papers' published sizes and the figures a user reads.
#include "answers/Readings.h"
#include "wording/Wording.h"
#include "wording/ReadingWording.h"

#include <QtTest>

class ChequeGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    // Paper taller than Letter, as shown, carries A4's stock.
    void stockForPaper()
    {
        QCOMPARE(int(StockForPaper(11).Kind()), int(StockKind::Letter));
        QCOMPARE(int(StockForPaper(11.0004).Kind()), int(StockKind::Letter));
        QCOMPARE(int(StockForPaper(297 / 25.4).Kind()), int(StockKind::A4));
    }

    // Letter is 215.9 x 279.4 mm, A4 210 x 297 mm.
    void papersInMillimetres_data()
    {
        QTest::addColumn<QSizeF>("inches");
        QTest::addColumn<QSizeF>("millimetres");
        QTest::newRow("Letter") << LetterPaperInches() << QSizeF(215.9, 279.4);
        QTest::newRow("A4") << A4PaperInches() << QSizeF(210, 297);
    }

    void papersInMillimetres()
    {
        QFETCH(QSizeF, inches);
        QFETCH(QSizeF, millimetres);
        QCOMPARE(MillimetresFromInches(inches.width()), millimetres.width());
        QCOMPARE(MillimetresFromInches(inches.height()), millimetres.height());
        QCOMPARE(InchesFromMillimetres(millimetres.width()), inches.width());
        QCOMPARE(InchesFromMillimetres(millimetres.height()), inches.height());
    }

    // From 3 in to a third of the paper, each judged as shown.
    void chequeHeightLimits_data()
    {
        QTest::addColumn<double>("paper");
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("fits");
        const double letter = 11;
        const double a4 = 297 / 25.4;
        QTest::newRow("3 in") << letter << 3.0 << true;
        QTest::newRow("2.9996 shows as 3.000") << letter << 2.9996 << true;
        QTest::newRow("2.999") << letter << 2.999 << false;
        QTest::newRow("a third of Letter, 3.667") << letter << 3.667 << true;
        QTest::newRow("3.6674 shows as 3.667") << letter << 3.6674 << true;
        QTest::newRow("3.668 on Letter") << letter << 3.668 << false;
        QTest::newRow("99 mm on Letter") << letter << 99 / 25.4 << false;
        QTest::newRow("99 mm, a third of A4") << a4 << 99 / 25.4 << true;
        QTest::newRow("3.898 as typed on A4") << a4 << 3.898 << true;
        QTest::newRow("3.899 on A4") << a4 << 3.899 << false;
    }

    void chequeHeightLimits()
    {
        QFETCH(double, paper);
        QFETCH(double, height);
        QFETCH(bool, fits);
        QCOMPARE(ChequeHeightFits(height, paper), fits);
        // The typed height is refused by the same limits.
        QString error;
        QCOMPARE(bool(CustomStock(QString::number(height, 'f', 4), paper, &error)), fits);
    }

    // A height is Letter's or A4's stock when it shows as theirs.
    void whichStock_data()
    {
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSizeF>("paper");
        QTest::newRow("3.5") << 3.5 << int(StockKind::Letter) << LetterPaperInches();
        QTest::newRow("3.5004 kept to four places") << 3.5004 << int(StockKind::Letter) << LetterPaperInches();
        QTest::newRow("3.501") << 3.501 << int(StockKind::Custom) << LetterPaperInches();
        QTest::newRow("99 mm") << 99 / 25.4 << int(StockKind::A4) << A4PaperInches();
        QTest::newRow("3.8976 kept to four places") << 3.8976 << int(StockKind::A4) << A4PaperInches();
        QTest::newRow("3.899") << 3.899 << int(StockKind::Custom) << A4PaperInches();
        QTest::newRow("3.667 fits Letter") << 3.667 << int(StockKind::Custom) << LetterPaperInches();
        QTest::newRow("3.668 only A4") << 3.668 << int(StockKind::Custom) << A4PaperInches();
    }

    void whichStock()
    {
        QFETCH(double, height);
        QFETCH(int, kind);
        QFETCH(QSizeF, paper);
        QCOMPARE(int(StockKindOfHeight(height)), kind);
        QCOMPARE(int(StockOfHeight(height).Kind()), kind);
        QCOMPARE(StockOfHeight(height).PaperInches(), paper);
    }

    // A move that shows as 0.000 has no direction.
    void moveDirection_data()
    {
        QTest::addColumn<double>("inches");
        QTest::addColumn<int>("direction");
        QTest::newRow("0") << 0.0 << int(MoveDirection::None);
        QTest::newRow("0.0004") << 0.0004 << int(MoveDirection::None);
        QTest::newRow("-0.0004") << -0.0004 << int(MoveDirection::None);
        QTest::newRow("0.0005") << 0.0005 << int(MoveDirection::Positive);
        QTest::newRow("-0.0005") << -0.0005 << int(MoveDirection::Negative);
        QTest::newRow("-0.032") << -0.032 << int(MoveDirection::Negative);
    }

    void moveDirection()
    {
        QFETCH(double, inches);
        QFETCH(int, direction);
        QCOMPARE(int(DirectionOfMove(inches)), direction);
        // Worded alike whichever its sign, where it has no direction.
        const double mirror = direction == int(MoveDirection::None) ? -inches : inches;
        for (auto axis : {Wording::Axis::Across, Wording::Axis::Upright})
            QCOMPARE(Wording::Move(Wording::For::Script, inches, axis), Wording::Move(Wording::For::Script, mirror, axis));
        QCOMPARE(Wording::Move(Wording::For::Script, inches, Wording::Axis::Across)
                     == Wording::Move(Wording::For::Script, -inches, Wording::Axis::Across),
                 direction == int(MoveDirection::None));
    }
};

QTEST_MAIN(ChequeGeometryTest)
#include "tst_cheque_geometry.moc"
