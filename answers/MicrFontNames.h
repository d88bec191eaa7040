#pragma once

#include "standard/MicrFaceTable.h"

#include <QString>

#include <optional>
#include <utility>

// The MICR faces by the names fonts carry in the files programs write.

// A font's name without the subset prefix ("ABCDEF+") and style suffix
// ("-Regular", ",Bold"): "FerroSample".
QString FontBaseName(const QString &embedded);
// Which of the ten faces a font is, as line and weight; none when it is
// none of them.
std::optional<std::pair<CalibrationLine, FontWeightChoice>> FaceOfFont(const QString &embedded);
// This program's faces, and any face whose name says MICR or E-13B.
bool IsMicrFont(const QString &embedded);
// A face as the user knows it: one of the ten by its own name ("Ferro
// Sample"), another by its base name.
QString FaceDisplayName(const QString &embedded);
