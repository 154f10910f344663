#pragma once

#include "astro_constants.h"
#include "clock_text.h"
#include "sky_position.h"

#include <cmath>
#include <optional>

namespace biteclock {

/// The crossing of an altitude function inside the hour that starts c0 hours after zone midnight,
/// from its values at the start (v0), middle (v1) and end (v2) of the hour, which the caller has
/// found to differ in sign between v0 and v2. Returns no time when the quadratic has no real root.
/// The time is rounded to the nearest minute; a root at the end of the day gives hour 0.
/// Three values on a straight line give the straight-line crossing.
std::optional<ClockTime> hourEvent(int c0, double v0, double v1, double v2);

/// Whether a body crossed the horizon on a day, or stayed on one side of it.
enum class DayOutcome {
    Events,      ///< at least one rise or set was found
    StaysUp,     ///< no crossing, above the horizon at the end of the day
    StaysDown,   ///< no crossing, below the horizon at the end of the day
    Undetermined ///< no crossing and exactly on the horizon at the end of the day
};

DayOutcome outcomeOf(bool anyEvent, double endValue);

/// One zone day of a body: when it crossed the horizon, found hour by hour from zone midnight.
/// Where a day holds two crossings of one kind the later one is kept.
struct HorizonDay {
    std::optional<ClockTime> rise;
    std::optional<ClockTime> set;
    double endValue = 0; ///< altitude function at the end of the day; positive above the horizon
    DayOutcome outcome = DayOutcome::Undetermined;
};

/// Scans the 24 hours of a zone day for horizon crossings of a body.
/// t0: local sidereal time at zone midnight (radians); start: the body's position at zone midnight;
/// sinLat, cosLat: of the observer's latitude; z: the cosine of the event's zenith distance.
/// endOfHour(c0, a0) gives the body's position at the end of hour c0 (0 to 23), a0 being the right
/// ascension at the hour's start. The altitude function is sampled at the start, middle and end of
/// each hour, in the same order of operations as the published routine, so that times agree to the
/// minute with it.
template <typename EndOfHour>
HorizonDay scanHorizon(double t0, const SkyPosition& start, double sinLat, double cosLat, double z,
                       EndOfHour endOfHour) {
    HorizonDay day;
    double a0 = start.rightAscension;
    double dec0 = start.declination;
    double v0 = 0;
    double v2 = 0;
    for (int c0 = 0; c0 < 24; ++c0) {
        const SkyPosition end = endOfHour(c0, a0);
        const double a2 = end.rightAscension;
        const double dec2 = end.declination;

        const double l0 = t0 + c0 * K1;
        const double l2 = l0 + K1;
        const double h0 = l0 - a0;
        const double h2 = l2 - a2;
        const double h1 = (h2 + h0) / 2;
        const double dec1 = (dec2 + dec0) / 2;
        if (c0 == 0) {
            v0 = sinLat * std::sin(dec0) + cosLat * std::cos(dec0) * std::cos(h0) - z;
        }
        v2 = sinLat * std::sin(dec2) + cosLat * std::cos(dec2) * std::cos(h2) - z;
        if (sgn(v0) != sgn(v2)) {
            const double v1 = sinLat * std::sin(dec1) + cosLat * std::cos(dec1) * std::cos(h1) - z;
            if (const auto event = hourEvent(c0, v0, v1, v2)) {
                if (v0 < 0 && v2 > 0) {
                    day.rise = *event;
                }
                if (v0 > 0 && v2 < 0) {
                    day.set = *event;
                }
            }
        }
        a0 = a2;
        dec0 = dec2;
        v0 = v2;
    }
    day.endValue = v2;
    day.outcome = outcomeOf(day.rise || day.set, v2);
    return day;
}

} // namespace biteclock
