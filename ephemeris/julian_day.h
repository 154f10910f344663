#pragma once

namespace biteclock {

/// A Julian day split into a whole part J and a day fraction F; J + F is the Julian date.
struct JulianDay {
    double J = 0;
    double F = 0;
};

/// Julian day of a calendar date (Julian calendar before 1583). For a whole day D, F = 0.5 and
/// J + F is the Julian date of 0h UT: 1 January 2000 gives J = 2451544, F = 0.5.
JulianDay calendarToJulian(int year, int month, double day);

} // namespace biteclock
