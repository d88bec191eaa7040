#pragma once

#include "pages/CalibrationPage.h"
#include "pages/PlacementPage.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

enum class ExportedPage { Calibration, Placement };

// The resolution the wizard lays its pages out at, in dots per inch.
inline constexpr int WizardDpi = 1200;

// The page file to write: which page, its resolution, paper and weight.
struct ExportOptions
{
    ExportedPage page = ExportedPage::Calibration;
    ChequePosition cheque = ChequePosition::Top; // placement page
    CalibrationLine line = 3;                    // placement page's sample line
    std::optional<ChequeStock> stock;            // placement page; by default the paper's usual stock
    std::optional<MicrLine> userLine;            // placement page: the user's line instead of the sample
    Correction applied;                          // placement page: the correction it carries
    bool bold = false;
    // The wizard's own resolution (QPrinter::HighResolution), so that a file
    // written without --dpi is the page the wizard prints, pixel for pixel:
    // rows advance in whole device pixels, and at 600 dpi they sit higher.
    int dpiX = WizardDpi;
    int dpiY = WizardDpi;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    QString output; // ends in .pdf or .png
};

// The resolutions a page file may be laid out for, in dots per inch.
inline constexpr int MinimumExportDpi = 50;
inline constexpr int MaximumExportDpi = 2400;

// Where the calibration page's origin stands on paper, in inches from the
// top and left edges: inside the printable area of any common laser
// printer. The placement page is measured from the paper's own corner.
inline constexpr double ExportOriginInches = CalibrationOriginInches;

// The paper's size in inches.
QSizeF PaperInches(QPageSize::PageSizeId paper);

// Writes the page as a PDF or PNG file, whole or not at all. On a failure
// *error says what failed and names the file.
bool ExportCalibrationPage(const ExportOptions &options, QString *error);

// One line per MICR and security face: installed or missing.
QStringList FaceReport();
