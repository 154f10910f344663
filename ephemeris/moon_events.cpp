#include "moon_events.h"

#include "astro_constants.h"
#include "horizon_scan.h"
#include "julian_day.h"
#include "sidereal_time.h"

#include <array>
#include <cmath>

namespace biteclock {

SkyPosition moonPosition(double t) {
    const double l = frac(0.606434 + 0.03660110129 * t) * P2;
    const double m = frac(0.374897 + 0.03629164709 * t) * P2;
    const double f = frac(0.259091 + 0.0367481952 * t) * P2;
    const double d = frac(0.827362 + 0.03386319198 * t) * P2;
    const double n = frac(0.347343 - 0.00014709391 * t) * P2;
    const double g = frac(0.993126 + 0.0027377785 * t) * P2;

    double v = 0.39558 * std::sin(f + n);
    v = v + 0.082 * std::sin(f);
    v = v + 0.03257 * std::sin(m - f - n);
    v = v + 0.01092 * std::sin(m + f + n);
    v = v + 0.00666 * std::sin(m - f);
    v = v - 0.00644 * std::sin(m + f - 2 * d + n);
    v = v - 0.00331 * std::sin(f - 2 * d + n);
    v = v - 0.00304 * std::sin(f - 2 * d);
    v = v - 0.0024 * std::sin(m - f - 2 * d - n);
    v = v + 0.00226 * std::sin(m + f);
    v = v - 0.00108 * std::sin(m + f - 2 * d);
    v = v - 0.00079 * std::sin(f - n);
    v = v + 0.00078 * std::sin(f + 2 * d + n);

    double u = 1 - 0.10828 * std::cos(m);
    u = u - 0.0188 * std::cos(m - 2 * d);
    u = u - 0.01479 * std::cos(2 * d);
    u = u + 0.00181 * std::cos(2 * m - 2 * d);
    u = u - 0.00147 * std::cos(2 * m);
    u = u - 0.00105 * std::cos(2 * d - g);
    u = u - 0.00075 * std::cos(m - 2 * d + g);

    double w = 0.10478 * std::sin(m);
    w = w - 0.04105 * std::sin(2 * f + 2 * n);
    w = w - 0.0213 * std::sin(m - 2 * d);
    w = w - 0.01779 * std::sin(2 * f + n);
    w = w + 0.01774 * std::sin(n);
    w = w + 0.00987 * std::sin(2 * d);
    w = w - 0.00338 * std::sin(m - 2 * f - 2 * n);
    w = w - 0.00309 * std::sin(g);
    w = w - 0.0019 * std::sin(2 * f);
    w = w - 0.00144 * std::sin(m + n);
    w = w - 0.00144 * std::sin(m - 2 * f - n);
    w = w - 0.00113 * std::sin(m + 2 * f + 2 * n);
    w = w - 0.00094 * std::sin(m - 2 * d + g);
    w = w - 0.00092 * std::sin(2 * m - 2 * d);

    double s = w / std::sqrt(u - v * v);
    SkyPosition p;
    p.rightAscension = l + std::atan(s / std::sqrt(1 - s * s));
    s = v / std::sqrt(u);
    p.declination = std::atan(s / std::sqrt(1 - s * s));
    p.distanceEarthRadii = 60.40974 * std::sqrt(u);
    return p;
}

double interpolate3(double f0, double f1, double f2, double p) {
    const double a = f1 - f0;
    const double b = f2 - f1 - a;
    return f0 + p * (2 * a + b * (2 * p - 1));
}

MoonDay computeMoonDay(const CalendarDate& date, const Observer& observer, MoonPositionMemo* memo) {
    const double l5 = observer.longitudeDeg / 360;
    const double z0 = observer.zoneWestHours / 24;
    const JulianDay jd = calendarToJulian(date.year, date.month, date.day);
    double t = (jd.J - 2451545) + jd.F;
    const double t0 = siderealAtZoneMidnight(t, z0, l5);
    t = t + z0;

    std::array<SkyPosition, 3> pos;
    std::array<double, 3> instants{};
    for (std::size_t i = 0; i < pos.size(); ++i) {
        instants[i] = t;
        bool known = false;
        if (memo && memo->valid) {
            for (std::size_t k = 0; k < memo->instants.size() && !known; ++k) {
                // Only the very same instant gives the very same position.
                if (memo->instants[k] == t) {
                    pos[i] = memo->positions[k];
                    known = true;
                }
            }
        }
        if (!known) {
            pos[i] = moonPosition(t);
        }
        t = t + 0.5;
    }
    if (memo) {
        memo->instants = instants;
        memo->positions = pos;
        memo->valid = true;
    }
    if (pos[1].rightAscension <= pos[0].rightAscension) {
        pos[1].rightAscension = pos[1].rightAscension + P2;
    }
    if (pos[2].rightAscension <= pos[1].rightAscension) {
        pos[2].rightAscension = pos[2].rightAscension + P2;
    }

    // Zenith distance of the event: refraction 0.567 degrees, and the horizontal parallax less the
    // semi-diameter, 41.685 degrees over the distance at noon.
    const double z1 = DR * (90.567 - 41.685 / pos[1].distanceEarthRadii);
    const double z = std::cos(z1);
    const double sinLat = std::sin(observer.latitudeDeg * DR);
    const double cosLat = std::cos(observer.latitudeDeg * DR);

    return scanHorizon(t0, pos[0], sinLat, cosLat, z, [&pos](int c0, double a0) {
        const double p = (c0 + 1) / 24.0;
        double a2 = interpolate3(pos[0].rightAscension, pos[1].rightAscension, pos[2].rightAscension, p);
        const double dec2 = interpolate3(pos[0].declination, pos[1].declination, pos[2].declination, p);
        if (a2 < a0) {
            a2 = a2 + 2 * P1;
        }
        return SkyPosition{a2, dec2, 0};
    });
}

} // namespace biteclock
