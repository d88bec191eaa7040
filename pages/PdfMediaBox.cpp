#include "pages/PdfMediaBox.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>

namespace {

constexpr double PointsPerInch = 72;
constexpr double MillimetresPerInchExactly = 25.4;
// Closer than this, a size in points is the same: a thousandth of a point
// is 0.000014 in.
constexpr double SamePoints = 0.001;

QByteArray Number(double value)
{
    return QByteArray::number(value, 'f', 6);
}

} // namespace

QSizeF ExactPaperPoints(const QPageSize &paper)
{
    // Qt keeps a paper's size exact in the unit that defines it and rounds
    // points to whole ones; millimetres and inches convert exactly.
    switch (paper.definitionUnits()) {
    case QPageSize::Millimeter:
        return paper.definitionSize() * PointsPerInch / MillimetresPerInchExactly;
    case QPageSize::Inch:
        return paper.definitionSize() * PointsPerInch;
    default:
        return paper.size(QPageSize::Point);
    }
}

QByteArray WithMediaBox(const QByteArray &pdf, const QSizeF &points)
{
    const QString text = QString::fromLatin1(pdf);
    // The page object, its MediaBox and its one content stream.
    static const QRegularExpression pageObject(QStringLiteral("(\\d+) 0 obj\\s*<<((?:(?!endobj).)*?/Type /Page\\s.*?)>>\\s*endobj"),
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"));
    static const QRegularExpression contents(QStringLiteral("/Contents (\\d+) 0 R"));
    static const QRegularExpression trailer(QStringLiteral("trailer\\s*<<(.*?)>>\\s*startxref\\s*(\\d+)\\s*%%EOF\\s*$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression size(QStringLiteral("/Size (\\d+)"));

    QRegularExpressionMatchIterator pages = pageObject.globalMatch(text);
    if (!pages.hasNext())
        return {};
    const QRegularExpressionMatch page = pages.next();
    if (pages.hasNext())
        return {};
    QString dictionary = page.captured(2);
    const QRegularExpressionMatch box = mediaBox.match(dictionary);
    const QRegularExpressionMatch content = contents.match(dictionary);
    const QRegularExpressionMatch end = trailer.match(text);
    const QRegularExpressionMatch count = size.match(end.captured(1));
    if (!box.hasMatch() || !content.hasMatch() || !end.hasMatch() || !count.hasMatch())
        return {};
    const double width = box.captured(1).toDouble();
    const double height = box.captured(2).toDouble();
    if (std::abs(width - points.width()) < SamePoints && std::abs(height - points.height()) < SamePoints)
        return pdf;

    // Qt draws from the top-left corner, flipping y about its own height:
    // moved down by the difference, every mark keeps its place from the
    // top-left corner of the new box.
    const int shiftObject = count.captured(1).toInt();
    const QByteArray shift = "1 0 0 1 0 " + Number(points.height() - height) + " cm\n";
    dictionary.replace(box.capturedStart(), box.capturedLength(),
                       QStringLiteral("/MediaBox [0 0 %1 %2]")
                           .arg(QString::fromLatin1(Number(points.width())), QString::fromLatin1(Number(points.height()))));
    dictionary.replace(contents, QStringLiteral("/Contents [%1 0 R \\1 0 R]").arg(shiftObject));

    QByteArray updated = pdf;
    if (!updated.endsWith('\n'))
        updated += '\n';
    const qsizetype shiftAt = updated.size();
    updated += QByteArray::number(shiftObject) + " 0 obj\n<<\n/Length " + QByteArray::number(shift.size())
        + "\n>>\nstream\n" + shift + "endstream\nendobj\n";
    const qsizetype pageAt = updated.size();
    updated += page.captured(1).toLatin1() + " 0 obj\n<<" + dictionary.toLatin1() + ">>\nendobj\n";
    const qsizetype xrefAt = updated.size();
    auto entry = [](qsizetype offset) { return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n"; };
    QString trailerDictionary = end.captured(1);
    trailerDictionary.replace(count.capturedStart(), count.capturedLength(), QStringLiteral("/Size %1").arg(shiftObject + 1));
    updated += "xref\n0 1\n0000000000 65535 f \n" + page.captured(1).toLatin1() + " 1\n" + entry(pageAt)
        + QByteArray::number(shiftObject) + " 1\n" + entry(shiftAt) + "trailer\n<<" + trailerDictionary.toLatin1()
        + "/Prev " + end.captured(2).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return updated;
}
