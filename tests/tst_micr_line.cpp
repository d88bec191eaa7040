// The user's own MICR line against the standard's fields: routing numbers
// the banks publish, each field's bounds, both layouts, and the mistakes
// people make typing the line.
#include "calibration/MicrLine.h"

#include <QtTest>

namespace {

// The characters of `line` from position `first` down to `last`.
QString At(const MicrLine &line, int first, int last)
{
    QString chars;
    for (int position = first; position >= last; --position) {
        const int index = line.FirstPosition() - position;
        chars += index >= 0 && index < line.letters.size() ? line.letters[index] : QChar(u' ');
    }
    return chars;
}

bool Mentions(const QStringList &faults, const QString &part)
{
    return std::any_of(faults.begin(), faults.end(), [&part](const QString &f) { return f.contains(part); });
}

} // namespace

class MicrLineTest : public QObject
{
    Q_OBJECT

private slots:
    // Published routing numbers; one digit changed; a prefix no Federal
    // Reserve routing symbol has (its check digit right).
    void routingNumbers_data()
    {
        QTest::addColumn<QString>("routing");
        QTest::addColumn<QString>("fault"); // empty: none
        QTest::newRow("Federal Reserve Bank of Boston") << "011000015" << "";
        QTest::newRow("JPMorgan Chase, New York") << "021000021" << "";
        QTest::newRow("Bank of America, New York") << "026009593" << "";
        QTest::newRow("Wells Fargo, San Francisco") << "121000248" << "";
        QTest::newRow("U.S. Bank, Minneapolis") << "091000022" << "";
        QTest::newRow("one digit changed") << "021000022" << "check digit is 2, but its other digits make it 1";
        QTest::newRow("two digits swapped") << "120000248" << "check digit";
        QTest::newRow("prefix 13") << "131000018" << "starts with 13";
        QTest::newRow("ten digits") << "0210000210" << "has 10 digits";
        QTest::newRow("eight digits") << "02100002" << "has 8 digits";
        QTest::newRow("a letter") << "02100O021" << "not all digits";
    }

    void routingNumbers()
    {
        QFETCH(QString, routing);
        QFETCH(QString, fault);
        const QStringList faults = RoutingNumberFaults(routing);
        QCOMPARE(faults.isEmpty(), fault.isEmpty());
        if (!fault.isEmpty())
            QVERIFY2(Mentions(faults, fault), qPrintable(faults.join('\n')));
    }

