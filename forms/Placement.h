#pragma once

#include "calibration/PlacementPage.h"
#include "ui_Placement.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;

// Where the MICR line lands: prints the placement page for the chosen
// cheque of 3-up stock, then, as the user types what the ruler says, the
// page's scale, the printer's offsets and the correction for cheque-printing
// software.
class TPlacement : public QDialog, private Ui::TPlacement
{
    Q_OBJECT

public:
    // `print` prints the placement page for a layout; it is called when the
    // user asks for the page.
    using PagePrinter = std::function<void(const PlacementLayout &layout)>;
    TPlacement(PagePrinter print, QWidget *owner = nullptr);

    // Runs the window for the wizard's chosen face.
    void Ask(CalibrationLine line, FontWeightChoice weight);

    // The readings' result as last shown; none until all three make sense.
    const std::optional<PlacementResult> &Result() const { return result_; }

private:
    void PrintPage();
    void Reassess();

    PagePrinter print_;
    PlacementLayout layout_;
    std::optional<PlacementResult> result_;
};
