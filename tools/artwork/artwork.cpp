// Draws the program's pictures, button glyphs and icon. Run it after changing
// a drawing:  cmake --build build --target artwork  (writes into resources/).
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QString outputDir;

using Drawing = std::function<void(QPainter &)>;

// Draws at `scale` times the size: the same drawing, in as many more pixels.
QImage Draw(int width, int height, const Drawing &drawing, QColor background = Qt::transparent, int scale = 1)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    drawing(painter);
    return image;
}

// The wizard's picture is a 256-colour image: shown at start-up, it decodes
// in half the time of a true-colour one. The palette is
// the picture's own most used colours (nearby shades counted together),
// every pixel taking the closest, so gradients stay smooth without dither.
QImage WithPalette(const QImage &image)
{
    struct Bucket
    {
        qint64 count = 0, red = 0, green = 0, blue = 0;
        QRgb key = 0;
    };
    QHash<QRgb, Bucket> buckets;
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < opaque.height(); ++y) {
        for (int x = 0; x < opaque.width(); ++x) {
            const QRgb pixel = opaque.pixel(x, y);
            Bucket &bucket = buckets[pixel & 0xf8f8f8];
            bucket.key = pixel & 0xf8f8f8;
            ++bucket.count;
            bucket.red += qRed(pixel);
            bucket.green += qGreen(pixel);
            bucket.blue += qBlue(pixel);
        }
    }
    QList<Bucket> used = buckets.values();
    // The order is fixed, ties included, so that the same drawing makes the same file.
    std::sort(used.begin(), used.end(),
              [](const Bucket &a, const Bucket &b) { return a.count != b.count ? a.count > b.count : a.key < b.key; });
    QList<QRgb> palette;
    for (const Bucket &bucket : used.mid(0, 256))
        palette << qRgb(int(bucket.red / bucket.count), int(bucket.green / bucket.count),
                        int(bucket.blue / bucket.count));
    return opaque.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

void Save(const QImage &image, const QString &name)
{
    const QString path = outputDir + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path))
        std::fprintf(stderr, "artwork: cannot write %s\n", qPrintable(path));
}

// The glyphs share a 24 x 24 grid with a one-pixel margin.

void PrinterGlyph(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 2.5, 10, 7)); // paper in
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 12, 7)); // page out
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.drawLine(QPointF(8.5, 17.5), QPointF(16.5, 17.5));
    p.drawLine(QPointF(8.5, 19.5), QPointF(14.5, 19.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 190, 60));
    p.drawEllipse(QPointF(18.5, 11.5), 1.2, 1.2);
}

void Arrow(QPainter &p, bool right, QColor colour)
{
    QPainterPath path;
    const qreal dir = right ? 1 : -1;
    const qreal cx = 12;
    path.moveTo(cx - dir * 8, 9);
    path.lineTo(cx + dir * 1, 9);
    path.lineTo(cx + dir * 1, 4);
    path.lineTo(cx + dir * 9, 12);
    path.lineTo(cx + dir * 1, 20);
    path.lineTo(cx + dir * 1, 15);
    path.lineTo(cx - dir * 8, 15);
    path.closeSubpath();
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(colour);
    p.drawPath(path);
}

void NextGlyph(QPainter &p) { Arrow(p, true, QColor(40, 150, 60)); }
void PreviousGlyph(QPainter &p) { Arrow(p, false, QColor(40, 110, 190)); }

void HelpGlyph(QPainter &p)
{
    p.setPen(QPen(QColor(20, 70, 150), 1));
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
}

void AboutGlyph(QPainter &p)
{
    // A speech bubble holding an i.
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2.5, 2.5, 19, 15), 5, 5);
    QPainterPath tail;
    tail.moveTo(7, 16);
    tail.lineTo(5, 22);
    tail.lineTo(12, 16);
    tail.closeSubpath();
    p.setPen(QPen(QColor(20, 70, 150), 1));
    p.setBrush(QColor(70, 130, 220));
    p.drawPath(bubble.united(tail));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 6.5), 1.5, 1.5);
    p.drawRect(QRectF(10.8, 9, 2.4, 6.5));
}

void ExitGlyph(QPainter &p)
{
    // An open door.
    p.setPen(QPen(QColor(90, 60, 30), 1));
    p.setBrush(QColor(240, 235, 220));
    p.drawRect(QRectF(5.5, 2.5, 13, 19));
    QPainterPath door;
    door.moveTo(5.5, 2.5);
    door.lineTo(13.5, 5.5);
    door.lineTo(13.5, 23.5);
    door.lineTo(5.5, 21.5);
    door.closeSubpath();
    p.setBrush(QColor(170, 110, 50));
    p.drawPath(door);
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QPointF(11.5, 13.5), 1, 1);
}

