// The offset of each date in a named zone, from the tz database as QTimeZone reads it.
#include "zone_date_offsets.h"

#include <QByteArray>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

using biteclock::dateSerial;

struct NoonCase {
    const char* zone;
    int year, month, day;
    int seconds; ///< the offset at 12:00 local time
};

// Expected offsets from Python's zoneinfo (which reads the same tzdata files, 2025b):
// datetime(y, m, d, 12, tzinfo=ZoneInfo(zone)).utcoffset().
const NoonCase kNoonCases[] = {
    // New York 2027: the clocks go forward on 14 March and back on 7 November, both at 2 AM, so
    // the change days themselves already have the new offset at noon.
    {"America/New_York", 2027, 3, 13, -18000},
    {"America/New_York", 2027, 3, 14, -14400},
    {"America/New_York", 2027, 3, 15, -14400},
    {"America/New_York", 2027, 11, 6, -14400},
    {"America/New_York", 2027, 11, 7, -18000},
    {"America/New_York", 2027, 11, 8, -18000},
    // Before daylight saving existed, and long after the database's last listed change.
    {"America/New_York", 1901, 7, 1, -18000},
    {"America/New_York", 2038, 3, 14, -14400}, // Qt's local-time lookup gives -5 here
    {"America/New_York", 2200, 1, 1, -18000},
    {"America/New_York", 2200, 7, 1, -14400},
    // Quarter hours, and local mean time before the zone's first rule.
    {"Asia/Kathmandu", 1901, 1, 1, 20476},
    {"Asia/Kathmandu", 1985, 12, 31, 19800},
    {"Asia/Kathmandu", 2027, 6, 1, 20700},
    // Half hours in the south: summer is January.
    {"Australia/Adelaide", 2027, 1, 15, 37800},
    {"Australia/Adelaide", 2027, 4, 3, 37800},
    {"Australia/Adelaide", 2027, 4, 4, 34200},
    {"Australia/Adelaide", 2027, 7, 15, 34200},
    {"Australia/Adelaide", 2027, 10, 3, 37800},
    {"Australia/Sydney", 2027, 4, 3, 39600},
    {"Australia/Sydney", 2027, 4, 4, 36000},
    {"Australia/Sydney", 2027, 10, 2, 36000},
    {"Australia/Sydney", 2027, 10, 3, 39600},
    {"Australia/Sydney", 2200, 1, 1, 39600},
    {"Australia/Sydney", 2200, 7, 1, 36000},
    {"America/Santiago", 2038, 4, 15, -14400}, // Qt's transition list gives -3 here
    // Moscow: mean time, the revolution's summer times, standard time, the 2011-2014 year-round
    // +4, back to +3.
    {"Europe/Moscow", 1901, 6, 1, 9017},
    {"Europe/Moscow", 1919, 7, 1, 14400},
    {"Europe/Moscow", 1930, 7, 1, 10800},
    {"Europe/Moscow", 1992, 7, 1, 14400},
    {"Europe/Moscow", 2012, 1, 1, 14400},
    {"Europe/Moscow", 2015, 1, 1, 10800},
    {"Europe/Moscow", 2200, 7, 1, 10800},
    // Noon itself skipped: Casablanca's clocks went from 12:00 to 13:00 on 3 June 1967, and Apia
    // skipped 30 December 2011 whole. Both take the offset the clocks jump to (zoneinfo, which
    // reads a skipped time in the earlier offset, gives 0 and -36000).
    {"Africa/Casablanca", 1967, 6, 3, 3600},
    {"Pacific/Apia", 2011, 12, 30, 50400},
};

class NoonOffset : public ::testing::TestWithParam<NoonCase> {};

TEST_P(NoonOffset, IsTheZonesOffsetAtLocalNoon) {
    const NoonCase& c = GetParam();
    const auto zone = ZoneDateOffsets::named(c.zone);
    ASSERT_TRUE(zone.has_value()) << c.zone;
    const auto date = dateSerial(c.year, c.month, c.day);
    EXPECT_EQ(zone->offsetSeconds(date), c.seconds);
    EXPECT_EQ(noonOffsetSeconds(zone->zone(), date), c.seconds);
    EXPECT_DOUBLE_EQ(zone->offsetHours(date), c.seconds / 3600.0);
}

INSTANTIATE_TEST_SUITE_P(TzData, NoonOffset, ::testing::ValuesIn(kNoonCases));

TEST(ZoneDateOffsets, HoursKeepTheZonesFractions) {
    const auto kathmandu = ZoneDateOffsets::named("Asia/Kathmandu");
    const auto adelaide = ZoneDateOffsets::named("Australia/Adelaide");
    ASSERT_TRUE(kathmandu && adelaide);
    EXPECT_EQ(kathmandu->offsetHours(dateSerial(2027, 6, 1)), 5.75);
    EXPECT_EQ(adelaide->offsetHours(dateSerial(2027, 7, 1)), 9.5);
    EXPECT_EQ(adelaide->offsetHours(dateSerial(2027, 1, 1)), 10.5);
}

// The yearly cache starts each day from yesterday's offset; it must agree with the plain lookup on
// every day the almanac covers, through every change of these zones' histories.
TEST(ZoneDateOffsets, CacheAgreesWithTheRulesOnEveryDay) {
    for (const char* id : {"America/New_York", "Australia/Lord_Howe", "Europe/Moscow"}) {
        const auto zone = ZoneDateOffsets::named(id);
        ASSERT_TRUE(zone.has_value()) << id;
        int differing = 0;
        for (auto date = dateSerial(1901, 1, 1); date <= dateSerial(2200, 12, 31); ++date) {
            if (zone->offsetSeconds(date) != noonOffsetSeconds(zone->zone(), date) && differing++ < 3) {
                ADD_FAILURE() << id << " on day " << date;
            }
        }
        EXPECT_EQ(differing, 0) << id;
    }
}

TEST(ZoneDateOffsets, CopiesAndRepeatedQuestionsGiveTheSameOffsets) {
    const auto zone = ZoneDateOffsets::named("Australia/Sydney");
    ASSERT_TRUE(zone.has_value());
    const ZoneDateOffsets copy = *zone;
    const auto winter = dateSerial(2027, 7, 1);
    EXPECT_EQ(zone->offsetSeconds(winter), 36000);
    EXPECT_EQ(copy.offsetSeconds(winter), 36000);
    EXPECT_EQ(copy.offsetSeconds(dateSerial(2026, 12, 31)), 39600);
    EXPECT_EQ(zone->offsetSeconds(winter), 36000);
}

TEST(ZoneDateOffsets, UnknownNamesAreRefused) {
    EXPECT_FALSE(ZoneDateOffsets::named("Nowhere/Atlantis"));
    EXPECT_FALSE(ZoneDateOffsets::named(""));
    EXPECT_FALSE(ZoneDateOffsets::named("america/new_york"));
    EXPECT_TRUE(ZoneDateOffsets::named("UTC"));
}

TEST(ZoneDateOffsets, SystemZoneFollowsTheTzVariable) {
    const char* saved = std::getenv("TZ");
    const std::string before = saved ? saved : "";
    setenv("TZ", "Asia/Kathmandu", 1);
    const ZoneDateOffsets local = ZoneDateOffsets::system();
    EXPECT_EQ(local.id(), QByteArray("Asia/Kathmandu"));
    EXPECT_EQ(local.offsetSeconds(dateSerial(2027, 6, 1)), 20700);
    if (saved) {
        setenv("TZ", before.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
}

} // namespace
