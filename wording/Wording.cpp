#include "wording/Wording.h"

using namespace Wording::Parts;

QString Wording::Say(For audience, const char *sourceText, const char *disambiguation, int n)
{
    if (audience == For::Reader)
        return QCoreApplication::translate("Wording", sourceText, disambiguation, n);
    QString text = QString::fromUtf8(sourceText);
    // As translate() would without a catalogue: %n is the count.
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

QString Wording::Date(For audience, const QDateTime &when)
{
    if (!when.isValid())
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "no date"));
    // The day, a short month and the year: never a month-first "12/1/26"
    // that a reader across a border would read as January.
    return Numbers(audience).toString(when.toLocalTime(), QStringLiteral("d MMM yyyy"));
}

QString Wording::Listed(For audience, const QStringList &items)
{
    const QLocale locale = Numbers(audience);
    if (locale.language() != QLocale::C)
        return locale.createSeparatedList(items);
    // The C locale joins with commas alone.
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
}

QLocale Wording::Numbers(For audience)
{
    return audience == For::Reader ? QLocale() : QLocale::c();
}

QString Wording::Figure(For audience, double value, int decimals)
{
    QLocale numbers = Numbers(audience);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers.toString(value, 'f', decimals);
}

QString Wording::LengthOf(For audience, double inches)
{
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 in (%2 mm)"))
        .arg(Figure(audience, ShownFigure(inches, 3), 3),
             Figure(audience, ShownFigure(MillimetresFromInches(inches), 2), 2));
}

QString Wording::Stock(For audience, const ChequeStock &stock)
{
    return StockWords(audience, stock);
}

QString Wording::FieldName(For audience, const QString &name)
{
    static const struct
    {
        const char *source;
        const char *comment;
    } names[] = {
        QT_TRANSLATE_NOOP3("Wording", "amount", "a MICR line field"),
        QT_TRANSLATE_NOOP3("Wording", "on-us", "a MICR line field"),
        QT_TRANSLATE_NOOP3("Wording", "transit", "a MICR line field"),
        QT_TRANSLATE_NOOP3("Wording", "auxiliary on-us", "a MICR line field"),
        QT_TRANSLATE_NOOP3("Wording", "external processing code", "a MICR line field"),
    };
    for (const auto &known : names) {
        if (name == QLatin1String(known.source))
            return Say(audience, known.source, known.comment);
    }
    return name;
}

QString Wording::Residual(For audience, double inches)
{
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 in (%2 mm)"))
        .arg(Signed(audience, inches, 3), Signed(audience, MillimetresFromInches(inches), 2));
}

QString Wording::Move(For audience, double inches, Axis axis, Length length)
{
    const double size = std::abs(ShownInches(inches));
    const char *const full[2][3] = {
        {QT_TRANSLATE_NOOP("Wording", "right or left %1 in (%2 mm, %3/1000 in)"),
         QT_TRANSLATE_NOOP("Wording", "right %1 in (%2 mm, %3/1000 in)"),
         QT_TRANSLATE_NOOP("Wording", "left %1 in (%2 mm, %3/1000 in)")},
        {QT_TRANSLATE_NOOP("Wording", "up or down %1 in (%2 mm, %3/1000 in)"),
         QT_TRANSLATE_NOOP("Wording", "up %1 in (%2 mm, %3/1000 in)"),
         QT_TRANSLATE_NOOP("Wording", "down %1 in (%2 mm, %3/1000 in)")}};
    const char *const brief[2][3] = {{QT_TRANSLATE_NOOP("Wording", "right or left %1 in"),
                                      QT_TRANSLATE_NOOP("Wording", "right %1 in"),
                                      QT_TRANSLATE_NOOP("Wording", "left %1 in")},
                                     {QT_TRANSLATE_NOOP("Wording", "up or down %1 in"),
                                      QT_TRANSLATE_NOOP("Wording", "up %1 in"),
                                      QT_TRANSLATE_NOOP("Wording", "down %1 in")}};
    const int way = int(DirectionOfMove(inches));
    const int along = axis == Axis::Across ? 0 : 1;
    if (length == Brief)
        return Say(audience, brief[along][way]).arg(Figure(audience, size, 3));
    return Say(audience, full[along][way])
        .arg(Figure(audience, size, 3), Shown(audience, MillimetresFromInches(size), 2))
        .arg(std::lround(size * 1000));
}

QString Wording::Moves(For audience, double right, double up, Length length)
{
    return Say(audience, QT_TRANSLATE_NOOP("Wording", "%1 and %2"))
        .arg(Move(audience, right, Axis::Across, length), Move(audience, up, Axis::Upright, length));
}

QString Wording::ChequeOnSheet(For audience, ChequePosition cheque)
{
    return Say(audience, ChequeOnSheetSource(cheque));
}

QString Wording::ChequeStockName(For audience, const ChequeStock &stock)
{
    return StockWords(audience, stock);
}
