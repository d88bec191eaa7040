#include "store/PrinterProfiles.h"


#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <cmath>

namespace {

// The file's layout: [General] version=1, then a group a printer.
constexpr int FileVersion = 1;
const QString GroupPrefix = QStringLiteral("printer-");

// A queue's group: its name percent-encoded, so that "/" (QSettings' group
// separator), "%" and any other character stay the queue's own; the name
// itself is kept as it is under "queue".
QString GroupOf(const QString &queue)
{
    return GroupPrefix + QString::fromLatin1(QUrl::toPercentEncoding(queue));
}

QString QueueOfGroup(const QString &group)
{
    return QUrl::fromPercentEncoding(group.mid(GroupPrefix.size()).toLatin1());
}
// A correction further than this is a reading of something else.
constexpr double LongestMove = 1.5;

const QStringList MeasurementVerdicts = AssessmentVerdictKeys();
const QStringList ScaleVerdicts = ScaleVerdictKeys();
const QStringList ChequeNames = {ChequeName(ChequePosition::Top), ChequeName(ChequePosition::Middle),
                                 ChequeName(ChequePosition::Bottom)};

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
    const std::optional<int> verdict = read.Choice(QStringLiteral("measured/verdict"), MeasurementVerdicts);
    record.verdict = verdict ? MeasurementVerdicts[*verdict] : QString();
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
    record.cheque = ChequePosition(read.Choice(QStringLiteral("placement/cheque"), ChequeNames).value_or(0));
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
    const std::optional<int> scale = read.Choice(QStringLiteral("placement/scale"), ScaleVerdicts);
    record.scaleVerdict = scale ? ScaleVerdicts[*scale] : QString();
    record.taken = read.When(QStringLiteral("placement/taken"));
    return record;
}

// Moves a damaged file out of the way, or copies it byte for byte where
// what was good in it stays: PATH.damaged-YYYYMMDD-HHMMSS.
QString SetAside(const QString &path, bool copy)
{
    const QString stem = path + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stem;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + QStringLiteral("-%1").arg(n);
    if (copy ? !QFile::copy(path, aside) : !QFile::rename(path, aside))
        return {};
    return aside;
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

// Every value of a profile, in its group.
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

// What is in the file: the profiles that could be read, and what was
// wrong: the whole file (nothing read from it), or parts dropped.
struct FileReading
{
    QList<PrinterProfile> profiles;
    // The whole file, why.
    std::optional<ProfilesProblem::Why> unusable;
    QString version;
    QList<ProfilesProblem::Dropped> dropped; // values and profiles left out
    bool damaged() const { return unusable || !dropped.isEmpty(); }
};

// One printer's group; what is missing or wrong in it is said in `dropped`.
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

FileReading ReadFile(const QString &path)
{
    FileReading reading;
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink())
        return reading;
    QFile raw(path);
    if (file.isDir() || !raw.open(QIODevice::ReadOnly)) {
        reading.unusable = ProfilesProblem::Why::CannotRead;
        return reading;
    }
    const QByteArray bytes = raw.readAll();
    QSettings settings(path, QSettings::IniFormat);
    // What is on disk now, not what this process last read or wrote.
    settings.sync();
    const QString version = settings.value(QStringLiteral("version")).toString();
    // Lines that are neither a group, a setting nor a comment (QSettings
    // skips them, and says so only the first time it reads the file).
    const QList<QByteArray> lines = bytes.split('\n');
    const bool partlyUnreadable = std::any_of(lines.begin(), lines.end(), [](const QByteArray &line) {
        const QByteArray text = line.trimmed();
        return !text.isEmpty() && !text.startsWith(';') && !text.startsWith('#') && !text.contains('=')
            && !(text.startsWith('[') && text.endsWith(']'));
    });
    if (version.isEmpty())
        reading.unusable = ProfilesProblem::Why::NoVersion;
    else if (version != QString::number(FileVersion))
        reading.unusable = ProfilesProblem::Why::OtherVersion;
    reading.version = version;
    if (reading.unusable)
        return reading;
    if (partlyUnreadable)
        reading.dropped << ProfilesProblem::Dropped{ProfilesProblem::Dropped::What::Line, {}, {}, {}};
    const QStringList groups = settings.childGroups();
    for (const QString &group : groups) {
        // Its groups come in this order; a last line without its end was
        // cut off in the middle of the last group.
        const bool cutShort = group == groups.last() && !bytes.endsWith('\n') && !lines.last().startsWith('[');
        if (std::optional<PrinterProfile> profile = ReadGroup(settings, group, cutShort, reading.dropped))
            reading.profiles << *profile;
    }
    return reading;
}

} // namespace

