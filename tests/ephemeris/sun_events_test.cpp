// Sunrise, sunset and day length.
#include "astro_constants.h"
#include "horizon_scan.h"
#include "sun_events.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

struct SunCase {
    const char* place;
    double latitudeDeg;
    double longitudeDeg;
    double zoneOffsetHours;
    CalendarDate date;
    const char* sunrise;
    const char* sunset;
    const char* dayLength;
};

void PrintTo(const SunCase& c, std::ostream* os) {
    *os << c.place << " " << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

class SunriseSunset : public ::testing::TestWithParam<SunCase> {};

TEST_P(SunriseSunset, Texts) {
    const SunCase& c = GetParam();
    const SunDay day =
        computeSunDay(c.date, observerFromDegrees(c.latitudeDeg, c.longitudeDeg, c.zoneOffsetHours));
    const auto texts = sunTexts(day);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->sunrise, c.sunrise);
    EXPECT_EQ(texts->sunset, c.sunset);
    EXPECT_EQ(texts->dayLength, c.dayLength);
}

// The almanac's published figures for these places. The day length is the whole minutes from the
// shown sunrise to the shown sunset: 06:04 AM to 06:10 PM is 12 : 06, and 05:25 AM to 08:31 PM is
// 15 : 06 (older printings showed 12 : 05 and 15 : 05 from a fractional-hour split).
INSTANTIATE_TEST_SUITE_P(
    Published, SunriseSunset,
    ::testing::Values(
        SunCase{"Gulf of Guinea 0N 0E", 0, 0, 0, {2000, 3, 21}, "06:04 AM", "06:10 PM", "12 : 06"},
        SunCase{"New York", 40.7, -74.0, -4, {2000, 6, 21}, "05:25 AM", "08:31 PM", "15 : 06"},
        SunCase{"Sydney", -33.87, 151.2, 11, {2000, 1, 1}, "05:47 AM", "08:09 PM", "14 : 22"},
        // Midnight sun and polar night.
        SunCase{"70N midsummer", 70, 0, 0, {2000, 6, 21}, "No Rise", "Stays Up", "24 hrs"},
        SunCase{"70N midwinter", 70, 0, 0, {2000, 12, 21}, "Stays Down", "No Set", "0 hrs"},
        // Only a rise: from sunrise to the end of the day. Only a set: from midnight to sunset.
        SunCase{"67N rise only", 67, 0, 0, {2000, 6, 1}, "12:20 AM", "No Set", "23 : 40"},
        SunCase{"67N set only", 67, 0, 0, {2000, 7, 10}, "No Rise", "11:45 PM", "23 : 45"}));

// Computed with the almanac's rules: a longitude ten hours from the zone meridian puts the sunset
// just after zone midnight, so the day holds the set before the rise and shows 24 hours minus the
// night (16:01 - 04:13 = 11:48).
INSTANTIATE_TEST_SUITE_P(
    Computed, SunriseSunset,
    ::testing::Values(
        SunCase{"40N 150W zone 0", 40, -150, 0, {2000, 3, 21}, "04:01 PM", "04:13 AM", "12 : 12"},
        SunCase{"62N midwinter", 62, 0, 0, {2000, 12, 21}, "09:24 AM", "02:33 PM", "05 : 09"}));

struct LengthCase {
    std::optional<ClockTime> rise;
    std::optional<ClockTime> set;
    const char* dayLength;
};

class DayLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(DayLength, WholeMinutesFromRiseToSet) {
    const LengthCase& c = GetParam();
    SunDay day;
    day.rise = c.rise;
    day.set = c.set;
    day.outcome = DayOutcome::Events;
    const auto texts = sunTexts(day);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->dayLength, c.dayLength);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, DayLength,
    ::testing::Values(LengthCase{ClockTime{6, 4}, ClockTime{18, 10}, "12 : 06"},
                      LengthCase{ClockTime{7, 0}, ClockTime{14, 3}, "07 : 03"}, // both parts zero-padded
                      LengthCase{ClockTime{6, 59}, ClockTime{7, 0}, "00 : 01"},
                      LengthCase{ClockTime{0, 0}, ClockTime{23, 59}, "23 : 59"},
                      LengthCase{ClockTime{0, 20}, std::nullopt, "23 : 40"}, // a missing set counts as 00:00
                      LengthCase{std::nullopt, ClockTime{23, 45}, "23 : 45"},
                      LengthCase{ClockTime{16, 1}, ClockTime{4, 13}, "12 : 12"}, // set before rise
                      LengthCase{ClockTime{12, 0}, ClockTime{11, 59}, "23 : 59"}));

TEST(SunTexts, MissingEventsAreNamed) {
    SunDay day;
    day.outcome = DayOutcome::Events;
    day.set = ClockTime{17, 5};
    auto texts = sunTexts(day);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->sunrise, "No Rise");
    EXPECT_EQ(texts->sunset, "05:05 PM");

    day.rise = ClockTime{0, 0};
    day.set.reset();
    texts = sunTexts(day);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->sunrise, "12:00 AM");
    EXPECT_EQ(texts->sunset, "No Set");
}

TEST(SunTexts, SunExactlyOnTheHorizonAllDayShowsNothing) {
    SunDay day;
    day.outcome = DayOutcome::Undetermined;
    EXPECT_FALSE(sunTexts(day).has_value());
}

TEST(SunTexts, DesignatorsReachTheClockTexts) {
    SunDay day;
    day.outcome = DayOutcome::Events;
    day.rise = ClockTime{6, 4};
    day.set = ClockTime{18, 10};
    const auto texts = sunTexts(day, ClockDesignators{"a", "p"});
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->sunrise, "06:04 a");
    EXPECT_EQ(texts->sunset, "06:10 p");
}

TEST(ComputeSunDay, OutcomeAndEndValue) {
    const SunDay summer = computeSunDay({2000, 6, 21}, observerFromDegrees(70, 0, 0));
    EXPECT_EQ(summer.outcome, DayOutcome::StaysUp);
    EXPECT_GT(summer.endValue, 0);
    EXPECT_FALSE(summer.rise.has_value());
    EXPECT_FALSE(summer.set.has_value());
    const SunDay winter = computeSunDay({2000, 12, 21}, observerFromDegrees(70, 0, 0));
    EXPECT_EQ(winter.outcome, DayOutcome::StaysDown);
    EXPECT_LT(winter.endValue, 0);
}

TEST(ComputeSunDay, AnHourMoreOffsetShowsTheEventsAnHourLater) {
    const SunDay utc = computeSunDay({2000, 3, 21}, observerFromDegrees(0, 0, 0));
    const SunDay east = computeSunDay({2000, 3, 21}, observerFromDegrees(0, 0, 1));
    ASSERT_TRUE(utc.rise && east.rise);
    const int shift = (east.rise->hour * 60 + east.rise->minute) - (utc.rise->hour * 60 + utc.rise->minute);
    EXPECT_NEAR(shift, 60, 1);
}

TEST(SunPosition, DeclinationAtTheSolstices) {
    // About +23.4 degrees at the June solstice and -23.4 at the December one.
    const double juneT = 171.5; // days from J2000.0 to 21 June 2000 0h
    EXPECT_NEAR(sunPosition(juneT, juneT / 36525 + 1).declination / DR, 23.4, 0.1);
    const double decemberT = 354.5;
    EXPECT_NEAR(sunPosition(decemberT, decemberT / 36525 + 1).declination / DR, -23.4, 0.1);
}

} // namespace
} // namespace biteclock
