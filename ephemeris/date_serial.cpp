#include "date_serial.h"

#include <array>

namespace biteclock {
namespace {

// Days from 1 January 1970 of a proleptic Gregorian date.
constexpr std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

constexpr std::int64_t kSerialOf1970 = 25569; // 1 January 1970 counted from 30 December 1899

constexpr std::array<std::string_view, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                          "May",       "June",     "July",     "August",
                                                          "September", "October",  "November", " December"};

constexpr std::array<std::string_view, 7> kWeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                           "Thursday", "Friday", "Saturday"};

} // namespace

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 2 && isLeapYear(year)) {
        return 29;
    }
    return kLengths[static_cast<std::size_t>(month - 1)];
}

bool isValidDate(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

DateSerial dateSerial(int year, int month, int day) {
    return static_cast<DateSerial>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kSerialOf1970);
}

CalendarDate calendarDate(DateSerial serial) {
    std::int64_t z = static_cast<std::int64_t>(serial) - kSerialOf1970 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(z - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(year + (month <= 2 ? 1 : 0)), static_cast<int>(month), static_cast<int>(day)};
}

int weekdayNumber(DateSerial serial) {
    // Day 0, 30 December 1899, was a Saturday.
    int r = (serial + 6) % 7;
    if (r < 0) {
        r += 7;
    }
    return r + 1;
}

std::string_view monthName(int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string_view weekdayName(int weekday) {
    if (weekday < 1 || weekday > 7) {
        return {};
    }
    return kWeekdayNames[static_cast<std::size_t>(weekday - 1)];
}

} // namespace biteclock
