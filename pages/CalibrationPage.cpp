#include "pages/CalibrationPage.h"

#include "pages/PageCanvas.h"
#include "common/VendorDetails.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QStringList>

#include <cmath>

namespace {

const QString Arial = QStringLiteral("Arial");
const QString StandardMicrFace = QString::fromLatin1(MicrFaceName(3, FontWeightChoice::Standard));
const QChar TradeMark(0x2122);

QString Latin1(const char *text) { return QString::fromLatin1(text); }

// The page's words in the user's language. The paragraphs are set line by
// line, as rows of the page: each line is translated on its own, to about
// its English length, so that the page's geometry holds in every language.
QString Translated(const char *text)
{
    return QCoreApplication::translate("CalibrationPage", text);
}

// The page's right-hand column (the web address, the second column of
// security samples) stands where it ends well inside A4's width, the
// narrower paper, less the 0.1 in next to any edge that no printer prints:
// A4 is 8.27 in wide and the page starts 0.25 in in, so nothing may reach
// past 7.92 in from the page's origin. The web address ends flush with the
// phone and fax numbers under it.
constexpr int WebHostColumn = 51;
// The second column of security samples: its labels and samples 4
// columns further left than a Letter-only page would put them.
constexpr int SecondLabelColumn = 37;
constexpr int SecondSampleColumn = 50;

// The phone number's column; the fax number ends under it, whatever the
// language calls them.
constexpr int PhoneColumn = 59;
// Where the fax row starts, to the nearest column, for its end to meet the
// phone row's end: 2 columns further right in English, as "Fax: " is
// 0.2 in shorter than "Phone: ".
constexpr int EnglishFaxColumn = 61;

int FaxColumn(const QString &phone, const QString &fax)
{
    // Metrics need the GUI; without it, the English columns.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return EnglishFaxColumn;
    // Measured at an em of 1000 pixels: widths in thousandths of an em, and
    // an em is 12 pt, a sixth of an inch.
    QFont font(Arial);
    font.setPixelSize(1000);
    const QFontMetricsF metrics(font);
    const double shorterInches = (metrics.horizontalAdvance(phone) - metrics.horizontalAdvance(fax)) / 1000.0 / 6.0;
    return PhoneColumn + int(std::lround(shorterInches * 10));
}

void AddHeader(std::vector<PageRow> &rows)
{
    rows.push_back({0, 4, Arial, 18, RowStyle::Bold, Latin1(Vendor::CompanyName)});
    rows.push_back({WebHostColumn, 4, Arial, 18, RowStyle::Regular, Latin1(Vendor::WebHost)});
    rows.push_back({0, 7, Arial, 12, RowStyle::Regular, Latin1(Vendor::StreetAddress)});
    const QString phone = QCoreApplication::translate("CalibrationPage", "Phone: %1").arg(Latin1(Vendor::PhoneNumber));
    const QString fax = QCoreApplication::translate("CalibrationPage", "Fax: %1").arg(Latin1(Vendor::FaxNumber));
    rows.push_back({PhoneColumn, 7, Arial, 12, RowStyle::Regular, phone});
    rows.push_back({0, 9, Arial, 12, RowStyle::Regular, Latin1(Vendor::CityLine)});
    rows.push_back({FaxColumn(phone, fax), 9, Arial, 12, RowStyle::Regular, fax});
}

void AddInstructions(std::vector<PageRow> &rows)
{
    static const char *const lines[] = {
        QT_TRANSLATE_NOOP("CalibrationPage", "This MICR calibration page helps you select the correct MICR font for your printer and operating system. Once"),
        QT_TRANSLATE_NOOP("CalibrationPage", "this page is cool, measure the length of each of the five sample MICR lines below using the marks below each"),
        QT_TRANSLATE_NOOP("CalibrationPage", "MICR line. Select the line that is closest to 7 inches and enter that line number into the calibration program. This"),
        QT_TRANSLATE_NOOP("CalibrationPage", "will display the name of the MICR font to use on your system. If your printer shows two lines of the same length,"),
        QT_TRANSLATE_NOOP("CalibrationPage", "pick the line nearest to Line 3. Using a MICR Check Gauge, align the left side of position #62 with the first mark"),
        QT_TRANSLATE_NOOP("CalibrationPage", "below each MICR line. The last mark below that same MICR line should match the left side of position #6."),
    };
    int halfLines = 17;
    for (const char *line : lines) {
        rows.push_back({0, halfLines, Arial, 11, RowStyle::Regular, Translated(line)});
        halfLines += 2;
    }
}

void AddCalibrationLines(std::vector<PageRow> &rows)
{
    const QString digits = SampleLineText();
    const QString marks = QLatin1Char('|') + QString(55, QLatin1Char(' ')) + QLatin1Char('|');
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const int b = 30 + 7 * (line - 1);
        const QString face = Latin1(MicrFaceName(line, FontWeightChoice::Standard));
        rows.push_back({0, b, Arial, 12, RowStyle::Bold,
                        QCoreApplication::translate("CalibrationPage", "Line %1,  typeface name:  ").arg(line), line});
        rows.push_back({0, b + 2, face, 10, RowStyle::Regular, digits});
        rows.push_back({0, b + 4, face, 10, RowStyle::Regular, marks});
    }
}

