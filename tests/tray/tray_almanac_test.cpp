// Today's values and the alarm's look-ahead, against the main window's computation of the same day.
#include "daily_refresh.h"
#include "tray_almanac.h"

#include <gtest/gtest.h>
#include <ostream>

namespace biteclock {
namespace {

struct Place {
    const char* name;
    double latitudeDeg;
    double longitudeDeg;
    double zoneOffsetHours;
    int year;
    int month;
    int day;
};

void PrintTo(const Place& p, std::ostream* out) {
    *out << p.name << " " << p.year << "-" << p.month << "-" << p.day;
}

class TrayMatchesMainWindow : public ::testing::TestWithParam<Place> {};

// The companion shows the main window's texts for the same place and day; only the captions of the
// new and full moon are worded differently.
TEST_P(TrayMatchesMainWindow, ForTheSamePlaceAndDay) {
    const Place& p = GetParam();
    const Observer observer = observerFromDegrees(p.latitudeDeg, p.longitudeDeg, p.zoneOffsetHours);
    const DateSerial date = dateSerial(p.year, p.month, p.day);

    AlmanacDay main(AlmanacFlavour::Main);
    main.observer = observer;
    refreshDay(main, date, 1, false);

    AlmanacDay tray(AlmanacFlavour::Tray);
    tray.observer = observer;
    const TrayToday today = computeTrayToday(tray, date);

    EXPECT_EQ(today.date, date);
    EXPECT_EQ(tray.AlmanacDate, date);
    EXPECT_EQ(today.fields.sunrise, main.main.Text2);
    EXPECT_EQ(today.fields.sunset, main.main.Text32);
    EXPECT_EQ(today.fields.dayLength, main.main.Text6);
    EXPECT_EQ(today.fields.Text2, main.main.Text21);
    EXPECT_EQ(today.fields.Text3, main.main.Text39);
    EXPECT_EQ(today.fields.Text4, main.main.Text4);
    EXPECT_EQ(today.fields.Text5, main.main.Text5);
    EXPECT_EQ(today.fields.Text7, main.main.Text7);
    EXPECT_EQ(today.fields.Text8, main.main.Text8);
    EXPECT_EQ(today.moonPictureId, main.MoonPictureId);
    EXPECT_EQ(today.moonAge, main.MoonAge);
    EXPECT_EQ(today.dayRating, main.DayRating);
    EXPECT_EQ(today.ratingText, main.RatingText);
    EXPECT_EQ(today.ratingColour, main.RatingColour);
    EXPECT_EQ(today.fields.Label14.visible, main.main.Label14.visible);
    if (main.main.Label14.visible) {
        EXPECT_EQ(today.fields.Label14.text, main.main.Label14.text + ":  " + main.main.Label18.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, TrayMatchesMainWindow,
    ::testing::Values(
        // The companion's default place: -39 "N", 150 "W", 13 hours east.
        Place{"DefaultPlace", -39, -150, 13, 2024, 3, 15},
        // The main window's published New York day.
        Place{"NewYork", 40.7, -74.0, -4, 2000, 6, 21},
        // New moon of 10 March 2024 (09:00 UT) and full moon of 25 March 2024 (07:00 UT).
        Place{"GreenwichNewMoon", 51.5, 0, 0, 2024, 3, 10},
        Place{"GreenwichFullMoon", 51.5, 0, 0, 2024, 3, 25},
        // No moonset on the day (the set passes midnight).
        Place{"LondonNoSet", 51.5, 0, 0, 2000, 1, 14},
        // The Moon stays down all day: "Stays Down" and "Can't Calc".
        Place{"SvalbardStaysDown", 78, 15, 0, 2000, 1, 10},
        // January days rate from the previous year's table.
        Place{"SydneyJanuary", -33.87, 151.2, 11, 2024, 1, 5},
        Place{"SydneyNewYear", -33.87, 151.2, 11, 2025, 1, 1}),
    [](const ::testing::TestParamInfo<Place>& row) { return std::string(row.param.name); });

TEST(TrayToday, JanuaryComputesThePreviousYearsTable) {
    AlmanacDay tray(AlmanacFlavour::Tray);
    tray.observer = observerFromDegrees(51.5, 0, 0);
    computeTrayToday(tray, dateSerial(2024, 1, 20));
    EXPECT_EQ(tray.phases.year, 2023);
    computeTrayToday(tray, dateSerial(2024, 2, 1));
    EXPECT_EQ(tray.phases.year, 2024);
}

TEST(TrayToday, NewMoonDayShowsTheCaptionWithTheEventsTime) {
    AlmanacDay tray(AlmanacFlavour::Tray);
    tray.observer = observerFromDegrees(51.5, 0, 0);
    const TrayToday today = computeTrayToday(tray, dateSerial(2024, 3, 10));
    EXPECT_EQ(today.fields.Label14.visible, true);
    // The almanac's own table time; the published instant is 09:00 UT.
    EXPECT_EQ(today.fields.Label14.text, "New Moon:  08:58 AM");
    EXPECT_EQ(today.moonPictureId, 100);
    EXPECT_EQ(today.ratingText, "Good");
    EXPECT_EQ(today.ratingIconId, 202);
}

class AlarmLookAhead : public ::testing::Test {
protected:
    AlarmLookAhead() { tray.observer = observerFromDegrees(51.5, 0, 0); }

    std::optional<AlarmDay> lookFrom(int month, int day, const AlarmGrade& grade) {
        const DateSerial today = dateSerial(2024, month, day);
        computeTrayToday(tray, today);
        return findAlarmDay(tray, today, grade);
    }

    AlmanacDay tray{AlmanacFlavour::Tray};
};

// March 2024 at Greenwich: new moon on the 10th ("Good"), "Excellent" on the 11th to 13th, full
// moon on the 25th; "Excellent" again on the 22nd (three days before) and the 25th.
TEST_F(AlarmLookAhead, AllDaysFiresForToday) {
    const auto found = lookFrom(3, 17, {0, 1});
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->daysAhead, 0);
    EXPECT_EQ(found->date, dateSerial(2024, 3, 17));
}

TEST_F(AlarmLookAhead, ExcellentDaysWithNoDaysAheadExaminesOnlyToday) {
    EXPECT_EQ(lookFrom(3, 10, {100, 0}).has_value(), false);
    const auto tomorrow = lookFrom(3, 10, {100, 1});
    ASSERT_TRUE(tomorrow.has_value());
    EXPECT_EQ(tomorrow->daysAhead, 1);
    EXPECT_EQ(tomorrow->ratingText, "Excellent");
    EXPECT_EQ(tomorrow->ratingIconId, 201);
}

TEST_F(AlarmLookAhead, CountsTheDaysToTheFirstDayThatReachesTheGrade) {
    const auto found = lookFrom(3, 15, {100, 10});
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->daysAhead, 7);
    EXPECT_EQ(found->date, dateSerial(2024, 3, 22));
    EXPECT_EQ(found->dayRating, 100);
    EXPECT_EQ(found->ratingColour, "12582912");
}

TEST_F(AlarmLookAhead, TheLastDayAheadIsIncluded) {
    EXPECT_EQ(lookFrom(3, 15, {100, 6}).has_value(), false);
    EXPECT_EQ(lookFrom(3, 15, {100, 7}).has_value(), true);
}

TEST_F(AlarmLookAhead, LeavesTodaysCaptionAndDateAlone) {
    const DateSerial today = dateSerial(2024, 3, 10);
    const TrayToday shown = computeTrayToday(tray, today);
    findAlarmDay(tray, today, {100, 5});
    EXPECT_EQ(tray.tray.Label14, shown.fields.Label14);
    EXPECT_EQ(tray.AlmanacDate, today);
    EXPECT_EQ(tray.lookAhead, false);
}

TEST_F(AlarmLookAhead, StopsAtTheAlmanacsLastDay) {
    const DateSerial today = dateSerial(kLastYear, 12, 30);
    computeTrayToday(tray, today);
    // Nothing past 31 December of the last year is computed, however far the alarm looks.
    const auto found = findAlarmDay(tray, today, {101, 366});
    EXPECT_EQ(found.has_value(), false);
    EXPECT_EQ(tray.AlmanacDate, today);
}

} // namespace
} // namespace biteclock
