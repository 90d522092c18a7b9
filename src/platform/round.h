#pragma once

#include <cmath>
#include <cstdint>

namespace tessarine {

// Round to nearest with halves to even, as every geometry rule of the label format expects
// (2.5 -> 2, 3.5 -> 4). std::nearbyint follows the current rounding mode, which is
// round-to-nearest-even unless someone changed it; lrint would do the same but we want
// a defined result for values outside int's range too.
inline int32_t Round(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0))
        return INT32_MIN;
    if (r > 2147483647.0)
        return INT32_MAX;
    return static_cast<int32_t>(r);
}

// Truncation toward zero, clamped like Round.
inline int32_t Trunc(double value)
{
    const double t = std::trunc(value);
    if (!(t >= -2147483648.0))
        return INT32_MIN;
    if (t > 2147483647.0)
        return INT32_MAX;
    return static_cast<int32_t>(t);
}

} // namespace tessarine
