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

TEST(LoadPhaseTableFor, JanuaryTakesTheYearBeforeAndTheDateStays) {
    AlmanacDay day;
    day.observer = observerFromDegrees(51.5, 0, 0);
    struct Case {
        CalendarDate date;
        int tableYear;
    };
    for (const Case& c : {Case{{2000, 1, 31}, 1999}, Case{{2000, 2, 1}, 2000}, Case{{1999, 12, 31}, 1999},
                          Case{{2200, 1, 1}, 2199}, Case{{1902, 1, 15}, 1901}}) {
        const DateSerial date = dateSerial(c.date);
        loadPhaseTableFor(day, date);
        EXPECT_EQ(day.phases.year, c.tableYear) << c.date.year << "-" << c.date.month << "-" << c.date.day;
        EXPECT_EQ(day.AlmanacDate, date);
    }
}

TEST(RecomputeEnteredDay, KeepsTheTableOutsideJanuaryAndLoadsTheYearBeforesInJanuary) {
    AlmanacDay day;
    day.observer = observerFromDegrees(51.5, 0, 0);
    // Stepping from 31 January into February keeps the table the January day was rated on.
    refreshDay(day, dateSerial(2000, 1, 31), 15, false);
    const DateSerial february = dateSerial(2000, 2, 1);
    const std::vector<GraphRow> rows = recomputeEnteredDay(day, february, 3, false);
    EXPECT_EQ(day.phases.year, 1999);
    EXPECT_EQ(day.AlmanacDate, february);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows.front().label, "1/2");

    recomputeEnteredDay(day, dateSerial(2001, 1, 10), 3, false);
    EXPECT_EQ(day.phases.year, 2000);
    EXPECT_EQ(day.AlmanacDate, dateSerial(2001, 1, 10));
}

TEST(RecomputeEnteredDay, GivesTheRefreshsValuesForTheSameDay) {
    for (const CalendarDate& c : {CalendarDate{2000, 1, 14}, CalendarDate{2000, 6, 16}}) {
        const DateSerial date = dateSerial(c);
        AlmanacDay refreshed;
        refreshed.observer = observerFromDegrees(40.7, -74, -4);
        AlmanacDay entered = refreshed;
        const std::vector<GraphRow> a = refreshDay(refreshed, date, 5, false);
        entered.ShowPhaseLabels = true;
        loadPhaseTableFor(entered, date);
        const std::vector<GraphRow> b = recomputeEnteredDay(entered, date, 5, false);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(b[i].rating, a[i].rating) << a[i].label;
        }
        EXPECT_EQ(entered.main.Text2, refreshed.main.Text2);
        EXPECT_EQ(entered.main.Text21, refreshed.main.Text21);
        EXPECT_EQ(entered.main.Text4, refreshed.main.Text4);
        EXPECT_EQ(entered.main.Label14, refreshed.main.Label14);
        EXPECT_EQ(entered.MoonAge, refreshed.MoonAge);
        EXPECT_EQ(entered.DayRating, refreshed.DayRating);
    }
}

} // namespace
} // namespace biteclock
