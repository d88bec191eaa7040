#include "answers/Readings.h"

#include "wording/Wording.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

LengthRange SampleLineRange()
{
    return {5, 9, QCoreApplication::translate("Readings", "Measure from the left edge of the first mark to the left edge of the last.")};
}

LengthRange ReferenceBarRange()
{
    return {5, 9, QCoreApplication::translate("Readings", "Measure the reference bar from its first tick to its last.")};
}

LengthRange VerticalBarRange()
{
    return {1, 3, QCoreApplication::translate("Readings", "Measure the vertical bar from its top tick to its bottom tick.")};
}

LengthRange RightEdgeRange()
{
    return {0.05, 1.5,
            QCoreApplication::translate("Readings",
                                        "Measure from the paper's right edge to the line that marks where position 1 ends.")};
}

LengthRange BottomEdgeRange()
{
    // A baseline on the cheque's very edge is a reading too; one below the
    // edge cannot be measured upwards from it.
    return {0, 1.5,
            QCoreApplication::translate("Readings",
                                        "Measure from the check's bottom edge up to the MICR line's baseline rule; "
                                        "where the baseline lies below the check's bottom edge, measure from the "
                                        "paper's top edge down to it instead (the top reading).")};
}

LengthRange TopEdgeRange()
{
    return TopEdgeRange(A4HeightInches);
}

LengthRange TopEdgeRange(double paperHeightInches)
{
    return {0.25, paperHeightInches,
            QCoreApplication::translate("Readings",
                                        "Measure from the paper's top edge down to the MICR line's baseline rule; a "
                                        "reading past the paper's bottom edge was taken on something else.")};
}

QString FormatLimit(double inches)
{
    return QLocale().toString(ShownInches(inches), 'g', 4);
}

QString FormatShown(double value, int decimals)
{
    return QString::number(ShownFigure(value, decimals), 'f', decimals);
}

QString FormatLength(double inches)
{
    return Wording::LengthOf(Wording::For::Reader, inches);
}

std::optional<double> ParseLength(const QString &text, const LengthRange &range, QString *error)
{
    const QString typed = text.simplified();
    if (typed.isEmpty()) {
        *error = QCoreApplication::translate("Readings", "Type the length you measured.");
        return std::nullopt;
    }
    // A number with a decimal point or comma, or a whole number with a
    // fraction after a space or a dash, or a fraction; then a unit or none
    // (French writes inches "po", for pouces).
    static const QRegularExpression pattern(
        QStringLiteral("^([-+−]?)\\s*(?:(\\d+)(?:\\s+|\\s*-\\s*)(\\d+)\\s*/\\s*(\\d+)|(\\d+)\\s*/\\s*(\\d+)|"
                       "(\\d+(?:[.,]\\d*)?|[.,]\\d+))\\s*"
                       "(in|inch|inches|\"|″|”|po|pouces?|mm|millimetres?|millimeters?|cm|centimetres?|centimeters?)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(typed);
    const QString notALength =
        QCoreApplication::translate("Readings",
                                    "\"%1\" is not a length: type inches (7.06, 7 1/16, 7.06 in) or millimeters (179.3 mm).")
            .arg(typed);
    if (!match.hasMatch()) {
        *error = notALength;
        return std::nullopt;
    }
    double value = 0;
    if (!match.captured(2).isEmpty() || !match.captured(5).isEmpty()) {
        const bool mixed = !match.captured(2).isEmpty();
        const double whole = mixed ? match.captured(2).toDouble() : 0;
        const double numerator = (mixed ? match.captured(3) : match.captured(5)).toDouble();
        const double denominator = (mixed ? match.captured(4) : match.captured(6)).toDouble();
        if (denominator == 0) {
            *error = notALength;
            return std::nullopt;
        }
        // 7 17/16 is a slip of the pen, not 8 1/16.
        if (mixed && numerator >= denominator) {
            *error = QCoreApplication::translate("Readings", "\"%1\" is not a length: the fraction after a whole "
                                                             "number is less than one (7 1/16).")
                         .arg(typed);
            return std::nullopt;
        }
        value = whole + numerator / denominator;
    } else {
        QString number = match.captured(7);
        number.replace(QLatin1Char(','), QLatin1Char('.'));
        value = number.toDouble();
    }
    if (!match.captured(1).isEmpty() && match.captured(1) != QLatin1String("+") && value != 0) {
        *error = QCoreApplication::translate("Readings", "A length cannot be negative. %1").arg(range.howToMeasure);
        return std::nullopt;
    }
    if (value == 0 && range.shortest > 0) {
        *error = QCoreApplication::translate("Readings", "A length must be more than zero.");
        return std::nullopt;
    }
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
    QString hint;
    if (unit.isEmpty() && within(value / MillimetresPerInch))
        hint = QCoreApplication::translate("Readings", " Did you mean %1 mm?").arg(typed);
    *error = QCoreApplication::translate("Readings", "%1 is %2: a reading here is between %3 and %4 in.%5 %6")
                 .arg(typed, FormatLength(inches), FormatLimit(range.shortest), FormatLimit(range.longest), hint,
                      range.howToMeasure);
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

std::optional<QMap<QString, double>> ParseReadingList(const QString &text, const QList<ReadingField> &fields,
                                                      const QString &form, QString *error)
{
    QMap<QString, double> lengths;
    for (const NamedItem &item : SplitNamedList(text)) {
        const QString &name = item.name;
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&name](const ReadingField &f) { return f.name == name; });
        if (name.isEmpty() || field == fields.end()) {
            *error = QStringLiteral("takes %1, not \"%2\"").arg(form, item.typed.trimmed());
            return std::nullopt;
        }
        if (lengths.contains(name)) {
            *error = QStringLiteral("%1 is given twice").arg(name);
            return std::nullopt;
        }
        QString why;
        const std::optional<double> length = ParseLength(item.value, field->range, &why);
        if (!length) {
            *error = QStringLiteral("%1: %2").arg(name, why.left(1).toLower() + why.mid(1));
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
    return {ShortestChequeInches, TallestChequeInches(paperHeightInches),
            QCoreApplication::translate("Readings", "Measure one check from its top edge to its bottom edge.")};
}

std::optional<ChequeStock> CustomStock(const QString &typed, double paperHeightInches, QString *error)
{
    const std::optional<double> height = ParseLength(typed, ChequeHeightRange(paperHeightInches), error);
    if (!height)
        return std::nullopt;
    return ChequeStock{*height, true};
}

LengthRange ChequeWidthRange()
{
    // Personal cheques are about 6 in wide, business cheques 8.5 in.
    return {6, 9, QCoreApplication::translate("Readings", "Measure the check from its left edge to its right edge.")};
}
