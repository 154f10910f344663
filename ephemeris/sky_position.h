#pragma once

namespace biteclock {

/// Right ascension, declination (radians) and, for the Moon, distance (Earth radii).
struct SkyPosition {
    double rightAscension = 0;
    double declination = 0;
    double distanceEarthRadii = 0;
};

} // namespace biteclock
