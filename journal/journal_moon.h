#pragma once

#include "almanac_day.h"

#include <optional>
#include <string>

namespace biteclock {

/// The Moon and the prediction of a trip's date, as the journal shows them.
struct JournalMoon {
    int moonPictureId = 100; ///< 100 to 111
    int moonAge = 0;         ///< whole days since the last new moon
    int dayRating = 0;       ///< 0, 33, 66 or 100
    std::string ratingText;  ///< "Poor", "Fair", "Good", "Excellent"
    int ratingIconId = 204;  ///< the fish picture of the rating, 201 to 204
    Caption caption;         ///< "New Moon hh:mm AMPM" / "Full Moon hh:mm AMPM" on the day of the event

    friend bool operator==(const JournalMoon&, const JournalMoon&) = default;
};

/// Runs the main window's almanac for a trip's date (1901 to 2200): the new and full moon table (a
/// January date takes the previous year's table, as the daily display does), then phase and rating
/// with the caption directed to the journal. The main window's context is put back exactly as it was
/// afterwards, its date, table and results included, also when an allocation fails (the only thing
/// that can throw here). Always holds a value for a date in the almanac's years.
std::optional<JournalMoon> journalMoon(AlmanacDay& day, DateSerial tripDate);

} // namespace biteclock
