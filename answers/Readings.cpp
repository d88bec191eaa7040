#include "answers/Readings.h"

#include <QRegularExpression>

#include <algorithm>

#include <cmath>

LengthRange SampleLineRange()
{
    return {5, 9, ReadingKind::SampleLine};
}

LengthRange ReferenceBarRange()
{
    return {5, 9, ReadingKind::ReferenceBar};
}

LengthRange VerticalBarRange()
{
    return {1, 3, ReadingKind::VerticalBar};
}

LengthRange RightEdgeRange()
{
    return {0.05, 1.5, ReadingKind::RightEdge};
}

LengthRange BottomEdgeRange()
{
    // A baseline on the cheque's very edge is a reading too; one below the
    // edge cannot be measured upwards from it.
    return {0, 1.5, ReadingKind::BottomEdge};
}

LengthRange TopEdgeRange()
{
    return TopEdgeRange(A4HeightInches);
}

LengthRange TopEdgeRange(double paperHeightInches)
{
    return {0.25, paperHeightInches, ReadingKind::TopEdge};
}

namespace {

std::optional<double> Refuse(LengthFault *fault, LengthFault::Kind kind, const QString &typed,
                             const LengthRange &range)
{
    if (fault)
        *fault = {kind, typed, 0, false, range};
    return std::nullopt;
}

} // namespace

