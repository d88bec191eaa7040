#include "ChequeFiles.h"

#include "PageMeasure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGlyphRun>
#include <QMap>
#include <QSaveFile>
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

bool WriteChequePdf(const QString &path, const ChequeFileContent &content)
{
    QPdfWriter writer(path);
    writer.setPageSize(content.paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(int(Dpi));
    writer.setCreator(QStringLiteral("cheque file test"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const double z = content.zoom * Dpi;
    for (const QRectF &rectangle : content.rectangles)
        painter.fillRect(QRectF(rectangle.left() * z, rectangle.top() * z, rectangle.width() * z,
                                rectangle.height() * z),
                         Qt::black);
    for (const ChequeText &text : content.texts) {
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

namespace {

// PostScript's standard names of the characters the faces have.
QString GlyphName(QChar c)
{
    static const char *const digits[] = {"zero", "one", "two", "three", "four",
                                         "five", "six", "seven", "eight", "nine"};
    if (c.isDigit())
        return QLatin1String(digits[c.digitValue()]);
    static const QMap<QChar, QString> names = {{u' ', QStringLiteral("space")}, {u':', QStringLiteral("colon")},
                                               {u';', QStringLiteral("semicolon")}, {u'<', QStringLiteral("less")},
                                               {u'=', QStringLiteral("equal")}, {u'|', QStringLiteral("bar")}};
    return names.value(c, QString(c));
}

// A Type 42 font of the test face `face`, under its PostScript name.
QByteArray Type42Font(const QString &face, const QString &psName)
{
    const QString folder = QFileInfo(qEnvironmentVariable("FONTCONFIG_FILE")).absolutePath();
    QFile file(QDir(folder).filePath(QString(face).remove(QLatin1Char(' ')) + QStringLiteral(".ttf")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray sfnt = file.readAll();
    QRawFont raw;
    raw.loadFromData(sfnt, 10, QFont::PreferNoHinting);
    const QString characters = QStringLiteral("0123456789ABCD:;<= |");
    QByteArray font = "%%BeginResource: font " + psName.toLatin1() + "\n12 dict begin\n/FontName /" + psName.toLatin1()
        + " def\n/FontType 42 def\n/FontMatrix [1 0 0 1 0 0] def\n/FontBBox [0 -0.2 1 0.8] def\n/PaintType 0 def\n"
          "/Encoding 256 array 0 1 255 {1 index exch /.notdef put} for\n";
    QByteArray charStrings = "/CharStrings " + QByteArray::number(characters.size() + 1) + " dict dup begin\n/.notdef 0 def\n";
    for (QChar c : characters) {
        const QByteArray name = GlyphName(c).toLatin1();
        font += "dup " + QByteArray::number(c.unicode()) + " /" + name + " put\n";
        charStrings += "/" + name + " " + QByteArray::number(raw.glyphIndexesForString(QString(c)).value(0)) + " def\n";
    }
    font += "readonly def\n" + charStrings + "end readonly def\n/sfnts [<";
    const QByteArray hex = sfnt.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 64)
        font += "\n" + hex.mid(i, 64);
    font += "00>] def\nFontName currentdict end definefont pop\n%%EndResource\n";
    return font;
}

QByteArray Number(double value)
{
    return QByteArray::number(value, 'f', 4);
}

} // namespace

bool WriteChequePostScript(const QString &path, const ChequeFileContent &content)
{
    const QSizeF points = content.paper.size(QPageSize::Point);
    QByteArray ps = "%!PS-Adobe-3.0\n%%Creator: cheque file test, as FreeCheck writes them\n%%BoundingBox: 0 0 "
        + QByteArray::number(qRound(points.width())) + " " + QByteArray::number(qRound(points.height()))
        + "\n%%Pages: 1\n%%EndComments\n%%BeginProlog\n";
    QMap<QString, QByteArray> fonts;
    for (const ChequeText &text : content.texts) {
        if (MicrAdvance(text.face) && !fonts.contains(text.face)) {
            const QString psName = QString(text.face).remove(QLatin1Char(' ')) + QStringLiteral("-Regular");
            const QByteArray font = Type42Font(text.face, psName);
            if (font.isEmpty())
                return false;
            ps += font;
            fonts.insert(text.face, psName.toLatin1());
        }
    }
    ps += "%%EndProlog\n%%Page: 1 1\n<< /PageSize [" + Number(points.width()) + " " + Number(points.height())
        + "] >> setpagedevice\n";
    const auto y = [&points](double inches) { return Number(points.height() - inches * 72); };
    for (const QRectF &r : content.rectangles)
        ps += Number(r.left() * 72) + " " + y(r.bottom()) + " " + Number(r.width() * 72) + " " + Number(r.height() * 72)
            + " rectfill\n";
    for (const ChequeText &text : content.texts) {
        QByteArray escaped = text.text.toLatin1();
        escaped.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)");
        ps += "/" + fonts.value(text.face, "Helvetica") + " findfont " + Number(text.points) + " scalefont setfont\n"
            + Number(text.left * 72) + " " + y(text.baseline) + " moveto (" + escaped + ") show\n";
    }
    ps += "showpage\n%%Trailer\n%%EOF\n";
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ps) == ps.size() && file.commit();
}
