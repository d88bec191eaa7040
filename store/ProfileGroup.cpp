#include "store/ProfileGroup.h"

#include <QUrl>

#include <cmath>

namespace {

const QString GroupPrefix = QStringLiteral("printer-");

QString QueueOfGroup(const QString &group)
{
    return QUrl::fromPercentEncoding(group.mid(GroupPrefix.size()).toLatin1());
}

// A correction further than this is a reading of something else.
constexpr double LongestMove = 1.5;

// The words each choice is stored as, made when a profile is first read
// rather than when the program starts.
const QStringList &MeasurementVerdicts()
{
    static const QStringList verdicts = AssessmentVerdictKeys();
    return verdicts;
}

const QStringList &ScaleVerdicts()
{
    static const QStringList verdicts = ScaleVerdictKeys();
    return verdicts;
}

const QStringList &ChequeNames()
{
    static const QStringList names = {ChequeName(ChequePosition::Top), ChequeName(ChequePosition::Middle),
                                      ChequeName(ChequePosition::Bottom)};
    return names;
}

QString Number(double inches)
{
    return QString::number(inches, 'f', 4);
}

// Reads one printer's group; values out of range are dropped and named in
// `dropped`. None when the group lacks what every profile has.
class GroupReader
{
public:
    GroupReader(QSettings &settings, QString queue, QList<ProfilesProblem::Dropped> &dropped)
        : settings_(settings), queue_(std::move(queue)), dropped_(dropped)
    {
    }

    // A length at `key` within [shortest, longest], or none.
    std::optional<double> Length(const QString &key, double shortest, double longest)
    {
        if (!settings_.contains(key))
            return std::nullopt;
        bool ok = false;
        const double value = settings_.value(key).toString().toDouble(&ok);
        // Judged as shown, as the value was when it was typed.
        if (ok && std::isfinite(value) && ShownInches(value) >= ShownInches(shortest)
            && ShownInches(value) <= ShownInches(longest))
            return value;
        Drop(key);
        return std::nullopt;
    }

    std::optional<double> Length(const QString &key, const LengthRange &range)
    {
        return Length(key, range.shortest, range.longest);
    }

    // One of `names` at `key`, as its index, or none.
    std::optional<int> Choice(const QString &key, const QStringList &names)
    {
        if (!settings_.contains(key))
            return std::nullopt;
        const qsizetype index = names.indexOf(settings_.value(key).toString());
        if (index >= 0)
            return int(index);
        Drop(key);
        return std::nullopt;
    }

    QDateTime When(const QString &key)
    {
        if (!settings_.contains(key))
            return {};
        QDateTime when = QDateTime::fromString(settings_.value(key).toString(), Qt::ISODate);
        if (!when.isValid())
            Drop(key);
        return when;
    }

private:
    void Drop(const QString &key)
    {
        dropped_ << ProfilesProblem::Dropped{ProfilesProblem::Dropped::What::Value, queue_, key,
                                             settings_.value(key).toString()};
    }

    QSettings &settings_;
    QString queue_;
    QList<ProfilesProblem::Dropped> &dropped_;
};

std::optional<MeasurementRecord> ReadMeasurement(GroupReader &read)
{
    MeasurementRecord record;
    bool any = false;
    for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
        record.readings[std::size_t(line - 1)] = read.Length(QStringLiteral("measured/%1").arg(line), SampleLineRange());
        any = any || record.readings[std::size_t(line - 1)];
    }
    if (!any)
        return std::nullopt;
    record.line = read.Choice(QStringLiteral("measured/line"), {QStringLiteral("1"), QStringLiteral("2"),
                                                               QStringLiteral("3"), QStringLiteral("4"),
                                                               QStringLiteral("5")})
                      .value_or(-1)
        + 1;
    const std::optional<int> verdict = read.Choice(QStringLiteral("measured/verdict"), MeasurementVerdicts());
    record.verdict = verdict ? MeasurementVerdicts()[*verdict] : QString();
    record.taken = read.When(QStringLiteral("measured/taken"));
    return record;
}