QString WeightName(FontWeightChoice weight)
{
    return weight == FontWeightChoice::Bold ? QStringLiteral("bold") : QStringLiteral("standard");
}

PrinterProfiles::PrinterProfiles(QString path) : path_(std::move(path)) {}

QString PrinterProfiles::DefaultPath()
{
    // The same file for the wizard and the exporter, whatever their names.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("micr-calibration/printers.ini"));
}

namespace {

// What was wrong with the file at `path`, of kind `kind` where it was.
ProfilesProblem ProblemOf(const FileReading &reading, const QString &path, ProfilesProblem::Kind kind)
{
    ProfilesProblem problem;
    if (!reading.damaged())
        return problem;
    problem.kind = kind;
    problem.path = path;
    problem.why = reading.unusable.value_or(ProfilesProblem::Why::CannotRead);
    problem.version = reading.version;
    problem.dropped = reading.dropped;
    return problem;
}

} // namespace

LoadedProfiles PrinterProfiles::Read() const
{
    const FileReading reading = ReadFile(path_);
    return {reading.profiles, ProblemOf(reading, path_,
                                        reading.unusable ? ProfilesProblem::Kind::Unusable
                                                         : ProfilesProblem::Kind::Damaged)};
}

LoadedProfiles PrinterProfiles::Load() const
{
    const FileReading reading = ReadFile(path_);
    LoadedProfiles loaded{reading.profiles, {}};
    if (!reading.damaged())
        return loaded;
    if (reading.unusable) {
        const QString aside = SetAside(path_, false);
        loaded.problem = ProblemOf(reading, path_,
                                   aside.isEmpty() ? ProfilesProblem::Kind::UnusableStuck
                                                   : ProfilesProblem::Kind::UnusableSetAside);
        loaded.problem.aside = aside;
        return loaded;
    }
    // The original kept whole beside it; the file then holds what was good
    // in it, so that what was dropped is said once.
    const QString aside = SetAside(path_, true);
    if (!aside.isEmpty()) {
        QFile::remove(path_);
        QSettings settings(path_, QSettings::IniFormat);
        settings.setValue(QStringLiteral("version"), FileVersion);
        for (const PrinterProfile &profile : reading.profiles)
            WriteProfile(settings, profile);
        settings.sync();
    }
    loaded.problem = ProblemOf(reading, path_,
                               aside.isEmpty() ? ProfilesProblem::Kind::DamagedStuck
                                               : ProfilesProblem::Kind::DamagedCopied);
    loaded.problem.aside = aside;
    return loaded;
}

std::optional<PrinterProfile> PrinterProfiles::Find(const QString &queue, ProfilesProblem *problem) const
{
    const LoadedProfiles loaded = Load();
    if (problem)
        *problem = loaded.problem;
    for (const PrinterProfile &profile : loaded.profiles) {
        if (profile.queue == queue)
            return profile;
    }
    return std::nullopt;
}

bool PrinterProfiles::Save(const PrinterProfile &profile, QString *error) const
{
    // A damaged file is set aside first, so nothing is merged into it.
    Load();
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(QStringLiteral("version"), FileVersion);
    WriteProfile(settings, profile);
    // Under QSettings' lock, merged with what another instance wrote, and
    // written whole to a new file that then replaces the old.
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        *error = QStringLiteral("cannot write the printer profiles to %1").arg(path_);
        return false;
    }
    return true;
}

bool PrinterProfiles::Forget(const QString &queue, QString *error) const
{
    Load();
    QSettings settings(path_, QSettings::IniFormat);
    settings.remove(GroupOf(queue));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        *error = QStringLiteral("cannot write the printer profiles to %1").arg(path_);
        return false;
    }
    return true;
}

QString ShortDate(const QDateTime &when)
{
    return when.isValid() ? when.toLocalTime().toString(QStringLiteral("d MMM yyyy")) : QStringLiteral("no date");
}

