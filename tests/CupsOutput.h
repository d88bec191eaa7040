#pragma once

#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

// What cups-pdf has written: the folder it writes to (MICR_CUPS_PDF_DIR, set
// by cups_print.py) and its PDFs, each with the time it was last written (a
// private cupsd numbers its jobs from 1 again, so a file name may come back).
QDir CupsPdfDir();
QStringList CupsPdfFiles();

// Waits for a PDF not in `before` and for cups-pdf to finish writing it.
// Returns its path, or an empty text when none came in time.
QString WaitForNewCupsPdf(const QStringList &before, int timeoutMs);

// The smallest rectangle holding every pixel of a grey raster darker than
// half; an empty one for a blank page.
QRect InkBounds(const QImage &page);

// Rasterises the first page of a PDF as grey at `dpi`; a null image when
// pdftoppm fails.
QImage RasterisePdf(const QString &pdf, int dpi, const QString &rasterBase);

// Runs a program and waits for it; returns its standard output.
QString RunProgram(const QString &program, const QStringList &arguments, int *exitCode = nullptr);
