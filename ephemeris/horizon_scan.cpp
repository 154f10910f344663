#include "horizon_scan.h"

#include <cmath>

namespace biteclock {

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
