#pragma once

#include "date_offsets.h"
#include "date_serial.h"
#include "day_span.h"
#include "ordered_blocks.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace biteclock {

/// Which events a fishing calendar holds.
struct CalendarEventKinds {
    bool periods = true; ///< the day's major and minor periods, two hours each
    bool days = true;    ///< an all-day event for each day whose prediction reaches the grade
    bool phases = true;  ///< new and full moons at their times

    friend bool operator==(const CalendarEventKinds&, const CalendarEventKinds&) = default;
};

/// A change of a zone's offset.
struct ZoneTransition {
    std::int64_t utcSeconds = 0; ///< the instant, seconds since 1970-01-01 00:00 UTC
    int offsetSeconds = 0;       ///< the offset from then on, seconds east of Greenwich
    bool daylight = false;       ///< whether that offset is daylight saving time
    std::string abbreviation;    ///< "EDT"
};

/// A zone's offsets over a span, for the calendar's time zone description.
struct CalendarZone {
    std::string id;         ///< the IANA name, the events' TZID
    ZoneTransition initial; ///< the offset in force when the span begins (its instant unused)
    std::vector<ZoneTransition> transitions; ///< the changes within the span, in order
};

/// What a fishing calendar is made of.
struct FishingCalendarRequest {
    SpanPlace place;
    DateSerial from = 0;
    int days = 1;
    /// The place's name as events show it (LOCATION) and the calendar's name takes it.
    std::string locationText;
    /// Local times with this zone's TZID and description; without one, UTC times.
    std::optional<CalendarZone> zone;
    CalendarEventKinds kinds;
    int minimumRating = 66;           ///< the day events: 33 fair, 66 good, 100 excellent
    std::int64_t stampUtcSeconds = 0; ///< DTSTAMP, seconds since 1970-01-01 00:00 UTC
    int jobs = 1;
};

/// A place's coordinates to the minute, as an event's place when it has no name: "40°43'N 74°00'W".
std::string coordinatesText(const Observer& observer);

/// The prediction a day event needs at least, by name ("fair", "good", "excellent").
std::optional<int> calendarGradeRating(const std::string& name);

/// An iCalendar file (RFC 5545) of a place's fishing times, handed to `take` in pieces, in order:
/// each event's UID is made of the place, the date and the kind of event, so that importing the
/// same span again replaces the events instead of adding them twice. A period's time is the start
/// of its window: the window is the two hours centred on the Moon's estimated passage overhead or
/// underfoot (a major period) or on moonrise or moonset (a minor period), so each period event
/// ends two hours after it starts. Periods the day leaves blank, or cannot place ("Can't Calc"),
/// have no event. Every start is the day's own clock text, in the offset of its date. The number
/// of events in `events`; false when `take` stopped the work.
bool writeFishingCalendar(const FishingCalendarRequest& request, const DateOffsets& offsets,
                          const BlockTaker& take, long& events);

/// A whole fishing calendar in memory.
struct FishingCalendarText {
    std::string text;
    long events = 0;
};
FishingCalendarText fishingCalendarText(const FishingCalendarRequest& request, const DateOffsets& offsets);

} // namespace biteclock
