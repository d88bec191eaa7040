#include "PrinterSession.h"

PrinterSession::PrinterSession(PrinterProfiles profiles, QObject *parent)
    : QObject(parent), profiles_(std::move(profiles))
{
}

std::optional<PrinterProfile> PrinterSession::ProfileOf(const QString &queue) const
{
    if (queue.isEmpty())
        return std::nullopt;
    ProfilesProblem problem;
    std::optional<PrinterProfile> profile = profiles_.Find(queue, &problem);
    if (!problem.none())
        emit profilesProblem(problem);
    return profile;
}

std::optional<PrinterProfile> PrinterSession::Profile() const
{
    return ProfileOf(queue_);
}

template <typename Change> bool PrinterSession::Remember(const QString &queue, Change change)
{
    if (queue.isEmpty())
        return false;
    // Only what `change` sets: the rest is what the file holds, which
    // another running copy may have written.
    PrinterProfile profile = ProfileOf(queue).value_or(PrinterProfile());
    profile.queue = queue;
    const QString model = queue == queue_ ? makeAndModel_ : queue == placedQueue_ ? placedModel_ : QString();
    if (!model.isEmpty())
        profile.makeAndModel = model;
    change(profile);
    QString error;
    if (!profiles_.Save(profile, &error)) {
        emit notRemembered(error);
        return false;
    }
    if (queue == queue_)
        remembered_ = true;
    return true;
}

void PrinterSession::TakeReadings(const std::optional<PrinterProfile> &profile)
{
    remembered_ = profile.has_value();
    // Read when needed: the faces may have been installed since start-up.
    nominal_ = NominalLineLengths();
    const std::optional<MeasurementRecord> &record = profile ? profile->measurement : std::nullopt;
    readings_ = record ? record->readings : LineLengths{};
    assessment_ = AssessReadings(nominal_, readings_);
    readingsPrinter_ = record ? profile->queue : QString();
    readingsTaken_ = record ? record->taken : QDateTime();
}

void PrinterSession::FollowPrinter(const QString &queue, const QString &makeAndModel, const ChequeStock &paper)
{
    following_ = true;
    queue_ = queue;
    makeAndModel_ = makeAndModel;
    paper_ = paper;
    const std::optional<PrinterProfile> profile = Profile();
    TakeReadings(profile);
    // A printer new to the program starts from the standard line, not from
    // the line chosen for the printer before; a file keeps the line chosen.
    const CalibrationLine line = profile ? profile->line : PrinterProfile().line;
    if (!queue.isEmpty() && line >= FirstCalibrationLine && line <= LastCalibrationLine)
        line_ = line;
    emit changed();
}

void PrinterSession::CalibrationPagePrinted(const QString &queue, const QString &makeAndModel,
                                            const ChequeStock &paper)
{
    FollowPrinter(queue, makeAndModel, paper);
    Remember(queue_, [weight = weight_](PrinterProfile &profile) { profile.weight = weight; });
}

bool PrinterSession::ForgetPrinter(const QString &queue, QString *error)
{
    if (!profiles_.Forget(queue, error))
        return false;
    if (following_ && queue == queue_) {
        TakeReadings(std::nullopt);
        emit changed();
    }
    return true;
}

void PrinterSession::ProfilesReread()
{
    if (queue_.isEmpty())
        return;
    const std::optional<PrinterProfile> profile = Profile();
    // Readings not remembered (a printer whose profile could not be
    // written) stay for this run.
    if ((profile && profile->measurement) || (!profile && remembered_)) {
        TakeReadings(profile);
        emit changed();
    }
    remembered_ = profile.has_value();
}

void PrinterSession::ChooseLine(CalibrationLine line)
{
    if (line == line_ || line < FirstCalibrationLine || line > LastCalibrationLine)
        return;
    line_ = line;
    emit changed();
}

void PrinterSession::ChooseWeight(FontWeightChoice weight)
{
    if (weight == weight_)
        return;
    weight_ = weight;
    emit changed();
}

QString PrinterSession::Face() const
{
    return QString::fromLatin1(MicrFaceName(line_, weight_));
}

void PrinterSession::LineConfirmed()
{
    if (const std::optional<PrinterProfile> profile = Profile(); profile && profile->line != line_)
        Remember(queue_, [line = line_](PrinterProfile &chosen) { chosen.line = line; });
}

void PrinterSession::ReadingsOpened()
{
    nominal_ = NominalLineLengths();
    ReadingsTyped(readings_);
}

void PrinterSession::ReadingsTyped(const LineLengths &typed)
{
    typed_ = typed;
    typedAssessment_ = AssessReadings(nominal_, typed_);
}

void PrinterSession::ReadingsAccepted()
{
    readings_ = typed_;
    assessment_ = typedAssessment_;
    if (assessment_.recommended != 0)
        line_ = assessment_.recommended;
    MeasurementRecord record;
    record.readings = readings_;
    record.line = assessment_.recommended;
    record.verdict = AssessmentVerdictKey(assessment_);
    record.taken = QDateTime::currentDateTimeUtc();
    const bool remembered = Remember(queue_, [this, &record](PrinterProfile &profile) {
        profile.line = line_;
        profile.measurement = record;
    });
    readingsPrinter_ = remembered ? queue_ : QString();
    readingsTaken_ = remembered ? record.taken : QDateTime();
    emit changed();
}

StepThreeAnswer PrinterSession::StepThree() const
{
    StepThreeAnswer answer;
    answer.line = line_;
    answer.face = Face();
    if (assessment_.recommended == 0)
        return answer;
    answer.readings = assessment_;
    if (const std::optional<double> &length = assessment_.lines.at(std::size_t(line_ - 1)).length)
        answer.lineVerdict = JudgeResidual(*length - TargetLineInches);
    answer.calibrated = !LineNotCalibrated(assessment_, line_);
    answer.printer = readingsPrinter_;
    answer.taken = readingsTaken_;
    return answer;
}

std::optional<PlacementRecord> PrinterSession::Placement() const
{
    const std::optional<PrinterProfile> profile = Profile();
    return profile ? profile->placement : std::nullopt;
}

bool PrinterSession::PlacementOpened()
{
    const bool fresh = placementShownFor_ != queue_;
    placementShownFor_ = queue_;
    placedQueue_ = queue_;
    placedModel_ = makeAndModel_;
    return fresh;
}

void PrinterSession::PlacementPagePrinted(const QString &queue, const QString &makeAndModel)
{
    if (queue.isEmpty())
        return;
    placedQueue_ = queue;
    placedModel_ = makeAndModel;
}

void PrinterSession::PlacementClosed(const std::optional<PlacementRecord> &record)
{
    if (record)
        Remember(placedQueue_, [&record](PrinterProfile &profile) { profile.placement = record; });
    placementShownFor_ = placedQueue_;
}

std::optional<MicrFields> PrinterSession::MicrLine() const
{
    const std::optional<PrinterProfile> profile = Profile();
    return profile ? profile->micrLine : std::nullopt;
}

void PrinterSession::MicrLineTyped(const MicrFields &fields)
{
    // The line stays with this printer, for the next time and the next run.
    const std::optional<MicrFields> typed = fields.empty() ? std::nullopt : std::optional<MicrFields>(fields);
    if (typed != MicrLine())
        Remember(queue_, [&typed](PrinterProfile &changed) { changed.micrLine = typed; });
}
