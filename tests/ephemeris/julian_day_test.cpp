// The Julian day of a calendar date.
#include "julian_day.h"

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

} // namespace
} // namespace biteclock
