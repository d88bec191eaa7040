#pragma once

#include "answers/Measurement.h"
#include "store/PrinterProfiles.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

// What step 3 says, as data: the face of the line chosen, and what the
// readings say of that line.
struct StepThreeAnswer
{
    CalibrationLine line = 3;
    QString face;
    std::optional<Assessment> readings; // none before any line has a length
    // The chosen line judged on its length, measured or predicted.
    std::optional<Verdict> lineVerdict;
    // False when the chosen line is out of tolerance or the readings name
    // no face; nothing measured says nothing against it.
    bool calibrated = true;
    // Whose profile keeps the readings, and since when; empty if none does.
    QString printer;
    QDateTime taken;
};

// The printer pages go to and everything done on it in this run: its line
// and weight, its calibration readings and their verdict, its placement
// readings and correction, kept with its profile so that each printer has
// its own, now and after a restart. Everything step 3 and the measuring
// windows show is computed from here.
class PrinterSession : public QObject
{
    Q_OBJECT

public:
    explicit PrinterSession(PrinterProfiles profiles = PrinterProfiles(), QObject *parent = nullptr);

    // Pages go to `queue` (empty: a file). Another printer than the one
    // followed brings its own readings and, when it is a printer, its line.
    void FollowPrinter(const QString &queue, const QString &makeAndModel, const ChequeStock &paper);
    bool Follows(const QString &queue) const { return following_ && queue_ == queue; }
    // A calibration page went to `queue`: its own line and readings, never
    // those of the page before, and the weight it printed in remembered.
    void CalibrationPagePrinted(const QString &queue, const QString &makeAndModel, const ChequeStock &paper);
    const QString &Queue() const { return queue_; }
    const ChequeStock &PaperStock() const { return paper_; } // its paper's usual stock
    // The printer's profile as its file has it now.
    std::optional<PrinterProfile> Profile() const;
    LoadedProfiles LoadProfiles() const { return profiles_.Load(); }
    // Forgets `queue`; the printer followed takes its readings with it.
    bool ForgetPrinter(const QString &queue, QString *error);
    // The file may have changed under the session: the printer's own
    // readings come back from it, and are gone only with its profile.
    void ProfilesReread();

    void ChooseLine(CalibrationLine line);
    void ChooseWeight(FontWeightChoice weight);
    CalibrationLine Line() const { return line_; }
    FontWeightChoice Weight() const { return weight_; }
    QString Face() const;
    // Step 3 reached: the line chosen is the printer's face from now on.
    void LineConfirmed();

    // The printer's readings, as last accepted.
    const LineLengths &Readings() const { return readings_; }
    // The Measurements window opens: the readings typed start as the
    // printer's.
    void ReadingsOpened();
    // The readings as they are typed, a refused one left out, and their
    // assessment: what the Measurements window shows.
    void ReadingsTyped(const LineLengths &typed);
    const Assessment &TypedAssessment() const { return typedAssessment_; }
    // Each line's length in its installed face; none for a missing face.
    const LineLengths &NominalLengths() const { return nominal_; }
    // The readings typed become the printer's, and its line the one they
    // name.
    void ReadingsAccepted();
    StepThreeAnswer StepThree() const;

    // The printer's last placement readings with their stock and correction.
    std::optional<PlacementRecord> Placement() const;
    // The placement window opens on the printer followed; true when it last
    // showed another printer's readings and must start afresh.
    bool PlacementOpened();
    // The placement page went to `queue`: readings taken from it are that
    // printer's. A file leaves them with the printer followed.
    void PlacementPagePrinted(const QString &queue, const QString &makeAndModel);
    // The placement window closed with readings that make sense, or none.
    void PlacementClosed(const std::optional<PlacementRecord> &record);
    std::optional<MicrFields> MicrLine() const;
    void MicrLineTyped(const MicrFields &fields);

signals:
    // The printer, its line or its readings changed.
    void changed();
    // Reading the profiles' file found it damaged.
    void profilesProblem(const ProfilesProblem &problem) const;
    // A profile could not be written.
    void notRemembered(const QString &error);

private:
    std::optional<PrinterProfile> ProfileOf(const QString &queue) const;
    // Changes `queue`'s profile (made when it has none) with what `change`
    // sets, and writes it; nothing for a file.
    template <typename Change> bool Remember(const QString &queue, Change change);
    void TakeReadings(const std::optional<PrinterProfile> &profile);

    PrinterProfiles profiles_;
    QString queue_;
    QString makeAndModel_;
    ChequeStock paper_ = LetterStock();
    bool following_ = false;
    bool remembered_ = false; // the printer followed had a profile when last read
    CalibrationLine line_ = PrinterProfile().line;
    FontWeightChoice weight_ = FontWeightChoice::Standard;
    LineLengths nominal_{};
    LineLengths readings_{};
    Assessment assessment_;
    QString readingsPrinter_;
    QDateTime readingsTaken_;
    LineLengths typed_{};
    Assessment typedAssessment_;
    // The printer whose readings the placement window shows, and the one
    // its page last went to.
    QString placementShownFor_;
    QString placedQueue_;
    QString placedModel_;
};
