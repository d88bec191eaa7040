// Cheque files read through poppler and checked against a printer: every
// expected place comes from the published E-13B geometry, the test faces'
// known advances and a printer model this test applies itself.
#include "ChequeFiles.h"
#include "PageMeasure.h"

#include "calibration/ChequeCheck.h"
#include "chequefile/ChequeFileReader.h"

#include <QProcess>
#include <QtTest>

namespace {

// The published geometry: position 1 ends 5/16 in from the cheque's right
// edge, the baseline stands 3/16 in above its bottom edge, 0.125 in a
// position, the clear band is the bottom 5/8 in.
constexpr double PositionOneFromRight = 5.0 / 16;
constexpr double BaselineFromBottom = 3.0 / 16;
constexpr double Pitch = 0.125;
constexpr double ClearBand = 5.0 / 8;
constexpr double Tolerance = 0.002;

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

QSizeF PaperInches(const QPageSize &paper)
{
    return paper.size(QPageSize::Inch);
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
    const double width = UsLine.size() * TestFaceAdvances[line - 1] / 1000.0 * 10 / 72;
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
        QString error;
        const std::optional<ChequeFilePage> page = ReadChequeFile(path, &error);
        if (!page)
            qWarning("%s", qPrintable(error));
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
        ChequeFileSpec spec;
        spec.paper = paper;
        spec.texts.push_back(PlacedLine(paper, cheque, line, model, UsLineLast, dx, dy));
        // A payee line and the other cheques' lines, which must not count.
        spec.texts.push_back({QStringLiteral("Liberation Sans"), 11, 0.5, cheque * ChequeHeight(paper) + 1.2,
                              QStringLiteral("Pay to the order of")});
        for (int other = 0; other < 3; ++other) {
            if (other != cheque)
                spec.texts.push_back(PlacedLine(paper, other, line, model, UsLineLast, 0.3, 0));
        }
        const QString path = Path();
        QVERIFY(WriteChequePdf(path, spec));
        const ChequeCheck check = Check(path, cheque, Model(model, line));
        QVERIFY(check.found);
        QCOMPARE(check.text, UsLine);
        QCOMPARE(check.face, QString(QLatin1String(Faces[line - 1])).remove(QLatin1Char(' ')));
        QVERIFY(std::abs(check.points - 10) < 0.001);
        Compare(check, Expect(paper, cheque, model, spec.texts.front(), 1, UsLineLast));
        // Shifted by less than half a position, every character keeps its own.
        QCOMPARE(check.lastPosition, UsLineLast);
        QCOMPARE(check.firstPosition, 43);
        QVERIFY2(check.faults.isEmpty(), qPrintable(check.faults.join(QLatin1Char('\n'))));
        QCOMPARE(check.fine(), std::abs(dx) <= 1.0 / 32 && std::abs(dy) <= 1.0 / 32);
    }
};

QTEST_MAIN(ChequeFileTest)
#include "tst_cheque_file.moc"
