#include "MicrLinePreview.h"

#include "pages/PlacementPage.h"
#include "wording/Wording.h"

#include <QCoreApplication>
#include <QPainter>

namespace Platform {

namespace {
// Room around the scale, and the rows under it: numbers, brackets, names.
constexpr int Margin = 6;
constexpr int CharacterRow = 30;
constexpr int NumberRow = 12;
constexpr int BracketRow = 26;
} // namespace

MicrLinePreview::MicrLinePreview(QWidget *parent) : QWidget(parent)
{
    setMinimumHeight(CharacterRow + NumberRow + BracketRow + 2 * Margin);
    setAccessibleName(QCoreApplication::translate("MicrLinePreview", "The MICR line on the position scale"));
}

void MicrLinePreview::SetLine(const MicrLine &line, const QString &face)
{
    line_ = line;
    face_ = face;
    QStringList fields;
    for (const MicrField &field : line.fields)
        fields << QCoreApplication::translate("MicrLinePreview", "%1 at positions %2 to %3").arg(Wording::FieldName(Wording::For::Reader, field.name)).arg(field.first).arg(field.last);
    setAccessibleDescription(fields.join(QStringLiteral("; ")));
    update();
}

QSize MicrLinePreview::sizeHint() const
{
    return {PositionCount * 9 + 2 * Margin, minimumHeight()};
}

void MicrLinePreview::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    const double cell = double(width() - 2 * Margin) / PositionCount;
    // Position p's cell, from its left edge; position 1 at the right.
    const auto left = [this, cell](int position) { return width() - Margin - position * cell; };
    const int baseline = Margin + CharacterRow;
    painter.drawLine(QPointF(Margin, baseline), QPointF(width() - Margin, baseline));
    QFont numbers = font();
    numbers.setPixelSize(NumberRow - 3);
    for (int position = 0; position <= PositionCount; ++position) {
        painter.drawLine(QPointF(left(position), baseline), QPointF(left(position), baseline + 4));
        if (position == 1 || (position > 0 && position % 5 == 0)) {
            painter.setFont(numbers);
            painter.drawText(QRectF(left(position), baseline + 3, cell, NumberRow), Qt::AlignCenter,
                             QString::number(position));
        }
    }
    QFont micr(face_);
    micr.setPixelSize(std::max(6, int(cell * 1.3)));
    painter.setFont(micr);
    for (int i = 0; i < line_.letters.size(); ++i) {
        const int position = line_.PositionOf(i);
        if (position >= 1 && position <= PositionCount)
            painter.drawText(QRectF(left(position), Margin, cell, CharacterRow), Qt::AlignHCenter | Qt::AlignBottom,
                             line_.letters.at(i));
    }
    painter.setFont(numbers);
    const int bracket = baseline + NumberRow + 4;
    for (const MicrField &field : line_.fields) {
        const double from = left(std::min(field.first, PositionCount)) + 1;
        const double to = left(std::max(field.last, 1) - 1) - 1;
        painter.drawLine(QPointF(from, bracket - 3), QPointF(from, bracket));
        painter.drawLine(QPointF(from, bracket), QPointF(to, bracket));
        painter.drawLine(QPointF(to, bracket - 3), QPointF(to, bracket));
        painter.drawText(QRectF(from - 20, bracket + 1, to - from + 40, BracketRow - 6), Qt::AlignHCenter | Qt::AlignTop,
                         Wording::FieldName(Wording::For::Reader, field.name));
    }
}

} // namespace Platform
