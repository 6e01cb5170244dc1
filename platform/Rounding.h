#pragma once

#include <cmath>

// Real values round to the nearest integer with halves going to the even
// neighbour (4.5 -> 4, 5.5 -> 6). std::nearbyint does exactly that under the
// default floating-point rounding mode, which this program never changes.
inline int Round(double value)
{
    return int(std::nearbyint(value));
}

inline int Round(float value)
{
    return int(std::nearbyintf(value));
}
