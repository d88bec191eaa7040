#pragma once

#include "answers/Measurement.h"
#include "answers/ScanFindings.h"
#include "session/PrinterSession.h"
#include "ui_Measurements.h"

#include <QDialog>

#include <QJsonObject>

#include <array>

class QLabel;
class QLineEdit;
class ScanAnalysis;
class ScanProgress;

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

    // Takes the lengths from the scan of the calibration page in `path`, in
    // the background, as "From Scan..." does; the fields are filled when it
    // is measured.
    void MeasureScan(const QString &path);
    bool Measuring() const;
    // What the last scan gave or why it was refused; empty before one.
    QString ScanSaid() const;

private:
    void Reassess();
    void TakeScan(const QJsonObject &answer);
    void RefuseScan(const ScanRefusal &refusal);
    QLineEdit *Field(CalibrationLine line) const;

    PrinterSession &session_;
    ScanAnalysis *scanAnalysis_;
    ScanProgress *scanProgress_;
    QLabel *scanText_;
    std::array<QLineEdit *, LastCalibrationLine> fields_{};
    std::array<QLabel *, LastCalibrationLine> results_{};
    std::array<QLabel *, LastCalibrationLine> faces_{};
    // The readings last accepted as they were typed ("7 1/16"), shown again
    // while they are still the printer's.
    std::array<QString, LastCalibrationLine> acceptedTexts_{};
    LineLengths acceptedReadings_{};
};
