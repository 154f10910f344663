// The almanac context: its routines, what they write in each program's windows, and the state they
// keep between calls.
#include "almanac_day.h"
#include "daily_refresh.h"
#include "lunation_reference.h"
#include "moon_phase.h"
#include "text_shapes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace biteclock {
namespace {

constexpr auto Main = AlmanacFlavour::Main;
constexpr auto Tray = AlmanacFlavour::Tray;

AlmanacDay contextAt(AlmanacFlavour flavour, double latitudeDeg, double longitudeDeg,
                     double zoneOffsetHours) {
    AlmanacDay day(flavour);
    day.observer = observerFromDegrees(latitudeDeg, longitudeDeg, zoneOffsetHours);
    return day;
}

AlmanacDay london(AlmanacFlavour flavour = Main) {
    return contextAt(flavour, 51.5, 0, 0);
}

AlmanacDay svalbard(AlmanacFlavour flavour = Main) {
    return contextAt(flavour, 78, 15, 0);
}

const char* flavourName(AlmanacFlavour flavour) {
    return flavour == Main ? "main" : "tray";
}

// --- Sunriseset ---

TEST(Sunriseset, MainWindowFieldsAndSharedTexts) {
    AlmanacDay day = contextAt(Main, 0, 0, 0);
    day.AlmanacDate = dateSerial(2000, 3, 21);
    day.Sunriseset();
    EXPECT_EQ(day.sunriseText, "06:04 AM");
    EXPECT_EQ(day.sunsetText, "06:10 PM");
    EXPECT_EQ(day.dayLengthText, "12 : 06");
    EXPECT_EQ(day.main.Text2, "06:04 AM");
    EXPECT_EQ(day.main.Text32, "06:10 PM");
    EXPECT_EQ(day.main.Text6, "12 : 06");
    EXPECT_EQ(day.tray.sunrise, "");
}

TEST(Sunriseset, TrayWindowFields) {
    AlmanacDay day = contextAt(Tray, 40.7, -74, -4);
    day.AlmanacDate = dateSerial(2000, 6, 21);
    day.Sunriseset();
    EXPECT_EQ(day.tray.sunrise, "05:25 AM");
    EXPECT_EQ(day.tray.sunset, "08:31 PM");
    EXPECT_EQ(day.tray.dayLength, "15 : 06");
    EXPECT_EQ(day.main.Text2, "");
}

// --- moonriseset ---

TEST(Moonriseset, FieldsOnlyWhileDaiIsOne) {
    for (std::int16_t dai : {std::int16_t{0}, std::int16_t{2}, std::int16_t{3}}) {
        AlmanacDay day = london();
        day.main.Text21 = "kept";
        day.main.Text39 = "kept";
        day.AlmanacDate = dateSerial(2000, 1, 1);
        day.dai = dai;
        day.moonriseset();
        EXPECT_EQ(day.main.Text21, "kept") << dai;
        EXPECT_EQ(day.main.Text39, "kept") << dai;
        EXPECT_EQ(day.moonriseText, "02:40 AM") << dai;
        EXPECT_EQ(day.moonsetText, "01:13 PM") << dai;
        EXPECT_EQ(day.rise, "   2 : 40") << dai;
        EXPECT_EQ(day.seti, "   13 : 13") << dai;
    }
    AlmanacDay day = london();
    day.AlmanacDate = dateSerial(2000, 1, 1);
    day.dai = 1;
    day.moonriseset();
    EXPECT_EQ(day.main.Text21, "02:40 AM");
    EXPECT_EQ(day.main.Text39, "01:13 PM");
}

TEST(Moonriseset, TrayWritesItsMoonFields) {
    AlmanacDay day = london(Tray);
    day.AlmanacDate = dateSerial(2000, 1, 1);
    day.moonriseset();
    EXPECT_EQ(day.tray.Text2, "02:40 AM");
    EXPECT_EQ(day.tray.Text3, "01:13 PM");
    EXPECT_EQ(day.rise, "   2 : 40");
    EXPECT_EQ(day.seti, "   13 : 13");
    EXPECT_EQ(day.moonriseText, "");
}

TEST(Moonriseset, NoSetKeepsTheLastMoonsetAndMarksTheDay) {
    for (AlmanacFlavour flavour : {Main, Tray}) {
        AlmanacDay day = london(flavour);
        day.dai = 1;
        day.AlmanacDate = dateSerial(2000, 1, 13);
        day.moonriseset();
        ASSERT_EQ(day.seti, "   23 : 42");
        day.main.Text8 = day.tray.Text8 = "filled";
        day.AlmanacDate = dateSerial(2000, 1, 14);
        day.moonriseset();
        SCOPED_TRACE(flavourName(flavour));
        EXPECT_EQ(day.rise, "   11 : 39");
        EXPECT_EQ(day.seti, "   23 : 42"); // the 13th's
        EXPECT_EQ(day.nomoonset, kTrue);
        EXPECT_EQ(day.nomoon, kFalse);
        EXPECT_EQ(day.special, kFalse);
        if (flavour == Main) {
            EXPECT_EQ(day.main.Text39, "No Set");
            EXPECT_EQ(day.moonsetText, "No Set");
            EXPECT_EQ(day.main.Text8, "");
        } else {
            EXPECT_EQ(day.tray.Text3, "No moonset");
            EXPECT_EQ(day.tray.Text8, "");
        }
    }
}

TEST(Moonriseset, NoRiseKeepsTheLastMoonriseAndMarksTheDay) {
    for (AlmanacFlavour flavour : {Main, Tray}) {
        AlmanacDay day = london(flavour);
        day.AlmanacDate = dateSerial(2000, 1, 26);
        day.moonriseset();
        ASSERT_EQ(day.rise, "   23 : 19");
        day.main.Text7 = day.tray.Text7 = "filled";
        day.AlmanacDate = dateSerial(2000, 1, 27);
        day.moonriseset();
        SCOPED_TRACE(flavourName(flavour));
        EXPECT_EQ(day.rise, "   23 : 19"); // the 26th's
        EXPECT_EQ(day.seti, "   10 : 54");
        EXPECT_EQ(day.nomoon, kTrue);
        EXPECT_EQ(day.nomoonset, kFalse);
        if (flavour == Main) {
            // The outcome is written whatever dai is.
            EXPECT_EQ(day.main.Text21, "No Rise");
            EXPECT_EQ(day.moonriseText, "No Rise");
            EXPECT_EQ(day.main.Text7, "");
        } else {
            EXPECT_EQ(day.tray.Text2, "No moonrise");
            EXPECT_EQ(day.tray.Text7, "");
        }
    }
}

TEST(Moonriseset, FlagsAreOnlyEverSetTrue) {
    AlmanacDay day = london();
    day.nomoon = day.nomoonset = day.special = kTrue;
    day.AlmanacDate = dateSerial(2000, 1, 1); // both events
    day.moonriseset();
    EXPECT_EQ(day.nomoon, kTrue);
    EXPECT_EQ(day.nomoonset, kTrue);
    EXPECT_EQ(day.special, kTrue);

    day.nomoon = day.nomoonset = day.special = kFalse;
    day.moonriseset();
    EXPECT_EQ(day.nomoon, kFalse);
    EXPECT_EQ(day.nomoonset, kFalse);
    EXPECT_EQ(day.special, kFalse);
}

struct AllDayCase {
    CalendarDate date;
    const char* outcome;
};

void PrintTo(const AllDayCase& c, std::ostream* os) {
    *os << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

class MoonAllDay : public ::testing::TestWithParam<std::tuple<AllDayCase, AlmanacFlavour>> {};

// Svalbard, January 2000: the Moon stays down from the 2nd to the 10th and from the 29th, and up
// from the 16th to the 23rd; the days between have events.
TEST_P(MoonAllDay, MoonriseSetMarksTheDay) {
    const auto& [c, flavour] = GetParam();
    AlmanacDay day = svalbard(flavour);
    day.AlmanacDate = dateSerial(c.date);
    day.moonriseset();
    EXPECT_EQ(day.special, kTrue);
    EXPECT_EQ(day.nomoon, kFalse);
    EXPECT_EQ(day.nomoonset, kFalse);
    EXPECT_EQ(day.rise, "");
    EXPECT_EQ(day.seti, "");
    if (flavour == Main) {
        EXPECT_EQ(day.main.Text21, c.outcome);
        EXPECT_EQ(day.main.Text39, c.outcome);
        EXPECT_EQ(day.moonriseText, c.outcome);
        EXPECT_EQ(day.moonsetText, c.outcome);
        for (const std::string* f : {&day.main.Text4, &day.main.Text5, &day.main.Text7, &day.main.Text8}) {
            EXPECT_EQ(*f, "Can't Calc");
        }
    } else {
        EXPECT_EQ(day.tray.Text2, c.outcome);
        EXPECT_EQ(day.tray.Text3, c.outcome);
        for (const std::string* f : {&day.tray.Text4, &day.tray.Text5, &day.tray.Text7, &day.tray.Text8}) {
            EXPECT_EQ(*f, "Can't Calc");
        }
    }
}

// The whole day's computation: the day's own outcome, whatever the neighbouring days hold.
TEST_P(MoonAllDay, MajorminorShowsTheDaysOwnOutcome) {
    const auto& [c, flavour] = GetParam();
    AlmanacDay day = svalbard(flavour);
    day.AlmanacDate = dateSerial(c.date);
    day.majorminor();
    if (flavour == Main) {
        EXPECT_EQ(day.main.Text21, c.outcome);
        EXPECT_EQ(day.main.Text39, c.outcome);
        for (const std::string* f : {&day.main.Text4, &day.main.Text5, &day.main.Text7, &day.main.Text8}) {
            EXPECT_EQ(*f, "Can't Calc");
        }
        EXPECT_EQ(day.UpperMajorText, "Can't Calc");
        EXPECT_EQ(day.RiseMinorText, "Can't Calc");
        EXPECT_EQ(day.LowerMajorText, "Can't Calc");
        EXPECT_EQ(day.SetMinorText, "Can't Calc");
    } else {
        EXPECT_EQ(day.tray.Text2, c.outcome);
        EXPECT_EQ(day.tray.Text3, c.outcome);
        for (const std::string* f : {&day.tray.Text4, &day.tray.Text5, &day.tray.Text7, &day.tray.Text8}) {
            EXPECT_EQ(*f, "Can't Calc");
        }
    }
    EXPECT_EQ(day.special, kFalse);
    EXPECT_EQ(day.AlmanacDate, dateSerial(c.date) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Svalbard2000, MoonAllDay,
    ::testing::Combine(::testing::Values(AllDayCase{{2000, 1, 10}, "Stays Down"}, // 11th: events
                                         AllDayCase{{2000, 1, 16}, "Stays Up"},   // 15th: events
                                         AllDayCase{{2000, 1, 23}, "Stays Up"},   // 24th: events
                                         AllDayCase{{2000, 1, 29}, "Stays Down"}, // 28th
                                         AllDayCase{{2000, 1, 5}, "Stays Down"}),
                       ::testing::Values(Main, Tray)));

class MoonNextToAllDay : public ::testing::TestWithParam<std::tuple<CalendarDate, AlmanacFlavour>> {};

// A day with events beside a day without: its own texts and periods, none of the neighbour's marks.
TEST_P(MoonNextToAllDay, MajorminorShowsTheDaysEvents) {
    const auto& [date, flavour] = GetParam();
    AlmanacDay day = svalbard(flavour);
    day.AlmanacDate = dateSerial(date);
    day.majorminor();
    const bool isMain = flavour == Main;
    const std::string& moonrise = isMain ? day.main.Text21 : day.tray.Text2;
    const std::string& moonset = isMain ? day.main.Text39 : day.tray.Text3;
    EXPECT_TRUE(testing::isClockText(moonrise) || moonrise == "No moonrise") << moonrise;
    EXPECT_TRUE(testing::isClockText(moonset) || moonset == "No moonset") << moonset;
    const auto& fields = isMain ? std::vector<const std::string*>{&day.main.Text4, &day.main.Text5,
                                                                  &day.main.Text7, &day.main.Text8}
                                : std::vector<const std::string*>{&day.tray.Text4, &day.tray.Text5,
                                                                  &day.tray.Text7, &day.tray.Text8};
    for (const std::string* f : fields) {
        EXPECT_TRUE(testing::isClockText(*f) || *f == "     ") << "'" << *f << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Svalbard2000, MoonNextToAllDay,
    ::testing::Combine(::testing::Values(CalendarDate{2000, 1, 1}, CalendarDate{2000, 1, 11},
                                         CalendarDate{2000, 1, 15}, CalendarDate{2000, 1, 24},
                                         CalendarDate{2000, 1, 28}),
                       ::testing::Values(Main, Tray)));

// --- majorminor ---

struct PeriodCase {
    CalendarDate date;
    const char* moonrise;
    const char* moonset;
    const char* upperMajor;
    const char* riseMinor;
    const char* lowerMajor;
    const char* setMinor;
};

void PrintTo(const PeriodCase& c, std::ostream* os) {
    *os << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

class Majorminor : public ::testing::TestWithParam<std::tuple<PeriodCase, AlmanacFlavour>> {};

TEST_P(Majorminor, FieldsAndSharedTexts) {
    const auto& [c, flavour] = GetParam();
    AlmanacDay day = london(flavour);
    day.AlmanacDate = dateSerial(c.date);
    day.majorminor();
    if (flavour == Main) {
        EXPECT_EQ(day.main.Text21, c.moonrise);
        EXPECT_EQ(day.main.Text39, c.moonset);
        EXPECT_EQ(day.main.Text4, c.upperMajor);
        EXPECT_EQ(day.main.Text8, c.riseMinor);
        EXPECT_EQ(day.main.Text5, c.lowerMajor);
        EXPECT_EQ(day.main.Text7, c.setMinor);
        auto shared = [](const char* field) {
            return std::string(field) == "     " ? std::string(15, ' ') : std::string(field);
        };
        EXPECT_EQ(day.UpperMajorText, shared(c.upperMajor));
        EXPECT_EQ(day.RiseMinorText, shared(c.riseMinor));
        EXPECT_EQ(day.LowerMajorText, shared(c.lowerMajor));
        EXPECT_EQ(day.SetMinorText, shared(c.setMinor));
    } else {
        EXPECT_EQ(day.tray.Text2, c.moonrise);
        EXPECT_EQ(day.tray.Text3, c.moonset);
        EXPECT_EQ(day.tray.Text4, c.upperMajor);
        EXPECT_EQ(day.tray.Text8, c.riseMinor);
        EXPECT_EQ(day.tray.Text5, c.lowerMajor);
        EXPECT_EQ(day.tray.Text7, c.setMinor);
        EXPECT_EQ(day.UpperMajorText, "");
    }
    // Left on the following day, index past the three days, flags cleared.
    EXPECT_EQ(day.AlmanacDate, dateSerial(c.date) + 1);
    EXPECT_EQ(day.nomoon, kFalse);
    EXPECT_EQ(day.nomoonset, kFalse);
    EXPECT_EQ(day.special, kFalse);
    if (flavour == Main) {
        EXPECT_EQ(day.dai, 3);
    }
}

// London, January 2000, worked by hand from the day's moonrise and moonset and its neighbours':
// 14th: rise 11:39, no set (23:42 on the 13th, 00:57 on the 15th); 27th: no rise (23:19 on the
// 26th, 00:28 on the 28th), set 10:54; 28th: rise 00:28, whose minor falls on the 27th.
INSTANTIATE_TEST_SUITE_P(
    London2000, Majorminor,
    ::testing::Combine(
        ::testing::Values(
            PeriodCase{
                {2000, 1, 14}, "11:39 AM", "No moonset", "05:18 PM", "10:39 AM", "04:40 AM", "11:57 PM"},
            PeriodCase{
                {2000, 1, 27}, "No moonrise", "10:54 AM", "04:06 AM", "11:28 PM", "04:41 PM", "09:54 AM"},
            PeriodCase{{2000, 1, 28}, "12:28 AM", "11:16 AM", "04:52 AM", "     ", "05:25 PM", "10:16 AM"}),
        ::testing::Values(Main, Tray)));

// --- The values of a date do not depend on what was shown before ---

struct Shown {
    MainWindowFields main;
    TrayWindowFields tray;
    std::string upper, riseMinor, lower, setMinor;
    std::string moonrise, moonset;
};

void expectSame(const Shown& a, const Shown& b, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(a.main.Text21, b.main.Text21);
    EXPECT_EQ(a.main.Text39, b.main.Text39);
    EXPECT_EQ(a.main.Text4, b.main.Text4);
    EXPECT_EQ(a.main.Text5, b.main.Text5);
    EXPECT_EQ(a.main.Text7, b.main.Text7);
    EXPECT_EQ(a.main.Text8, b.main.Text8);
    EXPECT_EQ(a.tray.Text2, b.tray.Text2);
    EXPECT_EQ(a.tray.Text3, b.tray.Text3);
    EXPECT_EQ(a.tray.Text4, b.tray.Text4);
    EXPECT_EQ(a.tray.Text5, b.tray.Text5);
    EXPECT_EQ(a.tray.Text7, b.tray.Text7);
    EXPECT_EQ(a.tray.Text8, b.tray.Text8);
    EXPECT_EQ(a.upper, b.upper);
    EXPECT_EQ(a.riseMinor, b.riseMinor);
    EXPECT_EQ(a.lower, b.lower);
    EXPECT_EQ(a.setMinor, b.setMinor);
}

Shown periodsOf(AlmanacDay& day, const Observer& observer, DateSerial date) {
    day.observer = observer;
    day.AlmanacDate = date;
    day.majorminor();
    return {day.main,           day.tray,         day.UpperMajorText, day.RiseMinorText,
            day.LowerMajorText, day.SetMinorText, day.moonriseText,   day.moonsetText};
}

TEST(Majorminor, SvalbardAfterNewYorkShowsWhatAFreshContextShows) {
    // The day before the 24th has no moonrise; a moonrise kept from an earlier computation (23:51 in
    // New York on 21 June) must not place the previous night's passage.
    const Observer svalbardObserver = observerFromDegrees(78, 15, 0);
    for (AlmanacFlavour flavour : {Main, Tray}) {
        AlmanacDay fresh(flavour);
        const Shown expected = periodsOf(fresh, svalbardObserver, dateSerial(2000, 1, 24));
        const std::string& upper = flavour == Main ? expected.main.Text4 : expected.tray.Text4;
        EXPECT_EQ(upper, "     ");

        AlmanacDay used(flavour);
        periodsOf(used, observerFromDegrees(40.7, -74, -4), dateSerial(2000, 6, 21));
        ASSERT_EQ(used.rise, "   23 : 51");
        const Shown shown = periodsOf(used, svalbardObserver, dateSerial(2000, 1, 24));
        expectSame(shown, expected, flavourName(flavour));
    }
}

TEST(Majorminor, EveryDateAsAFreshContextShowsIt) {
    const std::vector<Observer> places = {observerFromDegrees(78, 15, 0), observerFromDegrees(51.5, 0, 0),
                                          observerFromDegrees(67, 0, 0),
                                          observerFromDegrees(-33.87, 151.2, 11)};
    std::vector<DateSerial> dates;
    for (DateSerial d = dateSerial(2000, 1, 1); d <= dateSerial(2000, 2, 20); d += 3) {
        dates.push_back(d);
    }
    for (AlmanacFlavour flavour : {Main, Tray}) {
        AlmanacDay used(flavour);
        // Back and forth over places and dates, each compared with a fresh context.
        for (std::size_t i = 0; i < dates.size() * places.size(); ++i) {
            const Observer& place = places[(i * 3) % places.size()];
            const DateSerial date = dates[(i * 7) % dates.size()];
            AlmanacDay fresh(flavour);
            const Shown expected = periodsOf(fresh, place, date);
            const Shown shown = periodsOf(used, place, date);
            expectSame(shown, expected, std::string(flavourName(flavour)) + " date " + std::to_string(date));
        }
    }
}

// --- calcmoontime and calcmoon ---

TEST(Calcmoontime, TheLastCallDecidesTheTable) {
    AlmanacDay day = contextAt(Main, 0, 0, 10);
    day.AlmanacDate = dateSerial(2000, 7, 1);
    day.calcmoontime();
    EXPECT_EQ(day.phases.year, 2000);
    EXPECT_EQ(calendarDate(*day.phases.NewMoonDate[0]), (CalendarDate{1999, 12, 8}));
    EXPECT_EQ(day.phases.NewMoonText[0], "08:33 AM");
    day.AlmanacDate = dateSerial(1999, 7, 1);
    day.calcmoontime();
    EXPECT_EQ(day.phases.year, 1999);
    const PhaseTable expected = computePhaseTable(1999, 10);
    EXPECT_EQ(day.phases.NewMoonDate, expected.NewMoonDate);
    EXPECT_EQ(day.phases.FullMoonDate, expected.FullMoonDate);
    EXPECT_EQ(day.phases.NewMoonText, expected.NewMoonText);
}

struct Rated {
    std::int16_t daysToNew, daysToFull, age, picture, rating;
    std::string text, colour;
};

Rated ratedOn(AlmanacDay& day, DateSerial date) {
    day.AlmanacDate = date;
    day.calcmoon();
    return {day.DaysToNewMoon, day.DaysToFullMoon, day.MoonAge,     day.MoonPictureId,
            day.DayRating,     day.RatingText,     day.RatingColour};
}

Rated ratedFromItsOwnTable(AlmanacFlavour flavour, const Observer& observer, DateSerial date) {
    AlmanacDay fresh(flavour);
    fresh.observer = observer;
    const CalendarDate c = calendarDate(date);
    fresh.AlmanacDate = dateSerial(tableYearFor(c), c.month, c.month == 2 && c.day == 29 ? 28 : c.day);
    fresh.calcmoontime();
    return ratedOn(fresh, date);
}

enum class Counts { Exact, OnlyEventDays };

void expectSameRating(const Rated& a, const Rated& b, DateSerial date, Counts counts = Counts::Exact) {
    if (counts == Counts::Exact) {
        EXPECT_EQ(a.daysToNew, b.daysToNew) << date;
        EXPECT_EQ(a.daysToFull, b.daysToFull) << date;
    } else {
        EXPECT_EQ(a.daysToNew == 0, b.daysToNew == 0) << date;
        EXPECT_EQ(a.daysToFull == 0, b.daysToFull == 0) << date;
    }
    EXPECT_EQ(a.age, b.age) << date;
    EXPECT_EQ(a.picture, b.picture) << date;
    EXPECT_EQ(a.rating, b.rating) << date;
    EXPECT_EQ(a.text, b.text) << date;
    EXPECT_EQ(a.colour, b.colour) << date;
}

TEST(Calcmoon, DatesBeyondTheTableAreRatedFromTheirOwnYearsTable) {
    const Observer observer = observerFromDegrees(0, 0, 0);
    for (AlmanacFlavour flavour : {Main, Tray}) {
        AlmanacDay day(flavour);
        day.observer = observer;
        day.AlmanacDate = dateSerial(2000, 12, 28);
        day.calcmoontime();
        const DateSerial lastFull = *day.phases.FullMoonDate[29];
        // Sixty days on from late December, and every date past the table's last full moon.
        const DateSerial sixtyDaysOn = dateSerial(2000, 12, 28) + 60;
        ASSERT_GT(sixtyDaysOn, lastFull);
        expectSameRating(ratedOn(day, sixtyDaysOn), ratedFromItsOwnTable(flavour, observer, sixtyDaysOn),
                         sixtyDaysOn);
        for (DateSerial d = lastFull - 3; d <= lastFull + 70; ++d) {
            expectSameRating(ratedOn(day, d), ratedFromItsOwnTable(flavour, observer, d), d);
        }
        // The context's table stays the one computed.
        EXPECT_EQ(day.phases.year, 2000);
        EXPECT_EQ(day.phases.FullMoonDate[29], lastFull);
    }
}

TEST(Calcmoon, JanuaryDateWithItsOwnYearsTableIsRatedFromThePreviousYear) {
    const Observer observer = observerFromDegrees(40.7, -74, -4);
    AlmanacDay day(Main);
    day.observer = observer;
    day.AlmanacDate = dateSerial(2001, 6, 1);
    day.calcmoontime();
    // The last week of January lies after the year's second new moon, so its own table places it too:
    // both tables give the same day, counted to different full moons.
    for (DateSerial d = dateSerial(2001, 1, 1); d <= dateSerial(2001, 1, 31); ++d) {
        expectSameRating(ratedOn(day, d), ratedFromItsOwnTable(Main, observer, d), d, Counts::OnlyEventDays);
    }
    EXPECT_EQ(day.phases.year, 2001);
}

TEST(Calcmoon, FirstDaysOf1901AreRatedLikeAnyOther) {
    // 1 to 24 January 1901 lie within 390 days of the table's unwritten slots' old zero date.
    const PhaseTable table1900 = computePhaseTable(1900, 0);
    AlmanacDay day = contextAt(Main, 0, 0, 0);
    int previousAge = -1;
    for (int dom = 1; dom <= 24; ++dom) {
        const DateSerial date = dateSerial(1901, 1, dom);
        refreshDay(day, date, 1, false);
        const auto place = testing::lunationPlace(table1900, date);
        ASSERT_TRUE(place.has_value());
        const auto expected =
            ratePhase(place->daysToNewMoon, place->daysToFullMoon, place->daysSinceNewMoon, true);
        ASSERT_TRUE(expected.has_value());
        EXPECT_EQ(day.MoonAge, place->daysSinceNewMoon) << dom;
        EXPECT_EQ(day.MoonAge, expected->moonAge) << dom;
        EXPECT_EQ(day.MoonPictureId, expected->moonPictureId) << dom;
        EXPECT_EQ(day.DayRating, expected->dayRating) << dom;
        EXPECT_EQ(day.RatingText, ratingGrade(day.DayRating)->text) << dom;
        if (previousAge >= 0) {
            EXPECT_TRUE(day.MoonAge == previousAge + 1 || day.MoonAge == 0) << dom;
        }
        previousAge = day.MoonAge;
    }
}

// 2000 in Greenwich: new moon 6 January at 06:12 PM, full moon 21 January at 04:40 AM.
TEST(Calcmoon, NewMoonDay) {
    AlmanacDay day = contextAt(Main, 0, 0, 0);
    refreshDay(day, dateSerial(2000, 1, 6), 1, false);
    EXPECT_EQ(day.DaysToNewMoon, 0);
    EXPECT_EQ(day.MoonAge, 0);
    EXPECT_EQ(day.MoonPictureId, 100);
    EXPECT_EQ(day.DayRating, 66);
    EXPECT_EQ(day.RatingText, "Good");
    EXPECT_EQ(day.RatingColour, "65280");
    EXPECT_EQ(day.main.Label14, (Caption{"New Moon", true}));
    EXPECT_EQ(day.main.Label18, (Caption{"06:12 PM", true}));
    EXPECT_EQ(day.RatingIconId, 0); // the main program has no fish icons
}

TEST(Calcmoon, FullMoonDayAndTheDayAfter) {
    AlmanacDay day = contextAt(Main, 0, 0, 0);
    refreshDay(day, dateSerial(2000, 1, 21), 1, false);
    EXPECT_EQ(day.DaysToFullMoon, 0);
    EXPECT_EQ(day.MoonPictureId, 106);
    EXPECT_EQ(day.RatingText, "Excellent");
    EXPECT_EQ(day.RatingColour, "12582912");
    EXPECT_EQ(day.main.Label14, (Caption{"Full Moon", true}));
    EXPECT_EQ(day.main.Label18, (Caption{"04:40 AM", true}));

    refreshDay(day, dateSerial(2000, 1, 22), 1, false);
    EXPECT_EQ(day.MoonPictureId, 106);
    EXPECT_EQ(day.RatingText, "Fair");
    EXPECT_FALSE(day.main.Label14.visible);
    EXPECT_FALSE(day.main.Label18.visible);
}

TEST(Calcmoon, CaptionsLeftAloneWithoutShowPhaseLabels) {
    AlmanacDay day = contextAt(Main, 0, 0, 0);
    day.AlmanacDate = dateSerial(1999, 6, 1);
    day.calcmoontime();
    day.main.Label14 = {"before", false};
    day.main.Label18 = {"before", true};
    day.ShowPhaseLabels = false;
    day.AlmanacDate = dateSerial(2000, 1, 6);
    day.calcmoon();
    EXPECT_EQ(day.main.Label14, (Caption{"before", false}));
    EXPECT_EQ(day.main.Label18, (Caption{"before", true}));
    EXPECT_EQ(day.DaysToNewMoon, 0);
    EXPECT_EQ(day.RatingText, "Good");
}

TEST(Calcmoon, JournalCaptionIsUsedOnce) {
    AlmanacDay day = contextAt(Main, 0, 0, 0);
    day.AlmanacDate = dateSerial(1999, 6, 1);
    day.calcmoontime();
    day.ShowPhaseLabels = true;
    day.main.Label14 = {"main", true};
    day.JournalPhaseLabel = true;
    day.AlmanacDate = dateSerial(2000, 1, 6);
    day.calcmoon();
    EXPECT_EQ(day.journal.Label14, (Caption{"New Moon 06:12 PM", true}));
    EXPECT_FALSE(day.JournalPhaseLabel);
    EXPECT_EQ(day.main.Label14, (Caption{"main", true}));

    // The next call writes the main window again.
    day.AlmanacDate = dateSerial(2000, 1, 21);
    day.calcmoon();
    EXPECT_EQ(day.main.Label14, (Caption{"Full Moon", true}));
    EXPECT_EQ(day.journal.Label14, (Caption{"New Moon 06:12 PM", true}));

    day.JournalPhaseLabel = true;
    day.calcmoon();
    EXPECT_EQ(day.journal.Label14, (Caption{"Full Moon 04:40 AM", true}));
    day.JournalPhaseLabel = true;
    day.AlmanacDate = dateSerial(2000, 1, 22);
    day.calcmoon();
    EXPECT_FALSE(day.journal.Label14.visible);
}

TEST(Calcmoon, TrayCaptionAndFishIcon) {
    AlmanacDay day = contextAt(Tray, 0, 0, 0);
    day.AlmanacDate = dateSerial(1999, 6, 1);
    day.calcmoontime();
    day.AlmanacDate = dateSerial(2000, 1, 6);
    day.calcmoon();
    EXPECT_EQ(day.tray.Label14, (Caption{"New Moon:  06:12 PM", true}));
    EXPECT_EQ(day.RatingIconId, 202);
    day.AlmanacDate = dateSerial(2000, 1, 21);
    day.calcmoon();
    EXPECT_EQ(day.tray.Label14, (Caption{"Full Moon:  04:40 AM", true}));
    EXPECT_EQ(day.RatingIconId, 201);

    // Looking ahead leaves the caption alone.
    day.lookAhead = true;
    day.AlmanacDate = dateSerial(2000, 1, 22);
    day.calcmoon();
    EXPECT_EQ(day.tray.Label14, (Caption{"Full Moon:  04:40 AM", true}));
    EXPECT_EQ(day.RatingText, "Fair");
    EXPECT_EQ(day.RatingIconId, 203);
    day.lookAhead = false;
    day.calcmoon();
    EXPECT_FALSE(day.tray.Label14.visible);
}

TEST(Calcmoon, TrayFishIconFollowsEveryGrade) {
    AlmanacDay day = contextAt(Tray, 0, 0, 0);
    day.AlmanacDate = dateSerial(2000, 6, 1);
    day.calcmoontime();
    day.lookAhead = true;
    int seen = 0;
    for (DateSerial d = dateSerial(2000, 2, 1); d <= dateSerial(2000, 12, 31); ++d) {
        day.AlmanacDate = d;
        day.calcmoon();
        const auto grade = ratingGrade(day.DayRating);
        ASSERT_TRUE(grade.has_value());
        EXPECT_EQ(day.RatingIconId, grade->fishIconId) << d;
        seen |= 1 << (grade->fishIconId - 201);
    }
    EXPECT_EQ(seen, 0xF);
}

TEST(Calcmoon, SouthernPicturesAreMirrored) {
    AlmanacDay north = contextAt(Main, -33.87, 151.2, 11);
    AlmanacDay south = contextAt(Main, -33.87, 151.2, 11);
    south.moonorth = false;
    north.AlmanacDate = south.AlmanacDate = dateSerial(2000, 6, 1);
    north.calcmoontime();
    south.calcmoontime();
    for (DateSerial d = dateSerial(2000, 3, 1); d <= dateSerial(2000, 4, 30); ++d) {
        north.AlmanacDate = south.AlmanacDate = d;
        north.calcmoon();
        south.calcmoon();
        EXPECT_EQ(south.MoonPictureId, mirroredPicture(north.MoonPictureId)) << d;
        EXPECT_EQ(south.DayRating, north.DayRating) << d;
        EXPECT_EQ(south.MoonAge, north.MoonAge) << d;
    }
}

// --- lundist ---

TEST(Lundist, CaptionAndGauge) {
    AlmanacDay day = contextAt(Main, 0, 0, 0);
    day.AlmanacDate = dateSerial(2000, 1, 1);
    day.lundist();
    EXPECT_EQ(day.main.Label13, "402684");
    EXPECT_NEAR(day.lunarDistanceEarthRadii, 63.135, 0.0005);
    EXPECT_DOUBLE_EQ(day.main.Image2Left, 100 * (day.lunarDistanceEarthRadii - 39));
    EXPECT_DOUBLE_EQ(day.main.Line1X2, day.main.Image2Left - 15);

    // Elsewhere, in another zone, with a scaled gauge: the same distance.
    AlmanacDay other = contextAt(Main, -33.87, 151.2, 11);
    other.gaugeScale = 1.5;
    other.AlmanacDate = dateSerial(2000, 1, 1);
    other.lundist();
    EXPECT_EQ(other.main.Label13, "402684");
    EXPECT_DOUBLE_EQ(other.main.Image2Left, 1.5 * day.main.Image2Left);
    EXPECT_DOUBLE_EQ(other.main.Line1X2, other.main.Image2Left - 15);
}

// --- startFresh ---

TEST(StartFresh, BackToANewContext) {
    AlmanacDay day = london();
    refreshDay(day, dateSerial(2000, 1, 14), 5, false);
    day.startFresh();
    EXPECT_EQ(day.AlmanacDate, 0);
    EXPECT_EQ(day.rise, "");
    EXPECT_EQ(day.seti, "");
    EXPECT_EQ(day.main.Text21, "");
    EXPECT_EQ(day.phases.year, 0);
    EXPECT_EQ(day.DayRating, 0);
    EXPECT_EQ(day.flavour(), Main);
    EXPECT_EQ(day.observer, Observer{});
}

} // namespace
} // namespace biteclock
