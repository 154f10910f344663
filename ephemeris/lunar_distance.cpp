#include "lunar_distance.h"

#include <cmath>

namespace biteclock {
namespace {

double intOf(double x) {
    return std::floor(x);
}

double fractionOf(double x) {
    double f = x - intOf(x);
    if (f < 0) {
        f = f + 1;
    }
    return f;
}

} // namespace

LunarDistance lunarDistance(const CalendarDate& date) {
    // The distance series was fitted with this shorter value of pi.
    const double p = 2 * 3.14159;
    const double y = date.year;
    const double m = date.month;
    const double a = y - intOf((12 - m) / 10);
    double m1 = m + 9;
    if (m1 >= 12) {
        m1 = m1 - 12;
    }
    const double k1 = intOf(365.25 * (a + 4712));
    const double k2 = intOf(30.6 * m1 + 0.5);
    const double k3 = intOf(0.75 * intOf(a / 100 + 49)) - 38;
    double j = k1 + k2 + date.day + 59;
    if (j > 2299160) {
        j = j - k3;
    }
    const double ip = fractionOf((j - 2451550.1) / 29.530588853) * p;
    const double dp = fractionOf((j - 2451562.2) / 27.55454988) * p;
    LunarDistance d;
    d.earthRadii = 60.4 - 3.3 * std::cos(dp) - 0.6 * std::cos(2 * ip - dp) - 0.5 * std::cos(2 * ip);
    d.kilometres = static_cast<long>(intOf(6378.155 * d.earthRadii));
    d.gaugeX = 100 * (d.earthRadii - 39);
    return d;
}

} // namespace biteclock
