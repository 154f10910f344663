#pragma once

#include "date_serial.h"
#include "phase_table.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace biteclock {

/// Where a date stands between the new and full moons of a phase table.
struct PhaseSearch {
    std::int16_t phaseIndex = 29; ///< table index at which the search stopped (29: it did not stop)
    int daysToNewMoon = 0;        ///< whole calendar days from the date to the new moon (negative: past)
    int daysToFullMoon = 0;       ///< the same to the full moon
    int daysSincePreviousNewMoon = 0;
    bool fullMoonFromNextSlot = false; ///< the full moon was read from phaseIndex + 1
    bool newMoonFromNextSlot = false;  ///< the new moon was read from phaseIndex + 1
};

/// Searches the table from index 2 for the first index at which the full moon (first) or the new
/// moon lies 0 to 28 days ahead of the date; an unwritten slot is read from the next index.
PhaseSearch searchPhaseTable(const PhaseTable& table, DateSerial date);

/// True when the table places the date correctly: from six days before its second new moon to its
/// last full moon. Dates outside are rated from the table of their own year.
bool tableReaches(const PhaseTable& table, DateSerial date);

/// The picture, prediction and age a date earns from its day counts.
struct PhaseRating {
    std::int16_t moonPictureId = 100; ///< 100 to 111
    std::int16_t dayRating = 0;       ///< 0, 33, 66 or 100
    std::int16_t moonAge = 0;         ///< whole days since the last new moon
};

/// The phase and rating rows, tested in order, a later matching row overriding an earlier one.
/// moonNorth false gives each picture's mirror image. None when no row matches.
std::optional<PhaseRating> ratePhase(int daysToNewMoon, int daysToFullMoon, int daysSincePreviousNewMoon,
                                     bool moonNorth);

/// The mirror image of a Moon picture: 212 minus it (100 and 106 are their own).
constexpr int mirroredPicture(int pictureId) {
    return pictureId == 100 || pictureId == 106 ? pictureId : 212 - pictureId;
}

/// A prediction grade and how it is shown.
struct RatingGrade {
    std::int16_t points;
    std::string_view text;   ///< "Poor", "Fair", "Good", "Excellent"
    std::string_view colour; ///< decimal colour number: red + 256 * green + 65536 * blue
    int colourValue;
    std::int16_t fishIconId; ///< 201 to 204
};

/// The grade of 0, 33, 66 or 100 rating points; none for any other number.
std::optional<RatingGrade> ratingGrade(int points);

} // namespace biteclock
