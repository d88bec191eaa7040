#pragma once

// The calibration page's units, derived from the printer's resolution.
// Rows are placed in whole device pixels: columns in tenths of an inch,
// rows in half line pitches.

// a * b / c with a 64-bit intermediate, rounded to the nearest whole number,
// halves away from zero. Returns -1 when c is 0 or the result does not fit.
int MulDiv(int a, int b, int c);

struct PageUnits
{
    int tenthInch;  // horizontal unit: dpiX / 10, remainder dropped
    int lineHeight; // H, the height of 12 points in device pixels
    int linePitch;  // the largest whole number below 1.2 * H
};

PageUnits ComputePageUnits(int dpiX, int dpiY);
