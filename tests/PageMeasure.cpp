#include "PageMeasure.h"

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
