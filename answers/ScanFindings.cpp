#include "answers/ScanFindings.h"

#include "answers/PlacementCheck.h"
#include "standard/E13B.h"

#include <algorithm>
#include <cmath>
#include <numeric>

PlacementReadings ReadingsFromScan(const PlacementFound &found, const PlacementLayout &layout)
{
    PlacementReadings readings;
    readings.bar = found.bar;
    readings.verticalBar = found.verticalBar;
    readings.right = found.right;
    const bool bottomIsPaper = std::abs(ChequeBottomInches(layout) - layout.paperInches.height()) < 0.01;
    readings.vertical = bottomIsPaper ? VerticalReading::FromChequeBottom : VerticalReading::FromPaperTop;
    readings.fromEdge = bottomIsPaper ? found.bottom : found.top;
    return readings;
}

GaugeResult AssessGauge(const GaugeFound &found)
{
    GaugeResult result;
    result.skewDegrees = found.skewDegrees;
    if (found.characters.empty())
        return result;
    for (const GaugeCharacter &character : found.characters) {
        GaugeCharacterResult placed;
        placed.found = character;
        placed.position =
            int(std::lround((character.rightInches - FirstPositionRightInches) / PositionPitchInches)) + 1;
        result.characters.push_back(placed);
    }
    // Left to right: each character's right edge against its right
    // neighbour's, per position between them.
    std::vector<double> pitches;
    for (size_t i = 0; i + 1 < result.characters.size(); ++i) {
        GaugeCharacterResult &left = result.characters[i];
        const GaugeCharacterResult &right = result.characters[i + 1];
        const int apart = left.position - right.position;
        if (apart <= 0)
            continue;
        const double distance = left.found.rightInches - right.found.rightInches;
        left.spacing = distance / apart;
        pitches.push_back(*left.spacing);
        const double off = distance - apart * PositionPitchInches;
        if (std::abs(off) > SpacingToleranceInches)
            result.faults.push_back({GaugeFaultKind::Spacing, left.position, 0, off});
    }
    if (!pitches.empty())
        result.pitchInches = std::accumulate(pitches.begin(), pitches.end(), 0.0) / double(pitches.size());

    // The text as it stands in its positions, blanks as spaces.
    const int first = result.characters.front().position;
    const int last = result.characters.back().position;
    QString text(std::max(0, first - last + 1), u' ');
    for (const GaugeCharacterResult &character : result.characters) {
        const int index = first - character.position;
        if (index >= 0 && index < text.size())
            text[index] = character.found.letter;
        if (character.found.letter == u'?')
            result.faults.push_back({GaugeFaultKind::Unrecognised, character.position, 0, character.found.match});
    }
    result.line = CheckMicrLine(text);
    for (size_t i = 0; i < result.line.faults.size(); ++i)
        result.faults.push_back({GaugeFaultKind::LineFault, 0, int(i), 0});

    const GaugeCharacterResult &end = result.characters.back();
    result.rightInches = end.found.rightInches;
    double baselines = 0; // their sum
    std::vector<double> strokes;
    for (const GaugeCharacterResult &character : result.characters) {
        baselines += character.found.baselineInches;
        if (character.found.strokeInches > 0)
            strokes.push_back(character.found.strokeInches);
    }
    // The baseline where the line ends, on the straight line through the
    // characters' baselines: a tilted line's mean lies elsewhere.
    result.baselineInches = baselines / double(result.characters.size());
    if (result.characters.size() >= 2) {
        double sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (const GaugeCharacterResult &character : result.characters) {
            const double x = character.found.rightInches, y = character.found.baselineInches;
            sx += x, sy += y, sxx += x * x, sxy += x * y;
        }
        const double n = double(result.characters.size());
        const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        result.baselineInches = (sy - slope * sx) / n + slope * result.rightInches;
    }
    // Where the line's last character belongs: at the line's own last
    // position, as check-line reads the text.
    const int belongs = result.line.lastPosition > 0 ? result.line.lastPosition : end.position;
    result.moveRight = result.rightInches - (FirstPositionRightInches + (belongs - 1) * PositionPitchInches);
    result.moveUp = PrintBandBottomInches - result.baselineInches;
    if (std::abs(result.moveRight) > OffsetToleranceInches)
        result.faults.push_back({GaugeFaultKind::Placement, belongs, 0, result.moveRight});
    if (std::abs(result.moveUp) > OffsetToleranceInches)
        result.faults.push_back({GaugeFaultKind::Placement, belongs, 1, result.moveUp});
    if (std::abs(result.skewDegrees) > MostSkewDegrees)
        result.faults.push_back({GaugeFaultKind::Skew, 0, 0, result.skewDegrees});
    // The median: a symbol's wider boxes do not move it.
    if (!strokes.empty()) {
        std::nth_element(strokes.begin(), strokes.begin() + std::ptrdiff_t(strokes.size() / 2), strokes.end());
        result.strokeInches = strokes[strokes.size() / 2];
        if (std::abs(*result.strokeInches - NominalStrokeInches) > StrokeToleranceInches)
            result.faults.push_back({GaugeFaultKind::Stroke, 0, 0, *result.strokeInches});
    }
    for (size_t i = 0; i < found.marks.size(); ++i) {
        const GaugeMark &mark = found.marks[i];
        if (std::max(mark.widthInches, mark.heightInches) <= CountedSpotInches)
            ++result.countedSpots;
        else
            result.faults.push_back({GaugeFaultKind::ClearBand, 0, int(i), std::max(mark.widthInches, mark.heightInches)});
    }
    return result;
}

