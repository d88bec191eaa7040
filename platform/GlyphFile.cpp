#include "GlyphFile.h"

#include <QBitmap>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>

#include <cstdlib>

namespace Platform {

namespace {

// Far beyond any glyph bitmap; a larger file is not read at all.
constexpr qint64 MaxGlyphFileBytes = 1 << 20;

quint32 LittleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

// Qt's bitmap decoder fills in whatever rows a short file lacks; a glyph
// with rows missing is not a glyph. True when an uncompressed bitmap's
// pixel rows are all there.
bool BitmapIsComplete(const QByteArray &bytes)
{
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return true; // not a plain bitmap: the decoder judges it
    const quint32 pixelOffset = LittleEndian(bytes, 10, 4);
    const qint32 width = qint32(LittleEndian(bytes, 18, 4));
    const qint32 height = qint32(LittleEndian(bytes, 22, 4));
    const quint32 bitsPerPixel = LittleEndian(bytes, 28, 2);
    const quint32 compression = LittleEndian(bytes, 30, 4);
    if (compression != 0 || width <= 0 || height == 0)
        return true;
    const qint64 stride = (qint64(width) * bitsPerPixel + 31) / 32 * 4;
    const qint64 needed = qint64(pixelOffset) + stride * std::abs(qint64(height));
    return bytes.size() >= needed;
}

QPixmap DecodeGlyph(const QByteArray &bytes, QString *reason)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // A bitmap is read as one without asking every image plugin whether it
    // knows the bytes (asking loads them all); anything else is recognised
    // by its content.
    const bool bitmap = bytes.startsWith("BM");
    QImageReader reader(&buffer, bitmap ? QByteArray("bmp") : QByteArray());
    reader.setAutoDetectImageFormat(!bitmap);
    // Refuse before decoding whatever claims to be larger than a glyph.
    const QSize claimed = reader.size();
    if (claimed.isValid() && (claimed.width() > MaxGlyphSide || claimed.height() > MaxGlyphSide)) {
        *reason = QStringLiteral("image of %1 x %2 pixels is too large for a glyph")
                      .arg(claimed.width())
                      .arg(claimed.height());
        return {};
    }
    if (reader.format() == "bmp" && !BitmapIsComplete(bytes)) {
        *reason = QStringLiteral("file is truncated");
        return {};
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        *reason = reader.errorString();
        if (reason->isEmpty())
            *reason = QStringLiteral("not a readable image");
        return {};
    }
    if (image.width() > MaxGlyphSide || image.height() > MaxGlyphSide) {
        *reason = QStringLiteral("image too large for a glyph");
        return {};
    }
    QPixmap glyph = QPixmap::fromImage(image);
    // A button glyph without alpha is transparent wherever it has the colour
    // of its bottom-left pixel, as glyph bitmaps have always been drawn.
    if (!image.hasAlphaChannel())
        glyph.setMask(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1))));
    return glyph;
}

} // namespace

QPixmap ReadGlyphFile(const QString &fileName, QString *reason)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        *reason = QStringLiteral("no such file");
        return {};
    }
    if (info.isDir()) {
        *reason = QStringLiteral("is a directory");
        return {};
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return {};
    }
    if (file.size() > MaxGlyphFileBytes) {
        *reason = QStringLiteral("file of %1 bytes is too large for a glyph").arg(file.size());
        return {};
    }
    const QByteArray bytes = file.read(MaxGlyphFileBytes + 1);
    if (bytes.size() > MaxGlyphFileBytes) {
        *reason = QStringLiteral("file is too large for a glyph");
        return {};
    }

    // The same bytes give back the same pixmap.
    static QHash<QString, std::pair<QByteArray, QPixmap>> lastRead;
    const QString key = info.absoluteFilePath();
    const auto known = lastRead.constFind(key);
    if (known != lastRead.constEnd() && known->first == bytes)
        return known->second;
    QPixmap glyph = DecodeGlyph(bytes, reason);
    if (glyph.isNull())
        lastRead.remove(key);
    else
        lastRead.insert(key, {bytes, glyph});
    return glyph;
}

} // namespace Platform
