// The major and minor fishing periods from three days of moonrise and moonset readings.
#include "fishing_periods.h"

#include <gtest/gtest.h>
#include <string>

namespace biteclock {
namespace {

const DateSerial kDay = dateSerial(2000, 6, 15);
const std::string kBlank = "     ";

std::string raw(int hour, int minute) {
    return rawEventText({hour, minute});
}

// The texts the window shows: a blank period is five blanks.
struct PeriodTexts {
    std::string upperMajor;
    std::string riseMinor;
    std::string lowerMajor;
    std::string setMinor;
};

PeriodTexts textsOf(const FishingPeriods& p) {
    auto text = [](const std::optional<DateTimeSeconds>& t) { return t ? periodClockText(*t) : kBlank; };
    return {text(p.upperMajor), text(p.riseMinor), text(p.lowerMajor), text(p.setMinor)};
}

struct PeriodCase {
    const char* what;
    std::array<MoonDayReading, 3> days; // the day before, the day, the day after
    PeriodTexts expected;
};

void PrintTo(const PeriodCase& c, std::ostream* os) {
    *os << c.what;
}

class FishingPeriodRules : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(FishingPeriodRules, Texts) {
    const PeriodCase& c = GetParam();
    const auto p = computeFishingPeriods(kDay, c.days);
    ASSERT_TRUE(p.has_value());
    const PeriodTexts t = textsOf(*p);
    EXPECT_EQ(t.upperMajor, c.expected.upperMajor);
    EXPECT_EQ(t.riseMinor, c.expected.riseMinor);
    EXPECT_EQ(t.lowerMajor, c.expected.lowerMajor);
    EXPECT_EQ(t.setMinor, c.expected.setMinor);
}

MoonDayReading reading(std::string rise, std::string seti, bool noRise = false, bool noSet = false) {
    return {std::move(rise), std::move(seti), noRise, noSet, false};
}

// The worked examples of the period rules (times are zone times of the three days).
INSTANTIATE_TEST_SUITE_P(
    Examples, FishingPeriodRules,
    ::testing::Values(
        // Rise 06:00, set 18:00, next rise 06:50: upper 12:00 - 1 h, minors an hour before each
        // event, lower midway from 18:00 to 06:50 (00:25) less an hour.
        PeriodCase{"rise 06:00 set 18:00, next rise 06:50",
                   {reading(raw(5, 10), raw(17, 0)), reading(raw(6, 0), raw(18, 0)),
                    reading(raw(6, 50), raw(19, 0))},
                   {"11:00 AM", "05:00 AM", "11:25 PM", "05:00 PM"}},
        // An odd number of minutes: the midpoint 12:00:30 shows its lower minute.
        PeriodCase{"rise 06:00 set 18:01",
                   {reading(raw(5, 10), raw(17, 0)), reading(raw(6, 0), raw(18, 1)),
                    reading(raw(6, 50), raw(19, 0))},
                   {"11:00 AM", "05:00 AM", "11:25 PM", "05:01 PM"}},
        // Rise 21:00 and set 09:50 tomorrow pass at 02:25 tomorrow, so the previous night's pair
        // (20:10 yesterday, 09:00 today) gives the upper major.
        PeriodCase{"previous night's passage",
                   {reading(raw(20, 10), raw(8, 10)), reading(raw(21, 0), raw(9, 0)),
                    reading(raw(21, 50), raw(9, 50))},
                   {"01:35 AM", "08:00 PM", "02:00 PM", "08:00 AM"}},
        // The previous night's passage falls yesterday too: the upper major is blank.
        PeriodCase{"previous night's passage also off the day",
                   {reading(raw(18, 0), raw(0, 30)), reading(raw(22, 0), raw(1, 0)),
                    reading(raw(23, 0), raw(15, 0))},
                   {kBlank, "09:00 PM", "10:30 AM", "12:00 AM"}},
        // Moonrise at 00:20: its minor at 23:20 yesterday is blank.
        PeriodCase{"moonrise 00:20",
                   {reading(raw(23, 40), raw(11, 0)), reading(raw(0, 20), raw(12, 0)),
                    reading(raw(1, 10), raw(13, 0))},
                   {"05:10 AM", kBlank, "05:35 PM", "11:00 AM"}},
        // ... unless tomorrow's moonrise is before 01:00: its minor begins tonight.
        PeriodCase{"moonrise 00:20, tomorrow's at 00:50",
                   {reading(raw(23, 40), raw(11, 0)), reading(raw(0, 20), raw(12, 0)),
                    reading(raw(0, 50), raw(13, 0))},
                   {"05:10 AM", "11:50 PM", "05:25 PM", "11:00 AM"}},
        // No moonrise today (23:40 was yesterday's), tomorrow's at 00:30: rise minor 11:30 PM.
        PeriodCase{"no moonrise, tomorrow's at 00:30",
                   {reading(raw(23, 40), raw(11, 0)), reading(raw(23, 40), raw(12, 0), true),
                    reading(raw(0, 30), raw(13, 0))},
                   {"04:50 AM", "11:30 PM", "05:15 PM", "11:00 AM"}},
        // No moonset today (23:42 was yesterday's), tomorrow's at 00:57: the set minor and the
        // upper major use tomorrow's moonset.
        PeriodCase{"no moonset, tomorrow's at 00:57",
                   {reading(raw(11, 16), raw(23, 42)), reading(raw(11, 39), raw(23, 42), false, true),
                    reading(raw(12, 3), raw(0, 57))},
                   {"05:18 PM", "10:39 AM", "04:40 AM", "11:57 PM"}}));

TEST(FishingPeriods, StaysUpOrDownAllDayGivesNone) {
    std::array<MoonDayReading, 3> days{reading(raw(4, 33), raw(8, 59)), reading("", ""),
                                       reading(raw(12, 17), raw(17, 49))};
    days[1].allDay = true;
    EXPECT_FALSE(computeFishingPeriods(kDay, days).has_value());
}

TEST(FishingPeriods, MoonriseAndMoonsetOfTheDay) {
    const std::array<MoonDayReading, 3> days{reading(raw(20, 10), raw(8, 10)),
                                             reading(raw(20, 10), raw(9, 0), true, false),
                                             reading(raw(0, 30), raw(9, 50))};
    const auto p = computeFishingPeriods(kDay, days);
    ASSERT_TRUE(p.has_value());
    EXPECT_TRUE(p->noRise);
    EXPECT_FALSE(p->noSet);
    EXPECT_EQ(p->moonSet, static_cast<DateTimeSeconds>(kDay) * kSecondsPerDay + 9 * 3600);
    // The rise kept from yesterday is placed on the day.
    EXPECT_EQ(p->moonRise, static_cast<DateTimeSeconds>(kDay) * kSecondsPerDay + (20 * 60 + 10) * 60);
}

TEST(FishingPeriods, EmptyReadingsCountAsMidnight) {
    const std::array<MoonDayReading, 3> days{reading("", ""), reading(raw(6, 0), ""), reading("", "")};
    const auto p = computeFishingPeriods(kDay, days);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->moonSet, static_cast<DateTimeSeconds>(kDay) * kSecondsPerDay);
}

TEST(RawEventText, ThreeBlanksNoLeadingZeros) {
    EXPECT_EQ(rawEventText({9, 5}), "   9 : 5");
    EXPECT_EQ(rawEventText({0, 0}), "   0 : 0");
    EXPECT_EQ(rawEventText({23, 59}), "   23 : 59");
}

TEST(RawTimeOfDay, ReadsTheRawForm) {
    EXPECT_EQ(rawTimeOfDay("   9 : 5"), (9 * 60 + 5) * 60);
    EXPECT_EQ(rawTimeOfDay("   23 : 59"), (23 * 60 + 59) * 60);
    EXPECT_EQ(rawTimeOfDay(""), 0);
    EXPECT_EQ(rawTimeOfDay("   0 : 0"), 0);
    for (int h = 0; h < 24; ++h) {
        for (int m = 0; m < 60; m += 7) {
            ASSERT_EQ(rawTimeOfDay(rawEventText({h, m})), (h * 60 + m) * 60);
        }
    }
}

TEST(PeriodClockText, DropsTheSeconds) {
    const DateTimeSeconds day = static_cast<DateTimeSeconds>(kDay) * kSecondsPerDay;
    EXPECT_EQ(periodClockText(day + 11 * 3600 + 30), "11:00 AM");
    EXPECT_EQ(periodClockText(day + 23 * 3600 + 59 * 60 + 59), "11:59 PM");
    EXPECT_EQ(periodClockText(day), "12:00 AM");
    EXPECT_EQ(periodClockText(day - 60), "11:59 PM"); // the time of day of the previous evening
    EXPECT_EQ(periodClockText(day + 12 * 3600, ClockDesignators{"am", "pm"}), "12:00 pm");
}

} // namespace
} // namespace biteclock
