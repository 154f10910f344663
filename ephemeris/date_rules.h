#pragma once

#include "date_serial.h"

#include <string_view>

namespace biteclock {

/// The three date fields after the entry rules: the year held to 1901..2200; day 0 (or a day that
/// is not a number) steps back to the last day of the previous month; a day past the month's end
/// (or any day that does not make a date) steps forward to the first of the next month. A step past
/// either end of the range keeps its day and month and holds the year at the end.
struct DateFields {
    int day = 1;
    int monthIndex = 0; ///< 0 = January ... 11 = December
    int year = 2000;

    friend constexpr bool operator==(const DateFields&, const DateFields&) = default;
};

/// Applies the entry rules to a day field's text, a month list index and the year field's value.
DateFields normaliseDateFields(std::string_view dayText, int monthIndex, double year);

/// "Equinox" on 21 and 22 March and September, "Solstice" on 21 and 22 June and December, else "".
std::string_view seasonLabel(int month, int day);

} // namespace biteclock
