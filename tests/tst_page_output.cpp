// The exporter's files, read back: rasters measured to a fraction of a
// pixel and PDFs read with poppler, with test faces of known widths.
#include "CupsOutput.h"
#include "PageMeasure.h"

#include "pages/CalibrationPage.h"
#include "pages/PdfMediaBox.h"
#include "pages/PlacementPage.h"
#include "i18n/Translations.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QImageReader>
#include <QJsonArray>
#include <QMap>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

struct Exported
{
    int status;
    QString errors;
    QString output;
};

Exported RunExporter(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MICR_PAGE_EXPORTER), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError()), QString::fromUtf8(process.readAllStandardOutput())};
}

QString ReadText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The exporter's command lines a help page gives as examples, in order.
QStringList HelpExamples(const QString &page)
{
    static const QRegularExpression code("<code>micr-calibration-page ([^<]+)</code>");
    QStringList examples;
    for (auto it = code.globalMatch(ReadText(page)); it.hasNext();)
        examples << it.next().captured(1).replace("&quot;", "\"").replace("&amp;", "&");
    return examples;
}

struct Word
{
    double xMin, yMin, xMax, yMax;
    QString text;
};

std::vector<Word> PdfWords(const QString &pdf)
{
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble(), text});
    }
    return words;
}

const Word &FindWord(const std::vector<Word> &words, const QString &text, int nth = 0)
{
    for (const Word &w : words) {
        if (w.text == text && nth-- == 0)
            return w;
    }
    qFatal("no word %s", qPrintable(text));
}

} // namespace

class PageOutputTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        // Pages at 1200 dpi are larger than Qt reads by default.
        QImageReader::setAllocationLimit(0);
    }

    void testFacesAreInstalled()
    {
        QVERIFY2(MissingMicrFaces().isEmpty(), "the test faces must be installed through FONTCONFIG_FILE");
        const Exported check = RunExporter({"--check-fonts"});
        QCOMPARE(check.status, 0);
    }

    void rasterSampleLines_data()
    {
        QTest::addColumn<int>("dpiX");
        QTest::addColumn<int>("dpiY");
        QTest::addColumn<QString>("paper");
        QTest::newRow("203") << 203 << 203 << "letter";
        QTest::newRow("300 a4") << 300 << 300 << "a4";
        QTest::newRow("600") << 600 << 600 << "letter";
        QTest::newRow("600x1200") << 600 << 1200 << "letter";
        QTest::newRow("1200") << 1200 << 1200 << "letter";
    }

    void rasterSampleLines()
    {
        QFETCH(int, dpiX);
        QFETCH(int, dpiY);
        QFETCH(QString, paper);
        const QString file = dir_.filePath(QString("page-%1x%2.png").arg(dpiX).arg(dpiY));
        const Exported run = RunExporter({"--dpi", QString("%1x%2").arg(dpiX).arg(dpiY), "--paper", paper, "-o", file});
        QCOMPARE(run.status, 0);
        QImage page(file);
        QVERIFY(!page.isNull());
        const QSizeF inches = paper == "a4" ? QSizeF(210 / 25.4, 297 / 25.4) : QSizeF(8.5, 11);
        QCOMPARE(page.size(), QSize(qRound(inches.width() * dpiX), qRound(inches.height() * dpiY)));

        const auto rows = FindMarksRows(page, 6.0 * dpiX, MinimumMarkHeight(dpiY));
        QCOMPARE(int(rows.size()), 5);
        const int linePitch = (6 * ((12 * dpiY + 36) / 72) - 1) / 5;
        for (int line = 1; line <= 5; ++line) {
            const MarksRow &row = rows[line - 1];
            const double expected = SampleLineLength(TestFaceAdvances[line - 1], dpiX);
            const double measured = row.lastEdge - row.firstEdge;
            qInfo("line %d at %dx%d dpi: %.3f px = %.5f in (face makes it %.5f in)", line, dpiX, dpiY, measured,
                  measured / dpiX, expected / dpiX);
            QVERIFY2(std::abs(measured - expected) <= 0.5,
                     qPrintable(QString("line %1: %2 px, expected %3").arg(line).arg(measured).arg(expected)));
            // The page starts a quarter inch in; the mark is at column 0.
            QVERIFY2(std::abs(row.firstEdge - 0.25 * dpiX) <= 0.5, qPrintable(QString::number(row.firstEdge)));
            // The bar's ink starts 0.1 em below the cell top: one point.
            const int halfLines = 30 + 7 * (line - 1) + 4;
            const double cellTop = 0.25 * dpiY + halfLines * linePitch / 2;
            QVERIFY2(std::abs(row.top - (cellTop + dpiY / 72.0)) <= 1.0,
                     qPrintable(QString("line %1 top %2, cell %3").arg(line).arg(row.top).arg(cellTop)));
        }
        const double base = (rows[2].lastEdge - rows[2].firstEdge) / dpiX;
        QVERIFY2(std::abs(base - 7.0) <= 0.5 / dpiX, qPrintable(QString::number(base, 'f', 5)));
    }

    void pdfRowsAndSizes_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("203") << 203;
        QTest::newRow("300") << 300;
        QTest::newRow("600") << 600;
        QTest::newRow("1200") << 1200;
    }

    void pdfRowsAndSizes()
    {
        QFETCH(int, dpi);
        const QString file = dir_.filePath(QString("page-%1.pdf").arg(dpi));
        QCOMPARE(RunExporter({"--dpi", QString::number(dpi), "-o", file}).status, 0);
        const auto words = PdfWords(file);
        QVERIFY(words.size() > 300);
        const double tenth = dpi / 10 * 72.0 / dpi; // one column, in points
        const int linePitch = (6 * ((12 * dpi + 36) / 72) - 1) / 5;
        auto rowTop = [&](int halfLines) { return 18.0 + (halfLines * linePitch / 2) * 72.0 / dpi; };

        // Columns, in points from the quarter-inch origin.
        QCOMPARE(FindWord(words, "Tolvane").xMin, 18.0);
        // The right-hand column at column 55 or, where the faces installed
        // are too wide for it, whole columns left of it.
        const double webHostColumn = (FindWord(words, "www.tolvane.example").xMin - 18) / tenth;
        QVERIFY(std::abs(webHostColumn - std::round(webHostColumn)) < 0.01 && webHostColumn <= 55.01);
        QVERIFY(std::abs(FindWord(words, "Phone:").xMin - (18 + 59 * tenth)) < 0.01);
        QVERIFY(std::abs(FindWord(words, "Fax:").xMin - (18 + 61 * tenth)) < 0.01);
        QVERIFY(std::abs(FindWord(words, "Amount,").xMin - (18 + 37 * tenth)) < 0.01);

        const QString digits = "01245781012457810124578101245781012457810124578101245781";
        for (int line = 1; line <= 5; ++line) {
            // Sample digits: 10.000 points from cell top to cell bottom,
            // the cell's top on its row.
            const Word &sample = FindWord(words, digits, line - 1);
            QVERIFY2(std::abs((sample.yMax - sample.yMin) - 10.0) < 0.005,
                     qPrintable(QString::number(sample.yMax - sample.yMin, 'f', 4)));
            QVERIFY2(std::abs(sample.yMin - rowTop(30 + 7 * (line - 1) + 2)) < 0.01,
                     qPrintable(QString::number(sample.yMin, 'f', 3)));
            QVERIFY2(std::abs((sample.xMax - sample.xMin) - 56 * TestFaceAdvances[line - 1] / 100.0) < 0.01,
                     qPrintable(QString::number(sample.xMax - sample.xMin, 'f', 4)));
            // Marks: left edges 56 advances apart.
            const Word &first = FindWord(words, "|", 2 * (line - 1));
            const Word &last = FindWord(words, "|", 2 * (line - 1) + 1);
            QVERIFY(std::abs(first.yMin - last.yMin) < 0.001);
            QVERIFY(std::abs((last.xMin - first.xMin) - 56 * TestFaceAdvances[line - 1] / 100.0) < 0.01);
        }
        QVERIFY(std::abs(FindWord(words, "|", 5).xMin - FindWord(words, "|", 4).xMin - 504.0) < 0.01);
        // Security samples at 34 and 30 points.
        const Word &sample34 = FindWord(words, "(_$126.45)");
        QVERIFY(std::abs((sample34.yMax - sample34.yMin) - 34.0) < 0.01);
        const Word &sample30 = FindWord(words, "1,000.75");
        QVERIFY(std::abs((sample30.yMax - sample30.yMin) - 30.0) < 0.01);
        QVERIFY(std::abs(sample30.xMin - (18 + webHostColumn * tenth)) < 0.01);
        // The trademark sign is one character, and the italic row comes last.
        QCOMPARE(FindWord(words, QString("Fonts") + QChar(0x2122) + ".").text.size(), 7);
        QCOMPARE(words.back().text, QString("Windows."));
    }

    // The right-hand column (the web address, the second column of security
    // samples) as Letter has room for it; on A4 moved left as one, whole
    // columns, just far enough that its widest row ends 0.1 in inside the
    // paper: as poppler reads the words' boxes back.
    void rightHandColumnOnEachPaper_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<double>("paperWidthPoints");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<double>("paperHeightPoints");
        // On Letter it moves only where the faces installed (here the test
        // faces) are wider than the vendor's.
        QTest::newRow("Letter") << "letter" << 612.0 << false << 792.0;
        QTest::newRow("A4") << "a4" << 210 / 25.4 * 72 << true << 297 / 25.4 * 72;
    }

    void rightHandColumnOnEachPaper()
    {
        QFETCH(QString, paper);
        QFETCH(double, paperWidthPoints);
        QFETCH(bool, moved);
        QFETCH(double, paperHeightPoints);
        const QString file = dir_.filePath("columns-" + paper + ".pdf");
        QCOMPARE(RunExporter({"--paper", paper, "-o", file}).status, 0);
        // The page is the paper's own size, not rounded to whole points.
        static const QRegularExpression mediaBox(QStringLiteral("MediaBox:\\s+0\\.00\\s+0\\.00\\s+([\\d.]+)\\s+([\\d.]+)"));
        const QRegularExpressionMatch box = mediaBox.match(RunProgram("pdfinfo", {"-box", file}));
        QVERIFY(box.hasMatch());
        QVERIFY2(std::abs(box.captured(1).toDouble() - paperWidthPoints) < 0.006
                     && std::abs(box.captured(2).toDouble() - paperHeightPoints) < 0.006,
                 qPrintable(box.captured(0)));
        const auto words = PdfWords(file);
        const double column = 7.2; // a tenth of an inch, in points
        const double origin = 18;
        // The column's rows and the last word of each.
        const QStringList starts = {"www.tolvane.example", "Warden2:", "Warden4:", "Warden6:", "Warden22:"};
        const QStringList ends = {"www.tolvane.example", "(_$126.45)", "<=$678.75>", "[$200.50]", "1,000.75"};
        const double webHost = FindWord(words, starts[0]).xMin;
        const double shift = std::round((origin + 55 * column - webHost) / column);
        QVERIFY2(std::abs(origin + (55 - shift) * column - webHost) < 0.01, qPrintable(QString::number(webHost)));
        for (const QString &start : starts.mid(1))
            QVERIFY(std::abs(FindWord(words, start).xMin - (origin + (41 - shift) * column)) < 0.01);
        double right = 0;
        for (const QString &end : ends)
            right = std::max(right, FindWord(words, end).xMax);
        const double limit = paperWidthPoints - column; // 0.1 in inside the paper
        QVERIFY2(right <= limit + 0.01, qPrintable(QString::number(right)));
        if (moved)
            QVERIFY(shift > 0);
        // Just enough: a column less and it would not end inside.
        if (shift > 0)
            QVERIFY2(right + column > limit, qPrintable(QString::number(right)));
    }

    void pdfKeepsRealText()
    {
        const QString file = dir_.filePath("fonts.pdf");
        QCOMPARE(RunExporter({"--bold", "-o", file}).status, 0);
        QProcess fonts;
        fonts.start("pdffonts", {file});
        fonts.waitForFinished(30000);
        const QString listing = QString::fromUtf8(fonts.readAllStandardOutput());
        for (const char *face : {"FerroNSample", "FerroN2Sample", "FerroSample", "FerroW2Sample", "FerroWSample",
                                 "Warden1aSample", "Warden22aSample", "LiberationSans-Bold", "LiberationSans-Italic"})
            QVERIFY2(listing.contains(face), face);
        QVERIFY(!listing.contains("Type 3"));
        const auto words = PdfWords(file);
        QCOMPARE(FindWord(words, "FerrodarkN").text, QString("FerrodarkN"));
        // Page size: Letter.
        QProcess info;
        info.start("pdfinfo", {file});
        info.waitForFinished(30000);
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains("612 x 792 pts"));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("dpi 0") << QStringList{"--dpi", "0", "-o", "X.pdf"} << "--dpi must be between";
        QTest::newRow("dpi negative") << QStringList{"--dpi", "-300", "-o", "X.pdf"} << "--dpi takes";
        QTest::newRow("dpi huge") << QStringList{"--dpi", "99999", "-o", "X.pdf"} << "--dpi must be between";
        QTest::newRow("dpi words") << QStringList{"--dpi", "fine", "-o", "X.pdf"} << "--dpi takes";
        QTest::newRow("dpi missing") << QStringList{"-o", "X.pdf", "--dpi"} << "needs a value";
        QTest::newRow("unknown option") << QStringList{"--colour", "-o", "X.pdf"} << "unknown argument \"--colour\"";
        QTest::newRow("stray word") << QStringList{"-o", "X.pdf", "colour"} << "unknown argument \"colour\"";
        QTest::newRow("paper") << QStringList{"--paper", "legal", "-o", "X.pdf"} << "--paper is letter or a4";
        QTest::newRow("no output") << QStringList{"--bold"} << "no output file";
        QTest::newRow("other format") << QStringList{"-o", "X.jpg"} << "must end in .pdf or .png";
        QTest::newRow("missing folder") << QStringList{"-o", "no/such/folder/page.pdf"} << "cannot write";
        QTest::newRow("onto a directory") << QStringList{"-o", "adir.pdf"} << "is a directory";
        QTest::newRow("raster too large") << QStringList{"--dpi", "2400", "-o", "X.png"} << "too large";
        QTest::newRow("onto a read-only file") << QStringList{"-o", "X.pdf", "--read-only"} << "is read-only";
    }

    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir scratch;
        QDir(scratch.path()).mkdir("adir.pdf");
        // An existing file of the name stays as it was.
        for (const char *name : {"X.pdf", "X.png"}) {
            QFile existing(scratch.filePath(name));
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("keep me");
        }
        if (arguments.removeAll("--read-only"))
            QFile::setPermissions(scratch.filePath("X.pdf"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        for (QString &argument : arguments) {
            if (argument.contains('.') && !argument.startsWith('-'))
                argument = scratch.filePath(argument);
        }
        const Exported run = RunExporter(arguments);
        QVERIFY(run.status != 0);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        // A file that could not be written is named.
        if (message == "cannot write" || message.startsWith("is ") || message == "too large")
            QVERIFY2(run.errors.contains(arguments.last()) || run.errors.contains(scratch.path()), qPrintable(run.errors));
        QStringList left = QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        left.sort();
        QCOMPARE(left, QStringList({"X.pdf", "X.png", "adir.pdf"}));
        for (const char *name : {"X.pdf", "X.png"}) {
            QFile existing(scratch.filePath(name));
            QVERIFY(existing.open(QIODevice::ReadOnly));
            QCOMPARE(existing.readAll(), QByteArray("keep me"));
        }
    }

    // Expected lines from the faces: 0.88 to 0.92 em make 6.844, 6.922,
    // 7.000, 7.078 and 7.156 in at 10 points.
    void measuredReadings_data()
    {
        QTest::addColumn<QString>("readings");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("first"); // stdout's first line, or a part of stderr
        QTest::newRow("line 3 at 7 in") << "3=7" << false << 0 << "Line 3: Ferro Sample";
        QTest::newRow("bold, 1 % long") << "3=7.07 in" << true << 0 << "Line 2: FerrodarkN2 Sample";
        QTest::newRow("mm and fractions") << "1=173.85 mm,5=7 5/32" << false << 0 << "Line 3: Ferro Sample";
        QTest::newRow("marginal") << "3=7.022" << false << 0 << "Line 3: Ferro Sample";
        QTest::newRow("marginal as shown") << "3=178.562 mm" << false << 0 << "Line 3: Ferro Sample";
        QTest::newRow("between two faces") << "3=7.039" << false << 1
                                           << "Not calibrated: out of tolerance: the printer falls between two faces";
        QTest::newRow("scaled to 94 %") << "1=6.434,5=6.726\"" << true << 1
                                        << "Not calibrated: page printed scaled: print it at 100 %";
        QTest::newRow("inconsistent") << "2=6.922,4=7.15" << false << 1
                                      << "Not calibrated: readings inconsistent: measure again";
        QTest::newRow("with -o") << "3=7" << false << 2 << "-o writes a page";
        QTest::newRow("not a length") << "3=seven" << false << 2 << "line 3: \"seven\" is not a length";
        QTest::newRow("no line 6") << "6=7" << false << 2 << "no line 6";
        QTest::newRow("line twice") << "3=7,3=7.1" << false << 2 << "given twice";
        QTest::newRow("no equals") << "7.0" << false << 2 << "LINE=LENGTH";
    }

    void measuredReadings()
    {
        QFETCH(QString, readings);
        QFETCH(bool, bold);
        QFETCH(int, status);
        QFETCH(QString, first);
        QProcess process;
        QStringList arguments{"--measured", readings};
        if (bold)
            arguments << "--bold";
        if (QTest::currentDataTag() == QLatin1String("with -o"))
            arguments << "-o" << dir_.filePath("measured.pdf");
        process.start(QStringLiteral(MICR_PAGE_EXPORTER), arguments);
        process.waitForFinished(30000);
        QCOMPARE(process.exitCode(), status);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        if (status == 2)
            QVERIFY2(QString::fromUtf8(process.readAllStandardError()).contains(first), qPrintable(first));
        else
            QCOMPARE(out.section('\n', 0, 0), first);
    }

    // The placement page measured back against the published geometry.
    void placementRaster_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("cheque");
        QTest::addColumn<int>("line");
        QTest::newRow("300, Letter, top, line 3") << 300 << "letter" << "top" << 3;
        QTest::newRow("600, A4, middle, line 4") << 600 << "a4" << "middle" << 4;
        QTest::newRow("1200, Letter, bottom, line 1") << 1200 << "letter" << "bottom" << 1;
        QTest::newRow("300, A4, bottom, line 2") << 300 << "a4" << "bottom" << 2;
    }

    void placementRaster()
    {
        QFETCH(int, dpi);
        QFETCH(QString, paper);
        QFETCH(QString, cheque);
        QFETCH(int, line);
        const QString file = dir_.filePath(QString("placement-%1.png").arg(dpi));
        const Exported run = RunExporter({"--page", "placement", "--cheque", cheque, "--line", QString::number(line),
                                          "--dpi", QString::number(dpi), "--paper", paper, "-o", file});
        QCOMPARE(run.status, 0);
        const QImage page(file);
        QVERIFY(!page.isNull());
        // 3-up stock: 3.5 in cheques on Letter, 99 mm on A4.
        const double height = paper == "a4" ? 99 / 25.4 : 3.5;
        const double chequeTop = (cheque == "top" ? 0 : cheque == "middle" ? 1 : 2) * height;
        CheckPlacementRaster(page, dpi, dpi, chequeTop, height, TestFaceAdvances[line - 1], 0.5);
    }

    // No mark of any page either program prints comes within 0.1 in of the
    // paper's edges, where no printer prints: every page kind rasterised,
    // its ink's bounds against the paper's own size (a raster pixel allowed
    // for where a rule's end pixel falls), in English and in French.
    void noMarkNearThePapersEdges_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("lang");
        QTest::newRow("calibration, Letter") << "letter" << QStringList() << "C";
        QTest::newRow("calibration, A4") << "a4" << QStringList() << "C";
        QTest::newRow("calibration, Letter, French") << "letter" << QStringList() << "fr_CA.UTF-8";
        QTest::newRow("calibration, A4, French") << "a4" << QStringList() << "fr_CA.UTF-8";
        const QStringList users = {"--micr-line", "layout=us,routing=021000021,onus=123456789C,aux=C12345678C"};
        // Down as well as up: a line moved down brings the scale to the edge.
        const QStringList applied = {"--applied", "0.04,-0.05"};
        for (const char *paper : {"letter", "a4"}) {
            for (const char *cheque : {"top", "middle", "bottom"}) {
                const QStringList placement = {"--page", "placement", "--cheque", cheque};
                const QString name = QString("placement, %1, %2").arg(paper, cheque);
                QTest::newRow(qPrintable(name)) << paper << placement << "C";
                QTest::newRow(qPrintable(name + ", own line")) << paper << placement + users << "C";
                QTest::newRow(qPrintable(name + ", moved")) << paper << placement + applied << "C";
                QTest::newRow(qPrintable(name + ", own line moved")) << paper << placement + users + applied << "C";
                QTest::newRow(qPrintable(name + ", own line moved, French"))
                    << paper << placement + users + applied << "fr_CA.UTF-8";
            }
        }
        // A cheque ending 0.06 in above the paper's edge: too close for its
        // bottom rule and for the fields' names below it.
        QTest::newRow("placement, Letter, 3.647 in, bottom, own line")
            << "letter" << QStringList{"--page", "placement", "--cheque", "bottom", "--cheque-height", "3.647in"} + users
            << "C";
    }

    void noMarkNearThePapersEdges()
    {
        QFETCH(QString, paper);
        QFETCH(QStringList, options);
        QFETCH(QString, lang);
        constexpr int dpi = 200;
        const QString file = dir_.filePath("edges.png");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(name);
        environment.insert("LANG", lang);
        const Exported run =
            RunExporter(options + QStringList{"--paper", paper, "--dpi", QString::number(dpi), "-o", file}, environment);
        QVERIFY2(run.status == 0 || (run.status == 1 && options.contains("--micr-line")), qPrintable(run.errors));
        const QImage page(file);
        const QSizeF inches = paper == "a4" ? QSizeF(210 / 25.4, 297 / 25.4) : QSizeF(8.5, 11);
        QCOMPARE(page.size(), QSize(qRound(inches.width() * dpi), qRound(inches.height() * dpi)));
        const QRect ink = InkBounds(page);
        QVERIFY(ink.isValid());
        const double distances[] = {ink.left() / double(dpi), ink.top() / double(dpi),
                                    (page.width() - 1 - ink.right()) / double(dpi),
                                    (page.height() - 1 - ink.bottom()) / double(dpi)};
        qInfo("ink %.3f in from the left edge, %.3f from the top, %.3f from the right, %.3f from the bottom",
              distances[0], distances[1], distances[2], distances[3]);
        for (double distance : distances)
            QVERIFY2(distance >= 0.1 - 1.0 / dpi, qPrintable(QString::number(distance, 'f', 3)));
    }

    void placementPdfLine()
    {
        const QString file = dir_.filePath("placement.pdf");
        QCOMPARE(RunExporter({"--page", "placement", "--line", "5", "-o", file}).status, 0);
        const auto words = PdfWords(file);
        // Position 1 ends 5/16 in from the right edge of Letter paper; the
        // transit symbol starts 43 advances (0.92 em at 10 points) before.
        const double end = (8.5 - 0.3125) * 72;
        QVERIFY(qAbs(FindWord(words, "B0000012345B").xMax - end) < 0.05);
        QVERIFY(qAbs(FindWord(words, "A123456789A").xMin - (end - 43 * 9.2)) < 0.05);
    }

    // A printer at 98.9 % that Line 4's face makes up for, not moved: position
    // 1 ends at 8.5 - 0.989 x 8.1875 in, the baseline 0.989 x 3.3125 in down.
    void placementReadings_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("verdict"); // scale_verdict, or a part of stderr
        QTest::addColumn<double>("right");    // the move, from the model
        QTest::addColumn<double>("up");
        const QString scaled = "bar=6.923,vbar=1.978,right=0.4026,top=3.2761";
        const double scaledRight = (0.4026 - 0.3125) / 0.989;
        const double scaledUp = (3.2761 - 3.3125) / 0.989;
        QTest::newRow("in place") << QStringList{"bar=7,right=5/16,bottom=3/16"} << 0 << "fine" << 0.0 << 0.0;
        QTest::newRow("mm, fractions, plain paper")
            << QStringList{"bar=177.8 mm,right=7.94 mm,top=3 5/16", "--line", "3"} << 0 << "fine" << 0.0 << 0.0;
        QTest::newRow("98.9 %, line 4") << QStringList{scaled, "--line", "4"} << 1 << "fine" << scaledRight
                                        << scaledUp;
        QTest::newRow("98.9 %, line 3") << QStringList{scaled} << 1 << "other-face" << scaledRight << scaledUp;
        QTest::newRow("fit to page") << QStringList{"bar=6.58,right=5/16,bottom=3/16"} << 1 << "print-path" << 0.0
                                     << 0.0;
        QTest::newRow("moved 0.04 in right") << QStringList{"right=0.2725,bar=7,bottom=0.2"} << 1 << "fine" << -0.04
                                             << -0.0125;
        QTest::newRow("A4, bottom cheque") << QStringList{"bar=7,right=5/16,top=11.505", "--paper", "a4", "--cheque",
                                                          "bottom"} << 0 << "fine" << 0.0 << 0.0;
        QTest::newRow("own stock") << QStringList{"bar=7,right=5/16,top=3.479", "--cheque-height", "3 2/3"} << 0
                                   << "fine" << 0.0 << 0.0;
        QTest::newRow("a reading missing") << QStringList{"bar=7,right=1"} << 2 << "needs bar, right and one of" << 0.0 << 0.0;
        QTest::newRow("bottom and top") << QStringList{"bar=7,right=1,bottom=0.2,top=3"} << 2 << "needs bar" << 0.0 << 0.0;
        QTest::newRow("not a length") << QStringList{"bar=7,right=one,bottom=1"} << 2 << "\"one\" is not a length" << 0.0 << 0.0;
        QTest::newRow("unknown reading") << QStringList{"bar=7,left=1,bottom=1"} << 2 << "not \"left=1\"" << 0.0 << 0.0;
        QTest::newRow("cheque too tall") << QStringList{"bar=7,right=1,bottom=1", "--cheque-height", "4 in"} << 2
                                         << "between 3 and 3.667 in" << 0.0 << 0.0;
        QTest::newRow("with -o") << QStringList{"bar=7,right=1,bottom=1", "-o", "x.pdf"} << 2 << "-o writes a page" << 0.0
                                 << 0.0;
    }

    void placementReadings()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, verdict);
        QFETCH(double, right);
        QFETCH(double, up);
        const Exported run = RunExporter(QStringList{"--placement-measured"} + arguments + QStringList{"--json"});
        QCOMPARE(run.status, status);
        if (status == 2) {
            QVERIFY2(run.errors.contains(verdict), qPrintable(run.errors));
            return;
        }
        const QJsonObject result = QJsonDocument::fromJson(run.output.toUtf8()).object();
        QCOMPARE(result["scale_verdict"].toString(), verdict);
        QVERIFY2(qAbs(result["move_right_in"].toDouble() - right) <= 0.0006, qPrintable(run.output));
        QVERIFY2(qAbs(result["move_up_in"].toDouble() - up) <= 0.0006, qPrintable(run.output));
        // True exactly when the exit status is 0: a scaled page is not within
        // tolerance, whatever its moves.
        QCOMPARE(result["within_tolerance"].toBool(), status == 0);
        QCOMPARE(result["move_right_in"].isNull(), verdict == "print-path");
    }

    // Answers in text and JSON: the same figures, the last line agreeing
    // with the exit status; readings that cannot be right get no move, a
    // reading past the paper's edge is refused.
    void placementTextAndJson_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("key");       // scale_verdict or problem, or what stderr says
        QTest::addColumn<QString>("last");      // how the text ends
        const QString again = "then measure it again.";
        QTest::newRow("in place") << QStringList{"bar=7,right=5/16,bottom=3/16"} << 0 << "fine"
                                  << "the placement is fine.";
        QTest::newRow("half a thousandth") << QStringList{"bar=7,right=0.3445,bottom=0.1555"} << 1 << "fine" << again;
        QTest::newRow("scaled 94 %") << QStringList{"bar=6.58,vbar=1.88,right=0.9,bottom=0.6"} << 1 << "print-path"
                                     << "then measure the page again.";
        QTest::newRow("between faces, 100.44 %") << QStringList{"bar=7.031,right=5/16,bottom=3/16"} << 1
                                                 << "between-faces" << "wherever it is placed.";
        QTest::newRow("other face") << QStringList{"bar=6.923,right=5/16,bottom=3/16"} << 1 << "other-face"
                                    << "and measure it.";
        QTest::newRow("with the correction applied")
            << QStringList{"bar=7,right=0.3135,bottom=0.1875", "--applied", "0.04,-0.012"} << 0 << "fine"
            << "the placement is fine.";
        QTest::newRow("top cheque read, middle chosen") << QStringList{"bar=7,right=5/16,top=3.3", "--cheque", "middle"}
                                                        << 1 << "other-cheque" << "of the middle check.";
        QTest::newRow("vertical bar at 50 %") << QStringList{"bar=7,vbar=1,right=5/16,bottom=3/16"} << 1
                                              << "scales-disagree" << "each from its first tick to its last.";
        QTest::newRow("baseline on the bottom cheque's edge")
            << QStringList{"bar=7,right=5/16,bottom=0", "--cheque", "bottom"} << 1 << "fine" << again;
        QTest::newRow("top past Letter's edge") << QStringList{"bar=7,right=5/16,top=11.5"} << 2
                                                << "between 0.25 and 11 in" << "";
        QTest::newRow("top within A4") << QStringList{"bar=7,right=5/16,top=11.5", "--paper", "a4", "--cheque", "bottom"}
                                       << 0 << "fine" << "the placement is fine.";
        QTest::newRow("bottom below the edge") << QStringList{"bar=7,right=5/16,bottom=-0.02"} << 2
                                               << "(the top reading)" << "";
        QTest::newRow("3.667 on Letter") << QStringList{"bar=7,right=5/16,bottom=3/16", "--cheque-height", "3.667"}
                                         << 0 << "fine" << "the placement is fine.";
        QTest::newRow("3.668 on Letter") << QStringList{"bar=7,right=5/16,bottom=3/16", "--cheque-height", "3.668"}
                                         << 2 << "between 3 and 3.667 in. Measure" << "";
        QTest::newRow("applied, not a pair") << QStringList{"bar=7,right=5/16,bottom=3/16", "--applied", "0.04"} << 2
                                             << "--applied takes RIGHT,UP" << "";
    }

    void placementTextAndJson()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, key);
        QFETCH(QString, last);
        const Exported text = RunExporter(QStringList{"--placement-measured"} + arguments);
        const Exported json = RunExporter(QStringList{"--placement-measured"} + arguments + QStringList{"--json"});
        QCOMPARE(text.status, status);
        QCOMPARE(json.status, status);
        if (status == 2) {
            QVERIFY2(text.errors.contains(key), qPrintable(text.errors));
            return;
        }
        const QJsonObject result = QJsonDocument::fromJson(json.output.toUtf8()).object();
        QVERIFY2(result["scale_verdict"].toString() == key || result["problem"].toString() == key,
                 qPrintable(json.output));
        QCOMPARE(result["within_tolerance"].toBool(), status == 0);
        QVERIFY2(text.output.trimmed().endsWith(last), qPrintable(text.output));
        // Every figure of the JSON as the text shows it.
        const auto shown = [](double inches) { return QString::number(std::abs(inches), 'f', 3) + " in"; };
        const bool offered = !result["move_right_in"].isNull();
        QCOMPARE(offered, key == "fine" || key == "other-face" || key == "between-faces");
        QCOMPARE(text.output.contains("move the MICR line"), offered);
        for (const char *name : {"move_right_in", "move_up_in", "total_right_in", "total_up_in"})
            if (offered)
                QVERIFY2(text.output.contains(shown(result[name].toDouble())), name);
        if (result["applied_right_in"].toDouble() != 0)
            QVERIFY2(text.output.contains("This page carries the correction right "
                                          + shown(result["applied_right_in"].toDouble())),
                     qPrintable(text.output));
        QVERIFY2(text.output.contains(QString::number(result["scale"].toDouble() * 100, 'f', 1) + " %"),
                 qPrintable(text.output));
    }

    // Every example in the help pages and in the exporter's help gives the
    // answer the help says it gives.
    void helpExamples_data()
    {
        QTest::addColumn<QString>("example");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answer"); // in the output
        // What the pages say each example does.
        const QMap<QString, QPair<int, QString>> said = {
            {"--measured \"3=7 1/16,5=183.4 mm\"", {0, "Line 2: FerroN2 Sample"}},
            {"measure \"3=7 1/16,5=183.4 mm\"", {0, "Line 2: FerroN2 Sample"}},
            {"--page placement --cheque middle -o page.pdf", {0, ""}},
            {"--placement-measured \"bar=7,right=5/16,top=3 5/16\"", {0, "the placement is fine."}},
            {"--placement-measured \"bar=7,right=0.3525,bottom=0.1775\"",
             {1, "move the MICR line right 0.040 in (1.02 mm, 40/1000 in) and up 0.010 in"}},
            {"--page placement --applied 0.04,0.01 -o page.pdf", {0, ""}},
            {"--placement-measured \"bar=7,right=5/16,bottom=3/16\" --applied 0.04,0.01",
             {0, "move the MICR line right 0.040 in (1.02 mm, 40/1000 in) and up 0.010 in"}},
            {"--micr-line \"layout=us,routing=021000021,onus=123456789C 1001\"", {0, "No faults."}},
            {"--check-line \"A021000021A    123456789C 1001\"", {0, "No faults."}},
            {"--profiles", {0, ""}},
            {"--check-fonts", {0, "installed"}},
            {"--help", {0, "Examples:"}},
            {"COMMAND --help", {0, "Options:"}},
            {"page --dpi 1200 --paper a4 -o page.pdf", {0, ""}},
            {"measure \"3=7 1/64,5=182.2 mm\"", {0, "Line 3: Ferro Sample"}},
            {"page --page placement --cheque middle --line 4 -o place.pdf", {0, ""}},
            // At 100 %, Line 4's face prints the line 7.078 in long.
            {"place bar=7,right=0.32,bottom=0.19 --cheque middle --line 4", {1, "choose Line 3 on step 2"}},
            {"line layout=us,routing=021000021,onus=123456789C --json", {0, "\"faults\": ["}},
        };
        QStringList found;
        for (const char *folder : {MICR_SOURCE_DIR "/docs/help", MICR_SOURCE_DIR "/docs/help/fr"})
            for (const QFileInfo &page : QDir(folder).entryInfoList({"*.html"}))
                found << HelpExamples(page.filePath());
        // The examples of the program's help.
        static const QRegularExpression helpExample("^\\s+micr-calibration-page (.+)$", QRegularExpression::MultilineOption);
        for (auto it = helpExample.globalMatch(RunExporter({"--help"}).output); it.hasNext();)
            found << it.next().captured(1).trimmed();
        // And the "for example" of every command's help.
        static const QRegularExpression forExample("for example\\s+(\"[^\"]+\")");
        for (const char *command : {"measure", "place", "page"}) {
            const Exported help = RunExporter({command, "--help"});
            for (auto it = forExample.globalMatch(help.output.simplified()); it.hasNext();)
                found << QString("%1 %2").arg(command, it.next().captured(1));
        }
        found.removeDuplicates();
        QVERIFY(found.size() >= 8);
        // A form with a placeholder (FILE, PROGRAM) or a choice (a|b) is a
        // synopsis, not an example.
        static const QRegularExpression placeholder("\\b[A-Z]{3,}\\b|\\|");
        for (const QString &example : found) {
            if (!said.contains(example) && placeholder.match(example).hasMatch())
                continue;
            // An example whose answer the pages do not state is at least a
            // command line the program takes (-1: any status but 2).
            const QPair<int, QString> answer = said.value(example, {-1, QString()});
            QTest::newRow(qPrintable(example)) << example << answer.first << answer.second;
        }
    }

    void helpExamples()
    {
        QFETCH(QString, example);
        QFETCH(int, status);
        QFETCH(QString, answer);
        const QString working = QDir::currentPath();
        QDir::setCurrent(dir_.path()); // where -o page.pdf goes
        // A command's help, for any command.
        const Exported run = RunExporter(QProcess::splitCommand(QString(example).replace("COMMAND", "place")));
        QDir::setCurrent(working);
        if (status < 0)
            QVERIFY2(run.status == 0 || run.status == 1, qPrintable(run.errors));
        else
            QCOMPARE(run.status, status);
        QVERIFY2(run.output.contains(answer), qPrintable(run.output + run.errors));
    }

    // The French pages give the English pages' examples, command line for
    // command line: what helpExamples runs answers for both.
    void frenchHelpExamples()
    {
        const QDir english(MICR_SOURCE_DIR "/docs/help");
        const QStringList pages = english.entryList({"*.html"});
        QCOMPARE(QDir(MICR_SOURCE_DIR "/docs/help/fr").entryList({"*.html"}), pages);
        for (const QString &page : pages)
            QCOMPARE(HelpExamples(english.filePath("fr/" + page)), HelpExamples(english.filePath(page)));
    }

    // A face named but not installed is said beside the answer.
    void measuredFaceNotInstalled()
    {
        // Only the standard faces: the bold ones are missing.
        const QString fonts = dir_.filePath("standard-only");
        QDir().mkpath(fonts);
        const QString testFonts = QFileInfo(qEnvironmentVariable("FONTCONFIG_FILE")).absolutePath();
        for (const QString &face : QDir(testFonts).entryList({"Ferro*.ttf"}))
            if (!face.startsWith("Ferrodark"))
                QVERIFY(QFile::copy(testFonts + "/" + face, fonts + "/" + face));
        QFile config(fonts + "/fonts.conf");
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QString("<?xml version=\"1.0\"?>\n<fontconfig><dir>%1</dir><cachedir>%1/cache</cachedir>"
                             "</fontconfig>\n").arg(fonts).toUtf8());
        config.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FONTCONFIG_FILE", config.fileName());
        const Exported text = RunExporter({"--measured", "3=7", "--bold"}, environment);
        QCOMPARE(text.status, 0);
        QVERIFY2(text.output.startsWith("Line 3: Ferrodark Sample (not installed on this computer"),
                 qPrintable(text.output));
        const Exported json = RunExporter({"--measured", "3=7", "--bold", "--json"}, environment);
        const QJsonObject result = QJsonDocument::fromJson(json.output.toUtf8()).object();
        QCOMPARE(result["face"].toString(), QString("Ferrodark Sample"));
        QCOMPARE(result["face_installed"].toBool(true), false);
        const Exported standard = RunExporter({"--measured", "3=7"}, environment);
        QVERIFY2(standard.output.startsWith("Line 3: Ferro Sample\n"), qPrintable(standard.output));
    }

    // Scripts read the same bytes in every locale; a person reads the
    // answer in their own numbers.
    void jsonTheSameInEveryLocale_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("measured, good") << QStringList{"measure", "3=7.004"};
        QTest::newRow("measured, between faces") << QStringList{"measure", "1=6.95,3=7.031,5=7.1"};
        QTest::newRow("placed, moves") << QStringList{"place", "bar=7,right=0.3525,bottom=0.1775"};
        QTest::newRow("placed, between faces") << QStringList{"place", "bar=7.031,right=5/16,bottom=3/16"};
        QTest::newRow("placed, other cheque")
            << QStringList{"place", "bar=7,right=5/16,top=3.3", "--cheque", "middle"};
    }

    void jsonTheSameInEveryLocale()
    {
        QFETCH(QStringList, arguments);
        QProcessEnvironment c = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"})
            c.remove(name);
        QProcessEnvironment french = c;
        c.insert("LANG", "C");
        french.insert("LANG", "fr_CA.UTF-8");
        const Exported scriptC = RunExporter(arguments + QStringList{"--json"}, c);
        const Exported scriptFrench = RunExporter(arguments + QStringList{"--json"}, french);
        QVERIFY(!scriptC.output.isEmpty());
        QCOMPARE(scriptFrench.status, scriptC.status);
        QCOMPARE(scriptFrench.output.toUtf8(), scriptC.output.toUtf8());
        const Exported readerC = RunExporter(arguments, c);
        const Exported readerFrench = RunExporter(arguments, french);
        QCOMPARE(readerFrench.status, readerC.status);
        static const QRegularExpression decimalComma("\\d,\\d{1,3}\\b");
        QVERIFY2(readerFrench.output.contains(decimalComma), qPrintable(readerFrench.output));
        QVERIFY2(!readerC.output.contains(decimalComma), qPrintable(readerC.output));
    }

    // One rounding: 7.0305 is 7.031 in the text and the JSON.
    void measuredTextAndJsonAgree()
    {
        const Exported text = RunExporter({"--measured", "3=7.0305"});
        const Exported json = RunExporter({"--measured", "3=7.0305", "--json"});
        const QJsonObject result = QJsonDocument::fromJson(json.output.toUtf8()).object();
        const double length = result["lines"].toArray()[2].toObject()["length_in"].toDouble();
        QCOMPARE(length, 7.031);
        QVERIFY2(text.output.contains("7.031 in") && !text.output.contains("7.030 in"), qPrintable(text.output));
        QCOMPARE(result["residual_in"].toDouble(), 0.031);
        QVERIFY2(text.output.contains("+0.031 in"), qPrintable(text.output));
        QCOMPARE(text.status, json.status);
        QVERIFY2(text.output.contains(QString::number(result["scale"].toDouble() * 100, 'f', 1) + " %"),
                 qPrintable(text.output));
    }

    // The user's line on the placement page, in Line 3's face (an advance of
    // exactly 0.125 in): every character's ink inside its numbered cell, to
    // half a pixel, and no ink in a blank cell.
    void placementPageWithTheUsersLine()
    {
        const int dpi = 600;
        const QString file = dir_.filePath("users-line.png");
        const Exported run = RunExporter({"--page", "placement", "--micr-line",
                                          "layout=us,routing=021000021,onus=123456789C 1234,aux=C5678C,epc=7",
                                          "--dpi", QString::number(dpi), "-o", file});
        QCOMPARE(run.status, 0);
        const QImage page = QImage(file).convertToFormat(QImage::Format_Grayscale8);
        // The standard's places: auxiliary on-us ending at 45, the code at
        // 44, transit 43-33, on-us ending at 14.
        QMap<int, QChar> expected;
        PlaceField(expected, "C5678C", 45);
        PlaceField(expected, "7", 44);
        PlaceField(expected, "A021000021A", 33);
        PlaceField(expected, "123456789C 1234", 14);
        CheckMicrLineCells(page, dpi, (8.5 - 0.3125) * dpi, (3.5 - 0.1875) * dpi, expected);
    }

    // No label of the placement page touches a character of the MICR line
    // or another label, whatever fields the line holds, on any cheque of
    // the stocks and the shortest custom cheque: each label's
    // box (its ink in its face, set at 1200 dpi)
    // against each character's cell, 1/8 in wide and 0.117 in tall on the
    // baseline 3/16 in above the cheque's bottom edge, position 1 ending
    // 5/16 in from the paper's right edge.
    void placementLabelsClearOfTheLine_data()
    {
        QTest::addColumn<QString>("line"); // typed; empty: the page's sample line
        QTest::addColumn<QString>("catalogue"); // the labels' language; empty: the source's English
        const std::pair<const char *, const char *> lines[] = {
            {"sample", ""},
            {"personal", "A021000021A         123456789C"},
            {"business, aux to 52", "C001234C5A121000248A        4567890123C"},
            {"aux to 65", "C1234567890123456789C A021000021A         123456789C"},
            {"aux past 65", "C123456789012345678901C A021000021A         123456789C"},
            {"amount filled", "A021000021A         123456789C B0000012345B"},
            {"on-us pushing the transit", "C12345678C A021000021A12345678901234567890C"},
        };
        // French runs about a quarter longer than English.
        for (const auto &[name, line] : lines) {
            QTest::newRow(name) << line << "";
            QTest::newRow(qPrintable(QString(name) + ", French")) << line << "fr_CA";
        }
    }

    void placementLabelsClearOfTheLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, catalogue);
        QTranslator translator;
        const QLocale before;
        if (!catalogue.isEmpty()) {
            QVERIFY(translator.load(I18n::CatalogueResource(catalogue)));
            QCoreApplication::installTranslator(&translator);
            QLocale::setDefault(QLocale(catalogue));
        }
        const auto restore = qScopeGuard([&translator, &before] {
            QCoreApplication::removeTranslator(&translator);
            QLocale::setDefault(before);
        });
        QImage device(8, 8, QImage::Format_Grayscale8);
        device.setDotsPerMeterX(qRound(1200 / 0.0254));
        device.setDotsPerMeterY(qRound(1200 / 0.0254));
        const struct
        {
            ChequeStock stock;
            QSizeF paper;
        } stocks[] = {{LetterStock(), {8.5, 11}}, {A4Stock(), {210 / 25.4, 297 / 25.4}}, {{3.0, true}, {8.5, 11}}};
        for (const auto &stock : stocks) {
            for (ChequePosition cheque : {ChequePosition::Top, ChequePosition::Middle, ChequePosition::Bottom}) {
                PlacementLayout layout;
                layout.paperInches = stock.paper;
                layout.stock = stock.stock;
                layout.cheque = cheque;
                if (!line.isEmpty())
                    layout.userLine = CheckMicrLine(line);
                const QString letters = line.isEmpty() ? SampleMicrLine() : layout.userLine->letters;
                const int lastPosition = line.isEmpty() ? 1 : layout.userLine->lastPosition;
                const double baseline = (int(cheque) + 1) * stock.stock.chequeInches - 0.1875;
                std::vector<QRectF> cells;
                for (int i = 0; i < letters.size(); ++i) {
                    const int position = lastPosition + int(letters.size()) - 1 - i;
                    const double right = stock.paper.width() - 0.3125 - (position - 1) * 0.125;
                    if (letters[i] != ' ')
                        cells.emplace_back(QPointF(right - 0.125, baseline - 0.117), QPointF(right, baseline));
                }
                std::vector<std::pair<QRectF, QString>> labels;
                for (const PlacementItem &item : PlacementPageItems(layout)) {
                    if (item.kind != PlacementItem::Text || item.face != "Arial")
                        continue;
                    QFont font(item.face);
                    font.setPointSize(item.points);
                    font.setBold(item.bold);
                    const QFontMetricsF metrics(font, &device);
                    const double width = metrics.horizontalAdvance(item.text) / 1200;
                    const double left = item.anchor == TextAnchor::Left ? item.x
                        : item.anchor == TextAnchor::Right               ? item.x - width
                                                                         : item.x - width / 2;
                    const QRectF ink = metrics.tightBoundingRect(item.text);
                    const QRectF box(QPointF(left + ink.left() / 1200, item.baseline + ink.top() / 1200),
                                     QPointF(left + ink.right() / 1200, item.baseline + ink.bottom() / 1200));
                    for (const QRectF &cell : cells)
                        QVERIFY2(!box.intersects(cell),
                                 qPrintable(QString("%1 cheque on %2: \"%3\" over the character at %4, %5 in")
                                                .arg(ChequeName(cheque), stock.stock.Name(), item.text)
                                                .arg(cell.left(), 0, 'f', 3)
                                                .arg(cell.top(), 0, 'f', 3)));
                    // Nor one another.
                    for (const auto &[other, text] : labels)
                        QVERIFY2(!box.intersects(other),
                                 qPrintable(QString("%1 cheque on %2: \"%3\" over \"%4\"")
                                                .arg(ChequeName(cheque), stock.stock.Name(), item.text, text)));
                    labels.emplace_back(box, item.text);
                }
            }
        }
    }

    // Composed and checked lines: statuses and JSON.
    void micrLineStatuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shown"); // in the JSON's text or fault codes, or stderr
        QTest::newRow("good") << QStringList{"--micr-line", "layout=us,routing=021000021,onus=123456789C"} << 0
                              << "A021000021A";
        QTest::newRow("bad check digit") << QStringList{"--micr-line", "layout=us,routing=021000022,onus=1C"} << 1
                                         << "routing-check-digit";
        QTest::newRow("Canada") << QStringList{"--micr-line", "layout=ca,branch=12345,institution=003,onus=1C"} << 0
                                << "A12345D003A";
        QTest::newRow("checked, shifted") << QStringList{"--check-line", "A021000021A 1C"} << 1 << "transit-field-shifted-right";
        QTest::newRow("no layout") << QStringList{"--micr-line", "routing=021000021,onus=1C"} << 2
                                   << "layout=us or layout=ca";
        QTest::newRow("routing in Canada") << QStringList{"--micr-line", "layout=ca,routing=021000021,onus=1C"} << 2
                                           << "takes no \"routing\"";
        QTest::newRow("no on-us") << QStringList{"--micr-line", "layout=us,routing=021000021"} << 2 << "needs onus=";
        // One list grammar: a comma starts a new field only before KEY=.
        QTest::newRow("a comma in a field") << QStringList{"--micr-line", "layout=us,routing=021000021,onus=12,345C"}
                                            << 1 << "unprintable-character";
        QTest::newRow("a field twice") << QStringList{"--micr-line", "layout=us,onus=1C,routing=021000021,onus=2C"}
                                       << 2 << "each once";
        QTest::newRow("a page without --page") << QStringList{"--micr-line", "layout=us,routing=021000021,onus=1C",
                                                              "-o", "x.pdf"}
                                               << 2 << "--page placement";
    }

    void micrLineStatuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, shown);
        const Exported run = RunExporter(arguments + QStringList{"--json", "--cheque-width", "8 1/4"});
        QCOMPARE(run.status, status);
        if (status == 2) {
            QVERIFY2(run.errors.contains(shown), qPrintable(run.errors));
            return;
        }
        const QJsonObject result = QJsonDocument::fromJson(run.output.toUtf8()).object();
        const QString faults = result["faults"].toVariant().toStringList().join('\n');
        QStringList codes;
        for (const auto &fault : result["fault_codes"].toArray())
            codes << fault.toObject().value("code").toString();
        QVERIFY2(result["text"].toString().contains(shown) || codes.contains(shown), qPrintable(run.output));
        QCOMPARE(faults.isEmpty(), status == 0);
        // A line ending at 14 whose first character stands at 43 on a
        // cheque 8.25 in wide.
        if (result["text"].toString().size() == 30)
            QCOMPARE(result["left_in"].toDouble(), std::round((8.25 - 0.3125 - 43 * 0.125) * 1000) / 1000);
        QCOMPARE(result["baseline_in"].toDouble(), 0.188);
    }

    // The same verdict in the exporter's words and in its JSON.
    void measuredJson()
    {
        const Exported run = RunExporter({"--measured", "1=6.434,5=6.726", "--json"});
        QCOMPARE(run.status, 1);
        const QJsonObject result = QJsonDocument::fromJson(run.output.toUtf8()).object();
        QVERIFY(result["line"].isNull());
        QCOMPARE(result["verdict"].toString(), QString("scaled"));
        QCOMPARE(result["lines"].toArray().size(), 5);
        QVERIFY(qAbs(result["scale"].toDouble() - 0.94) < 0.001);
    }

    // Options of the placement page are refused elsewhere; nothing but the
    // program's own messages reaches stderr, whatever the environment.
    void refusedAndQuiet_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("--line with the calibration page") << QStringList{"--line", "3", "-o", "x.pdf"} << 2;
        QTest::newRow("--cheque with --measured") << QStringList{"--measured", "3=7", "--cheque", "top"} << 2;
        QTest::newRow("--cheque-height alone") << QStringList{"--cheque-height", "3.5", "-o", "x.png"} << 2;
        QTest::newRow("--json with a page") << QStringList{"--json", "-o", "x.pdf"} << 2;
        QTest::newRow("good readings") << QStringList{"--measured", "3=7"} << 0;
    }

    void refusedAndQuiet()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        bare.remove("XDG_RUNTIME_DIR");
        const Exported run = RunExporter(arguments, bare);
        QCOMPARE(run.status, status);
        for (const QString &line : run.errors.split('\n', Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith("micr-calibration-page: ") || line.startsWith("Try micr-calibration-page"),
                     qPrintable(line));
    }

    void missingFacesAreReported()
    {
        QProcessEnvironment plain = QProcessEnvironment::systemEnvironment();
        plain.remove("FONTCONFIG_FILE");
        const Exported check = RunExporter({"--check-fonts"}, plain);
        QCOMPARE(check.status, 1);
        const Exported page = RunExporter({"-o", dir_.filePath("substituted.pdf")}, plain);
        QCOMPARE(page.status, 0);
        QVERIFY(page.errors.contains("Ferro Sample"));
    }

    void help()
    {
        QProcess process;
        process.start(QStringLiteral(MICR_PAGE_EXPORTER), {"--help"});
        process.waitForFinished(30000);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().contains("--check-fonts"));
        process.start(QStringLiteral(MICR_PAGE_EXPORTER), {"--version"});
        process.waitForFinished(30000);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput().trimmed(), QByteArray("micr-calibration-page 8.5"));
    }

    // A page given its paper's exact size, as pdfinfo reads it back, with
    // a 1-in square drawn 1 in from the top-left corner still there when
    // poppler renders it; whole-point papers keep Qt's bytes.
    void exactMediaBox_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<double>("widthMm");
        QTest::addColumn<double>("heightMm");
        QTest::addColumn<bool>("untouched");
        QTest::newRow("A4") << int(QPageSize::A4) << 210.0 << 297.0 << false;
        QTest::newRow("A5") << int(QPageSize::A5) << 148.0 << 210.0 << false;
        QTest::newRow("B5") << int(QPageSize::B5) << 176.0 << 250.0 << false;
        QTest::newRow("Letter") << int(QPageSize::Letter) << 215.9 << 279.4 << true;
        QTest::newRow("Legal") << int(QPageSize::Legal) << 215.9 << 355.6 << true;
    }

    void exactMediaBox()
    {
        QFETCH(int, paper);
        QFETCH(double, widthMm);
        QFETCH(double, heightMm);
        QFETCH(bool, untouched);
        constexpr int Dpi = 100;
        QBuffer written;
        written.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&written);
            writer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
            writer.setPageMargins(QMarginsF());
            writer.setResolution(Dpi);
            QPainter painter(&writer);
            painter.fillRect(QRect(Dpi, Dpi, Dpi, Dpi), Qt::black);
        }
        const QSizeF exactPoints(widthMm * 72 / 25.4, heightMm * 72 / 25.4);
        const QByteArray exact = WithMediaBox(written.data(), ExactPaperPoints(QPageSize(QPageSize::PageSizeId(paper))));
        QVERIFY(!exact.isEmpty());
        if (untouched)
            QCOMPARE(exact, written.data());
        QTemporaryDir folder;
        QFile file(folder.filePath("page.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(exact) == exact.size());
        file.close();
        QProcess info;
        info.start("pdfinfo", {"-box", file.fileName()});
        QVERIFY(info.waitForFinished(30000) && info.exitCode() == 0);
        const QRegularExpressionMatch box = QRegularExpression(R"(MediaBox:\s+0\.00\s+0\.00\s+([\d.]+)\s+([\d.]+))")
                                                .match(QString::fromLatin1(info.readAllStandardOutput()));
        QVERIFY(box.hasMatch());
        QVERIFY2(std::abs(box.captured(1).toDouble() - exactPoints.width()) < 0.006, qPrintable(box.captured(0)));
        QVERIFY2(std::abs(box.captured(2).toDouble() - exactPoints.height()) < 0.006, qPrintable(box.captured(0)));
        QProcess render;
        render.start("pdftoppm", {"-r", QString::number(Dpi), "-gray", "-singlefile", file.fileName(), folder.filePath("page")});
        QVERIFY(render.waitForFinished(30000) && render.exitCode() == 0);
        const QImage page(folder.filePath("page.pgm"));
        QVERIFY(!page.isNull());
        int top = -1, left = -1;
        for (int y = 0; y < page.height() && top < 0; ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 128) {
                    top = y;
                    left = x;
                    break;
                }
        QCOMPARE(top, Dpi);
        QCOMPARE(left, Dpi);
    }

    void notAPdfIsLeftAlone()
    {
        QVERIFY(WithMediaBox("%!PS-Adobe-3.0\n", ExactPaperPoints(QPageSize(QPageSize::A4))).isEmpty());
    }
};

QTEST_MAIN(PageOutputTest)
#include "tst_page_output.moc"
