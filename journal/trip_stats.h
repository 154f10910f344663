#pragma once

#include "trip_log.h"

#include <optional>
#include <string>
#include <vector>

/// The trips of one group of the statistics.
///
/// A catch counts as good when the catch rating is one of the upper two grades of the journal's
/// catch list ("Good", "Excellent"), or when free text there says so (see isGoodCatch in
/// trip_catch.h). The quantity of fish counts where it reads as a number (see fishQuantity).
struct TripGroup {
    std::string name; ///< "Poor", ..., "New Moon", "First Quarter", ..., "Major period", ...
    int trips = 0;
    int goodCatches = 0;  ///< trips whose catch counts as good
    int withQuantity = 0; ///< trips whose quantity of fish reads as a number
    double quantitySum = 0;
    static constexpr int kFewTrips = 5;
    bool tooFew() const { return trips < kFewTrips; }

    /// Good catches as a share of the group's trips (0 to 1); none for an empty group.
    std::optional<double> goodCatchShare() const;
    /// The average quantity of fish over the trips that give one; none when no trip does.
    std::optional<double> averageQuantity() const;
};

/// The Moon's phase by its age in whole days since the new moon, each band centred on its phase
/// (a lunation is about 29.5 days, a quarter about 7.4): New Moon 0 to 3 and 26 on, First Quarter
/// 4 to 10, Full Moon 11 to 18, Last Quarter 19 to 25.
enum class MoonPhaseBand { NewMoon, FirstQuarter, FullMoon, LastQuarter };
MoonPhaseBand moonPhaseBand(int moonAge);
/// "New Moon", "First Quarter", "Full Moon", "Last Quarter".
std::string moonPhaseBandName(MoonPhaseBand band);

/// Where a trip's time stands against the periods of its date.
enum class PeriodOverlap { Major, Minor, Neither };

/// Whether the trip span (minutes after midnight; `endMinutes` may pass 1440 for a trip past
/// midnight) meets a major period's window, else a minor one's. Each period is a window of two
/// hours that starts at the period time. Only the date's own periods count.
PeriodOverlap periodOverlap(const TripAlmanac& almanac, int startMinutes, int endMinutes);

struct TripStats {
    int trips = 0;                  ///< every record
    int dated = 0;                  ///< with a date (and so an almanac)
    std::vector<TripGroup> byGrade; ///< Poor, Fair, Good, Excellent (always four, in that order)
    std::vector<TripGroup> byPhase; ///< New Moon, First Quarter, Full Moon, Last Quarter (by Moon age)
    /// "Major period", "Minor period", "No period": dated trips whose trip time reads as a span (see
    /// tripTimeSpan in trip_time_span.h), by whether it meets a major period, else a minor one.
    std::vector<TripGroup> byPeriod;
};

/// The statistics of the records: only dated trips enter the groups.
TripStats tripStats(const std::vector<TripRecord>& trips);
