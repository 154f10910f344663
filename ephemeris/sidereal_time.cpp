#include "sidereal_time.h"

#include "astro_constants.h"

#include <cmath>

namespace biteclock {

double siderealAtZoneMidnight(double t, double z0, double l5) {
    const double t0 = t / 36525;
    double s = 24110.5 + 8640184.813 * t0 + 86636.6 * z0 + 86400 * l5;
    s = s / 86400;
    s = s - std::floor(s);
    return s * 360 * DR;
}

} // namespace biteclock
