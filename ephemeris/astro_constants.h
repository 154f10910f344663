#pragma once

#include <cmath>

namespace biteclock {

// The almanac works with this truncated value of pi on purpose: every published
// time was computed with it, and a fuller value moves some events by a minute.
inline constexpr double P1 = 3.14159265;
inline constexpr double P2 = 2 * P1;
inline constexpr double DR = P1 / 180;
/// Sidereal rotation in one hour of zone time, radians.
inline constexpr double K1 = 15 * DR * 1.0027379;

/// frac(x) = x - floor(x), in [0, 1) towards minus infinity.
inline double frac(double x) {
    return x - std::floor(x);
}

/// -1, 0 or +1.
inline int sgn(double x) {
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

} // namespace biteclock
