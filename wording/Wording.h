#pragma once

#include "answers/Measurement.h"
#include "answers/PlacementCheck.h"
#include "store/PrinterProfiles.h"
#include "answers/MicrLine.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

struct ChequeCheck;
struct ChequeFinding;
struct ChequeFileProblem;
struct PrinterModel;

// Every answer of this layer is data; this is the one place that words it.
// The windows, step 3 and the exporter's text all show these sentences, so
// they never contradict one another, and the catalogues translate them here.
class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)

public:
    // Who reads the words: a person in their own language, or a script that
    // parses JSON and needs the same bytes in every locale (the program's own
    // US English, a point before decimals).
    enum class For { Reader, Script };

    // `sourceText` is marked where it is written, with
    // QT_TRANSLATE_NOOP("Wording", "..."), so that lupdate finds it.
    static QString Say(For audience, const char *sourceText, const char *disambiguation = nullptr, int n = -1);
    static QLocale Numbers(For audience);
    // A figure with `decimals` places, written as the audience writes numbers.
    static QString Figure(For audience, double value, int decimals);

    // ---- The MICR line's faults ----------------------------------------

    // A fault of the user's MICR line as one sentence; every fault, one a
    // sentence, in their order.
    static QString LineFault(For audience, const MicrLineFault &fault);
    static QStringList LineFaults(For audience, const MicrLineFaults &faults);

    // ---- Measurements, placement and profiles --------------------------

    // A length as shown everywhere: "7.010 in (178.05 mm)".
    static QString LengthOf(For audience, double inches);
    // A stock of 3-up cheques: "3-up on Letter, 3.5 in a check".
    static QString Stock(For audience, const ChequeStock &stock);
    // A MICR line field's name ("transit", "on-us") as a sentence or a
    // table says it; JSON keeps the name itself.
    static QString FieldName(For audience, const QString &name);

    // A residual from 7 in: "+0.004 in (+0.10 mm)"; one that shows as zero
    // has no sign.
    static QString Residual(For audience, double inches);
    // A line's verdict with its limit: "good (within 0.015 in)".
    static QString VerdictOf(For audience, Verdict verdict);
    // The verdict on the whole set of readings, or why no face is named.
    static QString AssessmentVerdictOf(For audience, const Assessment &assessment);
    // A printer that no face suits, between two faces' tolerance windows:
    // each side is a line and its length; a side of line 0 is left out.
    static QString BetweenFaces(For audience, CalibrationLine shorter, double shorterInches, CalibrationLine longer,
                                double longerInches, FontWeightChoice weight);
    // One line's length and verdict, short enough for the wizard's step 3:
    // a line out of tolerance, or readings that name no face, start "Not
    // calibrated: " and say which line would do.
    static QString LineSummary(For audience, const Assessment &assessment, CalibrationLine line);
    // What the user is to do about it: confirm a predicted line, measure
    // again, print at 100 %, or choose between two faces.
    static QStringList Advice(For audience, const Assessment &assessment, FontWeightChoice weight);

    // A move of the MICR line in check-printing software, right (up) when
    // positive: "right 0.020 in (0.51 mm, 20/1000 in)", or with Brief
    // "right 0.020 in". A move that shows as 0.000 has no direction.
    enum class Axis { Across, Upright };
    enum Length { Full, Brief };
    static QString Move(For audience, double inches, Axis axis, Length length = Full);
    // "right 0.020 in (...) and down 0.010 in (...)".
    static QString Moves(For audience, double right, double up, Length length = Full);
    // The placement page's readings: the scales with their verdict, where
    // the line landed and the correction to enter; the last line says what
    // the exit status says: fine, or what to do next.
    static QStringList Placement(For audience, const PlacementLayout &layout, const PlacementResult &result);
    // What was wrong with the printer profiles' file; empty for nothing.
    static QString ProfilesProblemOf(For audience, const ProfilesProblem &problem);

    // ---- The cheque file's findings ------------------------------------

    // The answer to a cheque file, a line each, as `cheque FILE` prints it
    // and the Check File window shows it.
    static QStringList ChequeCheckLines(For audience, const ChequeCheck &check);
    // One finding, a sentence; for a script, in the words its JSON has
    // always had.
    static QString ChequeFault(For audience, const ChequeCheck &check, const ChequeFinding &finding);
    // Why a cheque file could not be read, naming it.
    static QString ChequeFileUnread(For audience, const ChequeFileProblem &problem);
    // Whose model a printer's is: "printer Office, calibrated for Line 3".
    static QString PrinterModelSource(For audience, const PrinterModel &model);
    // "the top check"
    static QString ChequeOnSheet(For audience, ChequePosition cheque);
    // "3-up on Letter, 3.5 in a check", as the placement's answer says it.
    static QString ChequeStockName(For audience, const ChequeStock &stock);
};
