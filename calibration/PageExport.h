#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>

// The page file to write: its resolution, paper and weight.
struct ExportOptions
{
    bool bold = false;
    int dpiX = 600;
    int dpiY = 600;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    QString output; // ends in .pdf or .png
};

// The resolutions a page file may be laid out for, in dots per inch.
inline constexpr int MinimumExportDpi = 50;
inline constexpr int MaximumExportDpi = 2400;

// Where the page's origin stands on paper, in inches from the top and left
// edges: inside the printable area of any common laser printer.
inline constexpr double ExportOriginInches = 0.25;

// Writes the page as a PDF or PNG file, whole or not at all. On a failure
// *error says what failed and names the file.
bool ExportCalibrationPage(const ExportOptions &options, QString *error);

// One line per MICR and security face: installed or missing.
QStringList FaceReport();
