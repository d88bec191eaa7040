#pragma once

#include "calibration/ChequeSettings.h"

#include <QString>

// The exporter's settings command: what the user's cheque program needs for
// a remembered printer or a line's face, to stdout or a file written whole
// or not at all; the notes on stderr.

struct SettingsRequest
{
    ChequeProgram program = ChequeProgram::GnuCash;
    // A remembered printer's queue; empty for the face of layout.line.
    QString printer;
    // The paper, cheque and stock, the line and weight, and the user's MICR
    // line where one was given.
    PlacementLayout layout;
    QString output; // empty: stdout
};

// 0 when written; 1 when nothing could be (no such printer, the face not
// installed, no MICR line for a program that prints it, the file not
// written), said on stderr.
int ExportSettings(const SettingsRequest &request);
