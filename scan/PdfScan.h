#pragma once

#include "answers/ScanFindings.h"

#include <QImage>
#include <QString>

#include <optional>

// Whether the file is a PDF, by its header.
bool IsPdf(const QString &path);

// The one image on the one page of a PDF, as scanner programs save a scan,
// upright as the page is shown, taken out as it is stored (poppler's
// pdfimages), with its resolution: its pixels over the page's size. A PDF
// that cannot be read, has several pages, or whose page holds no image or
// more than one is refused in *why.
std::optional<QImage> PdfScanImage(const QString &path, ScanRefusal *why);
