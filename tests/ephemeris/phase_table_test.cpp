// The table of new and full moons.
#include "phase_table.h"

#include <cmath>
#include <gtest/gtest.h>

namespace biteclock {
namespace {

struct SlotCase {
    double zoneOffsetHours;
    int slot;
    CalendarDate date;
    const char* text;
};

void PrintTo(const SlotCase& c, std::ostream* os) {
    *os << "slot " << c.slot << " at " << c.zoneOffsetHours << " h";
}

class PhaseTable2000 : public ::testing::TestWithParam<SlotCase> {};

TEST_P(PhaseTable2000, Slot) {
    const SlotCase& c = GetParam();
    const PhaseTable table = computePhaseTable(2000, c.zoneOffsetHours);
    const auto i = static_cast<std::size_t>(c.slot);
    const auto& dates = c.slot % 2 == 0 ? table.NewMoonDate : table.FullMoonDate;
    const auto& texts = c.slot % 2 == 0 ? table.NewMoonText : table.FullMoonText;
    ASSERT_TRUE(dates[i].has_value());
    EXPECT_EQ(calendarDate(*dates[i]), c.date);
    EXPECT_EQ(texts[i], c.text);
}

// The almanac's published table for 2000 (lunation k = 1236): new moon 7 December 1999 at
// 10:33 PM UT; ten hours east the same moon is on 8 December at 08:33 AM.
INSTANTIATE_TEST_SUITE_P(
    Published, PhaseTable2000,
    ::testing::Values(SlotCase{0, 0, {1999, 12, 7}, "10:33 PM"}, SlotCase{0, 1, {1999, 12, 22}, "05:31 PM"},
                      SlotCase{0, 2, {2000, 1, 6}, "06:12 PM"}, SlotCase{0, 3, {2000, 1, 21}, "04:40 AM"},
                      SlotCase{10, 0, {1999, 12, 8}, "08:33 AM"}, SlotCase{10, 1, {1999, 12, 23}, "03:31 AM"},
                      SlotCase{10, 2, {2000, 1, 7}, "04:12 AM"}, SlotCase{10, 3, {2000, 1, 21}, "02:40 PM"}));

TEST(PhaseTable, UnwrittenSlotsHoldNoDateAndNoText) {
    const PhaseTable table = computePhaseTable(2000, 0);
    EXPECT_EQ(table.year, 2000);
    for (int slot = 0; slot < PhaseTable::kSlots; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        if (slot % 2 == 0) {
            EXPECT_TRUE(table.NewMoonDate[i].has_value()) << slot;
            EXPECT_FALSE(table.FullMoonDate[i].has_value()) << slot;
            EXPECT_EQ(table.FullMoonText[i], "") << slot;
        } else {
            EXPECT_FALSE(table.NewMoonDate[i].has_value()) << slot;
            EXPECT_TRUE(table.FullMoonDate[i].has_value()) << slot;
            EXPECT_EQ(table.NewMoonText[i], "") << slot;
        }
    }
}

TEST(PhaseTable, EveryYearStartsNearTheFirstOfJanuaryAndAlternatesEvenly) {
    for (int year = kFirstYear - 1; year <= kLastYear; ++year) {
        const PhaseTable table = computePhaseTable(year, 0);
        const DateSerial newYear = dateSerial(year, 1, 1);
        ASSERT_TRUE(table.NewMoonDate[0].has_value());
        const int offset = *table.NewMoonDate[0] - newYear;
        EXPECT_GE(offset, -29) << year;
        EXPECT_LE(offset, 1) << year;
        // Successive phases lie 13 to 16 days apart.
        DateSerial previous = *table.NewMoonDate[0];
        for (int slot = 1; slot < PhaseTable::kSlots; ++slot) {
            const auto i = static_cast<std::size_t>(slot);
            const DateSerial date = slot % 2 == 0 ? *table.NewMoonDate[i] : *table.FullMoonDate[i];
            EXPECT_GE(date - previous, 13) << year << " slot " << slot;
            EXPECT_LE(date - previous, 16) << year << " slot " << slot;
            previous = date;
        }
    }
}

TEST(PhaseTable, SlotsAgreeWithPhaseEvent) {
    for (double zone : {0.0, 9.5, -5.0}) {
        const PhaseTable table = computePhaseTable(2137, zone);
        for (int slot = 0; slot < PhaseTable::kSlots; ++slot) {
            const PhaseEvent e = phaseEvent(2137, slot, zone);
            const auto i = static_cast<std::size_t>(slot);
            const auto& date = slot % 2 == 0 ? table.NewMoonDate[i] : table.FullMoonDate[i];
            const auto& text = slot % 2 == 0 ? table.NewMoonText[i] : table.FullMoonText[i];
            EXPECT_EQ(date, e.date) << slot;
            EXPECT_EQ(text, eventClockText(e.time)) << slot;
        }
    }
}

int minutesOf(const PhaseEvent& e) {
    return e.date * 1440 + e.time.hour * 60 + e.time.minute;
}

// A zone's table is the Universal Time table moved by the offset, hour and minute together, with
// the date rolled over at either midnight.
class PhaseZoneShift : public ::testing::TestWithParam<double> {};

TEST_P(PhaseZoneShift, EveryEventMovesByTheOffset) {
    const double zone = GetParam();
    const int shift = static_cast<int>(std::lround(zone * 60));
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int slot = 0; slot < PhaseTable::kSlots; ++slot) {
            const PhaseEvent ut = phaseEvent(year, slot, 0);
            const PhaseEvent local = phaseEvent(year, slot, zone);
            ASSERT_GE(local.time.hour, 0);
            ASSERT_LE(local.time.hour, 23);
            ASSERT_EQ(minutesOf(local), minutesOf(ut) + shift) << year << " slot " << slot;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Offsets, PhaseZoneShift, ::testing::Values(10.0, -5.0, 9.5, 5.75, -12.0, 13.0));

TEST(PhaseRollOver, TextsOfTheExamples) {
    // The first event of the range at each example's Universal Time, and the text its zone shows.
    struct Example {
        double zone;
        ClockTime ut;
        const char* text;
        int dayChange;
    };
    const Example examples[] = {{10, {23, 45}, "09:45 AM", 1},
                                {-5, {2, 15}, "09:15 PM", -1},
                                {9.5, {14, 15}, "11:45 PM", 0},
                                {5.75, {20, 45}, "02:30 AM", 1}};
    for (const Example& ex : examples) {
        bool found = false;
        for (int year = kFirstYear; year <= kLastYear && !found; ++year) {
            for (int slot = 0; slot < PhaseTable::kSlots && !found; ++slot) {
                const PhaseEvent ut = phaseEvent(year, slot, 0);
                if (!(ut.time == ex.ut)) {
                    continue;
                }
                found = true;
                const PhaseTable table = computePhaseTable(year, ex.zone);
                const auto i = static_cast<std::size_t>(slot);
                const auto& dates = slot % 2 == 0 ? table.NewMoonDate : table.FullMoonDate;
                const auto& texts = slot % 2 == 0 ? table.NewMoonText : table.FullMoonText;
                EXPECT_EQ(texts[i], ex.text) << year << " slot " << slot;
                EXPECT_EQ(dates[i], ut.date + ex.dayChange) << year << " slot " << slot;
            }
        }
        EXPECT_TRUE(found) << ex.text;
    }
}

TEST(PhaseTable, TableYearForUsesThePreviousYearInJanuary) {
    EXPECT_EQ(tableYearFor({2000, 1, 31}), 1999);
    EXPECT_EQ(tableYearFor({2000, 2, 1}), 2000);
    EXPECT_EQ(tableYearFor({1901, 1, 1}), 1900);
    EXPECT_EQ(tableYearFor({2200, 12, 31}), 2200);
}

} // namespace
} // namespace biteclock
