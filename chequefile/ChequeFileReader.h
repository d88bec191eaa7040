#pragma once

#include "PostScriptToPdf.h"
#include "answers/ChequeCheck.h"

#include <QString>

#include <optional>

// Reads a page of a cheque file through poppler: a PDF as it is,
// PostScript once Ghostscript has made a PDF of it.

// The page, or none with *problem saying what is wrong with the file:
// missing, empty, cut short, encrypted, PostScript without Ghostscript, or
// neither PDF nor PostScript (Wording::ChequeFileUnread words it).
// `pageNumber` (from 1) chooses the page; 0 takes the first page with text
// in a MICR face, or the first page when none has any. A page past the
// last is refused (NoSuchPage).
std::optional<ChequeFilePage> ReadChequeFile(const QString &path, ChequeFileProblem *problem, int pageNumber = 0);
