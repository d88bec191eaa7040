#pragma once

#include <QLatin1String>

#include <array>

// The ten MICR faces: five width variants of one E-13B design, in a standard
// weight and a bold ("dark") weight for weak magnetic toner. Line 3 holds the
// base face; lines 1 and 2 are narrower, lines 4 and 5 wider. The names are
// the family names the faces are installed under.

using CalibrationLine = int; // 1 to 5

enum class FontWeightChoice { Standard, Bold };

struct MicrFaceNames
{
    const char *standard;
    const char *bold;
};

inline constexpr CalibrationLine FirstCalibrationLine = 1;
inline constexpr CalibrationLine LastCalibrationLine = 5;

inline constexpr std::array<MicrFaceNames, 5> MicrFaceTable = {{
    {"FerroN Sample", "FerrodarkN Sample"},
    {"FerroN2 Sample", "FerrodarkN2 Sample"},
    {"Ferro Sample", "Ferrodark Sample"},
    {"FerroW2 Sample", "FerrodarkW2 Sample"},
    {"FerroW Sample", "FerrodarkW Sample"},
}};

// The face of a line (1 to 5) in a weight.
constexpr const char *MicrFaceName(CalibrationLine line, FontWeightChoice weight)
{
    const MicrFaceNames &names = MicrFaceTable.at(static_cast<std::size_t>(line - 1));
    return weight == FontWeightChoice::Bold ? names.bold : names.standard;
}

// The digits of each sample line of the calibration page: one character
inline constexpr char SampleLineDigits[] = "01245781012457810124578101245781012457810124578101245781";
static_assert(sizeof(SampleLineDigits) - 1 == 56, "a sample line fills the 56 positions of 7 inches");
