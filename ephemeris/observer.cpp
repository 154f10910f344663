#include "observer.h"

#include <cmath>

namespace biteclock {
namespace {

double zoneWestOf(double gmtHours) {
    // A positive offset is negated, a zero or negative one replaced by its absolute value.
    return gmtHours > 0 ? -gmtHours : std::fabs(gmtHours);
}

} // namespace

Observer observerFrom(const ObserverLocation& location) {
    Observer o;
    o.latitudeDeg = location.latitudeDegrees + location.latitudeMinutes / 60;
    if (location.northOrSouth == "S") {
        o.latitudeDeg = -o.latitudeDeg;
    }
    o.longitudeDeg = location.longitudeDegrees + location.longitudeMinutes / 60;
    if (location.westOrEast == "W") {
        o.longitudeDeg = -o.longitudeDeg;
    }
    o.zoneOffsetHours = location.gmtHours;
    o.zoneWestHours = zoneWestOf(location.gmtHours);
    return o;
}

Observer observerFromDegrees(double latitudeDeg, double longitudeDeg, double zoneOffsetHours) {
    return {latitudeDeg, longitudeDeg, zoneOffsetHours, zoneWestOf(zoneOffsetHours)};
}

} // namespace biteclock
