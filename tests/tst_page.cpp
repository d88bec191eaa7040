// The calibration page's units and rows, checked on a recording canvas at
// several resolutions: every position, text, face and font operation.
#include "pages/CalibrationPage.h"
#include "pages/PageCanvas.h"
#include "pages/PageUnits.h"

#include <QtTest>

#include <climits>

namespace {

struct TextRecord
{
    int x;
    int y;
    QString text;
    QString face;
    int points;
    FontStyles style;
};

// Keeps every operation in order, and every text with the font it had.
class RecordingCanvas : public FontKeepingCanvas
{
public:
    explicit RecordingCanvas(CanvasFont &font) : FontKeepingCanvas(font) {}

    void SetFace(const QString &face) override { operations << "face " + face; FontKeepingCanvas::SetFace(face); }
    void SetSize(int points) override { operations << QString("size %1").arg(points); FontKeepingCanvas::SetSize(points); }
    void AddBold() override { operations << "bold"; FontKeepingCanvas::AddBold(); }
    void AddItalic() override { operations << "italic"; FontKeepingCanvas::AddItalic(); }
    void ClearStyle() override { operations << "clear"; FontKeepingCanvas::ClearStyle(); }
    void TextOut(int x, int y, const QString &text) override
    {
        operations << "text";
        texts.push_back({x, y, text, Font().face, Font().points, Font().style});
    }
    // The calibration page sets no text on a baseline and draws no rule.
    void TextOnBaseline(double, int, const QString &, TextAnchor) override { operations << "baseline text"; }
    void FillRect(int, int, int, int) override { operations << "rule"; }

    QStringList operations;
    std::vector<TextRecord> texts;
};

std::vector<TextRecord> DrawAt(int dpiX, int dpiY, FontWeightChoice weight = FontWeightChoice::Standard)
{
    CanvasFont font;
    RecordingCanvas canvas(font);
    DrawCalibrationPage(canvas, ComputePageUnits(dpiX, dpiY), [weight] { return weight; });
    return canvas.texts;
}

const TextRecord &Find(const std::vector<TextRecord> &texts, const QString &start, int nth = 0)
{
    for (const TextRecord &record : texts) {
        if (record.text.startsWith(start) && nth-- == 0)
            return record;
    }
    qFatal("no row starting %s", qPrintable(start));
}

const QString Digits = "01245781012457810124578101245781012457810124578101245781";

} // namespace

