#pragma once

#include "answers/MicrLine.h"
#include "answers/PlacementLayout.h"
#include "store/PrinterProfiles.h"
#include "ui_MyMicrLine.h"

#include <QDialog>

#include <functional>
#include <optional>

namespace Platform {
class MicrLinePreview;
}

// The user's own MICR line: their bank's details in, the line laid out on
// the 65-position scale in the chosen face as they type, every fault named
// and its field marked, where it goes on the cheque (with the printer's
// correction where it was measured), Copy, and the placement page printed
// with this line. F1 opens the help page on the line.
class TMyMicrLine : public QDialog, private Ui::TMyMicrLine
{
    Q_OBJECT

public:
    using PagePrinter = std::function<void(const PlacementLayout &layout)>;
    TMyMicrLine(PagePrinter print, QWidget *owner = nullptr);

    // Runs the window for the chosen face and the printer's last placement,
    // with the printer's own line in the fields (empty fields without one);
    // without a placement, on the top cheque of `paperStock`, the printer's
    // paper's.
    void Ask(CalibrationLine line, FontWeightChoice weight, const std::optional<PlacementRecord> &placement,
             const std::optional<MicrFields> &remembered = std::nullopt, const ChequeStock &paperStock = LetterStock());

    // The line as last composed, and its fields as typed.
    const MicrLine &Line() const { return line_; }
    MicrFields Fields() const;

private:
    void Recompose();
    void Copy();
    void PrintPage();

    PagePrinter print_;
    Platform::MicrLinePreview *preview_;
    PlacementLayout layout_;
    std::optional<PlacementRecord> placement_;
    MicrLine line_;
};
