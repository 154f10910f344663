#include "astro_helpers.h"

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

double siderealAtZoneMidnight(double t, double z0, double l5) {
    const double t0 = t / 36525;
    double s = 24110.5 + 8640184.813 * t0 + 86636.6 * z0 + 86400 * l5;
    s = s / 86400;
    s = s - std::floor(s);
    return s * 360 * DR;
}

std::optional<ClockTime> hourEvent(int c0, double v0, double v1, double v2) {
    const double a = 2 * v2 - 4 * v1 + 2 * v0;
    const double b = 4 * v1 - 3 * v0 - v2;
    double e = 0;
    if (a == 0) {
        // The three values lie on a straight line: a*e*e vanishes and b*e + v0 = 0.
        if (b == 0) {
            return std::nullopt;
        }
        e = -v0 / b;
    } else {
        double d = b * b - 4 * a * v0;
        if (d < 0) {
            return std::nullopt;
        }
        d = std::sqrt(d);
        e = (-b + d) / (2 * a);
        if (e > 1 || e < 0) {
            e = (-b - d) / (2 * a);
        }
    }
    // Half a minute for rounding, held in single precision as the published tables were.
    const double halfMinute = static_cast<double>(1.0f / 120.0f);
    const double t3 = c0 + e + halfMinute;
    int h3 = static_cast<int>(std::floor(t3));
    int m3 = static_cast<int>(std::floor((t3 - h3) * 60));
    if (h3 == 24) {
        h3 = 0;
    }
    if (m3 == 60) {
        m3 = 0;
    }
    return ClockTime{h3, m3};
}

std::string eventClockText(int hour, int minute, const ClockDesignators& designators) {
    int h12 = hour % 12;
    if (h12 <= 0) {
        h12 += 12;
    }
    minute = ((minute % 60) + 60) % 60;
    const std::string& designator = hour % 24 < 12 ? designators.am : designators.pm;
    char text[40] = {static_cast<char>('0' + h12 / 10),    static_cast<char>('0' + h12 % 10),    ':',
                     static_cast<char>('0' + minute / 10), static_cast<char>('0' + minute % 10), ' '};
    const std::size_t designatorLength =
        designator.size() < sizeof text - 6 ? designator.size() : sizeof text - 6;
    designator.copy(text + 6, designatorLength);
    return std::string(text, 6 + designatorLength);
}

DayOutcome outcomeOf(bool anyEvent, double endValue) {
    if (anyEvent) {
        return DayOutcome::Events;
    }
    if (endValue < 0) {
        return DayOutcome::StaysDown;
    }
    if (endValue > 0) {
        return DayOutcome::StaysUp;
    }
    return DayOutcome::Undetermined;
}

} // namespace biteclock
