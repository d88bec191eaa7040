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
        // The prefixes' boundaries: 12, 21, 32 and 80 stand on cheques;
        // 61 to 72 are electronic only.
        QTest::newRow("prefix 12") << "121000002" << "";
        QTest::newRow("prefix 21") << "211000006" << "";
        QTest::newRow("prefix 32") << "321000006" << "";
        QTest::newRow("prefix 80") << "801000005" << "";
        QTest::newRow("prefix 60") << "601000001" << "starts with 60";
        QTest::newRow("prefix 61") << "611000004" << "61 to 72 are for electronic payments only";
        QTest::newRow("prefix 72") << "721000004" << "61 to 72 are for electronic payments only";
        QTest::newRow("prefix 73") << "731000007" << "starts with 73";
        QTest::newRow("empty") << "" << "routing number is missing";
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
        QTest::newRow("on-us of 19") << "us" << "021000021" << "123456789012345678C" << "" << "" << "";
        QTest::newRow("on-us of 20") << "us" << "021000021" << "1234567890123456789C" << "" << "" << "room for 19";
        QTest::newRow("aux of 21") << "us" << "021000021" << "1C" << "C1234567890123456789C" << "" << "";
        QTest::newRow("aux of 22") << "us" << "021000021" << "1C" << "C12345678901234567890C" << "" << "room for 21";
        QTest::newRow("amount symbol in on-us") << "us" << "021000021" << "123456789B" << "" << "" << "on-us symbol, C or <";
        QTest::newRow("a letter in on-us") << "us" << "021000021" << "12345X789C" << "" << "" << "cannot print";
        QTest::newRow("no on-us") << "us" << "021000021" << "" << "" << "" << "on-us field is missing";
        QTest::newRow("code of two") << "us" << "021000021" << "1C" << "" << "12" << "not one digit";
        QTest::newRow("ten-digit routing") << "us" << "0210000210" << "1C" << "" << "" << "stands at positions 44 to 33";
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
        QTest::newRow("amount encoded") << "A021000021A         123456789C B0000012345B" << "leave them blank";
        QTest::newRow("cheque number against the transit") << "C1234CA021000021A         123456789C"
                                                            << "Position 44";
        QTest::newRow("shifted left") << "A021000021A           123456789C" << "shifted left";
        QTest::newRow("no padding") << "A021000021A 123456789C" << "short of spaces";
        QTest::newRow("ten-digit routing") << "A0210000210A        123456789C" << "has 10 digits";
        QTest::newRow("amount symbol for on-us") << "A021000021A         123456789B" << "amount field";
        QTest::newRow("bad check digit") << "A021000022A         123456789C" << "check digit";
        QTest::newRow("one transit symbol") << "021000021A         123456789C" << "needs two transit symbols";
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

    // The rules a bank's reader-sorter holds a line to, at their
    // boundaries: the line is typed as text, positions counted from its
    // right end at 14 (A transit, B amount, C on-us).
    void bankRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fault"); // empty: none
        const QString personal = "A021000021A         123456789C";
        QTest::newRow("amount filled") << personal + " B0000012345B" << "Positions 12 to 1";
        QTest::newRow("one digit at position 1") << "A021000021A        123456789C           5B"
                                                 << "Positions 12 to 1";
        QTest::newRow("on-us without its symbol") << "A021000021A          123456789" << "has no on-us symbol";
        QTest::newRow("on-us, the symbol first") << "A021000021A         C123456789" << "";
        QTest::newRow("aux bracketed, ends at 45") << "C1234C A021000021A         123456789C" << "";
        QTest::newRow("aux and code, ends at 45") << "C1234C5A021000021A         123456789C" << "";
        QTest::newRow("aux ends at 46") << "C1234C  A021000021A         123456789C" << "ends at position 46";
        QTest::newRow("aux without its symbols") << "1234   A021000021A         123456789C"
                                                 << "not between on-us symbols";
        QTest::newRow("aux, the closing symbol missing") << "C1234  A021000021A         123456789C"
                                                         << "not between on-us symbols";
        QTest::newRow("aux to 65") << "C1234567890123456789C A021000021A         123456789C" << "";
        QTest::newRow("aux to 66") << "C12345678901234567890C A021000021A         123456789C" << "past 65";
        QTest::newRow("routing in the on-us field") << "A021000021A       021000021C" << "repeats the routing number";
        QTest::newRow("routing inside the account") << "A021000021A     1021000021C 12" << "repeats the routing number";
        QTest::newRow("prefix 61") << "A611000004A         123456789C" << "electronic payments only";
        QTest::newRow("no transit symbol") << "021000021         123456789C" << "needs two transit symbols";
        QTest::newRow("three transit symbols") << "A0210A00021A        123456789C" << "needs two transit symbols";
        QTest::newRow("transit only") << "A021000021A" << "on-us field is missing";
        QTest::newRow("a hyphen") << "A021000021A         123-456C" << "dash symbol is D or =";
        QTest::newRow("Canada, dash symbol") << "A00011D004A         123456789C" << "";
        QTest::newRow("Canada, no institution") << "A00011D   A         123456789C" << "institution number is missing";
        QTest::newRow("Canada, whole number as branch") << "A00011004DA         123456789C"
                                                        << "Split it: branch number 00011, institution number 004";
    }

    void bankRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fault);
        const MicrLine line = CheckMicrLine(typed);
        QVERIFY2(line.faults.isEmpty() == fault.isEmpty(), qPrintable(line.faults.join('\n')));
        if (!fault.isEmpty())
            QVERIFY2(Mentions(line.faults, fault), qPrintable(line.faults.join('\n')));
    }

    // What a user types into the fields, and what they are told.
    void messages_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("bank"); // routing, or branch/institution
        QTest::addColumn<QString>("onUs");
        QTest::addColumn<QString>("typedAsLine"); // the clean line it must equal; empty: none
        QTest::addColumn<QString>("fault");       // empty: none
        const QString clean = "A021000021A         123456789C";
        QTest::newRow("routing with its symbols") << "us" << "A021000021A" << "123456789C" << clean << "";
        QTest::newRow("routing with punctuation") << "us" << ":021000021:" << "123456789C" << clean << "";
        QTest::newRow("routing with spaces") << "us" << " 0210 0002 1 " << "123456789C" << clean << "";
        QTest::newRow("routing with hyphens") << "us" << "021-000-021" << "123456789C" << clean << "";
        QTest::newRow("routing empty") << "us" << "" << "123456789C" << "" << "The routing number is missing";
        QTest::newRow("Canadian number as routing") << "us" << "00011-004" << "123456789C" << ""
                                                    << "branch number 00011, institution number 004";
        QTest::newRow("Canadian number as branch") << "ca" << "00011-004/" << "123456789C" << ""
                                                   << "Split it: branch number 00011, institution number 004";
        QTest::newRow("Canada, typed with its dash") << "ca" << "00011/=004" << "123456789C"
                                                     << "A00011D004A         123456789C" << "";
        QTest::newRow("Canada, branch missing") << "ca" << "/004" << "123456789C" << ""
                                                << "The branch number is missing";
        QTest::newRow("a hyphen in the on-us field") << "us" << "021000021" << "123-456C" << ""
                                                     << "dash symbol is D or =";
        QTest::newRow("on-us of 20 overlaps the transit") << "us" << "021000021" << "12345678901234567890" << ""
                                                          << "room for 19";
    }

    void messages()
    {
        QFETCH(QString, layout);
        QFETCH(QString, bank);
        QFETCH(QString, onUs);
        QFETCH(QString, typedAsLine);
        QFETCH(QString, fault);
        MicrFields fields;
        fields.layout = layout == "us" ? MicrLayout::US : MicrLayout::Canada;
        fields.routing = bank;
        fields.branch = bank.section('/', 0, 0);
        fields.institution = bank.section('/', 1);
        fields.onUs = onUs;
        const MicrLine line = ComposeMicrLine(fields);
        QVERIFY2(line.faults.isEmpty() == fault.isEmpty(), qPrintable(line.faults.join('\n')));
        if (!fault.isEmpty())
            QVERIFY2(Mentions(line.faults, fault), qPrintable(line.faults.join('\n')));
        if (!typedAsLine.isEmpty())
            QCOMPARE(line.letters, typedAsLine);
        // Every character typed in the on-us field is on the line, in one
        // piece: nothing dropped, nothing written over.
        QVERIFY2(line.letters.contains(onUs), qPrintable(line.letters));
        QCOMPARE(line.letters.count('A'), 2);
    }

    // The line composed from the bank's details and the same line typed
    // as text are read alike: the same text, fields with the same bounds
    // and characters, the same faults in the same order.
    void composedAgreesWithChecked_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QString>("onUs");
        QTest::addColumn<QString>("aux");
        QTest::addColumn<QString>("epc");
        QTest::addColumn<int>("onUsFirst"); // where the on-us field starts on the composed line
        QTest::newRow("personal") << "us" << "021000021" << "123456789C 1234" << "" << "" << 28;
        QTest::newRow("business") << "us" << "121000248" << "4567890123C" << "C001234C" << "5" << 24;
        QTest::newRow("on-us of 19") << "us" << "021000021" << "123456789012345678C" << "" << "" << 32;
        QTest::newRow("on-us of 20") << "us" << "021000021" << "1234567890123456789C" << "" << "" << 33;
        QTest::newRow("on-us of 21") << "us" << "021000021" << "12345678901234567890C" << "" << "" << 34;
        QTest::newRow("aux of 21") << "us" << "021000021" << "1C" << "C1234567890123456789C" << "" << 15;
        QTest::newRow("aux of 22") << "us" << "021000021" << "1C" << "C12345678901234567890C" << "" << 15;
        QTest::newRow("aux without symbols") << "us" << "021000021" << "1C" << "1234" << "" << 15;
        QTest::newRow("code of two") << "us" << "021000021" << "1C" << "" << "12" << 15;
        QTest::newRow("no on-us") << "us" << "021000021" << "" << "" << "" << 0;
        QTest::newRow("on-us without symbol") << "us" << "021000021" << "123456789" << "" << "" << 22;
        QTest::newRow("amount symbol for on-us") << "us" << "021000021" << "123456789B" << "" << "" << 0;
        QTest::newRow("routing repeated") << "us" << "021000021" << "021000021C" << "" << "" << 23;
        QTest::newRow("prefix 61") << "us" << "611000004" << "1C" << "" << "" << 15;
        QTest::newRow("eight-digit routing") << "us" << "00011004" << "1C" << "" << "" << 15;
        QTest::newRow("Canada") << "ca" << "12345/003" << "1234567D890C" << "" << "" << 25;
        QTest::newRow("Canada, whole number as branch") << "ca" << "00011-004/" << "1C" << "" << "" << 15;
    }

    void composedAgreesWithChecked()
    {
        QFETCH(QString, layout);
        QFETCH(QString, bank);
        QFETCH(QString, onUs);
        QFETCH(QString, aux);
        QFETCH(QString, epc);
        QFETCH(int, onUsFirst);
        MicrFields fields;
        fields.layout = layout == "us" ? MicrLayout::US : MicrLayout::Canada;
        fields.routing = bank;
        fields.branch = bank.section('/', 0, 0);
        fields.institution = bank.section('/', 1);
        fields.onUs = onUs;
        fields.auxOnUs = aux;
        fields.processingCode = epc;
        const MicrLine composed = ComposeMicrLine(fields);
        const MicrLine checked = CheckMicrLine(composed.punctuation);
        QCOMPARE(checked.letters, composed.letters);
        QCOMPARE(checked.lastPosition, composed.lastPosition);
        QCOMPARE(checked.faults, composed.faults);
        QCOMPARE(checked.fields.size(), composed.fields.size());
        for (std::size_t i = 0; i < composed.fields.size(); ++i) {
            QCOMPARE(checked.fields[i].name, composed.fields[i].name);
            QCOMPARE(checked.fields[i].first, composed.fields[i].first);
            QCOMPARE(checked.fields[i].last, composed.fields[i].last);
            QCOMPARE(checked.fields[i].text, composed.fields[i].text);
        }
        // Every field typed is on the line, whole, and each field shown
        // holds the characters at its positions.
        QVERIFY(composed.letters.contains(onUs));
        QVERIFY(composed.letters.contains(aux));
        QVERIFY(composed.letters.contains(epc));
        for (const MicrField &field : composed.fields)
            QCOMPARE(At(composed, field.first, field.last), field.text);
        const auto onUsField = std::find_if(composed.fields.begin(), composed.fields.end(),
                                            [](const MicrField &f) { return f.name == "on-us"; });
        if (onUsFirst == 0) {
            QVERIFY(onUsField == composed.fields.end());
        } else {
            QVERIFY(onUsField != composed.fields.end());
            QCOMPARE(onUsField->first, onUsFirst);
            QCOMPARE(onUsField->last, 14);
        }
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
