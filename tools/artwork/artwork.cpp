// Draws the program's pictures, button glyphs and icon. Run it after changing
// a drawing:  cmake --build build --target artwork  (writes into resources/).
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

QString outputDir;

using Drawing = std::function<void(QPainter &)>;

QImage Draw(int width, int height, const Drawing &drawing, QColor background = Qt::transparent)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing(painter);
    return image;
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

QImage AsBitmapGlyph(const Drawing &drawing)
{
    // Glyph bitmaps have no alpha: the colour of the bottom-left pixel
    // stands for transparent.
    const QColor transparentKey(128, 128, 0);
    QImage glyph = Draw(24, 24, drawing, transparentKey);
    return glyph.convertToFormat(QImage::Format_RGB888);
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

    Save(AsBitmapGlyph(PrinterGlyph), QStringLiteral("print24.bmp"));
    Save(AsBitmapGlyph(NextGlyph), QStringLiteral("next24.bmp"));

    Save(Draw(24, 24, PrinterGlyph), QStringLiteral("glyphs/print.png"));
    Save(Draw(24, 24, NextGlyph), QStringLiteral("glyphs/next.png"));
    Save(Draw(24, 24, PreviousGlyph), QStringLiteral("glyphs/previous.png"));
    Save(Draw(24, 24, HelpGlyph), QStringLiteral("glyphs/help.png"));
    Save(Draw(24, 24, AboutGlyph), QStringLiteral("glyphs/about.png"));
    Save(Draw(24, 24, ExitGlyph), QStringLiteral("glyphs/exit.png"));
    Save(Draw(24, 24, BuyNowGlyph), QStringLiteral("glyphs/buynow.png"));
    Save(Draw(24, 24, SignatureGlyph), QStringLiteral("glyphs/signature.png"));

    Save(Draw(131, 250, WizardPicture), QStringLiteral("images/wizard.png"));

    for (int size : {16, 32, 48, 64, 128, 256})
        Save(Draw(size, size, [size](QPainter &p) { ProgramIcon(p, size); }),
             QStringLiteral("icons/%1x%1/micr-calibration.png").arg(size));
    return 0;
}
