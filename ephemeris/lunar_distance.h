#pragma once

#include "date_serial.h"

namespace biteclock {

/// The Moon's distance from the Earth on a date (noon), from its mean elongation and anomaly.
/// Independent of the observer and of the time of day.
struct LunarDistance {
    double earthRadii = 0; ///< about 56 to 64
    long kilometres = 0;   ///< whole kilometres, floor(6378.155 * earthRadii)
    double gaugeX = 0;     ///< the gauge picture's left edge before scaling: 100 * (earthRadii - 39)
};

LunarDistance lunarDistance(const CalendarDate& date);

} // namespace biteclock
