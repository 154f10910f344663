#include "sun_events.h"

#include "astro_constants.h"
#include "horizon_scan.h"
#include "julian_day.h"
#include "sidereal_time.h"

#include <cmath>

namespace biteclock {

SkyPosition sunPosition(double t, double tt) {
    const double l = frac(0.779072 + 0.00273790931 * t) * P2;
    const double g = frac(0.993126 + 0.0027377785 * t) * P2;
    const double v = 0.39785 * std::sin(l) - 0.01 * std::sin(l - g) + 0.00333 * std::sin(l + g) -
                     0.00021 * tt * std::sin(l);
    const double u = 1 - 0.03349 * std::cos(g) - 0.00014 * std::cos(2 * l) + 0.00008 * std::cos(l);
    const double w = -0.0001 - 0.04129 * std::sin(2 * l) + 0.03211 * std::sin(g) +
                     0.00104 * std::sin(2 * l - g) - 0.00035 * std::sin(2 * l + g) -
                     0.00008 * tt * std::sin(g);
    double s = w / std::sqrt(u - v * v);
    SkyPosition p;
    p.rightAscension = l + std::atan(s / std::sqrt(1 - s * s));
    s = v / std::sqrt(u);
    p.declination = std::atan(s / std::sqrt(1 - s * s));
    return p;
}

SunDay computeSunDay(const CalendarDate& date, const Observer& observer) {
    const double z = std::cos(DR * 90.833);
    const double l5 = observer.longitudeDeg / 360;
    const double z0 = observer.zoneWestHours / 24;
    const JulianDay jd = calendarToJulian(date.year, date.month, date.day);
    double t = (jd.J - 2451545) + jd.F;
    const double tt = t / 36525 + 1;
    const double t0 = siderealAtZoneMidnight(t, z0, l5);
    t = t + z0;

    const SkyPosition p1 = sunPosition(t, tt);
    t = t + 1;
    SkyPosition p2 = sunPosition(t, tt);
    if (p2.rightAscension < p1.rightAscension) {
        p2.rightAscension = p2.rightAscension + P2;
    }

    const double sinLat = std::sin(observer.latitudeDeg * DR);
    const double cosLat = std::cos(observer.latitudeDeg * DR);
    const double a1 = p1.rightAscension;
    const double d1 = p1.declination;
    const double deltaA = p2.rightAscension - a1;
    const double deltaD = p2.declination - d1;

    return scanHorizon(t0, p1, sinLat, cosLat, z, [&](int c0, double) {
        const double p = (c0 + 1) / 24.0;
        return SkyPosition{a1 + p * deltaA, d1 + p * deltaD, 0};
    });
}

std::optional<SunTexts> sunTexts(const SunDay& day, const ClockDesignators& designators) {
    switch (day.outcome) {
    case DayOutcome::StaysDown:
        return SunTexts{"Stays Down", "No Set", "0 hrs"};
    case DayOutcome::StaysUp:
        return SunTexts{"No Rise", "Stays Up", "24 hrs"};
    case DayOutcome::Undetermined:
        return std::nullopt;
    case DayOutcome::Events:
        break;
    }
    const ClockTime rise = day.rise.value_or(ClockTime{});
    const ClockTime set = day.set.value_or(ClockTime{});
    int minutes = (set.hour * 60 + set.minute) - (rise.hour * 60 + rise.minute);
    if (minutes < 0) {
        minutes += 24 * 60;
    }
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    const char length[7] = {
        static_cast<char>('0' + hours / 10), static_cast<char>('0' + hours % 10), ' ', ':', ' ',
        static_cast<char>('0' + rest / 10),  static_cast<char>('0' + rest % 10)};
    SunTexts texts;
    texts.sunrise = day.rise ? eventClockText(*day.rise, designators) : "No Rise";
    texts.sunset = day.set ? eventClockText(*day.set, designators) : "No Set";
    texts.dayLength.assign(length, sizeof length);
    return texts;
}

} // namespace biteclock
