#include "PageMeasure.h"

#include <QtTest>

#include <cmath>

namespace {
struct Run
{
    int start;
    int end; // one past the last pixel
};

double Darkness(const uchar *line, int x, int width)
{
    if (x < 0 || x >= width)
        return 0;
    return (255 - line[x]) / 255.0;
}

// The left edge of an antialiased stroke whose first mostly-dark pixel is x.
double LeftEdge(const uchar *line, int x, int width)
{
    return x + (1 - Darkness(line, x, width)) - Darkness(line, x - 1, width);
}
} // namespace

std::vector<MarksRow> FindMarksRows(const QImage &page, double minimumGap, int minimumHeight)
{
    const QImage gray = page.convertToFormat(QImage::Format_Grayscale8);
    std::vector<MarksRow> rows;
    bool inRow = false;
    std::vector<double> firsts, lasts;
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *line = gray.constScanLine(y);
        std::vector<Run> runs;
        for (int x = 0; x < gray.width(); ++x) {
            if (line[x] >= 128)
                continue;
            const int start = x;
            while (x < gray.width() && line[x] < 128)
                ++x;
            runs.push_back({start, x});
            if (runs.size() > 2)
                break;
        }
        const bool marks = runs.size() == 2 && runs[1].start - runs[0].start >= minimumGap
                           && runs[0].end - runs[0].start < minimumGap / 50
                           && runs[1].end - runs[1].start < minimumGap / 50;
        if (marks) {
            if (!inRow) {
                rows.push_back({y, y, 0, 0});
                firsts.clear();
                lasts.clear();
            }
            inRow = true;
            rows.back().bottom = y;
            firsts.push_back(LeftEdge(line, runs[0].start, gray.width()));
            lasts.push_back(LeftEdge(line, runs[1].start, gray.width()));
        } else if (inRow) {
            inRow = false;
            // The middle half of the stroke, away from its antialiased ends.
            const std::size_t from = firsts.size() / 4, to = firsts.size() - firsts.size() / 4;
            double first = 0, last = 0;
            for (std::size_t i = from; i < to; ++i) {
                first += firsts[i];
                last += lasts[i];
            }
            rows.back().firstEdge = first / double(to - from);
            rows.back().lastEdge = last / double(to - from);
            if (rows.back().bottom - rows.back().top + 1 < minimumHeight)
                rows.pop_back();
        }
    }
    return rows;
}

double SampleLineLength(int advance, double dpi)
{
    return 56.0 * advance / 1000.0 * 10.0 / 72.0 * dpi;
}

std::vector<double> InkRunCentres(const QImage &page, bool horizontal, int line, int from, int to)
{
    std::vector<double> centres;
    int start = -1;
    for (int i = from; i <= to + 1; ++i) {
        const bool inside = i <= to && i >= 0 && i < (horizontal ? page.width() : page.height());
        const bool dark = inside && qGray(horizontal ? page.pixel(i, line) : page.pixel(line, i)) < 128;
        if (dark && start < 0)
            start = i;
        if (!dark && start >= 0) {
            centres.push_back((start + i) / 2.0);
            start = -1;
        }
    }
    return centres;
}

