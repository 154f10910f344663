#include "trip_stats.h"

#include "trip_catch.h"
#include "trip_time_span.h"

namespace {

constexpr int kPeriodWindowMinutes = 120;

TripGroup named(std::string name) {
    TripGroup group;
    group.name = std::move(name);
    return group;
}

void count(TripGroup& group, const TripRecord& trip) {
    ++group.trips;
    if (isGoodCatch(trip.entry.catchRating)) {
        ++group.goodCatches;
    }
    if (const auto quantity = fishQuantity(trip.entry.quantity)) {
        ++group.withQuantity;
        group.quantitySum += *quantity;
    }
}

bool meets(const std::optional<int>& periodMinutes, int startMinutes, int endMinutes) {
    return periodMinutes && startMinutes < *periodMinutes + kPeriodWindowMinutes &&
           *periodMinutes < endMinutes;
}

std::size_t gradeIndex(int rating) {
    switch (rating) {
    case 33:
        return 1;
    case 66:
        return 2;
    case 100:
        return 3;
    default:
        return 0;
    }
}

} // namespace

std::optional<double> TripGroup::goodCatchShare() const {
    if (trips == 0) {
        return std::nullopt;
    }
    return static_cast<double>(goodCatches) / trips;
}

std::optional<double> TripGroup::averageQuantity() const {
    if (withQuantity == 0) {
        return std::nullopt;
    }
    return quantitySum / withQuantity;
}

MoonPhaseBand moonPhaseBand(int moonAge) {
    if (moonAge <= 3 || moonAge >= 26) {
        return MoonPhaseBand::NewMoon;
    }
    if (moonAge <= 10) {
        return MoonPhaseBand::FirstQuarter;
    }
    if (moonAge <= 18) {
        return MoonPhaseBand::FullMoon;
    }
    return MoonPhaseBand::LastQuarter;
}

std::string moonPhaseBandName(MoonPhaseBand band) {
    switch (band) {
    case MoonPhaseBand::NewMoon:
        return "New Moon";
    case MoonPhaseBand::FirstQuarter:
        return "First Quarter";
    case MoonPhaseBand::FullMoon:
        return "Full Moon";
    case MoonPhaseBand::LastQuarter:
        return "Last Quarter";
    }
    return "New Moon";
}

PeriodOverlap periodOverlap(const TripAlmanac& almanac, int startMinutes, int endMinutes) {
    if (meets(almanac.upperMajorMinutes, startMinutes, endMinutes) ||
        meets(almanac.lowerMajorMinutes, startMinutes, endMinutes)) {
        return PeriodOverlap::Major;
    }
    if (meets(almanac.riseMinorMinutes, startMinutes, endMinutes) ||
        meets(almanac.setMinorMinutes, startMinutes, endMinutes)) {
        return PeriodOverlap::Minor;
    }
    return PeriodOverlap::Neither;
}

TripStats tripStats(const std::vector<TripRecord>& trips) {
    TripStats stats;
    stats.byGrade = {named("Poor"), named("Fair"), named("Good"), named("Excellent")};
    for (const MoonPhaseBand band : {MoonPhaseBand::NewMoon, MoonPhaseBand::FirstQuarter,
                                     MoonPhaseBand::FullMoon, MoonPhaseBand::LastQuarter}) {
        stats.byPhase.push_back(named(moonPhaseBandName(band)));
    }
    stats.byPeriod = {named("Major period"), named("Minor period"), named("No period")};

    for (const TripRecord& trip : trips) {
        ++stats.trips;
        if (!trip.almanac) {
            continue;
        }
        ++stats.dated;
        const TripAlmanac& almanac = *trip.almanac;
        count(stats.byGrade[gradeIndex(almanac.rating)], trip);
        count(stats.byPhase[static_cast<std::size_t>(moonPhaseBand(almanac.moonAge))], trip);
        if (const auto span = tripTimeSpan(trip.entry.tripTime)) {
            const PeriodOverlap overlap = periodOverlap(almanac, span->startMinutes, span->endMinutes);
            count(stats.byPeriod[static_cast<std::size_t>(overlap)], trip);
        }
    }
    return stats;
}
