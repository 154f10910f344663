// Moonrise and moonset of one day.
#include "astro_constants.h"
#include "horizon_scan.h"
#include "moon_events.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

struct MoonCase {
    const char* place;
    double latitudeDeg;
    double longitudeDeg;
    double zoneOffsetHours;
    CalendarDate date;
    DayOutcome outcome;
    std::optional<ClockTime> rise;
    std::optional<ClockTime> set;
};

void PrintTo(const MoonCase& c, std::ostream* os) {
    *os << c.place << " " << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

class MoonriseMoonset : public ::testing::TestWithParam<MoonCase> {};

TEST_P(MoonriseMoonset, EventsOfTheDay) {
    const MoonCase& c = GetParam();
    const MoonDay day =
        computeMoonDay(c.date, observerFromDegrees(c.latitudeDeg, c.longitudeDeg, c.zoneOffsetHours));
    EXPECT_EQ(day.outcome, c.outcome);
    EXPECT_EQ(day.rise, c.rise);
    EXPECT_EQ(day.set, c.set);
    if (c.outcome == DayOutcome::StaysUp) {
        EXPECT_GT(day.endValue, 0);
    }
    if (c.outcome == DayOutcome::StaysDown) {
        EXPECT_LT(day.endValue, 0);
    }
}

constexpr auto E = DayOutcome::Events;
constexpr std::optional<ClockTime> none = std::nullopt;

// The almanac's published moonrise and moonset figures.
INSTANTIATE_TEST_SUITE_P(
    Published, MoonriseMoonset,
    ::testing::Values(
        // Full moon of June 2000 in New York, and midsummer day.
        MoonCase{"New York", 40.7, -74.0, -4, {2000, 6, 16}, E, ClockTime{20, 18}, ClockTime{5, 18}},
        MoonCase{"New York", 40.7, -74.0, -4, {2000, 6, 21}, E, ClockTime{23, 51}, ClockTime{9, 30}},
        MoonCase{"0N 0E", 0, 0, 0, {2000, 3, 21}, E, ClockTime{19, 29}, ClockTime{7, 4}},
        MoonCase{"Sydney", -33.87, 151.2, 11, {2000, 1, 1}, E, ClockTime{2, 7}, ClockTime{15, 15}},
        MoonCase{"London", 51.5, 0, 0, {2000, 1, 1}, E, ClockTime{2, 40}, ClockTime{13, 13}},
        // The moonset passes midnight: 11:42 PM on the 13th, 12:57 AM on the 15th.
        MoonCase{"London", 51.5, 0, 0, {2000, 1, 13}, E, ClockTime{11, 16}, ClockTime{23, 42}},
        MoonCase{"London", 51.5, 0, 0, {2000, 1, 14}, E, ClockTime{11, 39}, none},
        MoonCase{"London", 51.5, 0, 0, {2000, 1, 15}, E, ClockTime{12, 3}, ClockTime{0, 57}},
        // The moonrise passes midnight: 11:19 PM on the 26th, 12:28 AM on the 28th.
        MoonCase{"London", 51.5, 0, 0, {2000, 1, 26}, E, ClockTime{23, 19}, ClockTime{10, 33}},
        MoonCase{"London", 51.5, 0, 0, {2000, 1, 27}, E, none, ClockTime{10, 54}},
        MoonCase{"London", 51.5, 0, 0, {2000, 1, 28}, E, ClockTime{0, 28}, ClockTime{11, 16}},
        // Svalbard: the Moon stays below, then above the horizon all day.
        MoonCase{"78N 15E", 78, 15, 0, {2000, 1, 10}, DayOutcome::StaysDown, none, none},
        MoonCase{"78N 15E", 78, 15, 0, {2000, 1, 20}, DayOutcome::StaysUp, none, none}));

TEST(Interpolate3, PassesThroughTheThreePoints) {
    EXPECT_DOUBLE_EQ(interpolate3(1, 4, 9, 0), 1);
    EXPECT_DOUBLE_EQ(interpolate3(1, 4, 9, 0.5), 4);
    EXPECT_DOUBLE_EQ(interpolate3(1, 4, 9, 1), 9);
    // (2p + 1)^2 through p = 0, 0.5, 1: at p = 0.25 the value is 2.25.
    EXPECT_DOUBLE_EQ(interpolate3(1, 4, 9, 0.25), 2.25);
}

TEST(MoonPosition, DistanceStaysWithinTheOrbit) {
    // The series' distance runs from about 56 to 64 Earth radii.
    for (double t = -36000; t < 73000; t += 3.7) {
        const double r = moonPosition(t).distanceEarthRadii;
        ASSERT_GT(r, 55) << t;
        ASSERT_LT(r, 65) << t;
        const double dec = moonPosition(t).declination / DR;
        ASSERT_LT(std::abs(dec), 29.5) << t;
    }
}

} // namespace
} // namespace biteclock
