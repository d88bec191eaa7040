#pragma once

#include "answers/Measurement.h"
#include "answers/MicrLine.h"
#include "answers/PlacementCheck.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What the program remembers of each printer: the weight, the line and
// face chosen, the last calibration readings with their verdict and the
// last placement readings with the stock and correction, each with when it
// was taken.

struct MeasurementRecord
{
    LineLengths readings{};
    CalibrationLine line = 0; // the line the readings named
    QString verdict;          // AssessmentVerdictKey
    QDateTime taken;
};

struct PlacementRecord
{
    ChequePosition cheque = ChequePosition::Top;
    ChequeStock stock = LetterStock();
    PlacementReadings readings;
    // The correction the measured page carried.
    Correction applied;
    // The whole correction to enter: the page's and the move still to make.
    double moveRight = 0;
    double moveUp = 0;
    QString scaleVerdict; // ScaleVerdictKey
    QDateTime taken;
};

struct PrinterProfile
{
    QString queue;        // the CUPS queue's name
    QString makeAndModel; // where CUPS has them
    FontWeightChoice weight = FontWeightChoice::Standard;
    CalibrationLine line = 3;
    std::optional<MeasurementRecord> measurement;
    std::optional<PlacementRecord> placement;
    // The user's own MICR line, as typed into its fields.
    std::optional<MicrFields> micrLine;

    QString Face() const;
};
