// Cheque files read through poppler and checked against a printer: every
// expected place comes from the published E-13B geometry, the test faces'
// known advances and a printer model this test applies itself.
#include "ChequeFiles.h"
#include "PageMeasure.h"

#include "answers/ChequeCheck.h"
#include "store/PrinterProfiles.h"
#include "wording/Wording.h"
#include "chequefile/ChequeFileClient.h"
#include "chequefile/ChequeFileReader.h"
#include "i18n/Translations.h"
#include "wording/ChequeWording.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTranslator>
#include <QtTest>

#include <cmath>

namespace {

// The published geometry: position 1 ends 5/16 in from the cheque's right
// edge, the baseline stands 3/16 in above its bottom edge, 0.125 in a
// position, the clear band is the bottom 5/8 in.
constexpr double PositionOneFromRight = 5.0 / 16;
constexpr double BaselineFromBottom = 3.0 / 16;
constexpr double Pitch = 0.125;
constexpr double ClearBand = 5.0 / 8;
constexpr double Tolerance = 0.002;

// The findings' codes, in order, for comparing and for a failure's message.
QStringList Codes(const ChequeCheck &check)
{
    QStringList codes;
    for (const ChequeFinding &finding : check.findings)
        codes << ChequeFindingCode(finding.kind);
    return codes;
}

QString Said(const ChequeCheck &check)
{
    QStringList faults;
    for (const ChequeFinding &finding : check.findings)
        faults << Wording::ChequeFault(Wording::For::Script, check, finding);
    return faults.join(QLatin1Char('\n'));
}

const ChequeFinding *FindingOf(const ChequeCheck &check, ChequeFindingKind kind)
{
    for (const ChequeFinding &finding : check.findings) {
        if (finding.kind == kind)
            return &finding;
    }
    return nullptr;
}

// Transit field at 43-33, on-us ending at 14: 30 characters.
const QString UsLine = QStringLiteral("A021000021A         123456789C");
constexpr int UsLineLast = 14;

const char *const Faces[] = {"FerroN Sample", "FerroN2 Sample", "Ferro Sample", "FerroW2 Sample", "FerroW Sample"};

double FaceLineInches(int line)
{
    return 56 * TestFaceAdvances[line - 1] / 1000.0 * 10 / 72;
}

// A printer: (sx·x + ox, sy·y + oy).
struct Printer
{
    double sx = 1, sy = 1, ox = 0, oy = 0;
};

// The line's N's printer of the command line: Line N's face prints 7 in.
Printer LinePrinter(int line)
{
    return {7.0 / FaceLineInches(line), 1, 0, 0};
}

// The paper as it is defined (A4 is 210 x 297 mm), not Qt's inches rounded
// to a hundredth.
QSizeF PaperInches(const QPageSize &paper)
{
    return paper.size(QPageSize::Millimeter) / 25.4;
}

double ChequeHeight(const QPageSize &paper)
{
    return PaperInches(paper).height() > 11.1 ? 99 / 25.4 : 3.5;
}

// Where a text must start on the page to put its last character's right
// end at `position` on `printer`'s paper, and its baseline where it belongs,
// shifted on the page by (dx, dy).
ChequeText PlacedLine(const QPageSize &paper, int cheque, int line, const Printer &printer, int lastPosition,
                      double dx, double dy)
{
    const QSizeF size = PaperInches(paper);
    const double chequeBottom = (cheque + 1) * ChequeHeight(paper);
    const double landedRight = size.width() - PositionOneFromRight - (lastPosition - 1) * Pitch;
    const double landedBaseline = chequeBottom - BaselineFromBottom;
    const double pageRight = (landedRight - printer.ox) / printer.sx + dx;
    const double width = double(UsLine.size()) * TestFaceAdvances[line - 1] / 1000.0 * 10 / 72;
    return {QLatin1String(Faces[line - 1]), 10, pageRight - width, (landedBaseline - printer.oy) / printer.sy + dy,
            UsLine};
}

struct Expected
{
    double right = 0;
    double baseline = 0;
    double moveRight = 0;
    double moveUp = 0;
};

// What the check should answer for `text` printed on `printer` from a page
// zoomed by `zoom`, worked out here from the text's own placing.
Expected Expect(const QPageSize &paper, int cheque, const Printer &printer, const ChequeText &text, double zoom,
                int belongsAt)
{
    const QSizeF size = PaperInches(paper);
    const double chequeBottom = (cheque + 1) * ChequeHeight(paper);
    double pen = text.left;
    for (QChar c : text.text)
        pen += AdvanceInches(text.face, text.points, c);
    const double pitch = printer.sx * zoom * AdvanceInches(text.face, text.points, QLatin1Char('0'));
    const double lastRight = size.width() - (printer.sx * zoom * pen + printer.ox);
    Expected expected;
    expected.right = lastRight - (belongsAt - 1) * pitch;
    const double landedBaseline = printer.sy * zoom * text.baseline + printer.oy;
    expected.baseline = chequeBottom - landedBaseline;
    expected.moveRight = (expected.right - PositionOneFromRight) / printer.sx;
    expected.moveUp = (landedBaseline - (chequeBottom - BaselineFromBottom)) / printer.sy;
    return expected;
}

PrinterModel Model(const Printer &printer, int line)
{
    PrinterModel model;
    model.sx = printer.sx;
    model.sy = printer.sy;
    model.ox = printer.ox;
    model.oy = printer.oy;
    model.line = line;
    return model;
}

struct Run
{
    int status;
    QString errors;
    QString output;
};

// The exporter, as a script runs it.
Run Exporter(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MICR_PAGE_EXPORTER), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError()), QString::fromUtf8(process.readAllStandardOutput())};
}

// The environment of a user whose messages are in `lang`, nothing else
// choosing them.
QProcessEnvironment InLocale(const QString &lang)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), lang);
    return environment;
}

} // namespace


class ChequeFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    int files_ = 0;

    QString Path(const QString &suffix = QStringLiteral("pdf"))
    {
        return dir_.filePath(QStringLiteral("cheque%1.%2").arg(++files_).arg(suffix));
    }

    ChequeCheck Check(const QString &path, int cheque, const PrinterModel &model)
    {
        ChequeFileProblem problem;
        const std::optional<ChequeFilePage> page = ReadChequeFile(path, &problem);
        if (!page)
            qWarning("%s", qPrintable(Wording::ChequeFileUnread(Wording::For::Script, problem)));
        return page ? CheckCheque(*page, ChequePosition(cheque), std::nullopt, model) : ChequeCheck{};
    }

    static void Compare(const ChequeCheck &check, const Expected &expected)
    {
        QVERIFY2(std::abs(check.rightInches - expected.right) <= Tolerance,
                 qPrintable(QStringLiteral("right %1, expected %2").arg(check.rightInches).arg(expected.right)));
        QVERIFY2(std::abs(check.baselineInches - expected.baseline) <= Tolerance,
                 qPrintable(QStringLiteral("baseline %1, expected %2").arg(check.baselineInches).arg(expected.baseline)));
        QVERIFY(std::abs(check.moveRight - expected.moveRight) <= Tolerance);
        QVERIFY(std::abs(check.moveUp - expected.moveUp) <= Tolerance);
    }

