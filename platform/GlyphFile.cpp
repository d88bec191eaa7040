#include "GlyphFile.h"

#include <QBitmap>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <QImage>
#include <QImageReader>

namespace Platform {

namespace {
quint32 LittleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

// Qt's bitmap decoder fills in whatever rows a short file lacks; a glyph
// with rows missing is not a glyph. True when an uncompressed bitmap's
// pixel rows are all in the file.
bool BitmapIsComplete(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(54);
    if (header.size() < 54 || !header.startsWith("BM"))
        return true; // not a plain bitmap: the decoder judges it
    const quint32 pixelOffset = LittleEndian(header, 10, 4);
    const qint32 width = qint32(LittleEndian(header, 18, 4));
    const qint32 height = qint32(LittleEndian(header, 22, 4));
    const quint32 bitsPerPixel = LittleEndian(header, 28, 2);
    const quint32 compression = LittleEndian(header, 30, 4);
    if (compression != 0 || width <= 0 || height == 0)
        return true;
    const qint64 stride = (qint64(width) * bitsPerPixel + 31) / 32 * 4;
    const qint64 needed = qint64(pixelOffset) + stride * std::abs(qint64(height));
    return file.size() >= needed;
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
    if (!info.isReadable()) {
        *reason = QStringLiteral("permission denied");
        return {};
    }

    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    // Refuse before decoding whatever claims to be larger than a glyph.
    const QSize claimed = reader.size();
    if (claimed.isValid()
        && (claimed.width() > MaxGlyphSide || claimed.height() > MaxGlyphSide)) {
        *reason = QStringLiteral("image of %1 x %2 pixels is too large for a glyph")
                      .arg(claimed.width())
                      .arg(claimed.height());
        return {};
    }

    if (reader.format() == "bmp" && !BitmapIsComplete(fileName)) {
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

} // namespace Platform
