#include "lunar_distance.h"

#include <cmath>

namespace biteclock {
namespace {

/// The equatorial radius of the Earth the distance series is scaled with, in kilometres.
constexpr double kEarthRadiusKm = 6378.155;
/// The mean lengths of the Julian year and of a month counted from March, in days: the whole days
/// of the date's Julian day number come from these two.
constexpr double kDaysPerJulianYear = 365.25;
constexpr double kDaysPerMonthFromMarch = 30.6;
/// The synodic month (new moon to new moon) and the anomalistic month (perigee to perigee), in days.
constexpr double kSynodicMonthDays = 29.530588853;
constexpr double kAnomalisticMonthDays = 27.55454988;
/// The gauge's picture stands 100 twips further right for each Earth radius beyond 39.
constexpr double kGaugeTwipsPerEarthRadius = 100;
constexpr double kGaugeStartEarthRadii = 39;

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
    const double k1 = intOf(kDaysPerJulianYear * (a + 4712));
    const double k2 = intOf(kDaysPerMonthFromMarch * m1 + 0.5);
    const double k3 = intOf(0.75 * intOf(a / 100 + 49)) - 38;
    double j = k1 + k2 + date.day + 59;
    if (j > 2299160) {
        j = j - k3;
    }
    const double ip = fractionOf((j - 2451550.1) / kSynodicMonthDays) * p;
    const double dp = fractionOf((j - 2451562.2) / kAnomalisticMonthDays) * p;
    LunarDistance d;
    d.earthRadii = 60.4 - 3.3 * std::cos(dp) - 0.6 * std::cos(2 * ip - dp) - 0.5 * std::cos(2 * ip);
    d.kilometres = static_cast<long>(intOf(kEarthRadiusKm * d.earthRadii));
    d.gaugeX = kGaugeTwipsPerEarthRadius * (d.earthRadii - kGaugeStartEarthRadii);
    return d;
}

} // namespace biteclock