private slots:
    void landsWhereThePrinterPutsIt_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<int>("cheque");
        QTest::addColumn<int>("line");
        QTest::addColumn<QList<double>>("printer"); // sx sy ox oy; empty: Line N's printer
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        const double shifts[] = {0, 0.06, -0.06, 0.031, -0.02};
        int row = 0;
        for (const QPageSize &paper : {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4)}) {
            for (int cheque = 0; cheque < 3; ++cheque) {
                for (int line = 1; line <= 5; ++line, ++row) {
                    QTest::addRow("%s cheque %d line %d", paper.key().toLatin1().constData(), cheque, line)
                        << paper << cheque << line << QList<double>{} << shifts[row % 5] << shifts[(row + 2) % 5];
                }
            }
        }
        // Printers whose placement was measured: a shift as well as a scale.
        QTest::newRow("measured printer, letter top")
            << QPageSize(QPageSize::Letter) << 0 << 2 << QList<double>{7.0 / FaceLineInches(2), 1.004, 0.035, -0.02}
            << 0.0 << 0.0;
        QTest::newRow("measured printer, a4 bottom, shifted")
            << QPageSize(QPageSize::A4) << 2 << 4 << QList<double>{7.0 / FaceLineInches(4), 0.993, -0.05, 0.04}
            << -0.045 << 0.05;
    }

    void landsWhereThePrinterPutsIt()
    {
        QFETCH(QPageSize, paper);
        QFETCH(int, cheque);
        QFETCH(int, line);
        QFETCH(QList<double>, printer);
        QFETCH(double, dx);
        QFETCH(double, dy);
        const Printer model = printer.isEmpty() ? LinePrinter(line) : Printer{printer[0], printer[1], printer[2], printer[3]};
        ChequeFileContent content;
        content.paper = paper;
        content.texts.push_back(PlacedLine(paper, cheque, line, model, UsLineLast, dx, dy));
        // A payee line and the other cheques' lines, which must not count.
        content.texts.push_back({QStringLiteral("Liberation Sans"), 11, 0.5, cheque * ChequeHeight(paper) + 1.2,
                              QStringLiteral("Pay to the order of")});
        for (int other = 0; other < 3; ++other) {
            if (other != cheque)
                content.texts.push_back(PlacedLine(paper, other, line, model, UsLineLast, 0.3, 0));
        }
        const QString path = Path();
        QVERIFY(WriteChequePdf(path, content));
        const ChequeCheck check = Check(path, cheque, Model(model, line));
        QVERIFY(check.found);
        QCOMPARE(check.text, UsLine);
        QCOMPARE(check.face, QString(QLatin1String(Faces[line - 1])).remove(QLatin1Char(' ')));
        QVERIFY(std::abs(check.points - 10) < 0.001);
        Compare(check, Expect(paper, cheque, model, content.texts.front(), 1, UsLineLast));
        // Shifted by less than half a position, every character keeps its own.
        QCOMPARE(check.lastPosition, UsLineLast);
        QCOMPARE(check.firstPosition, 43);
        QVERIFY2(check.findings.empty(), qPrintable(Said(check)));
        QCOMPARE(check.fine(), std::abs(dx) <= 1.0 / 32 && std::abs(dy) <= 1.0 / 32);
    }

    // Pages as other programs print them: zoomed by an HTML converter or
    // "fit to page", set at another size or face, centred, or started at
    // the transit symbol.
    void otherProgramsPages_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("fileLine"); // the face the file uses
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("anchor"); // standard, centred, transit
        QTest::addColumn<int>("lastPosition"); // where its last character lands
        QTest::addColumn<QStringList>("codes"); // of the findings, among others

        QTest::newRow("zoomed 90 %") << 0.90 << 3 << 10.0 << "standard" << 0 << QStringList{"wrong-size"};
        QTest::newRow("zoomed 95 %") << 0.95 << 3 << 10.0 << "standard" << 0 << QStringList{"wrong-size"};
        QTest::newRow("zoomed 99.5 %: 9.95 pt, at the limit") << 0.995 << 3 << 10.0 << "standard" << 0 << QStringList{};
        QTest::newRow("zoomed 99.4 %: 9.94 pt") << 0.994 << 3 << 10.0 << "standard" << 0 << QStringList{"wrong-size"};
        QTest::newRow("zoomed 105 %") << 1.05 << 3 << 10.0 << "standard" << 0 << QStringList{"wrong-size"};
        QTest::newRow("12 pt as FreeCheck's sample") << 1.0 << 3 << 12.0 << "standard" << 0 << QStringList{"wrong-size"};
        QTest::newRow("10.05 pt, at the limit") << 1.0 << 3 << 10.05 << "standard" << 0 << QStringList{};
        QTest::newRow("another line's face") << 1.0 << 5 << 10.0 << "standard" << 0 << QStringList{"other-face"};
        QTest::newRow("centred on the cheque") << 1.0 << 3 << 10.0 << "centred" << 0 << QStringList{"line-offset"};
        QTest::newRow("started at the transit symbol") << 1.0 << 3 << 10.0 << "transit" << 0 << QStringList{};
    }

    void otherProgramsPages()
    {
        QFETCH(double, zoom);
        QFETCH(int, fileLine);
        QFETCH(double, points);
        QFETCH(QString, anchor);
        QFETCH(QStringList, codes);
        const QPageSize paper(QPageSize::Letter);
        const Printer printer = LinePrinter(3);
        ChequeText text = PlacedLine(paper, 0, 3, printer, UsLineLast, 0, 0);
        text.face = QLatin1String(Faces[fileLine - 1]);
        text.points = points;
        double width = 0;
        for (QChar c : text.text)
            width += AdvanceInches(text.face, points, c);
        if (anchor == QLatin1String("centred"))
            text.left = (8.5 - width) / 2;
        else if (anchor == QLatin1String("transit")) // the transit symbol's left edge, 5.6875 in from the right
            text.left = 8.5 - 5.6875;
        else
            text.left = text.left + AdvanceInches(Faces[2], 10, u'0') * double(text.text.size()) - width;
        ChequeFileContent content;
        content.zoom = zoom;
        content.texts.push_back(text);
        const QString path = Path();
        QVERIFY(WriteChequePdf(path, content));
        const ChequeCheck check = Check(path, 0, Model(printer, 3));
        QVERIFY(check.found);
        QVERIFY(std::abs(check.points - points * zoom) < 0.001);
        // Where the line's last character lands says where it belongs: at
        // 14, or as many positions on as the line stands off.
        const double lastRightPaper = printer.sx * zoom * (text.left + width);
        const int landed = int(std::lround((8.5 - lastRightPaper - PositionOneFromRight) / Pitch)) + 1;
        QCOMPARE(check.lastPosition, landed);
        Compare(check, Expect(paper, 0, printer, text, zoom, UsLineLast));
        for (const QString &code : codes)
            QVERIFY2(Codes(check).contains(code), qPrintable(code + QStringLiteral(" not in: ") + Said(check)));
        if (codes.isEmpty())
            QVERIFY2(check.findings.empty(), qPrintable(Said(check)));
        // Each finding names the values it is about.
        if (const ChequeFinding *size = FindingOf(check, ChequeFindingKind::WrongSize))
            QVERIFY(std::abs(size->points - points * zoom) < 0.001);
        if (const ChequeFinding *face = FindingOf(check, ChequeFindingKind::OtherFace)) {
            QCOMPARE(face->face, QString(QLatin1String(Faces[fileLine - 1])).remove(u' '));
            QCOMPARE(face->otherFace, QLatin1String(Faces[2]));
        }
        if (const ChequeFinding *offset = FindingOf(check, ChequeFindingKind::LineOffset)) {
            QCOMPARE(offset->position, landed);
            QCOMPARE(offset->belongs, UsLineLast);
            // Centred is too far left: its last character in a higher position.
            if (anchor == QLatin1String("centred"))
                QVERIFY(offset->position > offset->belongs);
        }
    }

    // Every other mark in the bottom 5/8 in is a fault; just above, none.
    void clearBand_data()
    {
        QTest::addColumn<QString>("kind"); // text or drawing
        QTest::addColumn<double>("bottom"); // its lowest point above the cheque's bottom edge, inches
        QTest::addColumn<bool>("fault");

        QTest::newRow("memo text in the band") << "text" << 0.30 << true;
        QTest::newRow("text just above the band") << "text" << ClearBand + 0.02 << false;
        QTest::newRow("text reaching into the band") << "text" << ClearBand - 0.02 << true;
        QTest::newRow("a rule in the band") << "drawing" << 0.05 << true;
        QTest::newRow("a rule just above the band") << "drawing" << ClearBand + 0.015 << false;
        QTest::newRow("a rule's edge inside the band") << "drawing" << ClearBand - 0.015 << true;
    }

    void clearBand()
    {
        QFETCH(QString, kind);
        QFETCH(double, bottom);
        QFETCH(bool, fault);
        const QPageSize paper(QPageSize::Letter);
        const Printer printer = LinePrinter(3);
        ChequeFileContent content;
        content.texts.push_back(PlacedLine(paper, 1, 3, printer, UsLineLast, 0, 0));
        const double chequeBottom = 2 * 3.5;
        if (kind == QLatin1String("text")) {
            // "Memo" in Liberation Sans 10 pt: its box reaches its descent,
            // 0.212 em below the baseline (the face's own metrics), which
            // poppler takes from the font.
            const QFont font(QStringLiteral("Liberation Sans"));
            const double descent = QFontMetricsF(QFont(font.family(), 100)).descent() / 100 * 10 / 72;
            content.texts.push_back({QStringLiteral("Liberation Sans"), 10, 0.6,
                                  chequeBottom - bottom - descent, QStringLiteral("Memo")});
        } else {
            content.rectangles.push_back(QRectF(0.5, chequeBottom - bottom - 0.01, 3, 0.01));
        }
        const QString path = Path();
        QVERIFY(WriteChequePdf(path, content));
        const ChequeCheck check = Check(path, 1, Model(printer, 3));
        QVERIFY(check.found);
        QCOMPARE(check.clearBand.size(), std::size_t(fault ? 1 : 0));
        QCOMPARE(check.findings.size(), std::size_t(fault ? 1 : 0));
        if (!fault)
            return;
        QCOMPARE(check.clearBand.front().text, kind == QLatin1String("text") ? QStringLiteral("Memo") : QString());
        QCOMPARE(check.findings.front().kind, kind == QLatin1String("text") ? ChequeFindingKind::TextInClearBand
                                                                            : ChequeFindingKind::DrawingInClearBand);
        QCOMPARE(check.findings.front().index, 0);
        // Where it is, to the resolution the page is searched at.
        QVERIFY(std::abs(check.clearBand.front().paper.left() - 0.6) < (kind == QLatin1String("text") ? 0.01 : 0.11));
        QVERIFY(std::abs(chequeBottom - check.clearBand.front().paper.bottom() - bottom) < 0.02);
    }

    // A cheque in PostScript, as FreeCheck writes it, reads as its PDF does.
    void postScriptAsPdf_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<int>("cheque");
        QTest::addColumn<int>("line");
        QTest::newRow("letter middle line 2") << QPageSize(QPageSize::Letter) << 1 << 2;
        QTest::newRow("a4 bottom line 5") << QPageSize(QPageSize::A4) << 2 << 5;
    }

    void postScriptAsPdf()
    {
        QFETCH(QPageSize, paper);
        QFETCH(int, cheque);
        QFETCH(int, line);
        if (GhostscriptProgram().isEmpty())
            QSKIP("Ghostscript is not installed");
        const Printer printer = LinePrinter(line);
        ChequeFileContent content;
        content.paper = paper;
        content.texts.push_back(PlacedLine(paper, cheque, line, printer, UsLineLast, 0.04, -0.03));
        content.rectangles.push_back(QRectF(1, (cheque + 1) * ChequeHeight(paper) - 0.3, 0.5, 0.02));
        const QString pdf = Path();
        QVERIFY(WriteChequePdf(pdf, content));
        const QString ps = Path(QStringLiteral("ps"));
        QVERIFY(WriteChequePostScript(ps, content));
        const ChequeCheck fromPdf = Check(pdf, cheque, Model(printer, line));
        const ChequeCheck fromPs = Check(ps, cheque, Model(printer, line));
        QVERIFY(fromPs.found);
        QCOMPARE(fromPs.text, fromPdf.text);
        QCOMPARE(fromPs.face, fromPdf.face);
        QVERIFY(std::abs(fromPs.points - 10) < 0.001);
        Compare(fromPs, Expect(paper, cheque, printer, content.texts.front(), 1, UsLineLast));
        QCOMPARE(fromPs.clearBand.size(), std::size_t(1));
    }

    // The page the reader program hands over is the page read here, to
    // the last bit: each cheque's check, as JSON, is the same bytes.
    void readerProgramHandsOverThePage_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : {"weasyprint.pdf", "wkhtmltopdf.pdf", "gnucash-cheque-line1.pdf", "freecheck.ps"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    void readerProgramHandsOverThePage()
    {
        QFETCH(QString, file);
        const QString path = MICR_SOURCE_DIR "/tests/data/" + file;
        if (file.endsWith(QLatin1String(".ps")) && GhostscriptProgram().isEmpty())
            QSKIP("Ghostscript is not installed");
        ChequeFileProblem problem;
        const std::optional<ChequeFilePage> here = ReadChequeFile(path, &problem);
        const ChequeFileReading apart = ReadChequeFileApart(path);
        QVERIFY(here && apart.page);
        const std::optional<PrinterModel> model = ModelForLine(3, FontWeightChoice::Standard);
        QVERIFY(model);
        for (ChequePosition cheque : {ChequePosition::Top, ChequePosition::Middle, ChequePosition::Bottom}) {
            QCOMPARE(QJsonDocument(ChequeCheckJson(CheckCheque(*apart.page, cheque, std::nullopt, *model))).toJson(),
                     QJsonDocument(ChequeCheckJson(CheckCheque(*here, cheque, std::nullopt, *model))).toJson());
        }
    }

    // The committed files, made by tests/data/make_cheque_files.py as the
    // programs make them, and one GnuCash printed; what each must say
    // follows from how it was made.
    void programsFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");      // the line whose face the file uses, and whose printer checks it
        QTest::addColumn<QString>("text");  // the MICR line the program was given
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("lastPosition"); // 0: not known beforehand
        QTest::addColumn<double>("right");     // position 1's end from the right edge; NaN: not known
        QTest::addColumn<double>("baseline");  // above the cheque's bottom edge; NaN: not known
        QTest::addColumn<int>("drawings");     // in the clear band
        QTest::addColumn<QString>("fault");    // the first finding's code; empty: none
        const double unknown = std::nan("");
        // FreeCheck: the transit symbol's left edge 5.6875 in from the right
        // edge, 25 characters at 12 pt (0.15 in each), so the last ends
        // 1.9375 in from it, in position 14, and position 1 would end 13
        // characters on; baseline 0.25 in up; the cheque's outline drawn.
        QTest::newRow("FreeCheck PostScript, 12 pt")
            << "freecheck.ps" << 3 << UsLine << 12.0 << 14 << 1.9375 - 13 * 0.15 << 0.25 << 1 << "wrong-size";
        // WeasyPrint keeps CSS inches: the page's own places.
        QTest::newRow("WeasyPrint, default zoom")
            << "weasyprint.pdf" << 3 << UsLine << 10.0 << 14 << PositionOneFromRight << BaselineFromBottom << 0 << "";
        // wkhtmltopdf shrinks the page.
        QTest::newRow("wkhtmltopdf, default zoom")
            << "wkhtmltopdf.pdf" << 3 << UsLine << 7.49 << 0 << unknown << unknown << 0 << "wrong-size";
        // GnuCash 4.13, from the check format written for Line 1's face,
        // the top cheque, cheque number 1001: the standard's own places.
        QTest::newRow("GnuCash, Line 1")
            << "gnucash-cheque-line1.pdf" << 1 << "A121000248A      4659801C 1001" << 10.0 << 14 << PositionOneFromRight
            << BaselineFromBottom << 0 << "";
    }

    void programsFiles()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(double, points);
        QFETCH(int, lastPosition);
        QFETCH(double, right);
        QFETCH(double, baseline);
        QFETCH(int, drawings);
        QFETCH(QString, fault);
        if (file.endsWith(QLatin1String(".ps")) && GhostscriptProgram().isEmpty())
            QSKIP("Ghostscript is not installed");
        const Printer printer = LinePrinter(line);
        const ChequeCheck check = Check(QStringLiteral(MICR_SOURCE_DIR "/tests/data/") + file, 0, Model(printer, line));
        QVERIFY(check.found);
        // Every character read, in order; at a wrong size they fall into
        // positions of their own, spaced or doubled.
        QString letters;
        for (const LandedCharacter &character : check.characters)
            letters += character.letter;
        QCOMPARE(letters, QString(text).remove(QLatin1Char(' ')));
        QVERIFY(std::abs(check.points - points) < 0.005);
        if (lastPosition)
            QCOMPARE(check.lastPosition, lastPosition);
        if (!std::isnan(baseline)) {
            QVERIFY2(std::abs(check.baselineInches - baseline) <= Tolerance, qPrintable(QString::number(check.baselineInches)));
            QVERIFY(std::abs(check.moveUp - (BaselineFromBottom - baseline)) <= Tolerance);
        }
        if (!std::isnan(right)) {
            QVERIFY2(std::abs(check.rightInches - right) <= Tolerance, qPrintable(QString::number(check.rightInches)));
            QVERIFY(std::abs(check.moveRight * printer.sx - (right - PositionOneFromRight)) <= Tolerance);
        }
        if (fault.isEmpty())
            QCOMPARE(check.text, text);
        QCOMPARE(int(check.clearBand.size()), drawings);
        if (fault.isEmpty()) {
            QVERIFY2(check.fine(), qPrintable(Said(check)));
        } else {
            QVERIFY(!check.fine());
            QVERIFY2(Codes(check).value(0) == fault, qPrintable(Said(check)));
        }
    }

    // Files made by real programs (tools/make_program_cheques.py), the
    // truth measured on their 1200-dpi raster (tools/measure_cheque_raster.py).
    void realProgramsFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("cheque");
        QTest::addColumn<int>("page");     // asked for; 0: none
        QTest::addColumn<int>("readPage"); // 0: the file refused
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("baseline");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("code"); // a finding that must be among them
        QTest::newRow("LibreOffice, a frame border under the line")
            << "libreoffice-frame.pdf" << 0 << 0 << 1 << 0.3117 << 0.2367 << 10.0 << "";
        QTest::newRow("LibreOffice, A4, found on page 2")
            << "libreoffice-a4-page2.pdf" << 1 << 0 << 2 << 0.3117 << 0.2361 << 10.0 << "";
        QTest::newRow("LibreOffice, A4, --page 1 has none")
            << "libreoffice-a4-page2.pdf" << 1 << 1 << 1 << 0.0 << 0.0 << 0.0 << "no-line";
        QTest::newRow("LibreOffice, A4, --page 3 past the last")
            << "libreoffice-a4-page2.pdf" << 1 << 3 << 0 << 0.0 << 0.0 << 0.0 << "";
        QTest::newRow("Chromium, an outline round the line")
            << "chromium-outline.pdf" << 0 << 0 << 1 << 0.3125 << 0.1983 << 10.0 << "";
        QTest::newRow("Chromium at 97 %")
            << "chromium-97.pdf" << 0 << 0 << 1 << 0.3030 << 0.3025 << 9.7 << "wrong-size";
        QTest::newRow("page turned alone") << "rotated-page.pdf" << 0 << 0 << 1 << 0.3125 << 0.1975 << 10.0 << "";
        QTest::newRow("content turned with its page")
            << "rotated-content.pdf" << 0 << 0 << 1 << 0.3125 << 0.1983 << 10.0 << "";
        QTest::newRow("pdftops, glyphs without characters")
            << "libreoffice-pdftops.ps" << 0 << 0 << 1 << 0.0 << 0.0 << 0.0 << "no-characters";
        QTest::newRow("ps2write, glyphs as pictures in a nameless font")
            << "chromium-ps2write.ps" << 0 << 0 << 1 << 0.0 << 0.0 << 0.0 << "drawn-as-shapes";
        QTest::newRow("converted to curves") << "shapes.pdf" << 0 << 0 << 1 << 0.0 << 0.0 << 0.0 << "drawn-as-shapes";
    }

    void realProgramsFiles()
    {
        QFETCH(QString, file);
        QFETCH(int, cheque);
        QFETCH(int, page);
        QFETCH(int, readPage);
        QFETCH(double, right);
        QFETCH(double, baseline);
        QFETCH(double, points);
        QFETCH(QString, code);
        if (file.endsWith(QLatin1String(".ps")) && GhostscriptProgram().isEmpty())
            QSKIP("Ghostscript is not installed");
        ChequeFileProblem problem;
        const std::optional<ChequeFilePage> read
            = ReadChequeFile(QStringLiteral(MICR_SOURCE_DIR "/tests/data/programs/") + file, &problem, page);
        QCOMPARE(read.has_value(), readPage > 0);
        if (!read) {
            QCOMPARE(problem.kind, ChequeFileProblem::Kind::NoSuchPage);
            return;
        }
        QCOMPARE(read->pageNumber, readPage);
        const ChequeCheck check = CheckCheque(*read, ChequePosition(cheque), std::nullopt, Model(LinePrinter(3), 3));
        if (!code.isEmpty())
            QVERIFY2(Codes(check).contains(code), qPrintable(Said(check)));
        QCOMPARE(check.found, points > 0);
        if (!check.found)
            return;
        QVERIFY2(std::abs(check.rightInches - right) <= Tolerance, qPrintable(QString::number(check.rightInches)));
        QVERIFY2(std::abs(check.baselineInches - baseline) <= Tolerance, qPrintable(QString::number(check.baselineInches)));
        QCOMPARE(check.faceName, QStringLiteral("Ferro Sample"));
        QVERIFY(std::abs(check.points - points) < 0.01);
        // Every character kept, in order, at any scale.
        QString letters;
        for (const LandedCharacter &character : check.characters)
            letters += character.letter;
        QCOMPARE(letters, file.contains(QLatin1String("97")) ? QStringLiteral("A121000248A4659801C1001") : QString(UsLine).remove(u' '));
    }

    // The exporter's answer: its statuses, JSON and messages.
    void exporter_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        // Status 2: a name on stderr; otherwise the JSON's first finding's
        // code ("" for none) and the face calibrated for the printer.
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("calibrated");
        const QString data = QStringLiteral(MICR_SOURCE_DIR "/tests/data/");
        QTest::newRow("in place") << QStringList{"cheque", data + "weasyprint.pdf"} << 0 << "" << "Ferro Sample";
        QTest::newRow("old form") << QStringList{"--check-cheque", data + "weasyprint.pdf"} << 0 << "" << "Ferro Sample";
        QTest::newRow("another line's printer")
            << QStringList{"cheque", data + "weasyprint.pdf", "--line", "5"} << 1 << "other-face" << "FerroW Sample";
        QTest::newRow("bold printer")
            << QStringList{"cheque", data + "weasyprint.pdf", "--line", "3", "--bold"} << 1 << "other-face"
            << "Ferrodark Sample";
        QTest::newRow("12 pt PostScript") << QStringList{"cheque", data + "freecheck.ps"} << 1 << "wrong-size" << "Ferro Sample";
        QTest::newRow("no line on the middle cheque")
            << QStringList{"cheque", data + "weasyprint.pdf", "--cheque", "middle"} << 1 << "no-line" << "Ferro Sample";
        QTest::newRow("missing file") << QStringList{"cheque", data + "nothing.pdf"} << 2 << "nothing.pdf" << "";
        QTest::newRow("not a cheque file") << QStringList{"cheque", data + "cheque.html"} << 2 << "cheque.html" << "";
        QTest::newRow("unknown printer") << QStringList{"cheque", data + "weasyprint.pdf", "--printer", "Nowhere"} << 2 << "Nowhere" << "";
        QTest::newRow("printer and line") << QStringList{"cheque", data + "weasyprint.pdf", "--printer", "Office", "--line", "2"} << 2 << "--printer" << "";
        QTest::newRow("bad cheque") << QStringList{"cheque", data + "weasyprint.pdf", "--cheque", "fourth"} << 2 << "--cheque" << "";
    }

    void exporter()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(QString, calibrated);
        const Run run = Exporter(arguments);
        QCOMPARE(run.status, status);
        if (status == 2) {
            QVERIFY2(run.errors.contains(says), qPrintable(run.errors));
            QCOMPARE(run.output, QString());
            return;
        }
        QVERIFY(!run.output.isEmpty());
        QCOMPARE(run.errors, QString());
        // The same answer as JSON, with the same status.
        const Run json = Exporter(arguments + QStringList{"--json"});
        QCOMPARE(json.status, status);
        const QJsonObject answer = QJsonDocument::fromJson(json.output.toUtf8()).object();
        const QJsonArray findings = answer.value("findings").toArray();
        QCOMPARE(findings.first().toObject().value("code").toString(), says);
        QCOMPARE(findings.size(), answer.value("faults").toArray().size());
        QCOMPARE(answer.value("calibrated_face").toString(), calibrated);
        if (says == QLatin1String("other-face"))
            QCOMPARE(findings.first().toObject().value("calibrated_face").toString(), calibrated);
    }

    void exporterJson()
    {
        const Run run = Exporter({"cheque", MICR_SOURCE_DIR "/tests/data/freecheck.ps", "--json"});
        QCOMPARE(run.status, 1);
        const QJsonObject answer = QJsonDocument::fromJson(run.output.toUtf8()).object();
        QCOMPARE(answer.value("face").toString(), QString("FerroSample"));
        QCOMPARE(answer.value("size_pt").toDouble(), 12.0);
        // FreeCheck's anchor: baseline 0.25 in up, so down 0.0625 in.
        QVERIFY(std::abs(answer.value("baseline_in").toDouble() - 0.25) <= Tolerance);
        QVERIFY(std::abs(answer.value("move_up_in").toDouble() + 0.0625) <= Tolerance);
        QCOMPARE(answer.value("last_position").toInt(), 14);
        QCOMPARE(answer.value("fields").toArray().first().toObject().value("name").toString(), QString("transit"));
        QVERIFY(answer.value("faults").toArray().size() >= 2);
        // A code beside each fault, with its values.
        const QJsonArray findings = answer.value("findings").toArray();
        QCOMPARE(findings.size(), answer.value("faults").toArray().size());
        QCOMPARE(findings.first().toObject().value("code").toString(), QString("wrong-size"));
        QCOMPARE(findings.first().toObject().value("size_pt").toDouble(), 12.0);
        QCOMPARE(findings.last().toObject().value("code").toString(), QString("drawing-in-clear-band"));
        QCOMPARE(findings.last().toObject().value("clear_band").toInt(), 0);
        // FreeCheck's outline of the cheque, its bottom edge in the band.
        QCOMPARE(answer.value("clear_band").toArray().size(), 1);
        QCOMPARE(answer.value("clear_band").toArray().first().toObject().value("kind").toString(), QString("drawing"));
        for (const char *key : {"text", "right_in", "move_right_in", "within_tolerance"})
            QVERIFY2(answer.contains(key), key);
    }

    // What scripts read (the JSON, the settings files) is the same bytes in
    // French as in the C locale; what a person reads is French.
    void scriptsReadTheSameInEveryLocale_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QString data = QStringLiteral(MICR_SOURCE_DIR "/tests/data/");
        QTest::newRow("cheque, no fault") << QStringList{"cheque", data + "weasyprint.pdf", "--json"};
        QTest::newRow("cheque, 12 pt, clear band") << QStringList{"cheque", data + "freecheck.ps", "--json"};
        QTest::newRow("cheque, zoomed") << QStringList{"cheque", data + "wkhtmltopdf.pdf", "--json"};
        QTest::newRow("cheque, no line") << QStringList{"cheque", data + "weasyprint.pdf", "--cheque", "middle", "--json"};
        QTest::newRow("FreeCheck, scaled printer")
            << QStringList{"settings", "freecheck", "--line", "5", "--cheque", "bottom"};
        QTest::newRow("GnuCash, a business line")
            << QStringList{"settings", "gnucash", "--micr-line", "layout=us,routing=021000021,onus=123456789C,aux=C1234C"};
        QTest::newRow("Odoo, A4") << QStringList{"settings", "odoo", "--paper", "a4", "--cheque", "middle"};
    }

    void scriptsReadTheSameInEveryLocale()
    {
        QFETCH(QStringList, arguments);
        const Run c = Exporter(arguments, InLocale(QStringLiteral("C")));
        const Run french = Exporter(arguments, InLocale(QStringLiteral("fr_CA.UTF-8")));
        QVERIFY(!c.output.isEmpty());
        QCOMPARE(french.status, c.status);
        QCOMPARE(french.output, c.output);
    }

    // `cheque FILE` in French: the wording unit's lines with the French
    // catalogue and French numbers, never the C locale's.
    void textIsInTheUsersLanguage()
    {
        const QString file = QStringLiteral(MICR_SOURCE_DIR "/tests/data/freecheck.ps");
        if (GhostscriptProgram().isEmpty())
            QSKIP("Ghostscript is not installed");
        const Run c = Exporter({"cheque", file}, InLocale(QStringLiteral("C")));
        const Run french = Exporter({"cheque", file}, InLocale(QStringLiteral("fr_CA.UTF-8")));
        QCOMPARE(french.status, c.status);
        // The exporter's own printer for Line 3: the words are under test here.
        const ChequeCheck check = Check(file, 0, *ModelForLine(3, FontWeightChoice::Standard));
        const QLocale before;
        QTranslator catalogue;
        QVERIFY(catalogue.load(I18n::CatalogueResource(QStringLiteral("fr_CA"))));
        QCoreApplication::installTranslator(&catalogue);
        QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
        const QStringList expected = Wording::ChequeCheckLines(Wording::For::Reader, check);
        QCoreApplication::removeTranslator(&catalogue);
        QLocale::setDefault(QLocale::c());
        const QStringList source = Wording::ChequeCheckLines(Wording::For::Reader, check);
        QLocale::setDefault(before);
        QCOMPARE(french.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        QCOMPARE(c.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts), source);
        QVERIFY(french.output != c.output);
        // A file that cannot be read is said in French too, naming it.
        const Run missing = Exporter({"cheque", file + "-missing"}, InLocale(QStringLiteral("fr_CA.UTF-8")));
        const Run missingC = Exporter({"cheque", file + "-missing"}, InLocale(QStringLiteral("C")));
        QCOMPARE(missing.status, 2);
        QVERIFY(missing.errors.contains(file + "-missing"));
        QVERIFY(missing.errors != missingC.errors);
    }

    // A printer remembered with its placement: its face and its shift.
    void exporterPrinterProfile()
    {
        QTemporaryDir config;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        PrinterProfile profile;
        profile.queue = "Office";
        profile.line = 4;
        PlacementRecord placed;
        // The placement page's position 1 end landed 0.020 in further from
        // the right edge, its baseline 0.010 in higher, at Line 4's scale.
        placed.readings.bar = 7.0 * 7.0 / FaceLineInches(4);
        placed.readings.right = PositionOneFromRight + 0.020;
        placed.readings.fromEdge = BaselineFromBottom + 0.010;
        placed.taken = QDateTime::currentDateTimeUtc();
        profile.placement = placed;
        QString error;
        QVERIFY2(PrinterProfiles(config.path() + "/micr-calibration/printers.ini").Save(profile, &error), qPrintable(error));
        // The file lays the line out as the placement page did: position 1's
        // end (at the face's own pitch) 5/16 in from the page's right edge,
        // the baseline 3/16 in above the cheque's.
        const Printer printer{7.0 / FaceLineInches(4), 1, 0, 0};
        const double pitch = AdvanceInches(QLatin1String(Faces[3]), 10, u'0');
        ChequeFileContent content;
        content.texts.push_back({QLatin1String(Faces[3]), 10,
                              8.5 - PositionOneFromRight - (UsLineLast - 1) * pitch - double(UsLine.size()) * pitch,
                              3.5 - BaselineFromBottom, UsLine});
        const QString path = Path();
        QVERIFY(WriteChequePdf(path, content));
        const Run run = Exporter({"cheque", path, "--printer", "Office", "--json"}, environment);
        QCOMPARE(run.status, 0);
        const QJsonObject answer = QJsonDocument::fromJson(run.output.toUtf8()).object();
        // Lands where the placement page's line did: move right 0.020 in
        // on paper (over the scale in page inches), down 0.010 in.
        QVERIFY2(std::abs(answer.value("right_in").toDouble() - (PositionOneFromRight + 0.020)) <= Tolerance, qPrintable(run.output));
        QVERIFY(std::abs(answer.value("baseline_in").toDouble() - (BaselineFromBottom + 0.010)) <= Tolerance);
        QVERIFY(std::abs(answer.value("move_right_in").toDouble() - 0.020 / printer.sx) <= Tolerance);
        QVERIFY(std::abs(answer.value("move_up_in").toDouble() + 0.010) <= Tolerance);
        QCOMPARE(answer.value("calibrated_face").toString(), QString("FerroW2 Sample"));
    }

    // Without Ghostscript, PostScript is refused, saying so.
    void exporterWithoutGhostscript()
    {
        QTemporaryDir bin;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", bin.path());
        const Run run = Exporter({"cheque", MICR_SOURCE_DIR "/tests/data/freecheck.ps"}, environment);
        QCOMPARE(run.status, 2);
        QVERIFY(run.errors.contains("freecheck.ps"));
        QCOMPARE(run.output, QString());
        // Said as that: Ghostscript is missing.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        ChequeFileProblem problem;
        const bool read = ReadChequeFile(MICR_SOURCE_DIR "/tests/data/freecheck.ps", &problem).has_value();
        qputenv("PATH", path);
        QVERIFY(!read);
        QCOMPARE(problem.kind, ChequeFileProblem::Kind::NoGhostscript);
    }

    // A poster-sized page and text far off the page: read at a lower
    // resolution, not in gigabytes, and the line still found.
    void hugeAndStrayPages()
    {
        ChequeFileContent content;
        content.paper = QPageSize(QSizeF(150, 150), QPageSize::Inch);
        ChequeText line = PlacedLine(QPageSize(QPageSize::Letter), 0, 3, LinePrinter(3), UsLineLast, 0, 0);
        line.left += 150 - 8.5; // the cheque as wide as this paper
        content.texts.push_back(line);
        content.texts.push_back({QStringLiteral("Ferro Sample"), 10, 400, 3.3, QStringLiteral("0123")});
        const QString path = Path();
        QVERIFY(WriteChequePdf(path, content));
        QElapsedTimer timer;
        timer.start();
        ChequeFileProblem problem;
        const std::optional<ChequeFilePage> page = ReadChequeFile(path, &problem);
        QVERIFY2(page, qPrintable(Wording::ChequeFileUnread(Wording::For::Script, problem)));
        QVERIFY(timer.elapsed() < 20000);
        const ChequeCheck check = CheckCheque(*page, ChequePosition::Top, LetterStock(), Model(LinePrinter(3), 3));
        QVERIFY(check.found);
        QCOMPARE(check.lastPosition, UsLineLast);
    }

    void noMicrLine()
    {
        ChequeFileContent content;
        content.texts.push_back({QStringLiteral("Liberation Sans"), 10, 1, 2.5, QStringLiteral("021000021 123456789")});
        const QString path = Path();
        QVERIFY(WriteChequePdf(path, content));
        const ChequeCheck check = Check(path, 0, Model(LinePrinter(3), 3));
        QVERIFY(!check.found);
        QVERIFY(!check.fine());
        QCOMPARE(Codes(check), QStringList{"no-line"});
        QCOMPARE(check.layout.cheque, ChequePosition::Top);
        // The fonts the page does use, named.
        QCOMPARE(check.pageFonts.size(), 1);
        QVERIFY(check.pageFonts.front().contains(QLatin1String("LiberationSans")));
        QVERIFY(Said(check).contains(check.pageFonts.front()));
    }

    void fontNames_data()
    {
        QTest::addColumn<QString>("embedded");
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("line"); // 0: none of the ten
        QTest::addColumn<bool>("micr");
        QTest::newRow("subset prefix and style") << "ABCDEF+FerroW2Sample-Regular" << "FerroW2Sample" << 4 << true;
        QTest::newRow("family with spaces") << "Ferrodark Sample" << "Ferrodark Sample" << 3 << true;
        QTest::newRow("style after a comma") << "FerroN2Sample,Bold" << "FerroN2Sample" << 2 << true;
        QTest::newRow("family words hyphenated") << "HESQXP+Ferro-Sample" << "Ferro-Sample" << 3 << true;
        QTest::newRow("style word kept inside") << "FerroW-Sample-Bold" << "FerroW-Sample" << 5 << true;
        QTest::newRow("another MICR face") << "QWERTY+GnuMICR" << "GnuMICR" << 0 << true;
        QTest::newRow("named E-13B") << "E-13B-Regular" << "E-13B" << 0 << true;
        QTest::newRow("text face") << "BCDEFG+LiberationSans" << "LiberationSans" << 0 << false;
        QTest::newRow("lower-case prefix is a name") << "abcdef+Ferro" << "abcdef+Ferro" << 0 << false;
    }

    void fontNames()
    {
        QFETCH(QString, embedded);
        QFETCH(QString, base);
        QFETCH(int, line);
        QFETCH(bool, micr);
        QCOMPARE(FontBaseName(embedded), base);
        QCOMPARE(FaceOfFont(embedded) ? FaceOfFont(embedded)->first : 0, line);
        QCOMPARE(IsMicrFont(embedded), micr);
    }

    // Files that cannot be read: a message naming the file, never a crash.
    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ChequeFileProblem::Kind>("problem");
        using Kind = ChequeFileProblem::Kind;
        QTest::newRow("missing") << "missing" << Kind::Missing;
        QTest::newRow("empty") << "empty" << Kind::Empty;
        QTest::newRow("cut short") << "cut" << Kind::CutShortPdf;
        QTest::newRow("PostScript cut short") << "cut-ps" << Kind::CutShortPostScript;
        QTest::newRow("encrypted") << "encrypted" << Kind::Encrypted;
        QTest::newRow("a picture") << "png" << Kind::NeitherPdfNorPostScript;
        QTest::newRow("a folder") << "folder" << Kind::CannotOpen;
        QTest::newRow("PDF header, nonsense body") << "nonsense" << Kind::Damaged;
        QTest::newRow("PostScript that fails") << "bad-ps" << Kind::NotPostScript;
    }

    void unreadableFiles()
    {
        QFETCH(QString, kind);
        QFETCH(ChequeFileProblem::Kind, problem);
        ChequeFileContent content;
        content.texts.push_back(PlacedLine(content.paper, 0, 3, LinePrinter(3), UsLineLast, 0, 0));
        const QString good = Path();
        QVERIFY(WriteChequePdf(good, content));
        QFile original(good);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray pdf = original.readAll();
        QString path = Path(kind);
        QFile file(path);
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("encrypted")) {
            QCOMPARE(QProcess::execute(QStringLiteral("gs"),
                                       {QStringLiteral("-q"), QStringLiteral("-dSAFER"), QStringLiteral("-dBATCH"),
                                        QStringLiteral("-dNOPAUSE"), QStringLiteral("-sDEVICE=pdfwrite"),
                                        QStringLiteral("-sOwnerPassword=owner"), QStringLiteral("-sUserPassword=user"),
                                        QStringLiteral("-sOutputFile=") + path, good}),
                     0);
        } else if (kind != QLatin1String("missing")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == QLatin1String("cut"))
                file.write(pdf.left(pdf.size() / 2));
            else if (kind == QLatin1String("cut-ps"))
                file.write("%!PS-Adobe-3.0\n%%Pages: 1\n%%EndComments\n/Helvetica findfont 10 scalefont setfont\n72 72 moveto (Pay");
            else if (kind == QLatin1String("png"))
                file.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 'x'));
            else if (kind == QLatin1String("nonsense"))
                file.write("%PDF-1.4\nthis is no PDF at all\n%%EOF\n");
            else if (kind == QLatin1String("bad-ps"))
                file.write("%!\n/nosuchoperator-anywhere cvx exec showpage\n");
            file.close();
        }
        ChequeFileProblem read;
        QVERIFY(!ReadChequeFile(path, &read));
        const QString said = Wording::ChequeFileUnread(Wording::For::Script, read);
        QVERIFY2(read.kind == problem, qPrintable(said));
        QCOMPARE(read.path, path);
        QVERIFY2(said.contains(QDir::toNativeSeparators(path)), qPrintable(said));
    }
};

QTEST_MAIN(ChequeFileTest)
#include "tst_cheque_file.moc"
