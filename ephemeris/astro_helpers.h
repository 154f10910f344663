#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

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

/// A Julian day split into a whole part J and a day fraction F; J + F is the Julian date.
struct JulianDay {
    double J = 0;
    double F = 0;
};

/// Julian day of a calendar date (Julian calendar before 1583). For a whole day D, F = 0.5 and
/// J + F is the Julian date of 0h UT: 1 January 2000 gives J = 2451544, F = 0.5.
JulianDay calendarToJulian(int year, int month, double day);

/// Local sidereal time in radians at the zone midnight that starts the date.
/// t: days from J2000.0 to 0h UT of the date; z0: zone-west hours / 24; l5: east longitude / 360.
double siderealAtZoneMidnight(double t, double z0, double l5);

/// A clock time of day in whole minutes.
struct ClockTime {
    int hour = 0;   ///< 0 to 23
    int minute = 0; ///< 0 to 59

    friend constexpr bool operator==(const ClockTime&, const ClockTime&) = default;
};

/// The crossing of an altitude function inside the hour that starts c0 hours after zone midnight,
/// from its values at the start (v0), middle (v1) and end (v2) of the hour, which the caller has
/// found to differ in sign between v0 and v2. Returns no time when the quadratic has no real root.
/// The time is rounded to the nearest minute; a root at the end of the day gives hour 0.
/// Three values on a straight line give the straight-line crossing.
std::optional<ClockTime> hourEvent(int c0, double v0, double v1, double v2);

/// The AM and PM designators of the 12-hour clock texts.
struct ClockDesignators {
    std::string am = "AM";
    std::string pm = "PM";
};

/// "hh:mm AMPM": 12-hour clock, two-digit hour 01 to 12; 00:mm is 12:mm AM, 12:mm is 12:mm PM.
std::string eventClockText(int hour, int minute, const ClockDesignators& designators = {});
inline std::string eventClockText(ClockTime t, const ClockDesignators& designators = {}) {
    return eventClockText(t.hour, t.minute, designators);
}

/// Right ascension, declination (radians) and, for the Moon, distance (Earth radii).
struct SkyPosition {
    double rightAscension = 0;
    double declination = 0;
    double distanceEarthRadii = 0;
};

/// Whether a body crossed the horizon on a day, or stayed on one side of it.
enum class DayOutcome {
    Events,      ///< at least one rise or set was found
    StaysUp,     ///< no crossing, above the horizon at the end of the day
    StaysDown,   ///< no crossing, below the horizon at the end of the day
    Undetermined ///< no crossing and exactly on the horizon at the end of the day
};

DayOutcome outcomeOf(bool anyEvent, double endValue);

} // namespace biteclock
