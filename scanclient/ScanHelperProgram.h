#pragma once

#include <QString>

// The scan helper, micr-calibration-scan: $MICR_CALIBRATION_SCAN, or beside
// the program (or, for the tests, one folder up), else on PATH; empty when it
// is nowhere.
QString ScanHelperProgram();