std::optional<PlacementRecord> ReadPlacement(GroupReader &read)
{
    const std::optional<double> bar = read.Length(QStringLiteral("placement/bar"), ReferenceBarRange());
    const std::optional<double> right = read.Length(QStringLiteral("placement/right"), RightEdgeRange());
    const std::optional<int> from = read.Choice(QStringLiteral("placement/from"),
                                                {QStringLiteral("bottom"), QStringLiteral("top")});
    if (!bar || !right || !from)
        return std::nullopt;
    PlacementRecord record;
    record.readings.bar = *bar;
    record.readings.right = *right;
    record.readings.vertical = VerticalReading(from.value());
    const std::optional<double> edge = read.Length(
        QStringLiteral("placement/edge"),
        record.readings.vertical == VerticalReading::FromPaperTop ? TopEdgeRange() : BottomEdgeRange());
    if (!edge)
        return std::nullopt;
    record.readings.fromEdge = *edge;
    record.readings.verticalBar = read.Length(QStringLiteral("placement/vbar"), VerticalBarRange());
    record.cheque = ChequePosition(read.Choice(QStringLiteral("placement/cheque"), ChequeNames()).value_or(0));
    // Any height 3-up stock can be, on the tallest paper.
    if (const std::optional<double> stock = read.Length(QStringLiteral("placement/stock"), ShortestChequeInches,
                                                        TallestChequeInches(A4HeightInches)))
        record.stock = StockOfHeight(*stock);
    // A move that was dropped is worked out again from the readings kept,
    // never shown as no move at all.
    const std::optional<double> moveRight = read.Length(QStringLiteral("placement/move-right"), -LongestMove, LongestMove);
    const std::optional<double> moveUp = read.Length(QStringLiteral("placement/move-up"), -LongestMove, LongestMove);
    record.applied.right = read.Length(QStringLiteral("placement/applied-right"), -LongestMove, LongestMove).value_or(0);
    record.applied.up = read.Length(QStringLiteral("placement/applied-up"), -LongestMove, LongestMove).value_or(0);
    PlacementLayout layout;
    layout.cheque = record.cheque;
    layout.stock = record.stock;
    layout.applied = record.applied;
    const PlacementResult worked = AssessPlacement(layout, record.readings, LineLengths{});
    record.moveRight = moveRight.value_or(worked.totalRight());
    record.moveUp = moveUp.value_or(worked.totalUp());
    const std::optional<int> scale = read.Choice(QStringLiteral("placement/scale"), ScaleVerdicts());
    record.scaleVerdict = scale ? ScaleVerdicts()[*scale] : QString();
    record.taken = read.When(QStringLiteral("placement/taken"));
    return record;
}

// The MICR line's fields by their keys, text as typed.
const std::pair<const char *, QString MicrFields::*> MicrLineKeys[] = {
    {"routing", &MicrFields::routing}, {"branch", &MicrFields::branch}, {"institution", &MicrFields::institution},
    {"onus", &MicrFields::onUs},       {"aux", &MicrFields::auxOnUs},   {"epc", &MicrFields::processingCode}};

std::optional<MicrFields> ReadMicrLine(QSettings &settings, GroupReader &read)
{
    const std::optional<int> layout = read.Choice(QStringLiteral("micr-line/layout"), {QStringLiteral("us"), QStringLiteral("ca")});
    if (!layout)
        return std::nullopt;
    MicrFields fields;
    fields.layout = *layout == 1 ? MicrLayout::Canada : MicrLayout::US;
    for (const auto &[key, member] : MicrLineKeys)
        fields.*member = settings.value(QStringLiteral("micr-line/") + QLatin1String(key)).toString();
    return fields;
}

} // namespace

QString WeightName(FontWeightChoice weight)
{
    return weight == FontWeightChoice::Bold ? QStringLiteral("bold") : QStringLiteral("standard");
}

QString GroupOf(const QString &queue)
{
    return GroupPrefix + QString::fromLatin1(QUrl::toPercentEncoding(queue));
}