void AddSymbolLegend(std::vector<PageRow> &rows)
{
    rows.push_back({0, 65, Arial, 11, RowStyle::Regular,
                    QCoreApplication::translate("CalibrationPage",
                                                "The four special symbols needed in MICR encoding are accessed by "
                                                "using the characters shown below:")});
    struct Symbol
    {
        int column;
        int halfLines;
        const char *letter;
        const char *explanation;
    };
    static const Symbol symbols[] = {
        {0, 67, "A", QT_TRANSLATE_NOOP("CalibrationPage", "Transit,   use \"A\" or \":\" ")},
        {35, 67, "B", QT_TRANSLATE_NOOP("CalibrationPage", "Amount,   use \"B\" or \";\" ")},
        {0, 69, "C", QT_TRANSLATE_NOOP("CalibrationPage", "On-Us,   use \"C\" or \"<\" ")},
        {35, 69, "D", QT_TRANSLATE_NOOP("CalibrationPage", "Dash,   use \"D\" or \"=\" ")},
    };
    for (const Symbol &symbol : symbols) {
        rows.push_back({symbol.column, symbol.halfLines, StandardMicrFace, 10, RowStyle::Regular, Latin1(symbol.letter)});
        rows.push_back({symbol.column + 2, symbol.halfLines, Arial, 11, RowStyle::Regular, Translated(symbol.explanation)});
    }
}

struct SecuritySample
{
    int halfLines;
    int labelColumn;
    const char *label;
    int sampleColumn;
    const char *face;
    int points;
    const char *text;
};

const SecuritySample SecuritySamples[] = {
    {75, 0, "Warden1:", 13, "Warden1a Sample", 34, "[SAMPLE_CO]"},
    {75, SecondLabelColumn, "Warden2:", SecondSampleColumn, "Warden2a Sample", 34, "(_$126.45)"},
    {80, 0, "Warden3:", 13, "Warden3a Sample", 34, "[SAMPLE_CO]"},
    {80, SecondLabelColumn, "Warden4:", SecondSampleColumn, "Warden4a Sample", 34, "<=$678.75>"},
    {85, 0, "Warden5:", 13, "Warden5a Sample", 34, "[SAMPLE_CO]"},
    {85, SecondLabelColumn, "Warden6:", SecondSampleColumn, "Warden6a Sample", 34, "[$200.50]"},
    {90, 0, "Warden21:", 14, "Warden21a Sample", 30, "SAMPLE CO"},
    {90, SecondLabelColumn, "Warden22:", SecondSampleColumn + 1, "Warden22a Sample", 30, "1,000.75"},
};

