#pragma once

namespace biteclock {

/// Local sidereal time in radians at the zone midnight that starts the date.
/// t: days from J2000.0 to 0h UT of the date; z0: zone-west hours / 24; l5: east longitude / 360.
double siderealAtZoneMidnight(double t, double z0, double l5);

} // namespace biteclock
