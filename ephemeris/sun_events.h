#pragma once

#include "clock_text.h"
#include "date_serial.h"
#include "horizon_scan.h"
#include "observer.h"
#include "sky_position.h"

#include <optional>
#include <string>

namespace biteclock {

/// The Sun's right ascension and declination (radians) at t days from J2000.0; tt is the century
/// count (t / 36525 + 1) of the day's start. The right ascension is not reduced to a range.
SkyPosition sunPosition(double t, double tt);

/// One zone day of the Sun for an observer: when the upper limb crossed the horizon (altitude
/// -0.833 degrees), found hour by hour from zone midnight. Where a day holds two crossings of one
/// kind the later one is kept.
using SunDay = HorizonDay;

SunDay computeSunDay(const CalendarDate& date, const Observer& observer);

/// The sunrise, sunset and day-length texts of a day.
struct SunTexts {
    std::string sunrise;   ///< clock text, "No Rise" or "Stays Down"
    std::string sunset;    ///< clock text, "No Set" or "Stays Up"
    std::string dayLength; ///< "hh : mm", "0 hrs" or "24 hrs"
};

/// The texts of a day; none when the Sun sat exactly on the horizon all day long (nothing to show).
/// The day length runs from the rise to the set in whole minutes (a missing event counts as
/// 00:00; a set before the rise gives 24 hours minus the night).
std::optional<SunTexts> sunTexts(const SunDay& day, const ClockDesignators& designators = {});

} // namespace biteclock
