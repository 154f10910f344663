#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace biteclock {

/// A clock time of day in whole minutes.
struct ClockTime {
    int hour = 0;   ///< 0 to 23
    int minute = 0; ///< 0 to 59

    friend constexpr bool operator==(const ClockTime&, const ClockTime&) = default;
};

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

/// The time of day an eventClockText() text stands for; none for anything else (a blank period,
/// "Can't Calc", other designators).
std::optional<ClockTime> readEventClockText(std::string_view text, const ClockDesignators& designators = {});

} // namespace biteclock