void AddSecuritySamples(std::vector<PageRow> &rows)
{
    rows.push_back({0, 72, Arial, 11, RowStyle::Regular,
                    QCoreApplication::translate("CalibrationPage",
                                                "This package also includes eight Warden Fonts%1. These font styles "
                                                "include:")
                        .arg(TradeMark)});
    for (const SecuritySample &sample : SecuritySamples) {
        rows.push_back({sample.labelColumn, sample.halfLines, Arial, 22, RowStyle::Regular, Latin1(sample.label)});
        rows.push_back({sample.sampleColumn, sample.halfLines, Latin1(sample.face), sample.points,
                        RowStyle::Regular, Latin1(sample.text)});
    }
}

void AddClosingParagraphs(std::vector<PageRow> &rows)
{
    rows.push_back({0, 95, Arial, 11, RowStyle::Regular,
                    QCoreApplication::translate("CalibrationPage",
                                                "A much larger set of 26 Warden Fonts%1, some of which support upper "
                                                "and lower case letters plus international")
                        .arg(TradeMark)});
    rows.push_back({0, 97, Arial, 11, RowStyle::Regular,
                    QCoreApplication::translate("CalibrationPage",
                                                "character sets, is available at our web site. Call us (%1) or visit "
                                                "our web site for more information")
                        .arg(Latin1(Vendor::PhoneNumber))});
    rows.push_back({0, 99, Arial, 11, RowStyle::Regular,
                    QCoreApplication::translate("CalibrationPage", "and samples: %1.").arg(Latin1(Vendor::WebHost))});
    rows.push_back({0, 102, Arial, 11, RowStyle::Italic,
                    QCoreApplication::translate("CalibrationPage",
                                                "We can also convert your signature or company logo into a font, for "
                                                "check printing or use anywhere in Windows.")});
}

std::vector<PageRow> BuildRows()
{
    std::vector<PageRow> rows;
    AddHeader(rows);
    AddInstructions(rows);
    AddCalibrationLines(rows);
    AddSymbolLegend(rows);
    AddSecuritySamples(rows);
    AddClosingParagraphs(rows);
    return rows;
}

// Brings the canvas font to the row's face, size and style: a bold or
// italic row is reached by adding to a cleared style, a regular row clears.
void SelectRowFont(PageCanvas &canvas, const PageRow &row)
{
    if (row.style == RowStyle::Regular && canvas.Style() != 0)
        canvas.ClearStyle();
    canvas.SetFace(row.face);
    canvas.SetSize(row.points);
    if (row.style == RowStyle::Bold && !(canvas.Style() & fsBold))
        canvas.AddBold();
    if (row.style == RowStyle::Italic && !(canvas.Style() & fsItalic))
        canvas.AddItalic();
}

} // namespace

QString SampleLineText()
{
    return QLatin1String(SampleLineDigits);
}

std::vector<PageRow> CalibrationPageRows()
{
    // Built each time: the texts are in the language of the moment.
    return BuildRows();
}

int RowX(const PageRow &row, const PageUnits &units)
{
    return row.column * units.tenthInch;
}

int RowY(const PageRow &row, const PageUnits &units)
{
    return row.halfLines * units.linePitch / 2;
}

void DrawCalibrationPage(PageCanvas &canvas, const PageUnits &units,
                         const std::function<FontWeightChoice()> &labelWeight)
{
    // The canvas font outlives a page, and the last row is italic.
    canvas.ClearStyle();
    for (const PageRow &row : CalibrationPageRows()) {
        SelectRowFont(canvas, row);
        QString text = row.text;
        if (row.labelOfLine != 0)
            text += QString::fromLatin1(MicrFaceName(row.labelOfLine, labelWeight()));
        canvas.TextOut(RowX(row, units), RowY(row, units), text);
    }
}

QStringList MissingMicrFaces()
{
    QStringList missing;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        const QString face = QString::fromLatin1(MicrFaceName(line, FontWeightChoice::Standard));
        if (!QFontDatabase::hasFamily(face))
            missing << face;
    }
    return missing;
}

QStringList SecurityFaces()
{
    QStringList faces;
    for (const SecuritySample &sample : SecuritySamples)
        faces << QString::fromLatin1(sample.face);
    return faces;
}
