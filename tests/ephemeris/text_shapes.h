// Shape checks for the almanac's display texts, shared by the ephemeris tests.
#pragma once

#include <string_view>

namespace biteclock::testing {

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// "hh:mm AM" or "hh:mm PM" with hh 01 to 12 and mm 00 to 59.
inline bool isClockText(std::string_view s) {
    if (s.size() != 8 || s[2] != ':' || s[5] != ' ' || !isDigit(s[0]) || !isDigit(s[1]) || !isDigit(s[3]) ||
        !isDigit(s[4])) {
        return false;
    }
    const int hour = (s[0] - '0') * 10 + (s[1] - '0');
    const int minute = (s[3] - '0') * 10 + (s[4] - '0');
    const std::string_view designator = s.substr(6);
    return hour >= 1 && hour <= 12 && minute <= 59 && (designator == "AM" || designator == "PM");
}

/// "hh : mm" with hh 00 to 23 and mm 00 to 59.
inline bool isDayLengthText(std::string_view s) {
    if (s.size() != 7 || s.substr(2, 3) != " : " || !isDigit(s[0]) || !isDigit(s[1]) || !isDigit(s[5]) ||
        !isDigit(s[6])) {
        return false;
    }
    const int hours = (s[0] - '0') * 10 + (s[1] - '0');
    const int minutes = (s[5] - '0') * 10 + (s[6] - '0');
    return hours <= 23 && minutes <= 59;
}

/// Minutes after midnight of a clock text that isClockText accepts.
inline int clockTextMinutes(std::string_view s) {
    int hour = ((s[0] - '0') * 10 + (s[1] - '0')) % 12;
    if (s.substr(6) == "PM") {
        hour += 12;
    }
    return hour * 60 + (s[3] - '0') * 10 + (s[4] - '0');
}

} // namespace biteclock::testing
