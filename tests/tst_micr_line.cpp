// The user's own MICR line against the standard's fields: routing numbers
// the banks publish, each field's bounds, both layouts, and the mistakes
// people make typing the line.
#include "answers/MicrLine.h"

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

// The fault with `code`, or none.
const MicrLineFault *Find(const MicrLineFaults &faults, const QString &code)
{
    const auto found = std::find_if(faults.begin(), faults.end(), [&code](const MicrLineFault &f) { return f.Code() == code; });
    return found == faults.end() ? nullptr : &*found;
}

QString Codes(const MicrLineFaults &faults)
{
    QStringList codes;
    for (const MicrLineFault &fault : faults)
        codes << fault.Code();
    return codes.join(' ');
}

// The values a fault carries, texts then numbers, joined by commas.
QString Values(const MicrLineFault &fault)
{
    QStringList values = fault.texts;
    for (int number : fault.numbers)
        values << QString::number(number);
    return values.join(',');
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
        QTest::addColumn<QString>("fault");  // its code; empty: none
        QTest::addColumn<QString>("values"); // the values it carries
        QTest::newRow("Federal Reserve Bank of Boston") << "011000015" << "" << "";
        QTest::newRow("JPMorgan Chase, New York") << "021000021" << "" << "";
        QTest::newRow("Bank of America, New York") << "026009593" << "" << "";
        QTest::newRow("Wells Fargo, San Francisco") << "121000248" << "" << "";
        QTest::newRow("U.S. Bank, Minneapolis") << "091000022" << "" << "";
        QTest::newRow("one digit changed") << "021000022" << "routing-check-digit" << "2,1";
        QTest::newRow("two digits swapped") << "120000248" << "routing-check-digit" << "8,9";
        QTest::newRow("prefix 13") << "131000018" << "routing-prefix" << "13";
        // The prefixes' boundaries: 12, 21, 32 and 80 stand on cheques;
        // 61 to 72 are electronic only.
        QTest::newRow("prefix 12") << "121000002" << "" << "";
        QTest::newRow("prefix 21") << "211000006" << "" << "";
        QTest::newRow("prefix 32") << "321000006" << "" << "";
        QTest::newRow("prefix 80") << "801000005" << "" << "";
        QTest::newRow("prefix 60") << "601000001" << "routing-prefix" << "60";
        QTest::newRow("prefix 61") << "611000004" << "routing-electronic-prefix" << "61";
        QTest::newRow("prefix 72") << "721000004" << "routing-electronic-prefix" << "72";
        QTest::newRow("prefix 73") << "731000007" << "routing-prefix" << "73";
        QTest::newRow("empty") << "" << "routing-missing" << "";
        QTest::newRow("ten digits") << "0210000210" << "routing-length" << "10";
        QTest::newRow("eight digits") << "02100002" << "routing-canadian-number" << "02100,002";
        QTest::newRow("a letter") << "02100O021" << "routing-not-digits" << "02100O021";
    }

    void routingNumbers()
    {
        QFETCH(QString, routing);
        QFETCH(QString, fault);
        QFETCH(QString, values);
        const MicrLineFaults faults = RoutingNumberFaults(routing);
        QCOMPARE(Codes(faults), fault);
        if (!fault.isEmpty())
            QCOMPARE(Values(faults.front()), values);
    }

    // Each field where the standard puts it, and refused past its bounds.
    void composed_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("bank");  // routing, or branch/institution
        QTest::addColumn<QString>("onUs");
        QTest::addColumn<QString>("aux");
        QTest::addColumn<QString>("epc");
        QTest::addColumn<QString>("fault"); // a code it has; empty: none
        QTest::newRow("personal") << "us" << "021000021" << "123456789C 1234" << "" << "" << "";
        QTest::newRow("business") << "us" << "121000248" << "4567890123C" << "C001234C" << "5" << "";
        QTest::newRow("punctuation") << "us" << "121000248" << "4567890123<" << "<001234<" << "" << "";
        QTest::newRow("on-us of 19") << "us" << "021000021" << "123456789012345678C" << "" << "" << "";
        QTest::newRow("on-us of 20") << "us" << "021000021" << "1234567890123456789C" << "" << "" << "transit-field-pushed-by-on-us";
        QTest::newRow("aux of 21") << "us" << "021000021" << "1C" << "C1234567890123456789C" << "" << "";
        QTest::newRow("aux of 22") << "us" << "021000021" << "1C" << "C12345678901234567890C" << "" << "aux-on-us-too-long";
        QTest::newRow("amount symbol in on-us") << "us" << "021000021" << "123456789B" << "" << "" << "amount-field-not-encoded";
        QTest::newRow("a letter in on-us") << "us" << "021000021" << "12345X789C" << "" << "" << "unprintable-character";
        QTest::newRow("no on-us") << "us" << "021000021" << "" << "" << "" << "on-us-missing";
        QTest::newRow("code of two") << "us" << "021000021" << "1C" << "" << "12" << "processing-code-length";
        QTest::newRow("ten-digit routing") << "us" << "0210000210" << "1C" << "" << "" << "transit-field-length";
        QTest::newRow("Canada") << "ca" << "12345/003" << "1234567D890C" << "" << "" << "";
        QTest::newRow("Canada, short branch") << "ca" << "1234/003" << "1C" << "" << "" << "branch-length";
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
        QVERIFY2(line.faults.empty() == fault.isEmpty(), qPrintable(Codes(line.faults)));
        if (!fault.isEmpty()) {
            QVERIFY2(Find(line.faults, fault), qPrintable(Codes(line.faults)));
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
        QTest::addColumn<QString>("fault"); // a code it has; empty: none
        QTest::newRow("personal, letters") << "A021000021A         123456789C" << "";
        QTest::newRow("personal, punctuation") << ":021000021:         123456789<" << "";
        QTest::newRow("E-13B characters") << "\u2446021000021\u2446         123456789\u2448" << "";
        QTest::newRow("business") << "C001234C A121000248A        4567890123C" << "";
        QTest::newRow("amount encoded") << "A021000021A         123456789C B0000012345B" << "amount-field-filled";
        QTest::newRow("cheque number against the transit") << "C1234CA021000021A         123456789C"
                                                            << "processing-code-symbol";
        QTest::newRow("transit-field-shifted-left") << "A021000021A           123456789C" << "transit-field-shifted-left";
        QTest::newRow("no padding") << "A021000021A 123456789C" << "transit-field-shifted-right";
        QTest::newRow("ten-digit routing") << "A0210000210A        123456789C" << "routing-length";
        QTest::newRow("amount symbol for on-us") << "A021000021A         123456789B" << "amount-field-not-encoded";
        QTest::newRow("bad check digit") << "A021000022A         123456789C" << "routing-check-digit";
        QTest::newRow("one transit symbol") << "021000021A         123456789C" << "transit-symbol-count";
        QTest::newRow("Canada") << "A12345D003A       1234567D890C" << "";
    }

    void checked()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fault);
        const MicrLine line = CheckMicrLine(typed);
        QVERIFY2(line.faults.empty() == fault.isEmpty(), qPrintable(Codes(line.faults)));
        if (!fault.isEmpty())
            QVERIFY2(Find(line.faults, fault), qPrintable(Codes(line.faults)));
        else
            QCOMPARE(At(line, 43, 33).front(), QChar('A'));
    }

    // The rules a bank's reader-sorter holds a line to, at their
    // boundaries: the line is typed as text, positions counted from its
    // right end at 14 (A transit, B amount, C on-us).
    void bankRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fault"); // a code it has; empty: none
        const QString personal = "A021000021A         123456789C";
        QTest::newRow("amount filled") << personal + " B0000012345B" << "amount-field-filled";
        QTest::newRow("one digit at position 1") << "A021000021A        123456789C           5B"
                                                 << "amount-field-not-encoded";
        QTest::newRow("on-us without its symbol") << "A021000021A          123456789" << "on-us-symbol-missing";
        QTest::newRow("on-us, the symbol first") << "A021000021A         C123456789" << "";
        QTest::newRow("aux bracketed, ends at 45") << "C1234C A021000021A         123456789C" << "";
        QTest::newRow("aux and code, ends at 45") << "C1234C5A021000021A         123456789C" << "";
        QTest::newRow("aux ends at 46") << "C1234C  A021000021A         123456789C" << "aux-on-us-misplaced";
        QTest::newRow("aux without its symbols") << "1234   A021000021A         123456789C"
                                                 << "aux-on-us-not-bracketed";
        QTest::newRow("aux, the closing symbol missing") << "C1234  A021000021A         123456789C"
                                                         << "aux-on-us-not-bracketed";
        QTest::newRow("aux to 65") << "C1234567890123456789C A021000021A         123456789C" << "";
        QTest::newRow("aux to 66") << "C12345678901234567890C A021000021A         123456789C" << "aux-on-us-too-long";
        QTest::newRow("routing in the on-us field") << "A021000021A       021000021C" << "on-us-repeats-routing";
        QTest::newRow("routing inside the account") << "A021000021A     1021000021C 12" << "on-us-repeats-routing";
        QTest::newRow("prefix 61") << "A611000004A         123456789C" << "routing-electronic-prefix";
        QTest::newRow("no transit symbol") << "021000021         123456789C" << "transit-symbol-count";
        QTest::newRow("three transit symbols") << "A0210A00021A        123456789C" << "transit-symbol-count";
        QTest::newRow("transit only") << "A021000021A" << "on-us-missing";
        QTest::newRow("a hyphen") << "A021000021A         123-456C" << "hyphen-for-dash";
        QTest::newRow("Canada, dash symbol") << "A00011D004A         123456789C" << "";
        QTest::newRow("Canada, no institution") << "A00011D   A         123456789C" << "institution-missing";
        QTest::newRow("Canada, whole number as branch") << "A00011004DA         123456789C"
                                                        << "branch-whole-transit-number";
    }

    void bankRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fault);
        const MicrLine line = CheckMicrLine(typed);
        QVERIFY2(line.faults.empty() == fault.isEmpty(), qPrintable(Codes(line.faults)));
        if (!fault.isEmpty())
            QVERIFY2(Find(line.faults, fault), qPrintable(Codes(line.faults)));
    }

    // What a user types into the fields, and what they are told.
    void messages_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("bank"); // routing, or branch/institution
        QTest::addColumn<QString>("onUs");
        QTest::addColumn<QString>("typedAsLine"); // the clean line it must equal; empty: none
        QTest::addColumn<QString>("fault");       // a code it has; empty: none
        const QString clean = "A021000021A         123456789C";
        QTest::newRow("routing with its symbols") << "us" << "A021000021A" << "123456789C" << clean << "";
        QTest::newRow("routing with punctuation") << "us" << ":021000021:" << "123456789C" << clean << "";
        QTest::newRow("routing with spaces") << "us" << " 0210 0002 1 " << "123456789C" << clean << "";
        QTest::newRow("routing with hyphens") << "us" << "021-000-021" << "123456789C" << clean << "";
        QTest::newRow("routing empty") << "us" << "" << "123456789C" << "" << "routing-missing";
        QTest::newRow("Canadian number as routing") << "us" << "00011-004" << "123456789C" << ""
                                                    << "routing-canadian-number";
        QTest::newRow("Canadian number as branch") << "ca" << "00011-004/" << "123456789C" << ""
                                                   << "branch-whole-transit-number";
        QTest::newRow("Canada, typed with its dash") << "ca" << "00011/=004" << "123456789C"
                                                     << "A00011D004A         123456789C" << "";
        QTest::newRow("Canada, branch missing") << "ca" << "/004" << "123456789C" << ""
                                                << "branch-missing";
        QTest::newRow("a hyphen in the on-us field") << "us" << "021000021" << "123-456C" << ""
                                                     << "hyphen-for-dash";
        QTest::newRow("on-us of 20 overlaps the transit") << "us" << "021000021" << "12345678901234567890" << ""
                                                          << "transit-field-pushed-by-on-us";
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
        QVERIFY2(line.faults.empty() == fault.isEmpty(), qPrintable(Codes(line.faults)));
        if (!fault.isEmpty())
            QVERIFY2(Find(line.faults, fault), qPrintable(Codes(line.faults)));
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
        QCOMPARE(Codes(checked.faults), Codes(composed.faults));
        QVERIFY(checked.faults == composed.faults);
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

    // Each fault names the field it concerns, with that field's positions
    // in the E-13B layout (amount 12-1, position 13 blank, on-us 32-14,
    // transit 43-33 with the routing number or the branch, dash and
    // institution between its symbols, the processing code at 44, the
    // auxiliary on-us 65-45), and the values found.
    void faultsNameTheirField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("values");
        const QString onUs = "         123456789C";
        QTest::newRow("amount") << "A021000021A" + onUs + " B0000012345B" << "amount-field-filled" << "amount" << 12 << 1
                                << "B0000012345B";
        QTest::newRow("position 13") << "A021000021A" + onUs + "5B0000012345B" << "position-13-not-blank" << "blank"
                                     << 13 << 13 << "";
        QTest::newRow("on-us") << "A021000021A" << "on-us-missing" << "on-us" << 32 << 14 << "";
        QTest::newRow("transit") << "A021000021A        " + onUs << "transit-field-shifted-left" << "transit" << 43
                                 << 33 << "51,41";
        QTest::newRow("transit, a long number") << "A0210000210A" + onUs << "transit-field-length" << "transit"
                                                << 43 << 33 << "44,33";
        QTest::newRow("routing") << "A021000022A" + onUs << "routing-check-digit" << "routing" << 42 << 34 << "2,1";
        QTest::newRow("branch") << "A1234D003A " + onUs << "branch-length" << "branch" << 42 << 38 << "1234";
        QTest::newRow("institution") << "A00011D   A" + onUs << "institution-missing" << "institution" << 36 << 34
                                     << "";
        QTest::newRow("processing code") << "C1234CA021000021A" + onUs << "processing-code-symbol"
                                         << "external processing code" << 44 << 44 << "";
        QTest::newRow("auxiliary on-us") << "C1234C  A021000021A" + onUs << "aux-on-us-misplaced" << "auxiliary on-us"
                                         << 65 << 45 << "46";
    }

    void faultsNameTheirField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QFETCH(QString, field);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, values);
        const MicrLine line = CheckMicrLine(typed);
        const MicrLineFault *fault = Find(line.faults, code);
        QVERIFY2(fault, qPrintable(Codes(line.faults)));
        QCOMPARE(MicrPartCode(fault->part), field);
        QCOMPARE(fault->first, first);
        QCOMPARE(fault->last, last);
        QCOMPARE(Values(*fault), values);
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
