#include "pages/PageUnits.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = std::llabs(product);
    const std::int64_t divisor = std::llabs(std::int64_t(c)); // at least 1
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > std::numeric_limits<int>::max())
        return -1;
    return int(negative ? -quotient : quotient);
}

PageUnits ComputePageUnits(int dpiX, int dpiY)
{
    PageUnits units{};
    units.tenthInch = std::abs(dpiX / 10);
    units.lineHeight = std::abs(MulDiv(12, dpiY, 72));
    units.linePitch = (6 * units.lineHeight - 1) / 5;
    return units;
}
