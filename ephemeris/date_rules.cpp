#include "date_rules.h"

#include "number_text.h"

#include <cmath>

namespace biteclock {
namespace {

DateFields clampYear(DateFields f) {
    if (f.year > kLastYear) {
        f.year = kLastYear;
    }
    if (f.year < kFirstYear) {
        f.year = kFirstYear;
    }
    return f;
}

} // namespace

DateFields normaliseDateFields(std::string_view dayText, int monthIndex, double year) {
    if (year > kLastYear) {
        year = kLastYear;
    }
    if (year < kFirstYear) {
        year = kFirstYear;
    }
    DateFields f;
    f.year = static_cast<int>(std::floor(year));
    f.monthIndex = monthIndex < 0 ? 0 : (monthIndex > 11 ? 11 : monthIndex);
    const double dayValue = leadingNumber(dayText);

    if (dayValue == 0) {
        // Back to the last day of the previous month.
        if (f.monthIndex == 0) {
            f.day = 31;
            f.monthIndex = 11;
            f.year = f.year - 1;
        } else if (f.monthIndex == 2) {
            f.day = isLeapYear(f.year) ? 29 : 28;
            f.monthIndex = 1;
        } else {
            f.monthIndex = f.monthIndex - 1;
            f.day = 31;
            if (!isValidDate(f.year, f.monthIndex + 1, f.day)) {
                f.day = 30;
            }
        }
        // A year written past the range is held at its end at once; the day and month stay.
        return clampYear(f);
    }

    const bool wholeDay = dayValue == std::floor(dayValue) && std::fabs(dayValue) < 1000;
    const int day = wholeDay ? static_cast<int>(dayValue) : 0;
    if (!wholeDay || !isValidDate(f.year, f.monthIndex + 1, day)) {
        // Forward to the first of the next month.
        f.day = 1;
        if (f.monthIndex == 11) {
            f.monthIndex = 0;
            f.year = f.year + 1;
        } else {
            f.monthIndex = f.monthIndex + 1;
        }
        return clampYear(f);
    }
    f.day = day;
    return f;
}

std::string_view seasonLabel(int month, int day) {
    if (day == 21 || day == 22) {
        if (month == 3 || month == 9) {
            return "Equinox";
        }
        if (month == 6 || month == 12) {
            return "Solstice";
        }
    }
    return {};
}

} // namespace biteclock
