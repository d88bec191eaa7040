#pragma once

#include "answers/PlacementCheck.h"
#include "answers/ScanFindings.h"
#include "store/PrinterProfiles.h"
#include "ui_Placement.h"

#include <QDialog>

#include <QJsonObject>

#include <functional>
#include <optional>

// Where the MICR line lands: prints the placement page for the chosen
// cheque and stock in the face of the wizard's line, then, as the user
// types what the ruler says, whether that face makes up for the printer's
// scale, where the line landed and how far to move it in cheque-printing
// software. F1 opens the help page on placement.
class ScanAnalysis;
class ScanPictureDialog;
class ScanProgress;

class TPlacement : public QDialog, private Ui::TPlacement
{
    Q_OBJECT

public:
    // `print` prints the placement page for a layout; it is called when the
    // user asks for the page, and returns whether the page went to a printer.
    using PagePrinter = std::function<bool(const PlacementLayout &layout)>;
    TPlacement(PagePrinter print, QWidget *owner = nullptr);

    // Runs the window for the wizard's chosen face.
    void Ask(CalibrationLine line, FontWeightChoice weight);

    // The layout the readings are weighed against: the chosen face, cheque
    // and stock.
    const PlacementLayout &Layout() const { return layout_; }

    // The readings' result as last shown; none until they all make sense.
    const std::optional<PlacementResult> &Result() const { return result_; }

    // The stock, cheque and readings the window shows: a printer's last.
    void SetRecord(const PlacementRecord &record);
    // The stock the window offers before a printer has readings: the usual
    // stock of its paper.
    void SetStock(const ChequeStock &stock);
    // What the window shows now, to be remembered; none until the readings
    // make sense.
    std::optional<PlacementRecord> Record() const;

    // Takes the readings from the scan in `path`, in the background, as
    // "From Scan..." does; the fields are filled when it is measured.
    void MeasureScan(const QString &path);
    bool Measuring() const;
    // What the last scan gave or why it was refused; empty before one.
    QString ScanSaid() const;
    // The scan shown with what was found over it; null before one.
    ScanPictureDialog *ScanPicture() const { return scanPicture_; }

private:
    // The page as it is, or with the total correction shown applied.
    void PrintPage(const Correction &applied);
    // Says which correction the page measured carries.
    void ShowApplied();
    // The cheque and stock chosen; false when the typed height is refused.
    bool ReadLayout(QString *problem);
    void Reassess();
    void TakeScan(const QJsonObject &answer);
    void RefuseScan(const ScanRefusal &refusal);

    PagePrinter print_;
    ScanAnalysis *scanAnalysis_;
    ScanProgress *scanProgress_;
    QLabel *scanText_;
    ScanPictureDialog *scanPicture_ = nullptr;
    PlacementLayout layout_;
    LineLengths nominal_{};
    std::optional<PlacementResult> result_;
    PlacementReadings readings_;
};
