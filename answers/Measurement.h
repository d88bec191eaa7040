#pragma once

#include "standard/MicrFaceTable.h"
#include "answers/Readings.h"

#include <QRawFont>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// From what the user measured on the calibration page to the face that
// prints the MICR line at 0.125 inch a character, how close it comes and
// whether that is close enough.

// 56 positions at the E-13B pitch of 0.125 inch.
inline constexpr double TargetLineInches = 7.0;
// E-13B allows 0.010 inch on each pitch; fixed fields must stay within
// 1/16 inch, so drift over a line is held well inside that.
inline constexpr double GoodToleranceInches = 0.015;
inline constexpr double MarginalToleranceInches = 0.030;
// Readings of one printer differ from a single scale by no more than a
// ruler's error: each reading is held against what the others predict,
// and one further than this was misread.
inline constexpr double ConsistencyToleranceInches = 0.020;

// One length for each of lines 1 to 5; empty where there is none.
using LineLengths = std::array<std::optional<double>, LastCalibrationLine>;

// The length of a sample line set at exactly 10 points in `face`, in
// inches, from the installed face's own advance widths; none when the face
// is not installed.
std::optional<double> SampleLineInches(const QString &face);

// An installed face, unhinted and unkerned, at one pixel to its design unit:
// its advances are its design widths. None when it is not installed.
std::optional<QRawFont> FaceAtDesignUnits(const QString &family);

// Whether `face` is installed on this computer: a face named but missing
// is said beside the answer.
bool MicrFaceInstalled(const QString &face);

// Each line's sample length as the page prints it (the standard faces).
LineLengths NominalLineLengths();

enum class Verdict { Good, Marginal, Out };

struct LineEstimate
{
    std::optional<double> length; // measured, or predicted from the scale
    bool predicted = false;
};

struct Assessment
{
    std::array<LineEstimate, LastCalibrationLine> lines;
    // Measured over nominal, least squares over the measured lines.
    std::optional<double> scale;
    // The line closest to 7 inches; 0 when no line has a length.
    CalibrationLine recommended = 0;
    double residual = 0; // its length less 7 inches
    Verdict verdict = Verdict::Out;
    // Some reading is further than the consistency tolerance from the
    // length the other readings predict for its line.
    bool inconsistent = false;
    // No line comes within tolerance because even the narrowest face prints
    // too long, or the widest too short: the page was scaled on its way.
    bool pageScaled = false;
    // No line within tolerance, the printer falling between these two.
    CalibrationLine shorterLine = 0;
    CalibrationLine longerLine = 0;

    bool recommendedIsPredicted() const
    {
        return recommended != 0 && lines[std::size_t(recommended - 1)].predicted;
    }
    // Good or marginal, from consistent readings of a page not scaled.
    bool usable() const
    {
        return recommended != 0 && verdict != Verdict::Out && !inconsistent && !pageScaled;
    }
};

// How far a length that is `residual` from 7 inches is allowed to be,
// judged on the residual as shown, to the thousandth of an inch.
Verdict JudgeResidual(double residual);

// Weighs the measured lengths against the nominal ones.
Assessment AssessReadings(const LineLengths &nominal, const LineLengths &measured);

// The verdict on the whole set of readings: the recommended line's, or why
// no face can be named from them (Wording says it).
enum class AssessmentVerdict { NoReadings, Good, Marginal, Out, Between, Scaled, Inconsistent };
AssessmentVerdict VerdictOfAssessment(const Assessment &assessment);

// The same as a word for scripts and the printer profiles: good, marginal,
// out, between, scaled or inconsistent (no readings are out).
QString AssessmentVerdictKey(AssessmentVerdict verdict);
QString AssessmentVerdictKey(const Assessment &assessment);
// Every key AssessmentVerdictKey() gives.
QStringList AssessmentVerdictKeys();

// Whether `line` was measured or predicted, and either is out of tolerance
// or the readings name no face: it is not calibrated.
bool LineNotCalibrated(const Assessment &assessment, CalibrationLine line);
