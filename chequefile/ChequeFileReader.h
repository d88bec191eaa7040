#pragma once

#include "calibration/ChequeCheck.h"

#include <QString>

#include <optional>

// Reads the first page of a cheque file through poppler: a PDF as it is,
// PostScript once Ghostscript has made a PDF of it.

// Ghostscript's program, where it is installed; empty otherwise.
QString GhostscriptProgram();

// The page, or none with *error naming the file and what is wrong with it:
// missing, empty, cut short, encrypted, PostScript without Ghostscript, or
// neither PDF nor PostScript.
std::optional<ChequeFilePage> ReadChequeFile(const QString &path, QString *error);
