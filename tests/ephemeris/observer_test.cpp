// Working values of a stored location.
#include "observer.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

struct ObserverCase {
    ObserverLocation location;
    double latitudeDeg;
    double longitudeDeg;
    double zoneOffsetHours;
    double zoneWestHours;
};

class ObserverFrom : public ::testing::TestWithParam<ObserverCase> {};

TEST_P(ObserverFrom, DerivesTheWorkingValues) {
    const ObserverCase& c = GetParam();
    const Observer o = observerFrom(c.location);
    EXPECT_DOUBLE_EQ(o.latitudeDeg, c.latitudeDeg);
    EXPECT_DOUBLE_EQ(o.longitudeDeg, c.longitudeDeg);
    EXPECT_DOUBLE_EQ(o.zoneOffsetHours, c.zoneOffsetHours);
    EXPECT_DOUBLE_EQ(o.zoneWestHours, c.zoneWestHours);
}

ObserverLocation place(double latDeg, double latMin, const char* ns, double lonDeg, double lonMin,
                       const char* we, double gmt) {
    return {"place", latDeg, latMin, ns, lonDeg, lonMin, we, gmt};
}

INSTANTIATE_TEST_SUITE_P(
    Reference, ObserverFrom,
    ::testing::Values(
        // 40 degrees 30 minutes south; 74 degrees 0 minutes west; gmt -5 is 5 hours west.
        ObserverCase{place(40, 30, "S", 74, 0, "W", -5), -40.5, -74, -5, 5},
        // gmt 0 gives 0; the letters N and E keep the signs.
        ObserverCase{place(51, 30, "N", 0, 7.5, "E", 0), 51.5, 0.125, 0, 0},
        // A positive gmt is negated: 10 hours east is -10 hours west.
        ObserverCase{place(33, 52.2, "S", 151, 12, "E", 10), -33.87, 151.2, 10, -10},
        // A half-hour zone.
        ObserverCase{place(12, 58, "N", 77, 35, "E", 5.5), 12 + 58.0 / 60, 77 + 35.0 / 60, 5.5, -5.5}));

TEST(ObserverFrom, DefaultLettersAreNorthAndWest) {
    ObserverLocation location;
    location.latitudeDegrees = 10;
    location.longitudeDegrees = 20;
    const Observer o = observerFrom(location);
    EXPECT_DOUBLE_EQ(o.latitudeDeg, 10);
    EXPECT_DOUBLE_EQ(o.longitudeDeg, -20);
}

TEST(ObserverFromDegrees, MatchesTheStoredForm) {
    EXPECT_EQ(observerFromDegrees(-40.5, -74, -5), observerFrom(place(40, 30, "S", 74, 0, "W", -5)));
    const Observer o = observerFromDegrees(78, 15, 13);
    EXPECT_DOUBLE_EQ(o.zoneWestHours, -13);
    EXPECT_DOUBLE_EQ(observerFromDegrees(0, 0, -12).zoneWestHours, 12);
}

} // namespace
} // namespace biteclock