void BuyNowGlyph(QPainter &p)
{
    // A shopping cart.
    p.setPen(QPen(QColor(50, 50, 50), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath cart;
    cart.moveTo(2, 5);
    cart.lineTo(5, 5);
    cart.lineTo(8, 16);
    cart.lineTo(19, 16);
    p.drawPath(cart);
    p.setBrush(QColor(240, 170, 40));
    p.drawPolygon(QPolygonF({QPointF(6, 8), QPointF(21, 8), QPointF(19, 14), QPointF(7.5, 14)}));
    p.setBrush(QColor(50, 50, 50));
    p.drawEllipse(QPointF(9, 19.5), 1.6, 1.6);
    p.drawEllipse(QPointF(17, 19.5), 1.6, 1.6);
}

void SignatureGlyph(QPainter &p)
{
    p.setPen(QPen(QColor(30, 60, 170), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath ink;
    ink.moveTo(2, 18);
    ink.cubicTo(5, 8, 7, 8, 7, 15);
    ink.cubicTo(7, 20, 10, 10, 12, 14);
    ink.cubicTo(13, 17, 15, 16, 17, 14);
    p.drawPath(ink);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
    // the pen
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(200, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(17, 13), QPointF(22, 3), QPointF(23.5, 4), QPointF(18.5, 14)}));
}

void DocumentGlyph(QPainter &p)
{
    // An order form: a page with lines and a pencil tick.
    QPainterPath page;
    page.moveTo(5.5, 2.5);
    page.lineTo(15.5, 2.5);
    page.lineTo(19.5, 6.5);
    page.lineTo(19.5, 21.5);
    page.lineTo(5.5, 21.5);
    page.closeSubpath();
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setPen(QPen(QColor(150, 160, 175), 1));
    for (int y = 9; y <= 18; y += 3)
        p.drawLine(QPointF(8, y + 0.5), QPointF(17, y + 0.5));
    p.setPen(QPen(QColor(200, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(8, 6), QPointF(9.5, 7.5), QPointF(12.5, 4)}));
}

void ManualGlyph(QPainter &p)
{
    // A closed book.
    p.setPen(QPen(QColor(30, 60, 110), 1));
    p.setBrush(QColor(50, 100, 180));
    p.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 1.5, 1.5);
    p.setBrush(QColor(245, 240, 225));
    p.drawRect(QRectF(17.5, 4.5, 2.5, 16));
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(8, 8.5), QPointF(15, 8.5));
    p.drawLine(QPointF(8, 11.5), QPointF(13, 11.5));
}

