#pragma once

#include "clock_text.h"
#include "date_serial.h"

#include <array>
#include <optional>
#include <string>

namespace biteclock {

/// 31 successive half-lunations from the new moon that starts a year's lunation count: even slots
/// hold new moons (NewMoonDate/NewMoonText), odd slots full moons (FullMoonDate/FullMoonText).
/// The date slot of the other kind at each index is never written and reads as no date; its text
/// slot starts empty and may later hold a copy of the neighbouring event's text.
struct PhaseTable {
    static constexpr int kSlots = 31;

    std::array<std::optional<DateSerial>, kSlots> NewMoonDate{};
    std::array<std::optional<DateSerial>, kSlots> FullMoonDate{};
    std::array<std::string, kSlots> NewMoonText{};
    std::array<std::string, kSlots> FullMoonText{};

    int year = 0;               ///< the year the table was computed for; 0 before the first computation
    double zoneOffsetHours = 0; ///< the zone its local dates and times are in
};

/// The local date and clock time of one new or full moon.
struct PhaseEvent {
    DateSerial date = 0;
    ClockTime time;
};

/// The new moon (even slot) or full moon (odd slot) of lunation k + slot/2, k being the lunation
/// count at the start of the year, as a local date and time (minutes truncated) for a zone offset
/// in hours east (fractions allowed).
PhaseEvent phaseEvent(int year, int slot, double zoneOffsetHours);

/// The table of a year (1901 to 2200) for a zone offset in hours east.
PhaseTable computePhaseTable(int year, double zoneOffsetHours, const ClockDesignators& designators = {});

/// The year whose table the almanac rates a date from: its own year, or the year before in January
/// (a year's table begins about the first of January and runs some fifteen lunations).
inline int tableYearFor(const CalendarDate& date) {
    return date.month == 1 ? date.year - 1 : date.year;
}

} // namespace biteclock
