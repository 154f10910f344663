#pragma once

#include <optional>
#include <string_view>

/// The clock times a trip ran from and to, in minutes after midnight of the trip's date.
struct TripTimeSpan {
    int startMinutes = 0; ///< 0 to 1439
    int endMinutes = 0;   ///< after the start; past 1440 for a trip that runs past midnight

    friend bool operator==(const TripTimeSpan&, const TripTimeSpan&) = default;
};

/// The span a trip time names, when the whole text is one: two clock times joined by "-", an en or
/// em dash, "to", "till", "til" or "until", blanks anywhere between the parts.
///
/// A clock time is an hour with minutes after ":" or "." ("6:30", "06.30"), three or four digits
/// ("630", "0630"), or
/// an hour alone; each may carry "am"/"pm" ("a.m.", "a", "p" and any case too), an hour from 1 to 12.
/// "noon" and "midnight" are read as well. Without a designator the hour is of the 24-hour clock
/// ("06:00-10:00", "2130-0100"). When only one side carries a designator, the other takes the same
/// one, or the opposite where the same would put the end before the start: "10-2pm" is 10 AM to
/// 2 PM, "6-10am" 6 to 10 AM, "11am-2" 11 AM to 2 PM.
///
/// A span that ends before it starts runs past midnight. Not read as a span: two bare hours ("3-4"
/// could be a trip of three to four hours), a span of no length, or any other text around the times
/// ("6-10am, then rain").
std::optional<TripTimeSpan> tripTimeSpan(std::string_view text);
