// The shared astronomical helpers: Julian day, sidereal time, the one-hour event finder and the
// 12-hour clock text.
#include "astro_helpers.h"

#include <cmath>
#include <gtest/gtest.h>

namespace biteclock {
namespace {

struct JulianCase {
    int year;
    int month;
    double day;
    double J;
    double F;
};

void PrintTo(const JulianCase& c, std::ostream* os) {
    *os << c.year << "-" << c.month << "-" << c.day;
}

class CalendarToJulian : public ::testing::TestWithParam<JulianCase> {};

TEST_P(CalendarToJulian, GivesTheJulianDateOfTheDayStart) {
    const JulianCase& c = GetParam();
    const JulianDay jd = calendarToJulian(c.year, c.month, c.day);
    EXPECT_EQ(jd.J, c.J);
    EXPECT_DOUBLE_EQ(jd.F, c.F);
}

// Julian dates of 0h UT from the standard tables (JD 2451544.5 = 2000-01-01 0h); 4 October 1582 is
// the last day of the Julian calendar, which the routine uses for every date before 1583.
INSTANTIATE_TEST_SUITE_P(
    Reference, CalendarToJulian,
    ::testing::Values(JulianCase{2000, 1, 1, 2451544, 0.5}, JulianCase{1901, 1, 1, 2415385, 0.5},
                      JulianCase{2200, 12, 31, 2524957, 0.5}, JulianCase{1900, 1, 1, 2415020, 0.5},
                      JulianCase{2000, 2, 29, 2451603, 0.5}, JulianCase{2000, 3, 1, 2451604, 0.5},
                      JulianCase{1999, 12, 31, 2451543, 0.5}, JulianCase{1582, 10, 4, 2299159, 0.5},
                      // A fraction of a day: 18h on 1 January 2000.
                      JulianCase{2000, 1, 1.75, 2451545, 0.25}));

TEST(CalendarToJulian, DaysFromJ2000OfTheFirstOfJanuary2000) {
    const JulianDay jd = calendarToJulian(2000, 1, 1);
    EXPECT_DOUBLE_EQ((jd.J - 2451545) + jd.F, -0.5);
}

TEST(SiderealAtZoneMidnight, GreenwichAtJ2000Midnight) {
    // 24110.5 s of sidereal time at 0h UT at the epoch, as a fraction of a turn in radians.
    EXPECT_NEAR(siderealAtZoneMidnight(0, 0, 0), 24110.5 / 86400 * 360 * DR, 1e-12);
}

TEST(SiderealAtZoneMidnight, LongitudeAndZoneShiftTheAngle) {
    const double base = siderealAtZoneMidnight(-0.5, 0, 0);
    // Ninety degrees east adds a quarter turn.
    EXPECT_NEAR(std::remainder(siderealAtZoneMidnight(-0.5, 0, 0.25) - base, P2), 90 * DR, 1e-9);
    // Six hours west: 86636.6 s of sidereal time per day of zone shift.
    EXPECT_NEAR(std::remainder(siderealAtZoneMidnight(-0.5, 0.25, 0) - base, P2),
                std::remainder(86636.6 * 0.25 / 86400 * 360 * DR, P2), 1e-9);
    const double s = siderealAtZoneMidnight(1234.5, -0.3, 0.7);
    EXPECT_GE(s, 0);
    EXPECT_LT(s, 360 * DR);
}

struct HourEventCase {
    const char* what;
    int c0;
    double v0;
    double v1;
    double v2;
    int hour;
    int minute;
};

void PrintTo(const HourEventCase& c, std::ostream* os) {
    *os << c.what;
}

class HourEvent : public ::testing::TestWithParam<HourEventCase> {};

TEST_P(HourEvent, FindsTheCrossing) {
    const HourEventCase& c = GetParam();
    const auto t = hourEvent(c.c0, c.v0, c.v1, c.v2);
    ASSERT_TRUE(t.has_value()) << c.what;
    EXPECT_EQ(t->hour, c.hour) << c.what;
    EXPECT_EQ(t->minute, c.minute) << c.what;
}

// The quadratic f(e) = (e - r)(e + 1) through e = 0, 0.5, 1 has its root at e = r inside the hour.
constexpr HourEventCase quadraticThrough(const char* what, int c0, double r, int hour, int minute) {
    return {what, c0, -r, (0.5 - r) * 1.5, (1 - r) * 2, hour, minute};
}

INSTANTIATE_TEST_SUITE_P(
    Reference, HourEvent,
    ::testing::Values(
        // 23h 59.8m rounds to hour 24, shown as hour 0 minute 0 (12:00 AM).
        quadraticThrough("root at 23h59.8m", 23, 59.8 / 60, 0, 0),
        // 23h 59.4m stays in the last minute of the day.
        quadraticThrough("root at 23h59.4m", 23, 59.4 / 60, 23, 59),
        // Half a minute rounds up.
        quadraticThrough("root at 6h14.6m", 6, 14.6 / 60, 6, 15),
        quadraticThrough("root at 6h14.4m", 6, 14.4 / 60, 6, 14),
        // Three values on a straight line (leading coefficient exactly 0): the straight-line crossing.
        HourEventCase{"straight rising line", 5, -1, 0, 1, 5, 30},
        HourEventCase{"straight falling line", 17, 0.75, 0.25, -0.25, 17, 45},
        // Setting: the other root of a downward parabola lies outside the hour.
        HourEventCase{"falling quadratic", 10, 0.5, 0.2, -0.4, 10, 42}));

TEST(HourEvent, ChosenRootLiesInsideTheHour) {
    // f(e) = (e - 0.25)(e - 3): roots 0.25 (inside) and 3 (outside); the first formula gives 3.
    const double v0 = 0.75;
    const double v1 = (0.5 - 0.25) * (0.5 - 3);
    const double v2 = (1 - 0.25) * (1 - 3);
    const auto t = hourEvent(2, v0, v1, v2);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(*t, (ClockTime{2, 15}));
}

TEST(HourEvent, NoRealRootGivesNone) {
    // a = 2, b = -2, v0 = 1: the discriminant is 4 - 8 < 0.
    EXPECT_FALSE(hourEvent(3, 1, 0.5, 1).has_value());
    // Three equal values: no line and no curve crosses.
    EXPECT_FALSE(hourEvent(3, 1, 1, 1).has_value());
}

struct ClockCase {
    int hour;
    int minute;
    const char* text;
};

void PrintTo(const ClockCase& c, std::ostream* os) {
    *os << c.hour << ":" << c.minute;
}

class EventClockText : public ::testing::TestWithParam<ClockCase> {};

TEST_P(EventClockText, TwelveHourForm) {
    const ClockCase& c = GetParam();
    EXPECT_EQ(eventClockText(c.hour, c.minute), c.text);
}

INSTANTIATE_TEST_SUITE_P(Reference, EventClockText,
                         ::testing::Values(ClockCase{0, 0, "12:00 AM"}, ClockCase{0, 59, "12:59 AM"},
                                           ClockCase{1, 5, "01:05 AM"}, ClockCase{11, 59, "11:59 AM"},
                                           ClockCase{12, 0, "12:00 PM"}, ClockCase{12, 30, "12:30 PM"},
                                           ClockCase{13, 0, "01:00 PM"}, ClockCase{17, 5, "05:05 PM"},
                                           ClockCase{23, 59, "11:59 PM"}));

TEST(EventClockText, UsesTheGivenDesignators) {
    const ClockDesignators designators{"vorm.", "nachm."};
    EXPECT_EQ(eventClockText(9, 7, designators), "09:07 vorm.");
    EXPECT_EQ(eventClockText(ClockTime{21, 7}, designators), "09:07 nachm.");
}

TEST(AstroHelpers, FracAndSgn) {
    EXPECT_DOUBLE_EQ(frac(2.25), 0.25);
    EXPECT_DOUBLE_EQ(frac(-0.25), 0.75);
    EXPECT_DOUBLE_EQ(frac(3), 0);
    EXPECT_EQ(sgn(-0.1), -1);
    EXPECT_EQ(sgn(0), 0);
    EXPECT_EQ(sgn(1e-300), 1);
}

TEST(AstroHelpers, OutcomeOfADay) {
    EXPECT_EQ(outcomeOf(true, -1), DayOutcome::Events);
    EXPECT_EQ(outcomeOf(false, -0.1), DayOutcome::StaysDown);
    EXPECT_EQ(outcomeOf(false, 0.1), DayOutcome::StaysUp);
    EXPECT_EQ(outcomeOf(false, 0), DayOutcome::Undetermined);
}

} // namespace
} // namespace biteclock
