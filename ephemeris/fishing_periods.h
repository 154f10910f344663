#pragma once

#include "clock_text.h"
#include "date_serial.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace biteclock {

/// What the moonrise and moonset run left for one day: the raw rise and set texts ("   H : M",
/// empty before any event was found) and the day's flags.
struct MoonDayReading {
    std::string rise;
    std::string seti;
    bool noRise = false;
    bool noSet = false;
    bool allDay = false; ///< the Moon stayed up or down all day
};

/// The time of day a raw rise or set text names, in seconds; 0 for an empty text.
DateTimeSeconds rawTimeOfDay(std::string_view raw);

/// The raw text of a rise or set: three blanks, the hour, " : ", the minute, without leading zeros.
std::string rawEventText(ClockTime time);

/// The day's fishing periods: each is one clock time, a major period an hour before the Moon's
/// passage above or below (midway between rise and set), a minor period an hour before moonrise
/// or moonset. A period that cannot be placed on the day is blank.
struct FishingPeriods {
    DateTimeSeconds moonRise = 0; ///< the day's moonrise (or the time kept from an earlier day)
    DateTimeSeconds moonSet = 0;
    bool noRise = false;
    bool noSet = false;
    std::optional<DateTimeSeconds> upperMajor; ///< Moon above
    std::optional<DateTimeSeconds> lowerMajor; ///< Moon below
    std::optional<DateTimeSeconds> riseMinor;
    std::optional<DateTimeSeconds> setMinor;
};

/// The periods of day `base` from the readings of the day before, the day and the day after.
/// None when the Moon stayed up or down all day.
std::optional<FishingPeriods> computeFishingPeriods(DateSerial base,
                                                    const std::array<MoonDayReading, 3>& days);

/// "hh:mm AMPM" of a date-time's time of day (seconds dropped).
std::string periodClockText(DateTimeSeconds t, const ClockDesignators& designators = {});

} // namespace biteclock
