#pragma once

#include "answers/Measurement.h"
#include "ui_Measurements.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;

// The lengths the user measured on the calibration page, and as they type
// them each line's length on this printer, the line to choose, how close it
// comes to 7 inches and what to do about it. OK, which checks the line, is
// offered only for a face within tolerance; otherwise the window says what
// to do next. F1 opens the help page on verdicts.
class TMeasurements : public QDialog, private Ui::TMeasurements
{
    Q_OBJECT

public:
    explicit TMeasurements(QWidget *owner = nullptr);

    // Shows the faces of `weight` and the readings last accepted, then runs
    // the window; returns whether it was accepted.
    bool Ask(FontWeightChoice weight);

    // The readings' assessment as last shown.
    const Assessment &Result() const { return assessment_; }

    // The readings the window opens with, as if accepted before: a
    // printer's last readings.
    void SetReadings(const LineLengths &readings);

    // The readings last accepted.
    LineLengths Readings() const;

    using Ui::TMeasurements::ButtonBox;

private:
    void Reassess();
    QLineEdit *Field(CalibrationLine line) const;

    std::array<QLineEdit *, LastCalibrationLine> fields_{};
    std::array<QLabel *, LastCalibrationLine> results_{};
    std::array<QLabel *, LastCalibrationLine> faces_{};
    std::array<QString, LastCalibrationLine> accepted_{};
    LineLengths nominal_{};
    FontWeightChoice weight_ = FontWeightChoice::Standard;
    Assessment assessment_;
};