void OnlineGlyph(QPainter &p)
{
    // A globe.
    p.setPen(QPen(QColor(20, 90, 60), 1));
    p.setBrush(QColor(70, 160, 210));
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    p.setBrush(QColor(80, 170, 80));
    p.drawPolygon(QPolygonF({QPointF(6, 7), QPointF(11, 5), QPointF(12, 10), QPointF(8, 13), QPointF(5, 11)}));
    p.drawPolygon(QPolygonF({QPointF(14, 12), QPointF(19, 11), QPointF(18, 17), QPointF(14, 19)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.drawEllipse(QRectF(8, 2.5, 8, 19));
    p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
}

QImage AsBitmapGlyph(const Drawing &drawing, int scale = 1)
{
    // Glyph bitmaps have no alpha: the colour of the bottom-left pixel
    // stands for transparent.
    const QColor transparentKey(128, 128, 0);
    QImage glyph = Draw(24, 24, drawing, transparentKey, scale);
    return glyph.convertToFormat(QImage::Format_RGB888);
}

// NAME.EXT, and NAME@2x.EXT at twice the size for screens scaled to 2
// (Qt picks it from the name).
void SaveBoth(const std::function<QImage(int scale)> &draw, const QString &name)
{
    Save(draw(1), name);
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    Save(draw(2), name.left(dot) + QStringLiteral("@2x") + name.mid(dot));
}

void WizardPicture(QPainter &p)
{
    // A hand writing a cheque, seen from above, on a desk.
    QLinearGradient desk(0, 0, 131, 250);
    desk.setColorAt(0, QColor(120, 80, 50));
    desk.setColorAt(1, QColor(80, 50, 30));
    p.fillRect(QRect(0, 0, 131, 250), desk);
    p.setPen(QPen(QColor(100, 65, 40), 1));
    for (int y = 12; y < 250; y += 23)
        p.drawLine(0, y, 131, y + 9);

    // The cheque, turned a little.
    p.save();
    p.translate(66, 120);
    p.rotate(-12);
    const QRectF cheque(-58, -95, 116, 190);
    p.setPen(QPen(QColor(90, 120, 100), 1));
    QLinearGradient paper(cheque.topLeft(), cheque.bottomRight());
    paper.setColorAt(0, QColor(225, 242, 228));
    paper.setColorAt(1, QColor(200, 228, 210));
    p.setBrush(paper);
    p.drawRect(cheque);
    p.setPen(QPen(QColor(120, 150, 130), 1));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(-48, -60 + i * 28), QPointF(48, -60 + i * 28));
    p.drawRect(QRectF(18, -84, 30, 12)); // amount box
    // Written amount.
    p.setPen(QPen(QColor(20, 40, 120), 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath words;
    words.moveTo(-46, -36);
    for (int i = 0; i < 7; ++i)
        words.cubicTo(-42 + i * 10, -46, -38 + i * 10, -28, -34 + i * 10, -37);
    p.drawPath(words);
    // MICR line along the bottom edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    for (int i = 0; i < 20; ++i) {
        const qreal x = -50 + i * 5;
        p.drawRect(QRectF(x, 80, 2.5, 6 - (i % 3)));
    }
    p.restore();

    // The pen.
    p.save();
    p.translate(74, 92);
    p.rotate(35);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(25, 40, 90));
    p.drawRoundedRect(QRectF(-3, -70, 7, 66), 3, 3);
    p.setBrush(QColor(200, 170, 60));
    p.drawPolygon(QPolygonF({QPointF(-3, -4), QPointF(4, -4), QPointF(0.5, 6)}));
    p.restore();

    // The hand: a rounded palm and fingers gripping the pen.
    p.setPen(QPen(QColor(160, 100, 70), 1));
    QRadialGradient skin(QPointF(100, 150), 60);
    skin.setColorAt(0, QColor(245, 200, 165));
    skin.setColorAt(1, QColor(215, 160, 120));
    p.setBrush(skin);
    QPainterPath hand;
    hand.moveTo(131, 110);
    hand.cubicTo(110, 100, 88, 104, 80, 120);
    hand.cubicTo(74, 132, 80, 150, 96, 160);
    hand.cubicTo(112, 170, 124, 172, 131, 176);
    hand.closeSubpath();
    p.drawPath(hand);
    p.drawEllipse(QRectF(66, 104, 22, 12));  // thumb over the pen
    p.drawEllipse(QRectF(70, 118, 20, 11));  // index finger
    p.drawEllipse(QRectF(78, 130, 18, 10));  // middle finger
    // A sleeve cuff.
    p.setBrush(QColor(60, 90, 150));
    p.drawPolygon(QPolygonF({QPointF(131, 104), QPointF(118, 108), QPointF(124, 180), QPointF(131, 182)}));
}

void AboutPicture(QPainter &p)
{
    // White, with the information bubble in the top-left corner.
    p.fillRect(QRect(0, 0, 244, 271), Qt::white);
    p.save();
    p.translate(4, 4);
    p.scale(30.0 / 24, 30.0 / 24);
    AboutGlyph(p);
    p.restore();
}

void ProductBoxPicture(QPainter &p)
{
    // The boxed font set on the left, white on the right behind the texts.
    p.fillRect(QRect(0, 0, 400, 225), Qt::white);
    QLinearGradient shade(0, 0, 140, 0);
    shade.setColorAt(0, QColor(225, 232, 245));
    shade.setColorAt(1, Qt::white);
    p.fillRect(QRect(0, 0, 140, 225), shade);
    // Box: front, side and top faces.
    const QPolygonF front({QPointF(14, 48), QPointF(104, 40), QPointF(104, 196), QPointF(14, 204)});
    const QPolygonF side({QPointF(104, 40), QPointF(128, 52), QPointF(128, 200), QPointF(104, 196)});
    const QPolygonF top({QPointF(14, 48), QPointF(38, 58), QPointF(128, 52), QPointF(104, 40)});
    p.setPen(QPen(QColor(20, 40, 80), 1));
    QLinearGradient face(14, 40, 104, 200);
    face.setColorAt(0, QColor(30, 70, 150));
    face.setColorAt(1, QColor(15, 40, 95));
    p.setBrush(face);
    p.drawPolygon(front);
    p.setBrush(QColor(12, 30, 70));
    p.drawPolygon(side);
    p.setBrush(QColor(70, 110, 190));
    p.drawPolygon(top);
    // The label on the front: a cheque with its MICR line.
    p.setBrush(QColor(215, 238, 220));
    p.setPen(QPen(QColor(60, 100, 70), 1));
    p.drawRect(QRectF(22, 110, 74, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    for (int i = 0; i < 12; ++i)
        p.drawRect(QRectF(26 + i * 5.5, 138, 2.5, 5 - (i % 2) * 2));
    p.setPen(QPen(QColor(20, 50, 130), 1.2));
    p.drawLine(QPointF(27, 120), QPointF(70, 120));
    p.drawLine(QPointF(27, 127), QPointF(58, 127));
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(15);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(14, 60, 90, 24), Qt::AlignCenter, QStringLiteral("MICR"));
    title.setPixelSize(10);
    title.setBold(false);
    p.setFont(title);
    p.drawText(QRectF(14, 82, 90, 20), Qt::AlignCenter, QStringLiteral("Font Set"));
    title.setPixelSize(8);
    p.setFont(title);
    p.setPen(QColor(190, 205, 235));
    p.drawText(QRectF(14, 170, 90, 20), Qt::AlignCenter, QStringLiteral("Tolvane Fonts"));
}

void SignaturePicture(QPainter &p)
{
    // A handwritten signature in blue ink on white.
    p.fillRect(QRect(0, 0, 290, 100), Qt::white);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(20, 82, 270, 82);
    p.setPen(QPen(QColor(25, 45, 160), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath ink;
    ink.moveTo(28, 70);
    ink.cubicTo(34, 20, 52, 10, 50, 40);
    ink.cubicTo(48, 62, 36, 76, 44, 72);
    ink.cubicTo(60, 62, 64, 44, 72, 52);
    ink.cubicTo(78, 60, 80, 70, 90, 56);
    ink.cubicTo(98, 44, 100, 64, 110, 58);
    ink.cubicTo(120, 50, 118, 30, 128, 26);
    ink.cubicTo(134, 24, 130, 70, 140, 66);
    ink.cubicTo(150, 62, 156, 48, 166, 54);
    ink.cubicTo(176, 60, 180, 66, 192, 52);
    ink.cubicTo(200, 42, 206, 62, 218, 58);
    ink.cubicTo(234, 52, 250, 46, 262, 38);
    p.drawPath(ink);
    QPainterPath flourish;
    flourish.moveTo(40, 88);
    flourish.cubicTo(110, 74, 190, 94, 258, 76);
    p.setPen(QPen(QColor(25, 45, 160), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(flourish);
}

// The gauge's labels in the language of the window that shows it.
struct GaugeWords
{
    const char *clearBand, *routing, *onUs, *amount;
};
constexpr GaugeWords EnglishGauge{"MICR clear band", "routing", "on-us", "amount"};
constexpr GaugeWords FrenchGauge{"bande libre MICR", "transit", "on-us", "montant"};

void GaugePicture(QPainter &p, const GaugeWords &words)
{
    // A clear MICR position gauge: an inch ruler along the top, the band of
    // the MICR line, and the numbered character positions.
    p.fillRect(QRect(0, 0, 328, 133), QColor(250, 250, 245));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(235, 242, 250));
    p.drawRect(QRectF(2.5, 2.5, 322, 127));
    const double inch = 46.0;
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(8);
    p.setFont(small);
    for (int tick = 0; tick <= 6 * 8; ++tick) {
        const double x = 10 + tick * inch / 8;
        const int length = tick % 8 == 0 ? 12 : (tick % 4 == 0 ? 8 : (tick % 2 == 0 ? 6 : 4));
        p.drawLine(QPointF(x, 3), QPointF(x, 3 + length));
        if (tick % 8 == 0)
            p.drawText(QPointF(x + 2, 22), QString::number(tick / 8));
    }
    // The clear band where the MICR line must print.
    p.setPen(QPen(QColor(180, 30, 30), 1, Qt::DashLine));
    p.setBrush(QColor(255, 230, 230));
    p.drawRect(QRectF(6, 88, 316, 37)); // tall enough for the position numbers inside
    p.setPen(QColor(160, 20, 20));
    p.drawText(QRectF(8, 76, 200, 10), Qt::AlignLeft, QString::fromUtf8(words.clearBand));
    // Character positions, numbered from the right as on a cheque.
    p.setPen(QPen(QColor(40, 40, 120), 1));
    const double pitch = inch / 8;
    for (int position = 1; position <= 25; ++position) {
        const double x = 318 - position * pitch;
        p.drawRect(QRectF(x, 96, pitch - 1.5, 14));
        if (position % 5 == 0 || position == 1)
            p.drawText(QRectF(x - 4, 112, pitch + 8, 10), Qt::AlignHCenter, QString::number(position));
    }
    // Field markers: on-us, amount, routing.
    p.setPen(QPen(QColor(40, 120, 40), 1));
    const struct { double from, to; const char *name; } fields[] = {
        {12, 128, words.routing}, {134, 210, words.onUs}, {216, 318, words.amount}};
    for (const auto &field : fields) {
        p.drawLine(QPointF(field.from, 58), QPointF(field.to, 58));
        p.drawLine(QPointF(field.from, 54), QPointF(field.from, 62));
        p.drawLine(QPointF(field.to, 54), QPointF(field.to, 62));
        p.drawText(QRectF(field.from, 42, field.to - field.from, 10), Qt::AlignHCenter, QString::fromUtf8(field.name));
    }
}

void ProgramIcon(QPainter &p, int size)
{
    p.scale(size / 64.0, size / 64.0);
    // A cheque with a MICR line and a ruler beneath it.
    p.setPen(QPen(QColor(60, 100, 70), 2));
    p.setBrush(QColor(215, 238, 220));
    p.drawRoundedRect(QRectF(4, 10, 56, 32), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    for (int i = 0; i < 9; ++i)
        p.drawRect(QRectF(9 + i * 5.2, 32, 2.6, 6 - (i % 2) * 2));
    p.setPen(QPen(QColor(20, 50, 130), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 20), QPointF(40, 20));
    p.drawLine(QPointF(10, 26), QPointF(30, 26));
    p.setPen(QPen(QColor(120, 90, 20), 1.5));
    p.setBrush(QColor(245, 205, 80));
    p.drawRect(QRectF(4, 46, 56, 12));
    for (int i = 0; i <= 8; ++i) {
        const qreal x = 6 + i * 6.5;
        p.drawLine(QPointF(x, 46), QPointF(x, i % 2 ? 50 : 53));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork RESOURCES_DIR\n");
        return 2;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);

    SaveBoth([](int scale) { return AsBitmapGlyph(PrinterGlyph, scale); }, QStringLiteral("print24.bmp"));
    SaveBoth([](int scale) { return AsBitmapGlyph(NextGlyph, scale); }, QStringLiteral("next24.bmp"));

    const struct
    {
        Drawing drawing;
        const char *name;
    } glyphs[] = {
        {PrinterGlyph, "print"}, {NextGlyph, "next"},         {PreviousGlyph, "previous"},
        {HelpGlyph, "help"},     {AboutGlyph, "about"},       {ExitGlyph, "exit"},
        {BuyNowGlyph, "buynow"}, {SignatureGlyph, "signature"}, {DocumentGlyph, "document"},
        {ManualGlyph, "manual"}, {OnlineGlyph, "online"},
    };
    for (const auto &glyph : glyphs)
        SaveBoth([&glyph](int scale) { return Draw(24, 24, glyph.drawing, Qt::transparent, scale); },
                 QStringLiteral("glyphs/%1.png").arg(QLatin1String(glyph.name)));

    SaveBoth([](int scale) { return WithPalette(Draw(131, 250, WizardPicture, Qt::transparent, scale)); },
             QStringLiteral("images/wizard.png"));
    const struct
    {
        int width;
        int height;
        Drawing drawing;
        const char *name;
    } pictures[] = {
        {244, 271, AboutPicture, "about"},
        {400, 225, ProductBoxPicture, "product-box"},
        {290, 100, SignaturePicture, "signature"},
        {328, 133, [](QPainter &p) { GaugePicture(p, EnglishGauge); }, "gauge"},
        {328, 133, [](QPainter &p) { GaugePicture(p, FrenchGauge); }, "gauge-fr"},
    };
    for (const auto &picture : pictures)
        SaveBoth([&picture](int scale) { return Draw(picture.width, picture.height, picture.drawing, Qt::transparent, scale); },
                 QStringLiteral("images/%1.png").arg(QLatin1String(picture.name)));

    for (int size : {16, 32, 48, 64, 128, 256})
        Save(Draw(size, size, [size](QPainter &p) { ProgramIcon(p, size); }),
             QStringLiteral("icons/%1x%1/micr-calibration.png").arg(size));
    return 0;
}