void CheckPlacementRaster(const QImage &page, double dpiX, double dpiY, double chequeTop, double chequeHeight,
                          int advance, double tolerance)
{
    // A4's 210 mm is no whole number of pixels: the raster is rounded.
    const double a4Width = 210 / 25.4;
    const double width = std::abs(page.width() / dpiX - a4Width) < 1.0 / dpiX ? a4Width : page.width() / dpiX;
    const double bottom = chequeTop + chequeHeight;
    // Where the cheque ends at the paper's edge, the edge is the paper's.
    const bool bottomIsPaperEdge = std::abs(bottom - page.height() / dpiY) < 0.01;
    const auto px = [](double inches, double dpi) { return inches * dpi; };
    // Rules are whole pixels; the edges of antialiased figures are read to
    // a pixel more.
    const auto near = [tolerance](double measured, double expected, const char *what, double more = 0) {
        const bool close = std::abs(measured - expected) <= tolerance + more;
        if (!close)
            qWarning("%s at %.2f px, expected %.2f px", what, measured, expected);
        return close;
    };

    // Down a column in the left margin, clear of text and cells: the
    // cheque's edges and the bands' rules.
    const int column = int(px(0.25, dpiX));
    std::vector<double> rules = InkRunCentres(page, false, column, int(px(chequeTop + 0.05, dpiY)),
                                              int(std::min(px(bottom + 0.05, dpiY), page.height() - 1.0)));
    std::vector<double> expectedRules = {bottom - 0.625, bottom - 0.4375, bottom - 0.1875};
    if (!bottomIsPaperEdge)
        expectedRules.push_back(bottom);
    QVERIFY2(rules.size() == expectedRules.size(), qPrintable(QStringLiteral("%1 rules").arg(rules.size())));
    for (std::size_t i = 0; i < rules.size(); ++i)
        QVERIFY(near(rules[i], px(expectedRules[i], dpiY), "band or edge rule"));

    // The reference bar's inch ticks, in a row just above the bar where
    // only they reach.
    const std::vector<double> rows = InkRunCentres(page, false, int(px(width / 2 + 0.0625, dpiX)),
                                                   int(px(chequeTop + 1.9, dpiY)), int(px(chequeTop + 2.3, dpiY)));
    QVERIFY2(!rows.empty(), "no reference bar");
    const double barY = rows.back() / dpiY;
    const std::vector<double> ticks =
        InkRunCentres(page, true, int(px(barY - 0.12, dpiY)), int(px(0.5, dpiX)), page.width() - 1);
    QVERIFY2(ticks.size() == 8, qPrintable(QStringLiteral("%1 inch ticks").arg(ticks.size())));
    QVERIFY(near(ticks.back() - ticks.front(), px(7.0, dpiX), "reference bar"));
    for (int inch = 0; inch < 8; ++inch)
        QVERIFY(near(ticks[std::size_t(inch)], px((width - 7) / 2 + inch, dpiX), "inch tick"));

    // The vertical bar's inch ticks, 2 in apart, in a column only they reach.
    const std::vector<double> inches = InkRunCentres(page, false, int(px(0.42, dpiX)), int(px(chequeTop + 0.2, dpiY)),
                                                     int(px(bottom - 0.75, dpiY)));
    QVERIFY2(inches.size() == 3, qPrintable(QStringLiteral("%1 vertical inch ticks").arg(inches.size())));
    QVERIFY(near(inches.back() - inches.front(), px(2.0, dpiY), "vertical bar"));

    // Where position 1 ends: the one tick that reaches below the others.
    // Where the paper's edge is the cheque's, every tick stops short of the
    // 0.1 in next to it, and the cells' well above position 1's.
    const double longTickRow = bottomIsPaperEdge ? bottom - 0.115 : bottom - 0.1;
    const double cellRow = bottomIsPaperEdge ? bottom - 0.16 : bottom - 0.14;
    const std::vector<double> end = InkRunCentres(page, true, int(px(longTickRow, dpiY)), 0, page.width() - 1);
    QVERIFY2(end.size() == 1, qPrintable(QStringLiteral("%1 long ticks").arg(end.size())));
    QVERIFY(near(end[0], px(width - 0.3125, dpiX), "position 1's end"));

    // The cells' edges, in a row between the baseline and the numbers.
    const std::vector<double> cells = InkRunCentres(page, true, int(px(cellRow, dpiY)), 0, page.width() - 1);
    std::vector<double> expectedCells;
    for (int edge = 0; edge <= 65; ++edge) {
        const double x = width - 0.3125 - edge * 0.125;
        if (x >= 0.25) // guide ticks stop where the common margins begin
            expectedCells.push_back(x);
    }
    QVERIFY2(cells.size() == expectedCells.size(), qPrintable(QStringLiteral("%1 cell edges").arg(cells.size())));
    for (std::size_t i = 0; i < cells.size(); ++i)
        QVERIFY(near(cells[cells.size() - 1 - i], px(expectedCells[i], dpiX), "cell edge"));

    // The sample line: its figures stand 0.6 em above the baseline, and its
    // last character, the amount symbol, has ink to 0.45 em of its cell.
    const double em = 10.0 / 72;
    const int lineLeft = int(px(width - 0.3125 - 43 * 0.125 - 0.1, dpiX));
    int topInk = -1;
    for (int y = int(px(bottom - 0.4375 + 0.02, dpiY)); y < int(px(bottom - 0.25, dpiY)) && topInk < 0; ++y) {
        if (!InkRunCentres(page, true, y, lineLeft, int(px(width - 0.3125, dpiX))).empty())
            topInk = y;
    }
    QVERIFY(near(topInk, px(bottom - 0.1875 - 0.6 * em, dpiY), "sample line's figures' top", 1));
    const std::vector<double> lastSymbol =
        InkRunCentres(page, true, int(px(bottom - 0.1875 - 0.2 * em, dpiY)), int(px(width - 0.5, dpiX)),
                      int(px(width - 0.2, dpiX)));
    QVERIFY2(lastSymbol.size() == 2, "no amount symbol at position 1");
    const double symbolRightInk = px(width - 0.3125 - (advance - 450) / 1000.0 * em, dpiX);
    const double strokeHalf = px(50 / 1000.0 * em, dpiX);
    QVERIFY(near(lastSymbol[1] + strokeHalf, symbolRightInk, "sample line's right end", 1));
}

void PlaceField(QMap<int, QChar> &line, const QString &text, int last)
{
    for (int i = 0; i < text.size(); ++i)
        line[last + int(text.size()) - 1 - i] = text[i];
}

void CheckMicrLineCells(const QImage &page, double dpi, double positionOneEnd, double baseline,
                        const QMap<int, QChar> &line)
{
    const double cell = 0.125 * dpi;
    const auto filled = [&line](int position) { return line.value(position, QChar(u' ')) != u' '; };
    QMap<int, int> inked; // ink columns by position
    for (int x = 0; x < int(positionOneEnd + cell) && x < page.width(); ++x) {
        bool ink = false;
        // Between 0.02 and 0.05 in above the baseline every character has ink.
        for (int y = int(baseline - 0.05 * dpi); y < int(baseline - 0.02 * dpi) && !ink; ++y)
            ink = qGray(page.pixel(x, y)) < 128;
        if (!ink)
            continue;
        // The column's centre, half a pixel either way, in a cell.
        const double fromEnd = positionOneEnd - (x + 0.5);
        const int right = int(std::floor((fromEnd - 0.5) / cell)) + 1;
        const int left = int(std::floor((fromEnd + 0.5) / cell)) + 1;
        const int position = filled(right) ? right : left;
        QVERIFY2(filled(position), qPrintable(QStringLiteral("ink at column %1, in blank position %2").arg(x).arg(position)));
        ++inked[position];
    }
    for (auto it = line.begin(); it != line.end(); ++it) {
        if (it.value() != u' ')
            QVERIFY2(inked.value(it.key()) > 0, qPrintable(QStringLiteral("no ink in position %1").arg(it.key())));
    }
}
