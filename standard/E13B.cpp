#include "standard/E13B.h"

#include <cmath>

int NearestPosition(double rightEdge, double x)
{
    return int(std::lround((rightEdge - x - FirstPositionRightInches) / PositionPitchInches)) + 1;
}
