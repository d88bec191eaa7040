#pragma once

#include "answers/Measurement.h"
#include "session/PrinterSession.h"
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
    // The readings are `session`'s: it opens with the printer's, judges
    // them as they are typed and takes them on OK.
    explicit TMeasurements(PrinterSession &session, QWidget *owner = nullptr);

    // Shows the faces of the session's weight and the printer's readings,
    // then runs the window; returns whether it was accepted.
    bool Ask();

    using Ui::TMeasurements::ButtonBox;

private:
    void Reassess();
    QLineEdit *Field(CalibrationLine line) const;

    PrinterSession &session_;
    std::array<QLineEdit *, LastCalibrationLine> fields_{};
    std::array<QLabel *, LastCalibrationLine> results_{};
    std::array<QLabel *, LastCalibrationLine> faces_{};
    // The readings last accepted as they were typed ("7 1/16"), shown again
    // while they are still the printer's.
    std::array<QString, LastCalibrationLine> acceptedTexts_{};
    LineLengths acceptedReadings_{};
};
