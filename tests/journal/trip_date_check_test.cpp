#include "trip_date_check.h"

#include <gtest/gtest.h>

using Icon = JournalNotice::Icon;
using Box = TripDateCheck::Box;

namespace {

const JournalNotice kTwoDigitNote{
    QStringLiteral("Biteclock"),
    QStringLiteral(
        "Two digit year format is acceptable, but to avoid any possible errors, we suggest you use "
        "the four digit format. The four digit format will now be implemented to your date. The "
        "century used will be that of your current computer date."),
    Icon::Information};
const JournalNotice kInvalidDate{
    QStringLiteral("INVALID DATE"),
    QStringLiteral("The date you have selected is not a valid date. For example, if you enter 30/2/1999 or "
                   "2/30/1999 this error will occur as Febuary does not have 30 days."),
    Icon::Critical};

TripDateCheck check(const char* day, const char* month, const char* year, int currentYear = 2026) {
    return checkTripDate({QString::fromUtf8(day), QString::fromUtf8(month), QString::fromUtf8(year)},
                         currentYear);
}

} // namespace

// --- Empty boxes: the first one stops the check ---

TEST(TripDateCheckEmpty, NoDay) {
    const auto c = check("", "", "");
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_EQ(c.notices[0],
              (JournalNotice{QStringLiteral("No Day Specified"),
                             QStringLiteral("No value was entered for the Day. Please re-enter the day."),
                             Icon::Exclamation}));
    EXPECT_EQ(c.focus, Box::Day);
    EXPECT_EQ(c.date, std::nullopt);
}

TEST(TripDateCheckEmpty, NoMonth) {
    const auto c = check("5", " ", "");
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_EQ(c.notices[0],
              (JournalNotice{QStringLiteral("No Month Specified"),
                             QStringLiteral("No value was entered for the Month. Please re-enter the month."),
                             Icon::Exclamation}));
    EXPECT_EQ(c.focus, Box::Month);
}

TEST(TripDateCheckEmpty, NoYear) {
    const auto c = check("5", "6", "");
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_EQ(c.notices[0],
              (JournalNotice{QStringLiteral("No Year Specified"),
                             QStringLiteral("No value was entered for the Year. Please re-enter the year."),
                             Icon::Exclamation}));
    EXPECT_EQ(c.focus, Box::Year);
}

// --- Years ---

TEST(TripDateCheckYear, TwoDigitYearTakesTheCurrentCentury) {
    const auto c = check("12", "3", "99", 2026);
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_EQ(c.notices[0], kTwoDigitNote);
    EXPECT_EQ(c.fields.year, QStringLiteral("2099"));
    EXPECT_EQ(c.date, std::optional<biteclock::DateSerial>(biteclock::dateSerial(2099, 3, 12)));
}

TEST(TripDateCheckYear, TwoDigitYearWithLeadingZero) {
    EXPECT_EQ(check("1", "1", "05", 2031).fields.year, QStringLiteral("2005"));
}

TEST(TripDateCheckYear, EarlyYearBecomes1901WithoutMessage) {
    const auto c = check("12", "3", "1850");
    EXPECT_TRUE(c.notices.isEmpty());
    EXPECT_EQ(c.fields.year, QStringLiteral("1901"));
    EXPECT_EQ(c.date, std::optional<biteclock::DateSerial>(biteclock::dateSerial(1901, 3, 12)));
}

TEST(TripDateCheckYear, LateYearBecomes2200) {
    EXPECT_EQ(check("12", "3", "2201").fields.year, QStringLiteral("2200"));
    EXPECT_EQ(check("12", "3", "99999999999999").fields.year, QStringLiteral("2200"));
}

TEST(TripDateCheckYear, SignIsDropped) {
    const auto c = check("-12", "-3", "-1999");
    EXPECT_TRUE(c.notices.isEmpty());
    EXPECT_EQ(c.date, std::optional<biteclock::DateSerial>(biteclock::dateSerial(1999, 3, 12)));
}

