// The baseline for bench/page-benchmark.sh: the page's rows drawn into a
// 600-dpi PDF the plain Qt way (point sizes, AlignTop), with none of the
// exporter's exactness.
#include "pages/CalibrationPage.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2)
        return 2;
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    const PageUnits units = ComputePageUnits(600, 600);
    for (const PageRow &row : CalibrationPageRows()) {
        QFont font(row.face);
        font.setPointSize(row.points);
        font.setBold(row.style == RowStyle::Bold);
        font.setItalic(row.style == RowStyle::Italic);
        painter.setFont(font);
        const QString text = row.labelOfLine ? row.text + QString::fromLatin1(MicrFaceName(row.labelOfLine, FontWeightChoice::Standard))
                                             : row.text;
        painter.drawText(QRect(150 + RowX(row, units), 150 + RowY(row, units), 6000, 600),
                         Qt::AlignLeft | Qt::AlignTop, text);
    }
    return 0;
}
