#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

// What micr-calibration-page is asked to do.
struct ExportOptions
{
    bool bold = false;
    int dpiX = 600;
    int dpiY = 600;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    QString output;
    bool checkFonts = false;
    bool help = false;
};

// Parses the exporter's arguments (without the program name). On a fault
// returns nothing and puts the message in *error.
std::optional<ExportOptions> ParseExportArguments(const QStringList &arguments, QString *error);

QString ExportUsage();

// Where the page's origin stands on paper, in inches from the top and left
// edges: inside the printable area of any common laser printer.
inline constexpr double ExportOriginInches = 0.25;

// Writes the page as a PDF or PNG file, whole or not at all.
bool ExportCalibrationPage(const ExportOptions &options, QString *error);

// One line per MICR and security face: installed or missing.
QStringList FaceReport();
