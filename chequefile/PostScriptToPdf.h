#pragma once

#include "answers/ChequeCheck.h"

#include <QString>

#include <optional>

// PostScript is read as the PDF Ghostscript makes of it.

// Ghostscript's program, where it is installed; empty otherwise.
QString GhostscriptProgram();

// Ghostscript's PDF of the PostScript file `path`, written in `folder`; none,
// with *problem saying why, when Ghostscript is missing, times out or
// refuses the file.
std::optional<QString> PostScriptToPdf(const QString &path, const QString &folder, ChequeFileProblem *problem);
