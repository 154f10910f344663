// The one-hour event finder and the outcome of a day without crossings.
#include "horizon_scan.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace biteclock {
namespace {

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

TEST(HorizonScan, OutcomeOfADay) {
    EXPECT_EQ(outcomeOf(true, -1), DayOutcome::Events);
    EXPECT_EQ(outcomeOf(false, -0.1), DayOutcome::StaysDown);
    EXPECT_EQ(outcomeOf(false, 0.1), DayOutcome::StaysUp);
    EXPECT_EQ(outcomeOf(false, 0), DayOutcome::Undetermined);
}

TEST(HorizonScan, AStarOnTheEquatorSetsAndRisesAQuarterTurnApart) {
    // Observer on the equator, body fixed at right ascension and declination 0, horizon at altitude 0:
    // the altitude function is cos(c0 * K1), which falls through zero at a quarter of a sidereal turn
    // (5.984 zone hours) and rises through it at three quarters (17.951 hours).
    std::vector<double> startAscensions;
    const HorizonDay day = scanHorizon(0, SkyPosition{}, 0, 1, 0, [&](int, double a0) {
        startAscensions.push_back(a0);
        return SkyPosition{};
    });
    ASSERT_TRUE(day.set.has_value());
    ASSERT_TRUE(day.rise.has_value());
    EXPECT_EQ(*day.set, (ClockTime{5, 59}));
    EXPECT_EQ(*day.rise, (ClockTime{17, 57}));
    EXPECT_EQ(day.outcome, DayOutcome::Events);
    EXPECT_EQ(startAscensions.size(), 24u);
    EXPECT_DOUBLE_EQ(day.endValue, std::cos(24 * K1));
}

TEST(HorizonScan, EachHourStartsWhereTheLastEnded) {
    // A body whose right ascension grows by one unit an hour: the end of hour c0 is the next start.
    std::vector<double> starts;
    scanHorizon(0, SkyPosition{0.5, 0, 0}, 0, 1, 0, [&](int c0, double a0) {
        starts.push_back(a0);
        return SkyPosition{c0 + 1.0, 0, 0};
    });
    ASSERT_EQ(starts.size(), 24u);
    EXPECT_EQ(starts[0], 0.5);
    for (std::size_t i = 1; i < starts.size(); ++i) {
        EXPECT_EQ(starts[i], static_cast<double>(i));
    }
}

TEST(HorizonScan, NoCrossingGivesTheSideTheBodyStaysOn) {
    // At the pole a body's altitude is its declination all day.
    const auto fixed = [](double dec) { return [dec](int, double) { return SkyPosition{0, dec, 0}; }; };
    const HorizonDay up = scanHorizon(0, SkyPosition{0, 0.3, 0}, 1, 0, 0, fixed(0.3));
    EXPECT_EQ(up.outcome, DayOutcome::StaysUp);
    EXPECT_FALSE(up.rise || up.set);
    EXPECT_DOUBLE_EQ(up.endValue, std::sin(0.3));
    const HorizonDay down = scanHorizon(0, SkyPosition{0, -0.3, 0}, 1, 0, 0, fixed(-0.3));
    EXPECT_EQ(down.outcome, DayOutcome::StaysDown);
}

} // namespace
} // namespace biteclock