class PageTest : public QObject
{
    Q_OBJECT

private slots:
    void mulDiv_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("expected");
        QTest::newRow("600 dpi") << 12 << 600 << 72 << 100;
        QTest::newRow("203 dpi, 33.83") << 12 << 203 << 72 << 34;
        QTest::newRow("96 dpi") << 12 << 96 << 72 << 16;
        QTest::newRow("half rounds up") << 1 << 5 << 2 << 3;
        QTest::newRow("negative half rounds away") << -1 << 5 << 2 << -3;
        QTest::newRow("negative divisor") << 1 << 5 << -2 << -3;
        QTest::newRow("both negative") << -1 << 5 << -2 << 3;
        QTest::newRow("just below half") << 1 << 7 << 15 << 0;
        QTest::newRow("zero divisor") << 12 << 600 << 0 << -1;
        QTest::newRow("wide intermediate") << INT_MAX << 2 << 4 << 1073741824;
        QTest::newRow("overflowing result") << INT_MAX << 4 << 2 << -1;
    }

    void mulDiv()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, expected);
        QCOMPARE(MulDiv(a, b, c), expected);
    }

    void units_data()
    {
        QTest::addColumn<QSize>("dpi");
        QTest::addColumn<int>("tenthInch");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("linePitch");
        QTest::newRow("96") << QSize(96, 96) << 9 << 16 << 19;
        QTest::newRow("203") << QSize(203, 203) << 20 << 34 << 40;
        QTest::newRow("300") << QSize(300, 300) << 30 << 50 << 59;
        QTest::newRow("600") << QSize(600, 600) << 60 << 100 << 119;
        QTest::newRow("600x1200") << QSize(600, 1200) << 60 << 200 << 239;
        QTest::newRow("1200") << QSize(1200, 1200) << 120 << 200 << 239;
    }

    void units()
    {
        QFETCH(QSize, dpi);
        const PageUnits units = ComputePageUnits(dpi.width(), dpi.height());
        QTEST(units.tenthInch, "tenthInch");
        QTEST(units.lineHeight, "lineHeight");
        QTEST(units.linePitch, "linePitch");
    }

    void positionsAt96Dpi()
    {
        const auto texts = DrawAt(96, 96);
        auto at = [&](const QString &start, int nth = 0) {
            const TextRecord &record = Find(texts, start, nth);
            return QPoint(record.x, record.y);
        };
        // Header.
        QCOMPARE(at("Tolvane Fonts"), QPoint(0, 38));
        QCOMPARE(at("www.tolvane.example"), QPoint(495, 38));
        QCOMPARE(at("1200 Harbor"), QPoint(0, 66));
        QCOMPARE(at("Phone:"), QPoint(531, 66));
        QCOMPARE(at("Port Alder"), QPoint(0, 85));
        QCOMPARE(at("Fax:"), QPoint(549, 85));
        // Instruction paragraph.
        const int instructionRows[] = {161, 180, 199, 218, 237, 256};
        const char *instructionStarts[] = {"This MICR", "this page", "MICR line.", "will display", "pick the", "below each"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(at(instructionStarts[i]).y(), instructionRows[i]);
        // Line blocks: label, digits, marks.
        QCOMPARE(at("Line 1,").y(), 285);
        QCOMPARE(at(Digits, 0).y(), 304);
        QCOMPARE(at("|", 0).y(), 323);
        QCOMPARE(at("Line 2,").y(), 351);
        QCOMPARE(at("Line 5,").y(), 551);
        QCOMPARE(at(Digits, 4).y(), 570);
        QCOMPARE(at("|", 4).y(), 589);
        // Symbol legend.
        QCOMPARE(at("A"), QPoint(0, 636));
        QCOMPARE(at("Transit"), QPoint(18, 636));
        QCOMPARE(at("B"), QPoint(315, 636));
        QCOMPARE(at("Amount"), QPoint(333, 636));
        QCOMPARE(at("C"), QPoint(0, 655));
        QCOMPARE(at("D"), QPoint(315, 655));
        QCOMPARE(at("Dash"), QPoint(333, 655));
        // Security samples and closing rows.
        QCOMPARE(at("Warden1:").y(), 712);
        QCOMPARE(at("Warden3:").y(), 760);
        QCOMPARE(at("Warden5:").y(), 807);
        QCOMPARE(at("Warden21:"), QPoint(0, 855));
        QCOMPARE(at("SAMPLE CO"), QPoint(126, 855));
        QCOMPARE(at("1,000.75"), QPoint(495, 855));
        QCOMPARE(at("A much larger").y(), 902);
        QCOMPARE(at("character sets").y(), 921);
        QCOMPARE(at("and samples").y(), 940);
        QCOMPARE(at("We can also").y(), 969);
    }

    void positionsAtOtherResolutions_data()
    {
        QTest::addColumn<int>("dpiX");
        QTest::addColumn<int>("dpiY");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("300 address") << 300 << 300 << "1200 Harbor" << QPoint(0, 206);
        QTest::newRow("300 city") << 300 << 300 << "Port Alder" << QPoint(0, 265);
        QTest::newRow("300 line 2 label") << 300 << 300 << "Line 2," << QPoint(0, 1091);
        QTest::newRow("600x1200 address") << 600 << 1200 << "1200 Harbor" << QPoint(0, 836);
        QTest::newRow("600x1200 phone") << 600 << 1200 << "Phone:" << QPoint(3540, 836);
        QTest::newRow("600 web host") << 600 << 600 << "www.tolvane.example" << QPoint(3300, 238);
        QTest::newRow("600 italic row") << 600 << 600 << "We can also" << QPoint(0, 6069);
        QTest::newRow("203 web host") << 203 << 203 << "www.tolvane.example" << QPoint(1100, 80);
        QTest::newRow("1200 fax") << 1200 << 1200 << "Fax:" << QPoint(7320, 1075);
    }

    void positionsAtOtherResolutions()
    {
        QFETCH(int, dpiX);
        QFETCH(int, dpiY);
        QFETCH(QString, row);
        QFETCH(QPoint, position);
        const auto texts = DrawAt(dpiX, dpiY);
        const TextRecord &record = Find(texts, row);
        QCOMPARE(QPoint(record.x, record.y), position);
    }

    void linesAreSetInTheirFaces_data()
    {
        QTest::addColumn<bool>("bold");
        QTest::newRow("standard") << false;
        QTest::newRow("bold") << true;
    }

    void linesAreSetInTheirFaces()
    {
        QFETCH(bool, bold);
        const auto texts = DrawAt(600, 600, bold ? FontWeightChoice::Bold : FontWeightChoice::Standard);
        const char *standard[] = {"FerroN Sample", "FerroN2 Sample", "Ferro Sample", "FerroW2 Sample", "FerroW Sample"};
        const char *dark[] = {"FerrodarkN Sample", "FerrodarkN2 Sample", "Ferrodark Sample", "FerrodarkW2 Sample",
                              "FerrodarkW Sample"};
        const QString marks = "|" + QString(55, ' ') + "|";
        for (int line = 1; line <= 5; ++line) {
            const TextRecord &label = Find(texts, QString("Line %1,").arg(line));
            QCOMPARE(label.text, QString("Line %1,  typeface name:  ").arg(line) + (bold ? dark : standard)[line - 1]);
            QCOMPARE(label.face, QString("Arial"));
            QCOMPARE(label.points, 12);
            QCOMPARE(label.style, FontStyles(fsBold));
            const TextRecord &digits = Find(texts, Digits, line - 1);
            QCOMPARE(digits.text.size(), 56);
            QCOMPARE(digits.face, QString(standard[line - 1]));
            QCOMPARE(digits.points, 10);
            QCOMPARE(digits.style, FontStyles(0));
            const TextRecord &bars = Find(texts, "|", line - 1);
            QCOMPARE(bars.text, marks);
            QCOMPARE(bars.face, QString(standard[line - 1]));
            QCOMPARE(bars.points, 10);
        }
    }

    void everyOtherRow()
    {
        const auto texts = DrawAt(600, 600);
        QCOMPARE(int(texts.size()), 6 + 6 + 15 + 9 + 17 + 4);
        struct Expected
        {
            const char *text;
            const char *face;
            int points;
            FontStyles style;
        };
        const Expected expected[] = {
            {"Tolvane Fonts, Inc.", "Arial", 18, fsBold},
            {"www.tolvane.example", "Arial", 18, 0},
            {"This MICR calibration page helps you select the correct MICR font for your printer and operating system. Once", "Arial", 11, 0},
            {"below each MICR line. The last mark below that same MICR line should match the left side of position #6.", "Arial", 11, 0},
            {"The four special symbols needed in MICR encoding are accessed by using the characters shown below:", "Arial", 11, 0},
            {"Transit,   use \"A\" or \":\" ", "Arial", 11, 0},
            {"Amount,   use \"B\" or \";\" ", "Arial", 11, 0},
            {"On-Us,   use \"C\" or \"<\" ", "Arial", 11, 0},
            {"Dash,   use \"D\" or \"=\" ", "Arial", 11, 0},
            {"Warden22:", "Arial", 22, 0},
            {"[SAMPLE_CO]", "Warden1a Sample", 34, 0},
            {"(_$126.45)", "Warden2a Sample", 34, 0},
            {"<=$678.75>", "Warden4a Sample", 34, 0},
            {"[$200.50]", "Warden6a Sample", 34, 0},
            {"SAMPLE CO", "Warden21a Sample", 30, 0},
            {"1,000.75", "Warden22a Sample", 30, 0},
            {"We can also convert your signature or company logo into a font, for check printing or use anywhere in Windows.", "Arial", 11, fsItalic},
        };
        for (const Expected &row : expected) {
            const TextRecord &record = Find(texts, row.text);
            QCOMPARE(record.text, QString(row.text));
            QCOMPARE(record.face, QString(row.face));
            QCOMPARE(record.points, row.points);
            QCOMPARE(record.style, row.style);
        }
        for (const char *letter : {"A", "B", "C", "D"}) {
            const TextRecord &record = Find(texts, letter);
            QCOMPARE(record.text, QString(letter));
            QCOMPARE(record.face, QString("Ferro Sample"));
            QCOMPARE(record.points, 10);
        }
        const QChar tm(0x2122);
        QCOMPARE(Find(texts, "This package").text,
                 QString("This package also includes eight Warden Fonts") + tm + ". These font styles include:");
        QCOMPARE(Find(texts, "A much larger").text,
                 QString("A much larger set of 26 Warden Fonts") + tm +
                     ", some of which support upper and lower case letters plus international");
        QCOMPARE(Find(texts, "character sets").text,
                 QString("character sets, is available at our web site. Call us (206-555-0147) or visit our "
                         "web site for more information"));
        QCOMPARE(Find(texts, "and samples").text, QString("and samples: www.tolvane.example."));
        // Texts end exactly as written.
        for (const TextRecord &record : texts) {
            if (record.face == "Arial" && !record.text.contains("use \""))
                QVERIFY2(!record.text.endsWith(' ') || record.text.startsWith("Line"), qPrintable(record.text));
        }
    }

    void fontOperations()
    {
        CanvasFont font;
        RecordingCanvas canvas(font);
        const PageUnits units = ComputePageUnits(600, 600);
        int labelsAsked = 0;
        auto weight = [&labelsAsked] {
            ++labelsAsked;
            return FontWeightChoice::Standard;
        };
        DrawCalibrationPage(canvas, units, weight);
        QCOMPARE(labelsAsked, 5);
        const QStringList first = canvas.operations;
        QCOMPARE(first.mid(0, 6), QStringList({"clear", "face Arial", "size 18", "bold", "text", "clear"}));
        // A line block: Arial 12 bold, then clear for the face's digits.
        const int label = first.indexOf("size 12", first.indexOf("text", first.indexOf("size 11")));
        QCOMPARE(first.mid(label - 1, 9), QStringList({"face Arial", "size 12", "bold", "text", "clear",
                                                       "face FerroN Sample", "size 10", "text", "face FerroN Sample"}));
        QCOMPARE(first.count("italic"), 1);
        QCOMPARE(first.count("bold"), 6);
        QCOMPARE(first[first.size() - 2], QString("italic"));
        QCOMPARE(canvas.Style(), FontStyles(fsItalic));

        // A second page on the same canvas starts from a cleared style: its
        // company row is bold, not bold italic.
        canvas.texts.clear();
        DrawCalibrationPage(canvas, units, weight);
        QCOMPARE(canvas.texts.front().style, FontStyles(fsBold));
        QCOMPARE(canvas.operations.mid(first.size(), first.size()), first);
    }

    void weightIsReadForEachLabel()
    {
        CanvasFont font;
        RecordingCanvas canvas(font);
        int asked = 0;
        DrawCalibrationPage(canvas, ComputePageUnits(300, 300), [&asked] {
            return ++asked % 2 ? FontWeightChoice::Bold : FontWeightChoice::Standard;
        });
        QVERIFY(Find(canvas.texts, "Line 1,").text.endsWith("FerrodarkN Sample"));
        QVERIFY(Find(canvas.texts, "Line 2,").text.endsWith(" FerroN2 Sample"));
        QVERIFY(Find(canvas.texts, "Line 3,").text.endsWith("Ferrodark Sample"));
    }

    void lastRowStandsAbout10Inches()
    {
        for (int dpi : {96, 203, 300, 600, 1200}) {
            const auto texts = DrawAt(dpi, dpi);
            const double inches = double(texts.back().y) / dpi;
            QVERIFY2(inches > 10.0 && inches < 10.2, qPrintable(QString::number(inches)));
        }
    }
};

QTEST_GUILESS_MAIN(PageTest)
#include "tst_page.moc"
