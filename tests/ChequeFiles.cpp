#include "ChequeFiles.h"

#include "PageMeasure.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

namespace {

constexpr double Dpi = 1200;

// The test MICR face of each line and weight, by family name.
int MicrAdvance(const QString &face)
{
    static const char *const names[] = {"N", "N2", "", "W2", "W"};
    for (int line = 0; line < 5; ++line) {
        for (const char *weight : {"Ferro", "Ferrodark"}) {
            if (face == QStringLiteral("%1%2 Sample").arg(QLatin1String(weight), QLatin1String(names[line])))
                return TestFaceAdvances[line];
        }
    }
    return 0;
}

QRawFont RawFont(const QString &face, double pixels)
{
    QFont font(face);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    QRawFont raw = QRawFont::fromFont(font);
    raw.setPixelSize(pixels);
    return raw;
}

} // namespace

double AdvanceInches(const QString &face, double points, QChar c)
{
    if (const int advance = MicrAdvance(face))
        return advance / 1000.0 * points / 72;
    const QRawFont raw = RawFont(face, points / 72 * Dpi);
    const QList<quint32> glyphs = raw.glyphIndexesForString(QString(c));
    return raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics).value(0).x() / Dpi;
}

bool WriteChequePdf(const QString &path, const ChequeFileSpec &spec)
{
    QPdfWriter writer(path);
    writer.setPageSize(spec.paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(int(Dpi));
    writer.setCreator(QStringLiteral("cheque file test"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const double z = spec.zoom * Dpi;
    for (const QRectF &rectangle : spec.rectangles)
        painter.fillRect(QRectF(rectangle.left() * z, rectangle.top() * z, rectangle.width() * z,
                                rectangle.height() * z),
                         Qt::black);
    for (const ChequeText &text : spec.texts) {
        const QRawFont raw = RawFont(text.face, text.points / 72 * z);
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(raw.glyphIndexesForString(text.text));
        QList<QPointF> positions;
        double pen = 0;
        for (QChar c : text.text) {
            positions << QPointF(pen * z, 0);
            pen += AdvanceInches(text.face, text.points, c);
        }
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(text.left * z, text.baseline * z), run);
    }
    return painter.end();
}
