#include "daily_refresh.h"
#include "date_serial.h"
#include "journal_moon.h"
#include "moon_phase.h"

#include <gtest/gtest.h>

using namespace biteclock;

namespace {

AlmanacDay mainWindowContext(double zoneOffsetHours) {
    AlmanacDay day;
    day.observer = observerFromDegrees(-36.85, 174.75, zoneOffsetHours);
    // The main window shows some other day, with its table and captions.
    refreshDay(day, dateSerial(2024, 7, 15), 15, false);
    return day;
}

struct TripCase {
    int year;
    int month;
    int dayOfMonth;
    double zoneOffsetHours;
};

class JournalMoonMatchesAlmanac : public ::testing::TestWithParam<TripCase> {};

} // namespace

// The journal's Moon for a trip date is what the almanac shows for that date.
TEST_P(JournalMoonMatchesAlmanac, SameMoonAgeAndRatingAsTheDailyDisplay) {
    const TripCase c = GetParam();
    const DateSerial trip = dateSerial(c.year, c.month, c.dayOfMonth);
    AlmanacDay main = mainWindowContext(c.zoneOffsetHours);

    const auto moon = journalMoon(main, trip);
    ASSERT_TRUE(moon.has_value());

    AlmanacDay fresh;
    fresh.observer = main.observer;
    refreshDay(fresh, trip, 15, false);
    EXPECT_EQ(moon->moonPictureId, fresh.MoonPictureId);
    EXPECT_EQ(moon->moonAge, fresh.MoonAge);
    EXPECT_EQ(moon->ratingText, fresh.RatingText);
    EXPECT_EQ(moon->dayRating, fresh.DayRating);
    EXPECT_EQ(moon->caption.visible, fresh.main.Label14.visible);
    if (fresh.main.Label14.visible) {
        EXPECT_EQ(moon->caption.text, fresh.main.Label14.text + " " + fresh.main.Label18.text);
    }
}

// Rows: January dates (rated from the previous year's table) including the new moon of 6 January 2000 and
// the full moon of 21 January 2000 and the days after them, ordinary days, year ends, the range's ends, and
// zone offsets with fractions.
INSTANTIATE_TEST_SUITE_P(TripDates, JournalMoonMatchesAlmanac,
                         ::testing::Values(TripCase{2000, 1, 6, 0}, TripCase{2000, 1, 7, 0},
                                           TripCase{2000, 1, 21, 0}, TripCase{2000, 1, 22, 0},
                                           TripCase{1999, 3, 12, 12}, TripCase{2026, 1, 1, 13},
                                           TripCase{2025, 12, 31, -5}, TripCase{2024, 2, 10, 9.5},
                                           TripCase{1901, 2, 1, 0}, TripCase{2200, 12, 31, 0},
                                           TripCase{1950, 6, 15, -12}));

TEST(JournalMoon, NewMoonCaptionGoesToTheJournal) {
    AlmanacDay main = mainWindowContext(0);
    const auto moon = journalMoon(main, dateSerial(2000, 1, 6));
    ASSERT_TRUE(moon.has_value());
    EXPECT_EQ(moon->caption.text, "New Moon 06:12 PM");
    EXPECT_TRUE(moon->caption.visible);
    EXPECT_EQ(moon->moonPictureId, 100);
    EXPECT_EQ(moon->moonAge, 0);
    EXPECT_EQ(moon->ratingText, "Good");
    EXPECT_EQ(moon->ratingIconId, 202);
}

TEST(JournalMoon, FullMoonCaptionAndFishPicture) {
    AlmanacDay main = mainWindowContext(0);
    const auto moon = journalMoon(main, dateSerial(2000, 1, 21));
    ASSERT_TRUE(moon.has_value());
    EXPECT_EQ(moon->caption.text, "Full Moon 04:40 AM");
    EXPECT_EQ(moon->moonPictureId, 106);
    EXPECT_EQ(moon->ratingText, "Excellent");
    EXPECT_EQ(moon->ratingIconId, 201);
}

TEST(JournalMoon, OrdinaryDayHasNoCaption) {
    AlmanacDay main = mainWindowContext(0);
    const auto moon = journalMoon(main, dateSerial(2000, 1, 14));
    ASSERT_TRUE(moon.has_value());
    EXPECT_FALSE(moon->caption.visible);
}

TEST(JournalMoon, MainWindowContextIsPutBack) {
    AlmanacDay main = mainWindowContext(10);
    const DateSerial shown = main.AlmanacDate;
    const int tableYear = main.phases.year;
    const Caption mainCaption = main.main.Label14;
    const auto picture = main.MoonPictureId;
    const std::string rating = main.RatingText;

    ASSERT_TRUE(journalMoon(main, dateSerial(1999, 1, 20)).has_value());

    EXPECT_EQ(main.AlmanacDate, shown);
    EXPECT_EQ(main.phases.year, tableYear);
    EXPECT_EQ(main.main.Label14, mainCaption);
    EXPECT_EQ(main.MoonPictureId, picture);
    EXPECT_EQ(main.RatingText, rating);
    EXPECT_FALSE(main.JournalPhaseLabel);
}

TEST(JournalMoon, MirroredPicturesFollowTheMainWindow) {
    AlmanacDay main = mainWindowContext(0);
    main.moonorth = false;
    const auto moon = journalMoon(main, dateSerial(2000, 1, 9));
    ASSERT_TRUE(moon.has_value());
    AlmanacDay north = mainWindowContext(0);
    const auto seenFromNorth = journalMoon(north, dateSerial(2000, 1, 9));
    ASSERT_TRUE(seenFromNorth.has_value());
    EXPECT_EQ(moon->moonPictureId, mirroredPicture(seenFromNorth->moonPictureId));
}
