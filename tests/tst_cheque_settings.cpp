// The settings written for each cheque program, applied to that program's
// anchor the way the program itself does and sent through a printer model
// this test sets up, must put position 1's end 5/16 in from the cheque's
// right edge and the baseline 3/16 in above its bottom edge. The faces are
// the test faces, whose widths and descent are known (tests/fonts).
#include "answers/ChequeSettings.h"
#include "wording/SettingsWording.h"

#include <QtTest>

#include <cmath>

namespace {

// The E-13B geometry, from the standard.
constexpr double PositionOneFromRight = 5.0 / 16;
constexpr double BaselineUp = 3.0 / 16;
constexpr double Pitch = 0.125;
// How close the written settings put the line.
constexpr double Tolerance = 0.002;

// The test faces: advances in thousandths of an em by line, descent 0.2 em.
double AdvancePoints(CalibrationLine line)
{
    static const double advances[] = {880, 890, 900, 910, 920};
    return advances[line - 1] / 100;
}
constexpr double DescentPoints = 2;

// What the printer does to a page point (inches from the paper's top-left).
struct Printer
{
    double sx, sy, ox, oy;
    double X(double x) const { return sx * x + ox; }
    double Y(double y) const { return sy * y + oy; }
};

MicrLine BusinessLine()
{
    MicrFields fields;
    fields.routing = QStringLiteral("021000021");
    fields.onUs = QStringLiteral("123456789C");
    fields.auxOnUs = QStringLiteral("C001001C");
    return ComposeMicrLine(fields);
}

MicrLine PersonalLine()
{
    MicrFields fields;
    fields.routing = QStringLiteral("121000248");
    fields.onUs = QStringLiteral("4659801C 1001");
    return ComposeMicrLine(fields);
}

MicrLine CanadianLine()
{
    MicrFields fields;
    fields.layout = MicrLayout::Canada;
    fields.branch = QStringLiteral("00012");
    fields.institution = QStringLiteral("003");
    fields.onUs = QStringLiteral("1234567C");
    return ComposeMicrLine(fields);
}

// "key = value" lines of a section of a key file; items numbered.
QMap<QString, QString> Keys(const QString &text, const QString &section)
{
    QMap<QString, QString> keys;
    QString current;
    for (const QString &raw : text.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'#') || line.isEmpty())
            continue;
        if (line.startsWith(u'[')) {
            current = line.mid(1).chopped(1);
            continue;
        }
        if (current == section)
            keys.insert(line.section(u'=', 0, 0).trimmed(), line.section(u'=', 1).trimmed());
    }
    return keys;
}

double InchValue(const QString &value)
{
    if (!value.endsWith(QLatin1String(" inch")))
        return NAN;
    return value.chopped(5).toDouble();
}

SettingsInputs Inputs(CalibrationLine line, const Printer &printer, ChequePosition cheque, bool a4)
{
    SettingsInputs inputs;
    inputs.face = QString::fromLatin1(MicrFaceName(line, FontWeightChoice::Standard));
    inputs.model.sx = printer.sx;
    inputs.model.sy = printer.sy;
    inputs.model.ox = printer.ox;
    inputs.model.oy = printer.oy;
    inputs.cheque = cheque;
    inputs.paperInches = a4 ? QSizeF(210 / 25.4, 297 / 25.4) : QSizeF(8.5, 11);
    inputs.stock = a4 ? A4Stock() : LetterStock();
    return inputs;
}

} // namespace

class ChequeSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(ReadMicrFaceMetrics(QStringLiteral("Ferro Sample")), "the test faces are not installed");
    }

    void faceMetrics_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("postScript");
        QTest::newRow("Line 1") << 1 << "FerroNSample-Regular";
        QTest::newRow("Line 3") << 3 << "FerroSample-Regular";
        QTest::newRow("Line 5") << 5 << "FerroWSample-Regular";
    }

    void faceMetrics()
    {
        QFETCH(int, line);
        QFETCH(QString, postScript);
        const auto metrics = ReadMicrFaceMetrics(QString::fromLatin1(MicrFaceName(line, FontWeightChoice::Standard)));
        QVERIFY(metrics);
        QCOMPARE(metrics->postScriptName, postScript);
        QVERIFY(std::abs(metrics->advancePoints - AdvancePoints(line)) < 1e-9);
        QVERIFY(std::abs(metrics->descentPoints - DescentPoints) < 1e-9);
        QVERIFY(!ReadMicrFaceMetrics(QStringLiteral("No Such MICR Face")));
    }

    // A remembered printer's model from the readings its placement page
    // gave, as the settings take it; without them, its line's printer.
    void models_data()
    {
        QTest::addColumn<double>("sx");
        QTest::addColumn<double>("sy");
        QTest::addColumn<double>("ox");
        QTest::addColumn<double>("oy");
        QTest::addColumn<bool>("a4");
        QTest::addColumn<int>("cheque");
        QTest::addColumn<bool>("fromTop");
        QTest::newRow("plain") << 1.0 << 1.0 << 0.0 << 0.0 << false << 0 << false;
        QTest::newRow("wide, shifted, Letter middle") << 1.0227 << 1.0 << 0.05 << -0.03 << false << 1 << false;
        QTest::newRow("narrow, tall, A4 bottom") << 0.978 << 1.012 << -0.06 << 0.04 << true << 2 << false;
        QTest::newRow("read from the paper's top") << 1.011 << 0.99 << 0.02 << 0.06 << false << 0 << true;
    }

    void models()
    {
        QFETCH(double, sx);
        QFETCH(double, sy);
        QFETCH(double, ox);
        QFETCH(double, oy);
        QFETCH(bool, a4);
        QFETCH(int, cheque);
        QFETCH(bool, fromTop);
        const Printer printer{sx, sy, ox, oy};
        const double width = a4 ? 210 / 25.4 : 8.5;
        const double chequeHeight = a4 ? 99 / 25.4 : 3.5;
        // Where the placement page puts its marks, and what a ruler reads.
        const double bottom = (cheque + 1) * chequeHeight;
        const double end = width - PositionOneFromRight;
        const double baseline = bottom - BaselineUp;
        PrinterProfile profile;
        profile.queue = QStringLiteral("laser");
        PlacementRecord placed;
        placed.cheque = ChequePosition(cheque);
        placed.stock = a4 ? A4Stock() : LetterStock();
        placed.readings.bar = 7 * sx;
        placed.readings.verticalBar = 2 * sy;
        placed.readings.right = width - printer.X(end);
        placed.readings.vertical = fromTop ? VerticalReading::FromPaperTop : VerticalReading::FromChequeBottom;
        placed.readings.fromEdge = fromTop ? printer.Y(baseline) : bottom - printer.Y(baseline);
        profile.placement = placed;
        const auto model = ModelForProfile(profile);
        QVERIFY(model);
        QVERIFY(std::abs(model->sx - sx) < 1e-9 && std::abs(model->sy - sy) < 1e-9);
        QVERIFY2(std::abs(model->ox - ox) < 1e-9 && std::abs(model->oy - oy) < 1e-9,
                 qPrintable(QStringLiteral("%1 %2").arg(model->ox).arg(model->oy)));

        // Nothing measured: the line's own printer.
        profile.placement.reset();
        profile.line = 1;
        const auto lineModel = ModelForProfile(profile);
        QVERIFY(lineModel);
        QVERIFY(std::abs(lineModel->sx - 900 / 880.0) < 1e-9);
        QCOMPARE(lineModel->ox, 0.0);
        QCOMPARE(lineModel->sy, 1.0);
    }

    // Lines 1 to 5, each on a printer whose scale it makes up for (and one
    // it does not), shifted either way, on each cheque of Letter and A4.
    void landing_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<double>("sx");
        QTest::addColumn<double>("sy");
        QTest::addColumn<double>("ox");
        QTest::addColumn<double>("oy");
        QTest::addColumn<int>("cheque");
        QTest::addColumn<bool>("a4");
        QTest::addColumn<int>("micrLine"); // 0 business, 1 personal, 2 Canadian
        QTest::newRow("Line 3, plain, top") << 3 << 1.0 << 1.0 << 0.0 << 0.0 << 0 << false << 0;
        QTest::newRow("Line 1, wide printer, middle") << 1 << 900 / 880.0 << 1.0 << 0.044 << -0.02 << 1 << false << 1;
        QTest::newRow("Line 2, shifted left, bottom") << 2 << 900 / 890.0 << 1.0 << -0.06 << 0.06 << 2 << false << 0;
        QTest::newRow("Line 4, tall, A4 top") << 4 << 900 / 910.0 << 1.015 << 0.03 << 0.05 << 0 << true << 2;
        QTest::newRow("Line 5, short, A4 bottom") << 5 << 900 / 920.0 << 0.985 << -0.02 << -0.06 << 2 << true << 1;
        QTest::newRow("Line 3 on a printer it misses") << 3 << 1.01 << 1.0 << 0.01 << 0.01 << 1 << false << 0;
    }

    void landing()
    {
        QFETCH(int, line);
        QFETCH(double, sx);
        QFETCH(double, sy);
        QFETCH(double, ox);
        QFETCH(double, oy);
        QFETCH(int, cheque);
        QFETCH(bool, a4);
        QFETCH(int, micrLine);
        const Printer printer{sx, sy, ox, oy};
        SettingsInputs inputs = Inputs(line, printer, ChequePosition(cheque), a4);
        const MicrLine lines[] = {BusinessLine(), PersonalLine(), CanadianLine()};
        inputs.line = lines[micrLine];
        QVERIFY(inputs.line->faults.empty());
        const double chequeHeight = inputs.stock.chequeInches;
        const double bottom = (cheque + 1) * chequeHeight;
        const double advance = AdvancePoints(line) / 72;
        const double paperWidth = inputs.paperInches.width();

        // FreeCheck: the transit symbol's left edge at CheckWidth - 5.6875
        // in plus the tweak, the baseline 0.25 in up plus the tweak, in the
        // cheque's frame; position 1 ends 43 advances right of it.
        {
            const ChequeProgramSettings settings = SettingsFor(ChequeProgram::FreeCheck, inputs);
            QVERIFY(settings.ok);
            const auto keys = Keys(settings.text, QStringLiteral("Global"));
            QCOMPARE(keys.value(QStringLiteral("MICRFontSize")), QStringLiteral("10"));
            QCOMPARE(keys.value(QStringLiteral("TransitSymbol")), QStringLiteral("A"));
            QCOMPARE(keys.value(QStringLiteral("OnUsSymbol")), QStringLiteral("C"));
            QCOMPARE(keys.value(QStringLiteral("AmountSymbol")), QStringLiteral("B"));
            QCOMPARE(keys.value(QStringLiteral("DashSymbol")), QStringLiteral("D"));
            QVERIFY(keys.value(QStringLiteral("MICRFontName")).endsWith(QLatin1String("Sample-Regular")));
            const double h = InchValue(keys.value(QStringLiteral("MICRHorTweak")));
            const double v = InchValue(keys.value(QStringLiteral("MICRVerTweak")));
            const double end = 8.5 - 5.6875 + h + 43 * advance;
            QVERIFY2(std::abs(printer.X(end) - (8.5 - PositionOneFromRight)) <= Tolerance,
                     qPrintable(QString::number(printer.X(end))));
            const double baseline = bottom - (0.25 + v);
            QVERIFY2(std::abs(printer.Y(baseline) - (bottom - BaselineUp)) <= Tolerance,
                     qPrintable(QString::number(printer.Y(baseline))));
            // Another width: the coefficient the file's comments give (the
            // same in every locale), for a cheque 6 in wide.
            const QString comments = QString(settings.text).replace(QStringLiteral("\n# "), QStringLiteral(" "));
            QVERIFY(comments.contains(QStringLiteral("(R - 8.5) x ")));
            const double perInch = comments.section(QStringLiteral("(R - 8.5) x "), 1).section(u' ', 0, 0).toDouble();
            const double narrowEnd = 6 - 5.6875 + h + (6 - 8.5) * perInch + 43 * advance;
            QVERIFY(std::abs(printer.X(narrowEnd) - (6 - PositionOneFromRight)) <= Tolerance);
        }

        // GnuCash: each character an item starting at x, its baseline its
        // descent above y, each named position Height further down.
        {
            const ChequeProgramSettings settings = SettingsFor(ChequeProgram::GnuCash, inputs);
            QVERIFY2(settings.ok, qPrintable(settings.notes.join('\n')));
            QVERIFY(settings.fileName.endsWith(QLatin1String(".chk")));
            const auto top = Keys(settings.text, QStringLiteral("Top"));
            QCOMPARE(top.value(QStringLiteral("Font")), inputs.face + QStringLiteral(", 10"));
            QCOMPARE(top.value(QStringLiteral("Blocking_Chars")), QStringLiteral("false"));
            QVERIFY(!QUuid::fromString(top.value(QStringLiteral("Guid"))).isNull());
            const auto positions = Keys(settings.text, QStringLiteral("Check Positions"));
            QCOMPARE(positions.value(QStringLiteral("Names")), QStringLiteral("Top;Middle;Bottom"));
            const double height = positions.value(QStringLiteral("Height")).toDouble();
            const auto items = Keys(settings.text, QStringLiteral("Check Items"));
            QString printed(65, u' ');
            // Where each line holds its cheque number: the business
            // cheque's serial between on-us symbols, the personal cheque's
            // after the account number.
            const QString number = micrLine == 0 ? QStringLiteral("001001") : micrLine == 1 ? QStringLiteral("1001") : QString();
            const int numberLast = micrLine == 0 ? 46 : 14;
            int numberItems = 0;
            for (int n = 1; items.contains(QStringLiteral("Type_%1").arg(n)); ++n) {
                const QStringList coords = items.value(QStringLiteral("Coords_%1").arg(n)).split(u';');
                const QString type = items.value(QStringLiteral("Type_%1").arg(n));
                const double x = coords.value(0).toDouble() / 72;
                for (int k = 0; k < 3; ++k) {
                    const double y = (coords.value(1).toDouble() + k * height - DescentPoints) / 72;
                    const double chequeBottom = (k + 1) * chequeHeight;
                    QVERIFY2(std::abs(printer.Y(y) - (chequeBottom - BaselineUp)) <= Tolerance,
                             qPrintable(QStringLiteral("item %1, cheque %2: %3").arg(n).arg(k).arg(printer.Y(y))));
                }
                if (type == QLatin1String("TEXT")) {
                    const QString text = items.value(QStringLiteral("Text_%1").arg(n));
                    QCOMPARE(text.size(), 1);
                    QVERIFY(text != QLatin1String(" "));
                    // The glyph's end on paper, and the cell it ends in.
                    const double end = printer.X(x + advance);
                    const double cells = (paperWidth - PositionOneFromRight - end) / Pitch;
                    const int position = int(std::lround(cells)) + 1;
                    QVERIFY2(std::abs(cells - (position - 1)) * Pitch <= Tolerance,
                             qPrintable(QStringLiteral("item %1 ends %2 cells in").arg(n).arg(cells)));
                    QVERIFY(position >= 1 && position <= 65);
                    printed[65 - position] = text[0];
                } else {
                    QCOMPARE(type, QStringLiteral("CHECK_NUMBER"));
                    QCOMPARE(items.value(QStringLiteral("Align_%1").arg(n)), QStringLiteral("right"));
                    ++numberItems;
                    // GnuCash sets the digits at whole points, ending at x + w:
                    // the last in its cell, the first off by the rounding.
                    const double width = coords.value(2).toDouble();
                    const double rounded = std::round(AdvancePoints(line));
                    const int digits = int(number.size());
                    QVERIFY(width >= digits * rounded); // else cut short
                    const double right = x + width / 72;
                    const double lastEnd = printer.X(right - rounded / 72 + advance);
                    const double lastCell = paperWidth - PositionOneFromRight - (numberLast - 1) * Pitch;
                    QVERIFY2(std::abs(lastEnd - lastCell) <= Tolerance,
                             qPrintable(QStringLiteral("%1 against %2").arg(lastEnd).arg(lastCell)));
                    const double firstEnd = printer.X(right - digits * rounded / 72 + advance);
                    const double drift = (digits - 1) * std::abs(rounded / 72 * sx - Pitch);
                    QVERIFY(std::abs(firstEnd - (lastCell - (digits - 1) * Pitch)) <= drift + Tolerance);
                }
            }
            QCOMPARE(numberItems, number.isEmpty() ? 0 : 1);
            // Every other character of the line in its own cell.
            QString expected(65, u' ');
            for (int i = 0; i < lines[micrLine].letters.size(); ++i) {
                const int position = lines[micrLine].PositionOf(i);
                if (number.isEmpty() || position > numberLast + number.size() - 1 || position < numberLast)
                    expected[65 - position] = lines[micrLine].letters[i];
            }
            QCOMPARE(printed, expected);
        }

        // Odoo: the line from a fixed left edge, laid out for 0.125 in a
        // character on a printer that prints the page as it is; the
        // margins move the page.
        {
            const ChequeProgramSettings settings = SettingsFor(ChequeProgram::Odoo, inputs);
            QVERIFY(settings.ok);
            const QString topLine = settings.text.section(QStringLiteral("Top Margin: "), 1).section(u' ', 0, 0);
            const QString leftLine = settings.text.section(QStringLiteral("Left Margin: "), 1).section(u' ', 0, 0);
            const double top = topLine.toDouble();
            const double left = leftLine.toDouble();
            const int leftmost = lines[micrLine].FirstPosition();
            const double designedLeft = paperWidth - PositionOneFromRight - leftmost * Pitch;
            const double end = designedLeft + left + leftmost * advance;
            QVERIFY2(std::abs(printer.X(end) - (paperWidth - PositionOneFromRight)) <= Tolerance,
                     qPrintable(QString::number(printer.X(end))));
            const double baseline = bottom - BaselineUp + top;
            QVERIFY(std::abs(printer.Y(baseline) - (bottom - BaselineUp)) <= Tolerance);
        }
    }

    // What cannot be written is said, with nothing written.
    void refusals()
    {
        SettingsInputs inputs = Inputs(3, {1, 1, 0, 0}, ChequePosition::Top, false);
        const ChequeProgramSettings noLine = SettingsFor(ChequeProgram::GnuCash, inputs);
        QVERIFY(!noLine.ok);
        QVERIFY(noLine.text.isEmpty());
        QCOMPARE(noLine.problem, SettingsProblem::NoMicrLine);
        QVERIFY(!noLine.notes.isEmpty());
        // A remembered printer brings the MICR line last composed for it.
        PrinterProfile profile;
        profile.queue = QStringLiteral("laser");
        MicrFields fields;
        fields.routing = QStringLiteral("021000021");
        fields.onUs = QStringLiteral("123456789C");
        profile.micrLine = fields;
        const SettingsInputs remembered = InputsForProfile(profile, PlacementLayout{});
        QVERIFY(remembered.line);
        QCOMPARE(remembered.line->letters, ComposeMicrLine(fields).letters);
        QVERIFY(SettingsFor(ChequeProgram::GnuCash, remembered).ok);
        inputs.face = QStringLiteral("No Such MICR Face");
        inputs.line = BusinessLine();
        for (ChequeProgram program : {ChequeProgram::FreeCheck, ChequeProgram::GnuCash, ChequeProgram::Odoo}) {
            const ChequeProgramSettings settings = SettingsFor(program, inputs);
            QVERIFY(!settings.ok);
            QVERIFY(settings.text.isEmpty());
            QCOMPARE(settings.problem, SettingsProblem::FaceNotInstalled);
            QVERIFY(settings.notes.join(' ').contains(inputs.face));
        }
        QCOMPARE(ChequeProgramFromKey(QStringLiteral("GnuCash")), std::optional(ChequeProgram::GnuCash));
        QCOMPARE(ChequeProgramFromKey(QStringLiteral("quicken")), std::nullopt);
    }
};

QTEST_MAIN(ChequeSettingsTest)
#include "tst_cheque_settings.moc"
