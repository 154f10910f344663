// The Moon's distance on a date.
#include "lunar_distance.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

struct DistanceCase {
    CalendarDate date;
    long kilometres;
    double earthRadii; // to three decimals
};

void PrintTo(const DistanceCase& c, std::ostream* os) {
    *os << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

class LunarDistanceCaptions : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(LunarDistanceCaptions, Kilometres) {
    const DistanceCase& c = GetParam();
    const LunarDistance d = lunarDistance(c.date);
    EXPECT_EQ(d.kilometres, c.kilometres);
    if (c.earthRadii > 0) {
        EXPECT_NEAR(d.earthRadii, c.earthRadii, 0.0005);
    }
    EXPECT_DOUBLE_EQ(d.gaugeX, 100 * (d.earthRadii - 39));
}

// The almanac's published captions; 22 December 1999 is a perigee.
INSTANTIATE_TEST_SUITE_P(
    Published, LunarDistanceCaptions,
    ::testing::Values(DistanceCase{{2000, 1, 1}, 402684, 63.135},
                      DistanceCase{{1999, 12, 22}, 357372, 56.031}, DistanceCase{{2000, 1, 19}, 360162, 0},
                      DistanceCase{{2000, 2, 1}, 406284, 0}, DistanceCase{{1901, 1, 1}, 371591, 0},
                      DistanceCase{{2200, 12, 31}, 395150, 0},
                      // The day count runs on across the leap day.
                      DistanceCase{{2000, 2, 29}, 405477, 0}, DistanceCase{{2000, 3, 1}, 403803, 0}));

TEST(LunarDistance, GaugeAtThePerigeeSitsNearItsLeftEnd) {
    EXPECT_NEAR(lunarDistance({1999, 12, 22}).gaugeX, 1703, 0.5);
}

TEST(LunarDistance, StaysWithinTheOrbitOverTheRange) {
    for (DateSerial s = dateSerial(kFirstYear, 1, 1); s <= dateSerial(kLastYear, 12, 31); ++s) {
        const LunarDistance d = lunarDistance(calendarDate(s));
        ASSERT_GE(d.kilometres, 350000) << s;
        ASSERT_LE(d.kilometres, 410000) << s;
    }
}

} // namespace
} // namespace biteclock
