#pragma once

#include "standard/MicrFaceTable.h"
#include "pages/PlacementPage.h"

class QPrintDialog;
class QPrinter;

// The print run of the calibration page. A MICR face that is not installed
// is named first and the user decides whether to print anyway; then the
// print dialog asks for a printer (the dialog's parent owns both boxes); a
// printer that cannot take the job is refused before anything is drawn.
// Returns false, quietly, when the user cancels; true once the page went to
// the printer. A failure of the printing platform aborts the job and is
// thrown as std::runtime_error with a message for the error box. `weight`
// picks the faces named in the lines' labels.
bool PrintCalibrationPage(QPrintDialog &dialog, FontWeightChoice weight);

// Prints the page on a printer already set up: begin, every row, end.
void PrintCalibrationPageOn(QPrinter &printer, FontWeightChoice weight);

// The same run for the placement page, printed full-page on the paper the
// printer has (`layout`'s paper is taken from the printer), as the job
// "MICR placement page".
bool PrintPlacementPage(QPrintDialog &dialog, const PlacementLayout &layout);

// The placement page is laid out for its stock's paper: Letter's or A4's
// own cheques, or the paper a typed height was chosen on. Where the
// printer's paper is another, says which ("the printer's paper is A4, but
// ..."); empty where they agree. Before printing, the user is told and
// prints on the stock's paper or not at all.
QString PlacementPaperMismatch(const QPrinter &printer, const PlacementLayout &layout);
void PrintPlacementPageOn(QPrinter &printer, PlacementLayout layout);
