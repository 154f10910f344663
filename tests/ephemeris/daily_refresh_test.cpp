// The day's computation in the window's order, and the graph rows.
#include "daily_refresh.h"
#include "text_shapes.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

TEST(GraphRowLabel, DayFirstOrMonthFirstWithoutLeadingZeros) {
    EXPECT_EQ(graphRowLabel(dateSerial(2000, 3, 15), false), "15/3");
    EXPECT_EQ(graphRowLabel(dateSerial(2000, 3, 15), true), "3/15");
    EXPECT_EQ(graphRowLabel(dateSerial(2000, 1, 5), false), "5/1");
    EXPECT_EQ(graphRowLabel(dateSerial(2000, 12, 31), true), "12/31");
}

TEST(GraphRows, FifteenDaysFromTheFifteenthOfMarch) {
    AlmanacDay day;
    day.observer = observerFromDegrees(0, 0, 0);
    const DateSerial first = dateSerial(2000, 3, 15);
    const std::vector<GraphRow> rows = refreshDay(day, first, 15, false);
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows.front().label, "15/3");
    EXPECT_EQ(rows.back().label, "29/3");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].date, first + static_cast<int>(i));
        AlmanacDay single;
        single.observer = day.observer;
        single.AlmanacDate = first;
        single.calcmoontime();
        single.AlmanacDate = rows[i].date;
        single.calcmoon();
        EXPECT_EQ(rows[i].rating, single.DayRating) << rows[i].label;
    }
    const std::vector<GraphRow> monthFirst = refreshDay(day, first, 15, true);
    EXPECT_EQ(monthFirst.front().label, "3/15");
    EXPECT_EQ(monthFirst.back().label, "3/29");
    EXPECT_TRUE(refreshDay(day, first, 0, false).empty());
}

TEST(RefreshDay, LeavesTheDisplayedDate) {
    for (const CalendarDate& c :
         {CalendarDate{2000, 6, 21}, CalendarDate{2000, 1, 14}, CalendarDate{1901, 1, 1},
          CalendarDate{2200, 12, 31}, CalendarDate{2000, 2, 29}}) {
        AlmanacDay day;
        day.observer = observerFromDegrees(51.5, 0, 0);
        const DateSerial shown = dateSerial(c);
        refreshDay(day, shown, 15, false);
        EXPECT_EQ(day.AlmanacDate, shown);
    }
}

TEST(RefreshDay, JanuaryUsesThePreviousYearsTable) {
    AlmanacDay day;
    day.observer = observerFromDegrees(51.5, 0, 0);
    refreshDay(day, dateSerial(2000, 1, 14), 1, false);
    EXPECT_EQ(day.phases.year, 1999);
    refreshDay(day, dateSerial(2000, 2, 14), 1, false);
    EXPECT_EQ(day.phases.year, 2000);
}

TEST(RefreshDay, FillsEveryField) {
    AlmanacDay day;
    day.observer = observerFromDegrees(40.7, -74, -4);
    refreshDay(day, dateSerial(2000, 6, 16), 1, false);
    EXPECT_TRUE(testing::isClockText(day.main.Text2)) << day.main.Text2;
    EXPECT_EQ(day.main.Text21, "08:18 PM");
    EXPECT_EQ(day.main.Text39, "05:18 AM");
    EXPECT_EQ(day.main.Label14, (Caption{"Full Moon", true}));
    EXPECT_FALSE(day.main.Label13.empty());
    for (const std::string* f : {&day.main.Text4, &day.main.Text5, &day.main.Text7, &day.main.Text8}) {
        EXPECT_TRUE(testing::isClockText(*f) || *f == "     ") << *f;
    }
}

} // namespace
} // namespace biteclock