void WriteProfile(QSettings &settings, const PrinterProfile &profile)
{
    settings.beginGroup(GroupOf(profile.queue));
    settings.remove(QString());
    settings.setValue(QStringLiteral("queue"), profile.queue);
    if (!profile.makeAndModel.isEmpty())
        settings.setValue(QStringLiteral("model"), profile.makeAndModel);
    settings.setValue(QStringLiteral("weight"), WeightName(profile.weight));
    settings.setValue(QStringLiteral("line"), profile.line);
    if (const auto &measured = profile.measurement) {
        for (CalibrationLine line = FirstCalibrationLine; line <= LastCalibrationLine; ++line) {
            if (const std::optional<double> &length = measured->readings[std::size_t(line - 1)])
                settings.setValue(QStringLiteral("measured/%1").arg(line), Number(*length));
        }
        settings.setValue(QStringLiteral("measured/line"), measured->line);
        settings.setValue(QStringLiteral("measured/verdict"), measured->verdict);
        if (measured->taken.isValid())
            settings.setValue(QStringLiteral("measured/taken"), measured->taken.toString(Qt::ISODate));
    }
    if (const auto &placed = profile.placement) {
        settings.setValue(QStringLiteral("placement/cheque"), ChequeName(placed->cheque));
        settings.setValue(QStringLiteral("placement/stock"), Number(placed->stock.chequeInches));
        settings.setValue(QStringLiteral("placement/bar"), Number(placed->readings.bar));
        if (placed->readings.verticalBar)
            settings.setValue(QStringLiteral("placement/vbar"), Number(*placed->readings.verticalBar));
        settings.setValue(QStringLiteral("placement/right"), Number(placed->readings.right));
        settings.setValue(QStringLiteral("placement/from"),
                          placed->readings.vertical == VerticalReading::FromPaperTop ? QStringLiteral("top")
                                                                                     : QStringLiteral("bottom"));
        settings.setValue(QStringLiteral("placement/edge"), Number(placed->readings.fromEdge));
        settings.setValue(QStringLiteral("placement/move-right"), Number(placed->moveRight));
        settings.setValue(QStringLiteral("placement/move-up"), Number(placed->moveUp));
        settings.setValue(QStringLiteral("placement/applied-right"), Number(placed->applied.right));
        settings.setValue(QStringLiteral("placement/applied-up"), Number(placed->applied.up));
        settings.setValue(QStringLiteral("placement/scale"), placed->scaleVerdict);
        if (placed->taken.isValid())
            settings.setValue(QStringLiteral("placement/taken"), placed->taken.toString(Qt::ISODate));
    }
    if (const auto &micr = profile.micrLine) {
        settings.setValue(QStringLiteral("micr-line/layout"),
                          micr->layout == MicrLayout::Canada ? QStringLiteral("ca") : QStringLiteral("us"));
        for (const auto &[key, member] : MicrLineKeys)
            settings.setValue(QStringLiteral("micr-line/") + QLatin1String(key), (*micr).*member);
    }
    settings.endGroup();
}

std::optional<PrinterProfile> ReadGroup(QSettings &settings, const QString &group, bool cutShort, QList<ProfilesProblem::Dropped> &dropped)
{
    settings.beginGroup(group);
    const QString queue = settings.value(QStringLiteral("queue")).toString();
    // Named by the printer it is for, where the group says.
    const QString printer = queue.isEmpty() && group.startsWith(GroupPrefix) ? QueueOfGroup(group) : queue;
    // Every profile has its queue and its weight; a file cut short loses
    // the last group's weight, which comes last in it.
    if (!group.startsWith(GroupPrefix) || queue.isEmpty() || QueueOfGroup(group) != queue
        || !settings.contains(QStringLiteral("weight")) || cutShort) {
        dropped << ProfilesProblem::Dropped{ProfilesProblem::Dropped::What::Profile, printer, {}, {}};
        settings.endGroup();
        return std::nullopt;
    }
    PrinterProfile profile;
    profile.queue = queue;
    profile.makeAndModel = settings.value(QStringLiteral("model")).toString();
    GroupReader read(settings, queue, dropped);
    const std::optional<int> weight =
        read.Choice(QStringLiteral("weight"), {QStringLiteral("standard"), QStringLiteral("bold")});
    profile.weight = weight.value_or(0) == 1 ? FontWeightChoice::Bold : FontWeightChoice::Standard;
    profile.measurement = ReadMeasurement(read);
    const std::optional<int> line = read.Choice(
        QStringLiteral("line"),
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    // A line dropped is the one the readings named, where they did.
    if (line)
        profile.line = *line + 1;
    else if (profile.measurement && profile.measurement->line >= FirstCalibrationLine)
        profile.line = profile.measurement->line;
    profile.placement = ReadPlacement(read);
    profile.micrLine = ReadMicrLine(settings, read);
    settings.endGroup();
    return profile;
}
