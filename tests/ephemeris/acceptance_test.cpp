// The published figures of a summer day in New York, end to end through the daily refresh.
#include "daily_refresh.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

TEST(DailyRefresh, NewYorkMidsummer2000) {
    AlmanacDay day;
    day.observer = observerFromDegrees(40.7, -74.0, -4);
    refreshDay(day, dateSerial(2000, 6, 21), 15, false);
    EXPECT_EQ(day.main.Text2, "05:25 AM");
    EXPECT_EQ(day.main.Text32, "08:31 PM");
    EXPECT_EQ(day.main.Text6, "15 : 06");
    EXPECT_EQ(day.main.Text21, "11:51 PM");
    EXPECT_EQ(day.main.Text39, "09:30 AM");
    EXPECT_EQ(day.AlmanacDate, dateSerial(2000, 6, 21));
}

} // namespace
} // namespace biteclock
