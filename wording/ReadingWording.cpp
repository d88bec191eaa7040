#include "wording/ReadingWording.h"

#include "wording/Wording.h"

#include <QCoreApplication>
#include <QLocale>

QString Wording::HowToMeasure(ReadingKind kind)
{
    switch (kind) {
    case ReadingKind::SampleLine:
        return QCoreApplication::translate("Readings", "Measure from the left edge of the first mark to the left edge of the last.");
    case ReadingKind::ReferenceBar:
        return QCoreApplication::translate("Readings", "Measure the reference bar from its first tick to its last.");
    case ReadingKind::VerticalBar:
        return QCoreApplication::translate("Readings", "Measure the vertical bar from its top tick to its bottom tick.");
    case ReadingKind::RightEdge:
        return QCoreApplication::translate("Readings",
                                           "Measure from the paper's right edge to the line that marks where position 1 ends.");
    case ReadingKind::BottomEdge:
        // A baseline on the cheque's very edge is a reading too; one below
        // the edge cannot be measured upwards from it.
        return QCoreApplication::translate("Readings",
                                           "Measure from the check's bottom edge up to the MICR line's baseline rule; "
                                           "where the baseline lies below the check's bottom edge, measure from the "
                                           "paper's top edge down to it instead (the top reading).");
    case ReadingKind::TopEdge:
        return QCoreApplication::translate("Readings",
                                           "Measure from the paper's top edge down to the MICR line's baseline rule; a "
                                           "reading past the paper's bottom edge was taken on something else.");
    case ReadingKind::ChequeHeight:
        return QCoreApplication::translate("Readings", "Measure one check from its top edge to its bottom edge.");
    case ReadingKind::ChequeWidth:
        return QCoreApplication::translate("Readings", "Measure the check from its left edge to its right edge.");
    case ReadingKind::Correction:
        return QCoreApplication::translate("Exporter", "Give the total correction the placement readings showed, as "
                                                       "RIGHT,UP in inches: 0.04,-0.012.");
    }
    return {};
}

QString Wording::LengthFaultOf(const LengthFault &fault)
{
    using Kind = LengthFault::Kind;
    switch (fault.kind) {
    case Kind::None:
        break;
    case Kind::Empty:
        return QCoreApplication::translate("Readings", "Type the length you measured.");
    case Kind::NotALength:
        return QCoreApplication::translate(
                   "Readings", "\"%1\" is not a length: type inches (7.06, 7 1/16, 7.06 in) or millimeters (179.3 mm).")
            .arg(fault.typed);
    case Kind::ImproperFraction:
        return QCoreApplication::translate("Readings", "\"%1\" is not a length: the fraction after a whole "
                                                       "number is less than one (7 1/16).")
            .arg(fault.typed);
    case Kind::Negative:
        return QCoreApplication::translate("Readings", "A length cannot be negative. %1").arg(HowToMeasure(fault.range.kind));
    case Kind::Zero:
        return QCoreApplication::translate("Readings", "A length must be more than zero.");
    case Kind::OutOfRange: {
        const QString hint = fault.meantMillimetres
            ? QCoreApplication::translate("Readings", " Did you mean %1 mm?").arg(fault.typed)
            : QString();
        return QCoreApplication::translate("Readings", "%1 is %2: a reading here is between %3 and %4 in.%5 %6")
            .arg(fault.typed, FormatLength(fault.inches), FormatLimit(fault.range.shortest),
                 FormatLimit(fault.range.longest), hint, HowToMeasure(fault.range.kind));
    }
    }
    return {};
}

std::optional<double> ParseLength(const QString &text, const LengthRange &range, QString *error)
{
    LengthFault fault;
    const std::optional<double> inches = ReadLength(text, range, &fault);
    if (!inches)
        *error = Wording::LengthFaultOf(fault);
    return inches;
}

std::optional<QMap<QString, double>> ParseReadingList(const QString &text, const QList<ReadingField> &fields,
                                                      const QString &form, QString *error,
                                                      ReadingListFault *why)
{
    ReadingListFault fault;
    std::optional<QMap<QString, double>> lengths = ReadReadingList(text, fields, &fault);
    if (why)
        *why = fault;
    if (lengths)
        return lengths;
    switch (fault.kind) {
    case ReadingListFault::Kind::None:
        break;
    case ReadingListFault::Kind::UnknownName:
        *error = QCoreApplication::translate("Readings", "takes %1, not \"%2\"").arg(form, fault.typed);
        break;
    case ReadingListFault::Kind::GivenTwice:
        *error = QCoreApplication::translate("Readings", "%1 is given twice").arg(fault.name);
        break;
    case ReadingListFault::Kind::BadLength: {
        const QString why = Wording::LengthFaultOf(fault.length);
        *error = QCoreApplication::translate("Readings", "%1: %2", "a reading's name and what is wrong with it")
                     .arg(fault.name, why.left(1).toLower() + why.mid(1));
        break;
    }
    }
    return std::nullopt;
}

std::optional<ChequeStock> CustomStock(const QString &typed, double paperHeightInches, QString *error)
{
    LengthFault fault;
    const std::optional<ChequeStock> stock = ReadCustomStock(typed, paperHeightInches, &fault);
    if (!stock)
        *error = Wording::LengthFaultOf(fault);
    return stock;
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
