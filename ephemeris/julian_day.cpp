#include "julian_day.h"

#include "astro_constants.h"

#include <cmath>

namespace biteclock {

JulianDay calendarToJulian(int year, int month, double day) {
    const double y = year;
    const double m = month;
    const double g = year < 1583 ? 0.0 : 1.0;
    const double d1 = std::floor(day);
    double f = day - d1 - 0.5;
    double j = -std::floor(7 * (std::floor((m + 9) / 12) + y) / 4);
    double j3 = 0;
    if (g == 1) {
        const double s = sgn(m - 9);
        const double a = std::fabs(m - 9);
        j3 = std::floor(y + s * std::floor(a / 7));
        j3 = -std::floor((std::floor(j3 / 100) + 1) * 3 / 4);
    }
    j = j + std::floor(275 * m / 9) + d1 + g * j3;
    j = j + 1721027 + 2 * g + 367 * y;
    if (f < 0) {
        f = f + 1;
        j = j - 1;
    }
    return {j, f};
}

} // namespace biteclock
