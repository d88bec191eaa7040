#pragma once

#include <QChar>

#include <vector>

// The E-13B MICR line on a cheque, as the standard places it: in inches
// from the cheque's bottom and right edges.

inline constexpr double ClearBandInches = 0.625;        // the bottom 5/8 in holds the MICR line only
inline constexpr double PrintBandBottomInches = 0.1875; // 3/16 in: the characters' baseline
inline constexpr double PrintBandTopInches = 0.4375;    // 7/16 in
inline constexpr double FirstPositionRightInches = 0.3125; // position 1 ends 5/16 in from the right edge
inline constexpr double PositionPitchInches = 0.125;       // eight characters to the inch
inline constexpr int PositionCount = 65;                   // the positions a cheque 8.5 in wide has room for

// The standard's places on the line, by position number, and the banks'
// numbers' lengths in digits.
namespace E13BPositions {
enum Position : int {
    AmountLast = 1, AmountFirst = 12, BlankBetween = 13, OnUsLast = 14, OnUsFirst = 32, TransitLast = 33,
    TransitFirst = 43, ProcessingCode = 44, AuxOnUsLast = 45, LastUsablePosition = PositionCount,
};
enum Digits : int { RoutingDigits = 9, BranchDigits = 5, InstitutionDigits = 3 };
} // namespace E13BPositions

// The four symbols, as the faces map them to letters and as this program
// types them.
inline constexpr QChar TransitSymbol = u'A';
inline constexpr QChar AmountSymbol = u'B';
inline constexpr QChar OnUsSymbol = u'C';
inline constexpr QChar DashSymbol = u'D';

// Where position `position` ends: its right edge, in inches along the
// page, for a cheque whose right edge is at `rightEdge`. Positions count
// leftward from 1, the amount field's last character; a fractional
// position is a place between cells.
constexpr double PositionRightEdge(double rightEdge, double position)
{
    return rightEdge - FirstPositionRightInches - (position - 1) * PositionPitchInches;
}

// The position whose right edge is nearest `x`, on a cheque whose right
// edge is at `rightEdge`; the inverse of PositionRightEdge().
int NearestPosition(double rightEdge, double x);

// Positions for characters at `cells` (each one's continuous position,
// left to right), each the integer nearest its cell with none shared and
// their order kept: the last at its nearest, the others at the least
// squared distance, by dynamic programming over the few positions they can
// take.
std::vector<int> OrderedPositions(const std::vector<double> &cells);
