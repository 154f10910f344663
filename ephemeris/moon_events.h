#pragma once

#include "clock_text.h"
#include "date_serial.h"
#include "horizon_scan.h"
#include "observer.h"
#include "sky_position.h"

#include <array>
#include <optional>

namespace biteclock {

/// The Moon's right ascension, declination (radians) and distance (Earth radii) at t days from
/// J2000.0, from a low-precision lunar series. The right ascension is not reduced to a range.
SkyPosition moonPosition(double t);

/// The value at fraction p of the day of the quadratic through f0 (p = 0), f1 (p = 0.5), f2 (p = 1).
double interpolate3(double f0, double f1, double f2, double p);

/// One zone day of the Moon for an observer: the last moonrise and the last moonset found hour by
/// hour from zone midnight (the event altitude allows for parallax, semi-diameter and refraction),
/// or whether it stayed above or below the horizon all day.
using MoonDay = HorizonDay;

/// The Moon's positions last computed, by their instant: a day's last position (the following
/// zone midnight) is the next day's first, so a run of days computes it once.
struct MoonPositionMemo {
    std::array<double, 3> instants{};
    std::array<SkyPosition, 3> positions{};
    bool valid = false;
};

MoonDay computeMoonDay(const CalendarDate& date, const Observer& observer, MoonPositionMemo* memo = nullptr);

} // namespace biteclock
