#pragma once

#include <cstdint>
#include <string_view>

namespace biteclock {

/// A calendar day as a count of days since 30 December 1899 (day 0). Negative before it.
using DateSerial = std::int32_t;

/// A date-time as whole seconds since 30 December 1899, 00:00:00.
using DateTimeSeconds = std::int64_t;

inline constexpr DateTimeSeconds kSecondsPerDay = 86400;

/// The first and last years the almanac covers.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2200;

struct CalendarDate {
    int year = 1899;
    int month = 12; ///< 1 to 12
    int day = 30;   ///< 1 to 31

    friend constexpr bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

/// Gregorian leap year rule (proleptic).
constexpr bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

/// Days in a month of the proleptic Gregorian calendar; 0 for a month outside 1 to 12.
int daysInMonth(int year, int month);

/// True when year, month and day name an existing Gregorian date.
bool isValidDate(int year, int month, int day);

/// The serial of a valid calendar date.
DateSerial dateSerial(int year, int month, int day);
inline DateSerial dateSerial(const CalendarDate& date) {
    return dateSerial(date.year, date.month, date.day);
}

/// The calendar date of a serial.
CalendarDate calendarDate(DateSerial serial);

/// Weekday number of a serial: 1 = Sunday ... 7 = Saturday.
int weekdayNumber(DateSerial serial);

/// "January" ... "November", " December" (with its leading blank); empty outside 1 to 12.
std::string_view monthName(int month);

/// "Sunday" ... "Saturday" for 1 to 7; empty for any other number.
std::string_view weekdayName(int weekday);

/// The calendar date of a date-time (floor towards the earlier day).
constexpr DateSerial dateOf(DateTimeSeconds t) {
    DateTimeSeconds q = t / kSecondsPerDay;
    if (t % kSecondsPerDay < 0) {
        --q;
    }
    return static_cast<DateSerial>(q);
}

/// The time of day of a date-time in seconds, 0 to 86399.
constexpr DateTimeSeconds timeOf(DateTimeSeconds t) {
    return t - static_cast<DateTimeSeconds>(dateOf(t)) * kSecondsPerDay;
}

} // namespace biteclock
