#pragma once

#include <string>

namespace biteclock {

/// A place as the settings keep it: degrees and minutes with hemisphere letters, and the
/// offset from Greenwich in hours (east positive, -12 to 13).
struct ObserverLocation {
    std::string name;
    double latitudeDegrees = 0;
    double latitudeMinutes = 0;
    std::string northOrSouth = "N"; ///< "N" or "S"
    double longitudeDegrees = 0;
    double longitudeMinutes = 0;
    std::string westOrEast = "W"; ///< "W" or "E"
    double gmtHours = 0;
};

/// The working values every routine computes with.
struct Observer {
    double latitudeDeg = 0;     ///< degrees, north positive
    double longitudeDeg = 0;    ///< degrees, east positive
    double zoneOffsetHours = 0; ///< zone time = UT + offset
    double zoneWestHours = 0;   ///< hours to add to zone time to get UT: the negated offset

    friend bool operator==(const Observer&, const Observer&) = default;
};

/// Working values of a stored location: the minutes are added to the degrees as they stand and the
/// hemisphere letter carries the sign ("S" and "W" negate).
Observer observerFrom(const ObserverLocation& location);

/// Working values from signed decimal degrees (north and east positive) and the zone offset.
Observer observerFromDegrees(double latitudeDeg, double longitudeDeg, double zoneOffsetHours);

} // namespace biteclock
