#include "wording/ProfilesWording.h"

#include "wording/Wording.h"
#include "store/ProfileGroup.h"

using namespace Wording::Parts;

namespace {

QString DroppedWords(Wording::For audience, const ProfilesProblem::Dropped &dropped)
{
    using What = ProfilesProblem::Dropped::What;
    switch (dropped.what) {
    case What::Value:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "printer \"%1\": the value %2 (\"%3\") is out of "
                                                                   "range and was dropped"))
            .arg(dropped.printer, dropped.key, dropped.value);
    case What::Profile:
        if (dropped.printer.isEmpty())
            return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "an entry that names no printer was cut short "
                                                                       "or is not this program's, and was left out"));
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "the profile of printer \"%1\" was cut short or "
                                                                   "is not this program's, and was left out"))
            .arg(dropped.printer);
    case What::Line:
        break;
    }
    return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "a line that is not a setting was left out"));
}

QString WhyWords(Wording::For audience, const ProfilesProblem &problem)
{
    switch (problem.why) {
    case ProfilesProblem::Why::CannotRead:
        break;
    case ProfilesProblem::Why::NoVersion:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "it has no version: it is not a settings file "
                                                                   "this program wrote"));
    case ProfilesProblem::Why::OtherVersion:
        return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "it is of another version (%1)"))
            .arg(problem.version);
    }
    return Wording::Say(audience, QT_TRANSLATE_NOOP("Wording", "it cannot be read"));
}

} // namespace

QString Wording::ProfilesProblemOf(For audience, const ProfilesProblem &problem)
{
    QStringList dropped;
    for (const ProfilesProblem::Dropped &part : problem.dropped)
        dropped << DroppedWords(audience, part);
    const QString parts = dropped.join(QStringLiteral("; "));
    switch (problem.kind) {
    case ProfilesProblem::Kind::None:
        break;
    case ProfilesProblem::Kind::Unusable:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The printer profiles in %1 cannot be used: %2. The file "
                                                          "was left as it is."))
            .arg(problem.path, WhyWords(audience, problem));
    case ProfilesProblem::Kind::UnusableSetAside:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The printer profiles in %1 cannot be used: %2. The file "
                                                          "was set aside as %3; the program starts with no printer "
                                                          "profiles."))
            .arg(problem.path, WhyWords(audience, problem), problem.aside);
    case ProfilesProblem::Kind::UnusableStuck:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The printer profiles in %1 cannot be used: %2, and it "
                                                          "could not be moved aside. The program goes on without "
                                                          "printer profiles."))
            .arg(problem.path, WhyWords(audience, problem));
    case ProfilesProblem::Kind::Damaged:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "The printer profiles in %1 are damaged: %2. The rest can "
                                                          "be read; the file was left as it is."))
            .arg(problem.path, parts);
    case ProfilesProblem::Kind::DamagedCopied:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "In the printer profiles in %1, %2. The other printers and "
                                                          "values were kept; the file as it was is kept as %3."))
            .arg(problem.path, parts, problem.aside);
    case ProfilesProblem::Kind::DamagedStuck:
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "In the printer profiles in %1, %2. The other printers and "
                                                          "values were kept; the file was left as it is, as it could "
                                                          "not be copied aside."))
            .arg(problem.path, parts);
    }
    return {};
}

QString Wording::StoredVerdict(For audience, const QString &key)
{
    static const char *const words[][2] = {
        {"good", QT_TRANSLATE_NOOP("Wording", "good")},
        {"marginal", QT_TRANSLATE_NOOP("Wording", "marginal")},
        {"between", QT_TRANSLATE_NOOP("Wording", "between two faces")},
        {"scaled", QT_TRANSLATE_NOOP("Wording", "page scaled")},
        {"inconsistent", QT_TRANSLATE_NOOP("Wording", "readings disagree")},
        {"out", QT_TRANSLATE_NOOP("Wording", "out of tolerance")},
    };
    if (key.isEmpty())
        return Say(audience, QT_TRANSLATE_NOOP("Wording", "no verdict"));
    for (const auto &[stored, shown] : words) {
        if (key == QLatin1String(stored))
            return Say(audience, shown);
    }
    return key;
}

