// Calendar serials, weekdays and names. Reference serials and weekdays were counted with an
// independent proleptic Gregorian calendar (Python's datetime); day 0 is 30 December 1899.
#include "date_serial.h"

#include <gtest/gtest.h>
#include <string>

namespace biteclock {
namespace {

struct SerialCase {
    CalendarDate date;
    DateSerial serial;
    int weekday; // 1 = Sunday
};

void PrintTo(const SerialCase& c, std::ostream* os) {
    *os << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

class CalendarSerial : public ::testing::TestWithParam<SerialCase> {};

TEST_P(CalendarSerial, SerialWeekdayAndBack) {
    const SerialCase& c = GetParam();
    EXPECT_EQ(dateSerial(c.date), c.serial);
    EXPECT_EQ(weekdayNumber(c.serial), c.weekday);
    const CalendarDate back = calendarDate(c.serial);
    EXPECT_EQ(back.year, c.date.year);
    EXPECT_EQ(back.month, c.date.month);
    EXPECT_EQ(back.day, c.date.day);
}

INSTANTIATE_TEST_SUITE_P(
    Reference, CalendarSerial,
    ::testing::Values(SerialCase{{1899, 12, 30}, 0, 7}, // Saturday
                      SerialCase{{1900, 1, 1}, 2, 2},   // Monday
                      SerialCase{{1901, 1, 1}, 367, 3}, // Tuesday
                      SerialCase{{1970, 1, 1}, 25569, 5}, SerialCase{{1999, 12, 31}, 36525, 6},
                      SerialCase{{2000, 1, 1}, 36526, 7}, SerialCase{{2000, 2, 29}, 36585, 3},
                      SerialCase{{2000, 3, 1}, 36586, 4}, SerialCase{{2100, 3, 1}, 73110, 2},
                      SerialCase{{2200, 12, 31}, 109939, 4}, SerialCase{{1899, 12, 29}, -1, 6}));

TEST(Calendar, EveryDayOfTheRangeRoundTripsAndFollowsTheWeekdays) {
    const DateSerial first = dateSerial(kFirstYear, 1, 1);
    const DateSerial last = dateSerial(kLastYear, 12, 31);
    int weekday = weekdayNumber(first);
    for (DateSerial s = first; s <= last; ++s) {
        const CalendarDate c = calendarDate(s);
        ASSERT_TRUE(isValidDate(c.year, c.month, c.day)) << s;
        ASSERT_EQ(dateSerial(c), s);
        ASSERT_EQ(weekdayNumber(s), weekday) << s;
        weekday = weekday % 7 + 1;
    }
}

TEST(Calendar, MonthLengthsFollowTheGregorianLeapRule) {
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2100, 2), 28);
    EXPECT_EQ(daysInMonth(2200, 2), 28);
    EXPECT_EQ(daysInMonth(2004, 2), 29);
    EXPECT_EQ(daysInMonth(1999, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 4), 30);
    EXPECT_EQ(daysInMonth(2000, 12), 31);
    EXPECT_EQ(daysInMonth(2000, 0), 0);
    EXPECT_EQ(daysInMonth(2000, 13), 0);
    EXPECT_FALSE(isValidDate(2000, 4, 31));
    EXPECT_FALSE(isValidDate(2001, 2, 29));
    EXPECT_FALSE(isValidDate(2000, 1, 0));
    EXPECT_TRUE(isValidDate(2000, 2, 29));
}

TEST(Calendar, MonthNamesKeepTheBlankBeforeDecember) {
    EXPECT_EQ(monthName(1), "January");
    EXPECT_EQ(monthName(9), "September");
    EXPECT_EQ(monthName(11), "November");
    EXPECT_EQ(monthName(12), " December");
    EXPECT_EQ(monthName(0), "");
    EXPECT_EQ(monthName(13), "");
}

TEST(Calendar, WeekdayNamesForOneToSevenOnly) {
    EXPECT_EQ(weekdayName(1), "Sunday");
    EXPECT_EQ(weekdayName(4), "Wednesday");
    EXPECT_EQ(weekdayName(7), "Saturday");
    EXPECT_EQ(weekdayName(0), "");
    EXPECT_EQ(weekdayName(8), "");
    EXPECT_EQ(weekdayName(-1), "");
}

TEST(Calendar, DateAndTimeOfADateTimeFloorTowardsTheEarlierDay) {
    const DateTimeSeconds noonOfDay5 = 5 * kSecondsPerDay + 12 * 3600;
    EXPECT_EQ(dateOf(noonOfDay5), 5);
    EXPECT_EQ(timeOf(noonOfDay5), 12 * 3600);
    EXPECT_EQ(dateOf(5 * kSecondsPerDay), 5);
    EXPECT_EQ(timeOf(5 * kSecondsPerDay), 0);
    // One second before day 0 is the last second of day -1.
    EXPECT_EQ(dateOf(-1), -1);
    EXPECT_EQ(timeOf(-1), kSecondsPerDay - 1);
    EXPECT_EQ(dateOf(-kSecondsPerDay), -1);
    EXPECT_EQ(timeOf(-kSecondsPerDay), 0);
}

} // namespace
} // namespace biteclock
