#pragma once

#include "answers/ChequeCheck.h"
#include "answers/ChequeSettings.h"
#include "chequefile/ChequeFileWire.h"
#include "store/PrinterProfiles.h"
#include "ui_ChequeFile.h"
#include "wording/SettingsWording.h"

#include <QDialog>
#include <QJsonObject>

#include <optional>

class ChequeDrawing;
class ChequeFileReadingJob;
class ScanAnalysis;
class ScanPictureDialog;
class ScanProgress;
struct ScanRefusal;
class QProgressBar;
class QPushButton;

// A cheque the user's own program printed to a file, checked against a
// printer: the file, the cheque of 3-up stock and the printer chosen here
// (by default the one the wizard printed on); the cheque drawn with the
// MICR line where it lands beside where it belongs, the faults and the
// moves listed, with the settings the chosen cheque program needs for
// this printer and cheque, to save or copy. F1 opens the help page.
class TChequeFile : public QDialog, private Ui::TChequeFile
{
    Q_OBJECT

public:
    explicit TChequeFile(QWidget *owner = nullptr);

    // Runs the window for the wizard's face, its printer (`queue`, empty
    // when it printed to a file) and the printers remembered.
    void Ask(CalibrationLine line, FontWeightChoice weight, const QString &queue, const QList<PrinterProfile> &profiles);

    // Reads `path` in the background and checks it when read, as choosing
    // it does.
    void Open(const QString &path);
    bool Reading() const;
    const std::optional<ChequeCheck> &Result() const { return check_; }

    // Gauges the printed cheque in the scan `path` in the background, as
    // "From Scan..." does, for the cheque, stock and printer chosen.
    void MeasureScan(const QString &path);
    bool Measuring() const;
    // The scan shown with what was found over it; null before one.
    ScanPictureDialog *ScanPicture() const { return scanPicture_; }

    // The chosen program's settings as shown; written whole to `path` or
    // not at all, as Save does.
    const ChequeProgramSettings &Settings() const { return settings_; }
    bool SaveSettingsTo(const QString &path, QString *error) const;

private:
    void Browse();
    void Read();
    void Take(const ChequeFileReading &reading);
    void CancelReading();
    void ShowReading(bool reading);
    void Recheck();
    void ShowSettings(const PlacementLayout &layout, const PrinterProfile *profile);
    void FitNotes();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void SaveSettings();
    void CopySettings();
    void TakeScan(const QJsonObject &answer);
    void ShowScanAnswer(const QStringList &lines);

    ChequeDrawing *drawing_;
    ChequeFileReadingJob *reading_;
    QProgressBar *readingProgress_;
    QPushButton *cancelReading_;
    ScanAnalysis *scanAnalysis_;
    ScanProgress *scanProgress_;
    ScanPictureDialog *scanPicture_ = nullptr;
    // The gauge's answer for the last scan, shown while no file is read.
    QStringList scanLines_;
    CalibrationLine line_ = 3;
    FontWeightChoice weight_ = FontWeightChoice::Standard;
    QList<PrinterProfile> profiles_;
    std::optional<ChequeFilePage> page_;
    std::optional<ChequeFileProblem> readProblem_;
    std::optional<ChequeCheck> check_;
    ChequeProgramSettings settings_;
};