std::optional<double> ReadLength(const QString &text, const LengthRange &range, LengthFault *fault)
{
    using Kind = LengthFault::Kind;
    const QString typed = text.simplified();
    if (typed.isEmpty())
        return Refuse(fault, Kind::Empty, typed, range);
    // A number with a decimal point or comma, or a whole number with a
    // fraction after a space or a dash, or a fraction; then a unit or none
    // (French writes inches "po", for pouces).
    static const QRegularExpression pattern(
        QStringLiteral("^([-+−]?)\\s*(?:(\\d+)(?:\\s+|\\s*-\\s*)(\\d+)\\s*/\\s*(\\d+)|(\\d+)\\s*/\\s*(\\d+)|"
                       "(\\d+(?:[.,]\\d*)?|[.,]\\d+))\\s*"
                       "(in|inch|inches|\"|″|”|po|pouces?|mm|millimetres?|millimeters?|cm|centimetres?|centimeters?)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(typed);
    if (!match.hasMatch())
        return Refuse(fault, Kind::NotALength, typed, range);
    double value = 0;
    if (!match.captured(2).isEmpty() || !match.captured(5).isEmpty()) {
        const bool mixed = !match.captured(2).isEmpty();
        const double whole = mixed ? match.captured(2).toDouble() : 0;
        const double numerator = (mixed ? match.captured(3) : match.captured(5)).toDouble();
        const double denominator = (mixed ? match.captured(4) : match.captured(6)).toDouble();
        if (denominator == 0)
            return Refuse(fault, Kind::NotALength, typed, range);
        // 7 17/16 is a slip of the pen, not 8 1/16.
        if (mixed && numerator >= denominator)
            return Refuse(fault, Kind::ImproperFraction, typed, range);
        value = whole + numerator / denominator;
    } else {
        QString number = match.captured(7);
        number.replace(QLatin1Char(','), QLatin1Char('.'));
        value = number.toDouble();
    }
    if (!match.captured(1).isEmpty() && match.captured(1) != QLatin1String("+") && value != 0)
        return Refuse(fault, Kind::Negative, typed, range);
    if (value == 0 && range.shortest > 0)
        return Refuse(fault, Kind::Zero, typed, range);
    const QString unit = match.captured(8).toLower();
    double inches = value;
    if (unit.startsWith(QLatin1Char('m')))
        inches = value / MillimetresPerInch;
    else if (unit.startsWith(QLatin1Char('c')))
        inches = value * MillimetresPerCentimetre / MillimetresPerInch;
    // Judged on the figures shown, the limits' too: 3.667 is a third of
    // Letter's 11 in.
    const auto within = [&range](double length) {
        return ShownInches(length) >= ShownInches(range.shortest) && ShownInches(length) <= ShownInches(range.longest);
    };
    if (within(inches))
        return inches;
    if (fault)
        *fault = {Kind::OutOfRange, typed, inches, unit.isEmpty() && within(value / MillimetresPerInch), range};
    return std::nullopt;
}

QList<NamedItem> SplitNamedList(const QString &text)
{
    static const QRegularExpression separator(QStringLiteral(",(?=\\s*[a-z0-9]+\\s*=)"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression named(QStringLiteral("^\\s*([a-z0-9]+)\\s*=(.*)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    QList<NamedItem> items;
    for (const QString &part : text.split(separator)) {
        const QRegularExpressionMatch match = named.match(part);
        items.append({match.captured(1).toLower(), match.captured(2), part});
    }
    return items;
}

std::optional<QMap<QString, double>> ReadReadingList(const QString &text, const QList<ReadingField> &fields,
                                                     ReadingListFault *fault)
{
    using Kind = ReadingListFault::Kind;
    QMap<QString, double> lengths;
    for (const NamedItem &item : SplitNamedList(text)) {
        const QString &name = item.name;
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&name](const ReadingField &f) { return f.name == name; });
        if (name.isEmpty() || field == fields.end()) {
            *fault = {Kind::UnknownName, name, item.typed.trimmed(), {}};
            return std::nullopt;
        }
        if (lengths.contains(name)) {
            *fault = {Kind::GivenTwice, name, item.typed.trimmed(), {}};
            return std::nullopt;
        }
        LengthFault why;
        const std::optional<double> length = ReadLength(item.value, field->range, &why);
        if (!length) {
            *fault = {Kind::BadLength, name, item.typed.trimmed(), why};
            return std::nullopt;
        }
        lengths.insert(name, *length);
    }
    return lengths;
}

QString ChequeStock::Name() const
{
    if (Kind() == StockKind::Letter)
        return QStringLiteral("3-up on Letter, 3.5 in a cheque");
    if (Kind() == StockKind::A4)
        return QStringLiteral("3-up on A4, 99 mm a cheque");
    return QStringLiteral("3-up, %1 in (%2 mm) a cheque")
        .arg(chequeInches, 0, 'f', 3)
        .arg(chequeInches * MillimetresPerInch, 0, 'f', 1);
}

ChequeStock LetterStock()
{
    return {LetterChequeInches};
}

ChequeStock A4Stock()
{
    return {A4ChequeInches};
}

QSizeF ChequeStock::PaperInches() const
{
    // A4's own stock on A4; Letter's, and a typed height, where three fit.
    return Kind() == StockKind::A4 ? A4PaperInches() : PaperForChequeHeight(chequeInches);
}

ChequeStock StockForPaper(double heightInches)
{
    return ShownInches(heightInches) > ShownInches(LetterHeightInches) ? A4Stock() : LetterStock();
}

ChequeStock StockOfHeight(double chequeInches)
{
    const StockKind kind = StockKindOfHeight(chequeInches);
    if (kind == StockKind::Custom)
        return {chequeInches, true};
    return kind == StockKind::A4 ? A4Stock() : LetterStock();
}

LengthRange ChequeHeightRange(double paperHeightInches)
{
    // Three to a sheet; A4's own 99 mm cheques fill it exactly.
    return {ShortestChequeInches, TallestChequeInches(paperHeightInches), ReadingKind::ChequeHeight};
}

std::optional<ChequeStock> ReadCustomStock(const QString &typed, double paperHeightInches, LengthFault *fault)
{
    const std::optional<double> height = ReadLength(typed, ChequeHeightRange(paperHeightInches), fault);
    if (!height)
        return std::nullopt;
    return ChequeStock{*height, true};
}

LengthRange ChequeWidthRange()
{
    // Personal cheques are about 6 in wide, business cheques 8.5 in.
    return {6, 9, ReadingKind::ChequeWidth};
}