    // Each field where the standard puts it, and refused past its bounds.
    void composed_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("bank");  // routing, or branch/institution
        QTest::addColumn<QString>("onUs");
        QTest::addColumn<QString>("aux");
        QTest::addColumn<QString>("epc");
        QTest::addColumn<QString>("fault"); // empty: none
        QTest::newRow("personal") << "us" << "021000021" << "123456789C 1234" << "" << "" << "";
        QTest::newRow("business") << "us" << "121000248" << "4567890123C" << "C001234C" << "5" << "";
        QTest::newRow("punctuation") << "us" << "121000248" << "4567890123<" << "<001234<" << "" << "";
        QTest::newRow("on-us of 19") << "us" << "021000021" << "1234567890123456789" << "" << "" << "";
        QTest::newRow("on-us of 20") << "us" << "021000021" << "12345678901234567890" << "" << "" << "room for 19";
        QTest::newRow("aux of 21") << "us" << "021000021" << "1C" << "C1234567890123456789C" << "" << "";
        QTest::newRow("aux of 22") << "us" << "021000021" << "1C" << "C12345678901234567890C" << "" << "room for 21";
        QTest::newRow("amount symbol in on-us") << "us" << "021000021" << "123456789B" << "" << "" << "amount symbol";
        QTest::newRow("a letter in on-us") << "us" << "021000021" << "12345X789C" << "" << "" << "cannot print";
        QTest::newRow("no on-us") << "us" << "021000021" << "" << "" << "" << "on-us field is empty";
        QTest::newRow("code of two") << "us" << "021000021" << "1C" << "" << "12" << "not one digit";
        QTest::newRow("ten-digit routing") << "us" << "0210000210" << "1C" << "" << "" << "runs from position 44";
        QTest::newRow("Canada") << "ca" << "12345/003" << "1234567D890C" << "" << "" << "";
        QTest::newRow("Canada, short branch") << "ca" << "1234/003" << "1C" << "" << "" << "not 5 digits";
    }

    void composed()
    {
        QFETCH(QString, layout);
        QFETCH(QString, bank);
        QFETCH(QString, onUs);
        QFETCH(QString, aux);
        QFETCH(QString, epc);
        QFETCH(QString, fault);
        MicrFields fields;
        fields.layout = layout == "us" ? MicrLayout::US : MicrLayout::Canada;
        fields.routing = bank;
        fields.branch = bank.section('/', 0, 0);
        fields.institution = bank.section('/', 1);
        fields.onUs = onUs;
        fields.auxOnUs = aux;
        fields.processingCode = epc;
        const MicrLine line = ComposeMicrLine(fields);
        QVERIFY2(line.faults.isEmpty() == fault.isEmpty(), qPrintable(line.faults.join('\n')));
        if (!fault.isEmpty()) {
            QVERIFY2(Mentions(line.faults, fault), qPrintable(line.faults.join('\n')));
            return;
        }
        // Amount left blank: the line ends at 14, with the on-us field.
        QCOMPARE(line.lastPosition, 14);
        const QString symbols = QString(onUs).replace('<', 'C');
        QCOMPARE(At(line, 13 + symbols.size(), 14), symbols);
        QCOMPARE(At(line, 43, 33).at(0), QChar('A'));
        QCOMPARE(At(line, 43, 33).at(10), QChar('A'));
        if (layout == "us")
            QCOMPARE(At(line, 42, 34), bank);
        else
            QCOMPARE(At(line, 42, 34), QString("12345D003"));
        if (!epc.isEmpty())
            QCOMPARE(At(line, 44, 44), epc);
        if (!aux.isEmpty()) {
            const QString auxLetters = QString(aux).replace('<', 'C');
            QCOMPARE(At(line, 44 + auxLetters.size(), 45), auxLetters);
        }
        QCOMPARE(line.punctuation, QString(line.letters).replace('A', ':').replace('B', ';').replace('C', '<').replace('D', '='));
    }

    // Lines as people paste them, with the common mistakes.
    void checked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fault"); // empty: none
        QTest::newRow("personal, letters") << "A021000021A         123456789C" << "";
        QTest::newRow("personal, punctuation") << ":021000021:         123456789<" << "";
        QTest::newRow("E-13B characters") << "\u2446021000021\u2446         123456789\u2448" << "";
        QTest::newRow("business") << "C001234C A121000248A        4567890123C" << "";
        QTest::newRow("amount encoded") << "A021000021A         123456789C B0000012345B" << "";
        QTest::newRow("cheque number against the transit") << "C1234CA021000021A         123456789C"
                                                            << "Position 44";
        QTest::newRow("shifted left") << "A021000021A           123456789C" << "shifted left";
        QTest::newRow("no padding") << "A021000021A 123456789C" << "short of spaces";
        QTest::newRow("ten-digit routing") << "A0210000210A        123456789C" << "has 10 digits";
        QTest::newRow("amount symbol for on-us") << "A021000021A         123456789B" << "amount field";
        QTest::newRow("bad check digit") << "A021000022A         123456789C" << "check digit";
        QTest::newRow("one transit symbol") << "021000021A         123456789C" << "1 transit symbols";
        QTest::newRow("Canada") << "A12345D003A       1234567D890C" << "";
    }

    void checked()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fault);
        const MicrLine line = CheckMicrLine(typed);
        QVERIFY2(line.faults.isEmpty() == fault.isEmpty(), qPrintable(line.faults.join('\n')));
        if (!fault.isEmpty())
            QVERIFY2(Mentions(line.faults, fault), qPrintable(line.faults.join('\n')));
        else
            QCOMPARE(At(line, 43, 33).front(), QChar('A'));
    }

    // Where the line goes on an 8.5-in cheque: position 43's left edge is
    // 5/16 + 43 x 1/8 in from the right edge; the baseline 3/16 in up.
    void whereItGoes()
    {
        const MicrLine line = CheckMicrLine("A021000021A         123456789C");
        QCOMPARE(line.FirstPosition(), 43);
        QVERIFY(qAbs(MicrLineLeftInches(line, 8.5) - (8.5 - 0.3125 - 43 * 0.125)) < 1e-9);
        QVERIFY(qAbs(MicrLineLeftInches(line, 8.25) - (8.25 - 0.3125 - 43 * 0.125)) < 1e-9);
        QCOMPARE(MicrLineBaselineInches(), 0.1875);
    }
};

QTEST_GUILESS_MAIN(MicrLineTest)
#include "tst_micr_line.moc"
