// The graph routine's fill: one calcmoon per row, the displayed day's captions and values untouched.
#include "date_serial.h"
#include "graph_fill.h"
#include "observer.h"

#include <gtest/gtest.h>

namespace {

using namespace biteclock;

// A new moon day from the context's own table, so that the displayed day shows a caption.
DateSerial firstNewMoonAfter(AlmanacDay& day, DateSerial from) {
    day.AlmanacDate = from;
    day.calcmoontime();
    for (const auto& date : day.phases.NewMoonDate) {
        if (date && *date >= from) {
            return *date;
        }
    }
    return from;
}

TEST(GraphFill, LeavesTheMoonCaptionsOfTheDisplayedDay) {
    AlmanacDay day;
    day.observer = observerFromDegrees(51.5, 0, 0);
    const DateSerial displayed = firstNewMoonAfter(day, dateSerial(2001, 3, 1));
    refreshDay(day, displayed, 15, false);
    const Caption event = day.main.Label14;
    const Caption time = day.main.Label18;
    ASSERT_TRUE(event.visible) << "the displayed day is a new moon day";

    // 20 days reach the full moon, whose caption the loop would otherwise write.
    const std::vector<GraphRow> rows = graphFill(day, displayed, 20, false);
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(day.main.Label14, event);
    EXPECT_EQ(day.main.Label18, time);
    EXPECT_TRUE(day.ShowPhaseLabels);

    // The same loop with the captions on does change them: the test above can fail.
    AlmanacDay unguarded;
    unguarded.observer = day.observer;
    refreshDay(unguarded, displayed, 15, false);
    graphRows(unguarded, displayed, 20, false);
    EXPECT_NE(unguarded.main.Label14, event);
}

TEST(GraphFill, LeavesTheContextOnTheDisplayedDay) {
    AlmanacDay day;
    day.observer = observerFromDegrees(-33.9, 151.2, 10);
    const DateSerial displayed = dateSerial(2001, 2, 28);
    refreshDay(day, displayed, 15, false);
    const std::int16_t rating = day.DayRating;
    const std::int16_t age = day.MoonAge;
    const std::int16_t picture = day.MoonPictureId;
    const std::string text = day.RatingText;

    graphFill(day, displayed, 60, false);
    EXPECT_EQ(day.AlmanacDate, displayed);
    EXPECT_EQ(day.DayRating, rating);
    EXPECT_EQ(day.MoonAge, age);
    EXPECT_EQ(day.MoonPictureId, picture);
    EXPECT_EQ(day.RatingText, text);
}

TEST(GraphFill, RowsAreTheDaysFromTheDisplayedDate) {
    AlmanacDay day;
    day.observer = observerFromDegrees(51.5, 0, 0);
    const DateSerial displayed = dateSerial(2001, 2, 28);
    refreshDay(day, displayed, 15, false);
    const int tableYear = day.phases.year;
    const std::vector<GraphRow> rows = graphFill(day, displayed, 5, false);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].label, "28/2");
    EXPECT_EQ(rows[4].label, "4/3");
    EXPECT_EQ(rows[4].date, dateSerial(2001, 3, 4));
    EXPECT_EQ(day.phases.year, tableYear) << "the table is not recomputed per row";
    for (const GraphRow& row : rows) {
        AlmanacDay single;
        single.observer = day.observer;
        single.AlmanacDate = displayed;
        single.calcmoontime();
        single.AlmanacDate = row.date;
        single.calcmoon();
        EXPECT_EQ(row.rating, single.DayRating) << row.label;
    }
    const std::vector<GraphRow> monthFirst = graphFill(day, displayed, 5, true);
    EXPECT_EQ(monthFirst[0].label, "2/28");
    EXPECT_EQ(monthFirst[4].label, "3/4");
}

} // namespace
