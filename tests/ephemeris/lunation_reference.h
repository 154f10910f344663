// Where a date stands in its lunation, worked out from the list of a table's events alone (not
// by the table search), to check the search and the rating against.
#pragma once

#include "date_serial.h"
#include "phase_table.h"

#include <optional>
#include <vector>

namespace biteclock::testing {

struct LunationPlace {
    int daysToNewMoon;  // 0 on a new-moon day; negative (days since) while waxing
    int daysToFullMoon; // 0 on a full-moon day; negative (days since) while waning
    int daysSinceNewMoon;
};

/// Day counts as the almanac rates them: waxing (new-moon day excluded, full-moon day included)
/// against the lunation's new and full moon; waning and the new-moon day against the previous full
/// moon and the next new moon. None when the table's events do not surround the date.
inline std::optional<LunationPlace> lunationPlace(const PhaseTable& table, DateSerial date) {
    std::optional<DateSerial> prevNew, nextNew, prevFull, nextFull;
    for (std::size_t i = 0; i < PhaseTable::kSlots; ++i) {
        for (const auto& d : {table.NewMoonDate[i], table.FullMoonDate[i]}) {
            if (!d) {
                continue;
            }
            const bool isNew = i % 2 == 0;
            auto& prev = isNew ? prevNew : prevFull;
            auto& next = isNew ? nextNew : nextFull;
            if (*d <= date && (!prev || *d > *prev)) {
                prev = *d;
            }
            if (*d >= date && (!next || *d < *next)) {
                next = *d;
            }
        }
    }
    if (!prevNew || !prevFull || !nextNew || !nextFull) {
        return std::nullopt;
    }
    const int sinceNew = date - *prevNew;
    if (*prevNew == date) {
        return LunationPlace{0, *prevFull - date, 0};
    }
    if (*prevNew > *prevFull || *prevFull == date) {
        // Waxing, up to and including the full-moon day.
        return LunationPlace{*prevNew - date, *nextFull - date, sinceNew};
    }
    return LunationPlace{*nextNew - date, *prevFull - date, sinceNew};
}

} // namespace biteclock::testing