QString ProfilesAsText(const QList<PrinterProfile> &profiles)
{
    using Wording::Say;
    const Wording::For reader = Wording::For::Reader;
    QStringList paragraphs;
    for (const PrinterProfile &profile : profiles) {
        QStringList lines;
        lines << (profile.makeAndModel.isEmpty() ? profile.queue
                                                 : QStringLiteral("%1 (%2)").arg(profile.queue, profile.makeAndModel));
        lines << Say(reader, QT_TRANSLATE_NOOP("Wording", "  Face: %1 (Line %2), at 10 points"))
                     .arg(profile.Face())
                     .arg(profile.line);
        if (const auto &measured = profile.measurement) {
            QStringList readings;
            for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
                if (const std::optional<double> &length = measured->readings[std::size_t(line - 1)])
                    readings << Say(reader, QT_TRANSLATE_NOOP("Wording", "line %1 %2 in"))
                                    .arg(line)
                                    .arg(Wording::Figure(reader, *length, 3));
            }
            lines << Say(reader, QT_TRANSLATE_NOOP("Wording", "  Calibrated %1: %2; %3"))
                         .arg(Wording::Date(reader, measured->taken), Wording::StoredVerdict(reader, measured->verdict),
                              Wording::Listed(reader, readings));
        } else {
            lines << Say(reader, QT_TRANSLATE_NOOP("Wording", "  Not measured"));
        }
        if (const auto &placed = profile.placement) {
            lines << Say(reader, QT_TRANSLATE_NOOP("Wording", "  Placement %1, %2, %3: move the MICR line %4"))
                         .arg(Wording::Date(reader, placed->taken), Wording::ChequeOnSheet(reader, placed->cheque),
                              Wording::ChequeStockName(reader, placed->stock),
                              Wording::Moves(reader, placed->moveRight, placed->moveUp, Wording::Brief));
        } else {
            lines << Say(reader, QT_TRANSLATE_NOOP("Wording", "  Placement not measured"));
        }
        if (const auto &micr = profile.micrLine)
            lines << Say(reader, QT_TRANSLATE_NOOP("Wording", "  MICR line: %1")).arg(ComposeMicrLine(*micr).letters);
        paragraphs << lines.join(QLatin1Char('\n'));
    }
    return paragraphs.isEmpty() ? Say(reader, QT_TRANSLATE_NOOP("Wording", "No printer profiles.")) + QLatin1Char('\n')
                                : paragraphs.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
}


QJsonArray ProfilesAsJson(const QList<PrinterProfile> &profiles)
{
    QJsonArray array;
    for (const PrinterProfile &profile : profiles) {
        QJsonObject object{{QStringLiteral("printer"), profile.queue},
                           {QStringLiteral("make_and_model"), profile.makeAndModel},
                           {QStringLiteral("weight"), WeightName(profile.weight)},
                           {QStringLiteral("line"), profile.line},
                           {QStringLiteral("face"), profile.Face()}};
        if (const auto &measured = profile.measurement) {
            QJsonObject readings;
            for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
                if (const std::optional<double> &length = measured->readings[std::size_t(line - 1)])
                    readings.insert(QString::number(line), ShownInches(*length));
            }
            object.insert(QStringLiteral("measurement"),
                          QJsonObject{{QStringLiteral("readings_in"), readings},
                                      {QStringLiteral("verdict"), measured->verdict},
                                      {QStringLiteral("taken"), measured->taken.toString(Qt::ISODate)}});
        }
        if (const auto &placed = profile.placement) {
            object.insert(QStringLiteral("placement"),
                          QJsonObject{{QStringLiteral("cheque"), ChequeName(placed->cheque)},
                                      {QStringLiteral("stock"), placed->stock.Name()},
                                      {QStringLiteral("move_right_in"), ShownInches(placed->moveRight)},
                                      {QStringLiteral("move_up_in"), ShownInches(placed->moveUp)},
                                      {QStringLiteral("scale_verdict"), placed->scaleVerdict},
                                      {QStringLiteral("taken"), placed->taken.toString(Qt::ISODate)}});
        }
        if (const auto &micr = profile.micrLine)
            object.insert(QStringLiteral("micr_line"), ComposeMicrLine(*micr).letters);
        array.append(object);
    }
    return array;
}