TEST(TripDateCheckYear, YearThatIsNoNumberIsNoDate) {
    const auto c = check("12", "3", "next");
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_EQ(c.notices[0], kInvalidDate);
}

// --- Day and month ---

TEST(TripDateCheckRange, DayAndMonthBothOut) {
    const auto c = check("32", "13", "1999");
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_EQ(c.notices[0], (JournalNotice{QStringLiteral("INVALID DAY & MONTH"),
                                           QStringLiteral("Invalid date. Please re-enter the Day and Month."),
                                           Icon::Critical}));
    EXPECT_EQ(c.fields, (TripDateFields{QString(), QString(), QStringLiteral("1999")}));
    EXPECT_EQ(c.focus, Box::Day);
}

TEST(TripDateCheckRange, DayOut) {
    const auto c = check("0", "12", "1999");
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_EQ(c.notices[0],
              (JournalNotice{QStringLiteral("INVALID DAY"),
                             QStringLiteral("Invalid date. Please re-enter the Day."), Icon::Critical}));
    EXPECT_EQ(c.fields, (TripDateFields{QString(), QStringLiteral("12"), QStringLiteral("1999")}));
}

TEST(TripDateCheckRange, MonthOut) {
    const auto c = check("5", "13", "1999");
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_EQ(c.notices[0],
              (JournalNotice{QStringLiteral("INVALID MONTH"),
                             QStringLiteral("Invalid date. Please re-enter the Month."), Icon::Critical}));
    EXPECT_EQ(c.fields, (TripDateFields{QStringLiteral("5"), QString(), QStringLiteral("1999")}));
    EXPECT_EQ(c.focus, Box::Month);
}

TEST(TripDateCheckRange, TextIsOutOfRange) {
    EXPECT_EQ(check("abc", "3", "1999").notices[0].title, QStringLiteral("INVALID DAY"));
    EXPECT_EQ(check("1.5", "3", "1999").notices[0].title, QStringLiteral("INVALID DAY"));
}

TEST(TripDateCheckRange, TwoDigitNoteComesBeforeTheRangeMessage) {
    const auto c = check("32", "13", "99");
    ASSERT_EQ(c.notices.size(), 2);
    EXPECT_EQ(c.notices[0], kTwoDigitNote);
    EXPECT_EQ(c.notices[1].title, QStringLiteral("INVALID DAY & MONTH"));
}

TEST(TripDateCheckRange, DayTheMonthDoesNotHave) {
    const auto c = check("30", "2", "1999");
    ASSERT_EQ(c.notices.size(), 1);
    EXPECT_EQ(c.notices[0], kInvalidDate);
    EXPECT_EQ(c.fields, (TripDateFields{QStringLiteral("30"), QStringLiteral("2"), QStringLiteral("1999")}));
    EXPECT_EQ(c.date, std::nullopt);
}

TEST(TripDateCheckRange, LeapDay) {
    EXPECT_TRUE(check("29", "2", "2000").notices.isEmpty());
    EXPECT_EQ(check("29", "2", "1900").notices[0], kInvalidDate) << "1900 becomes 1901, not a leap year";
}

// --- Dates read from a file ---

TEST(StoredTripDate, ReadsQuietly) {
    EXPECT_EQ(storedTripDate({QStringLiteral("12"), QStringLiteral("3"), QStringLiteral("1999")}),
              std::optional<biteclock::DateSerial>(biteclock::dateSerial(1999, 3, 12)));
    EXPECT_EQ(storedTripDate({QStringLiteral("30"), QStringLiteral("2"), QStringLiteral("1999")}),
              std::nullopt);
    EXPECT_EQ(storedTripDate({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1850")}),
              std::nullopt);
    EXPECT_EQ(storedTripDate({QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("2000")}),
              std::nullopt);
}
