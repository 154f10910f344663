// The computer's zone as the almanac reads it.
#include "time_zone.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

// New York: UT = local + 300 minutes; daylight time an hour less.
TimeZoneInfo newYork(TimeZoneInfo::State state) {
    TimeZoneInfo info;
    info.biasMinutes = 300;
    info.standardBiasMinutes = 0;
    info.daylightBiasMinutes = -60;
    info.standardName = "Eastern Standard Time";
    info.daylightName = "Eastern Daylight Time";
    info.state = state;
    return info;
}

struct ZoneCase {
    const char* what;
    TimeZoneInfo::State state;
    bool followDaylight;
    int offsetMinutes;
    double hours;
    const char* name;
};

void PrintTo(const ZoneCase& c, std::ostream* os) {
    *os << c.what;
}

class QueryTimeZone : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(QueryTimeZone, OffsetAndName) {
    const ZoneCase& c = GetParam();
    const FixedTimeZoneSource source(newYork(c.state));
    const ZoneQuery q = queryTimeZone(source, c.followDaylight);
    EXPECT_EQ(q.offsetMinutes, c.offsetMinutes) << c.what;
    EXPECT_DOUBLE_EQ(q.hours, c.hours) << c.what;
    EXPECT_EQ(q.name, c.name) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    NewYork, QueryTimeZone,
    ::testing::Values(
        ZoneCase{"daylight in force, box ticked", TimeZoneInfo::State::Daylight, true, -240, -4,
                 "Eastern Daylight Time"},
        // The box unticked while the computer is in daylight time: the standard offset and name.
        ZoneCase{"daylight in force, box unticked", TimeZoneInfo::State::Daylight, false, -300, -5,
                 "Eastern Standard Time"},
        ZoneCase{"standard time, box ticked", TimeZoneInfo::State::Standard, true, -300, -5,
                 "Eastern Standard Time"},
        ZoneCase{"zone without daylight rules", TimeZoneInfo::State::NoDaylightRules, true, -300, -5,
                 "Eastern Standard Time"}));

TEST(QueryTimeZone, StandardBiasIsPartOfTheStandardOffset) {
    TimeZoneInfo info;
    info.biasMinutes = -330; // India: 5 h 30 min east
    info.standardBiasMinutes = 0;
    info.standardName = "India Standard Time";
    const ZoneQuery q = queryTimeZone(FixedTimeZoneSource(info), true);
    EXPECT_EQ(q.offsetMinutes, 330);
    EXPECT_DOUBLE_EQ(q.hours, 5.5);
    EXPECT_EQ(q.name, "India Standard Time");

    info.standardBiasMinutes = 30;
    EXPECT_EQ(queryTimeZone(FixedTimeZoneSource(info), true).offsetMinutes, 300);
}

TEST(QueryTimeZone, FailureGivesZeroAndThePassedName) {
    const FixedTimeZoneSource source(std::nullopt);
    const ZoneQuery q = queryTimeZone(source, true, "as passed");
    EXPECT_EQ(q.offsetMinutes, 0);
    EXPECT_DOUBLE_EQ(q.hours, 0);
    EXPECT_EQ(q.name, "as passed");
    EXPECT_EQ(queryTimeZone(source, false).name, "");
}

TEST(QueryTimeZone, NameIsCutAfterThirtyTwoCharacters) {
    TimeZoneInfo info = newYork(TimeZoneInfo::State::Standard);
    info.standardName = "0123456789abcdefghijklmnopqrstuvWXYZ"; // 36 characters
    EXPECT_EQ(queryTimeZone(FixedTimeZoneSource(info), true).name, "0123456789abcdefghijklmnopqrstuv");
    info.standardName = "0123456789abcdefghijklmnopqrstuv"; // exactly 32
    EXPECT_EQ(queryTimeZone(FixedTimeZoneSource(info), true).name, "0123456789abcdefghijklmnopqrstuv");
}

TEST(QueryTimeZone, NameStopsAtAZeroCharacter) {
    TimeZoneInfo info = newYork(TimeZoneInfo::State::Daylight);
    info.daylightName = std::string("Eastern\0junk", 12);
    EXPECT_EQ(queryTimeZone(FixedTimeZoneSource(info), true).name, "Eastern");
}

} // namespace
} // namespace biteclock
