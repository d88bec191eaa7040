#include "pages/CalibrationPage.h"

#include "pages/PageCanvas.h"
#include "common/VendorDetails.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
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

// The page's columns. The right-hand column (the web address, the second
// column of security samples) stands where Letter has room for it; on a
// narrower paper it moves left as one, by whole columns (see
// RightColumnShift).
constexpr int WebHostColumn = 55;
constexpr int SecondLabelColumn = 41;
constexpr int SecondSampleColumn = 54;
// Nothing comes nearer the paper's right edge: no printer prints there.
constexpr double RightEdgeClearanceInches = 0.1;

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
    rows.push_back({WebHostColumn, 4, Arial, 18, RowStyle::Regular, Latin1(Vendor::WebHost), 0, true});
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
        const bool rightColumn = sample.labelColumn == SecondLabelColumn;
        rows.push_back({sample.labelColumn, sample.halfLines, Arial, 22, RowStyle::Regular, Latin1(sample.label), 0,
                        rightColumn});
        rows.push_back({sample.sampleColumn, sample.halfLines, Latin1(sample.face), sample.points,
                        RowStyle::Regular, Latin1(sample.text), 0, rightColumn});
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

double RowWidthInches(const PageRow &row)
{
    // At 100 pixels a point the advance is exact to far below a printer's
    // pixel, whatever the screen's resolution.
    constexpr int PixelsPerPoint = 100;
    QFont font(row.face);
    font.setPixelSize(row.points * PixelsPerPoint);
    font.setBold(row.style == RowStyle::Bold);
    font.setItalic(row.style == RowStyle::Italic);
    return QFontMetricsF(font).horizontalAdvance(row.text) / (PixelsPerPoint * 72.0);
}

int RightColumnShift(const std::vector<PageRow> &rows, double roomInches,
                     const std::function<double(const PageRow &)> &widthInches)
{
    double overrun = 0;
    for (const PageRow &row : rows) {
        if (row.rightColumn)
            overrun = std::max(overrun, row.column / 10.0 + widthInches(row) - roomInches);
    }
    // Whole columns, just enough; a hair's overrun is no column.
    return int(std::ceil(overrun * 10 - 1e-9));
}

std::vector<PageRow> CalibrationPageRows(double paperWidthInches, double originInches)
{
    // Built each time: the texts are in the language of the moment.
    std::vector<PageRow> rows = BuildRows();
    if (paperWidthInches <= 0)
        return rows; // the layout's own columns, measured against no paper
    const double room = paperWidthInches - originInches - RightEdgeClearanceInches;
    const int shift = RightColumnShift(rows, room, RowWidthInches);
    for (PageRow &row : rows) {
        if (row.rightColumn)
            row.column -= shift;
    }
    return rows;
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
                         const std::function<FontWeightChoice()> &labelWeight, double paperWidthInches,
                         double originInches)
{
    // The canvas font outlives a page, and the last row is italic.
    canvas.ClearStyle();
    for (const PageRow &row : CalibrationPageRows(paperWidthInches, originInches)) {
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

std::vector<MeasuredMark> CalibrationMeasuredMarks(QPointF originInches, double paperWidthInches, int dpiX,
                                                   int dpiY)
{
    const PageUnits units = ComputePageUnits(dpiX, dpiY);
    std::vector<MeasuredMark> marks;
    const std::vector<PageRow> rows = CalibrationPageRows(paperWidthInches, originInches.x());
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        // The line's digits and the marks under them: the two rows after
        // its label.
        const auto label = std::find_if(rows.begin(), rows.end(),
                                        [line](const PageRow &row) { return row.labelOfLine == line; });
        for (auto row = label + 1; row != rows.end() && row <= label + 2; ++row) {
            const QRectF cell(originInches.x() + double(RowX(*row, units)) / dpiX,
                              originInches.y() + double(RowY(*row, units)) / dpiY, RowWidthInches(*row),
                              row->points / 72.0);
            marks.push_back({QCoreApplication::translate("CalibrationPage", "Line %1").arg(line), cell});
        }
    }
    return marks;
}