namespace {

LineLengths Scaled(const LineLengths &lengths, double factor)
{
    LineLengths scaled;
    for (std::size_t i = 0; i < lengths.size(); ++i)
        if (lengths[i])
            scaled[i] = *lengths[i] * factor;
    return scaled;
}

} // namespace

ScannedLengths ScaleScannedLines(const CalibrationFound &found, CalibrationLine rulerLine, double rulerInches)
{
    ScannedLengths scanned;
    const std::optional<double> ruled = rulerLine != 0 ? found.lines.at(std::size_t(rulerLine - 1)) : std::nullopt;
    const double uncertainty = ruled ? 0 : ScanScaleUncertainty;
    if (ruled) {
        scanned.source = ScanScaleSource::Ruler;
        scanned.rulerLine = rulerLine;
        scanned.scale = rulerInches / *ruled;
    }
    scanned.lengths = Scaled(found.lines, scanned.scale);
    for (std::size_t i = 0; i < scanned.lengths.size(); ++i) {
        if (!scanned.lengths[i])
            continue;
        const double length = *scanned.lengths[i];
        scanned.uncertainty[i] = length * uncertainty;
        scanned.undecided[i] = JudgeResidual(length * (1 - uncertainty) - TargetLineInches)
            != JudgeResidual(length * (1 + uncertainty) - TargetLineInches);
    }
    const LineLengths nominal = NominalLineLengths();
    const Assessment middle = AssessReadings(nominal, scanned.lengths);
    for (const double end : {1 - uncertainty, 1 + uncertainty}) {
        const Assessment atEnd = AssessReadings(nominal, Scaled(scanned.lengths, end));
        if (atEnd.recommended != middle.recommended || AssessmentVerdictKey(atEnd) != AssessmentVerdictKey(middle))
            scanned.answerUndecided = true;
    }
    return scanned;
}

bool ScannedAnswerUsable(const ScannedLengths &scanned)
{
    const double uncertainty = scanned.source == ScanScaleSource::Ruler ? 0 : ScanScaleUncertainty;
    const LineLengths nominal = NominalLineLengths();
    for (const double end : {1 - uncertainty, 1.0, 1 + uncertainty})
        if (!AssessReadings(nominal, Scaled(scanned.lengths, end)).usable())
            return false;
    return true;
}

QString GaugeFaultCode(GaugeFaultKind kind)
{
    static const char *const codes[] = {"unrecognised", "spacing", "placement", "skew", "stroke", "clear-band",
                                        "line-fault"};
    return QLatin1String(codes[int(kind)]);
}

namespace {
const char *const ProblemKeys[] = {"none", "unreadable", "too-large", "too-coarse", "empty", "no-sheet",
                                   "sideways", "upside-down", "wrong-page", "no-micr-line", "failed",
                                   "pdf-pages", "pdf-images"};
}

QString ScanProblemKey(ScanProblem problem)
{
    return QLatin1String(ProblemKeys[int(problem)]);
}

std::optional<ScanProblem> ScanProblemFromKey(const QString &key)
{
    for (int i = 0; i < int(std::size(ProblemKeys)); ++i)
        if (key == QLatin1String(ProblemKeys[i]))
            return ScanProblem(i);
    return std::nullopt;
}
