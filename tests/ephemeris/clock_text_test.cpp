// The 12-hour clock text.
#include "clock_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace biteclock {
namespace {

struct ClockCase {
    int hour;
    int minute;
    const char* text;
};

void PrintTo(const ClockCase& c, std::ostream* os) {
    *os << c.hour << ":" << c.minute;
}

class EventClockText : public ::testing::TestWithParam<ClockCase> {};

TEST_P(EventClockText, TwelveHourForm) {
    const ClockCase& c = GetParam();
    EXPECT_EQ(eventClockText(c.hour, c.minute), c.text);
}

INSTANTIATE_TEST_SUITE_P(Reference, EventClockText,
                         ::testing::Values(ClockCase{0, 0, "12:00 AM"}, ClockCase{0, 59, "12:59 AM"},
                                           ClockCase{1, 5, "01:05 AM"}, ClockCase{11, 59, "11:59 AM"},
                                           ClockCase{12, 0, "12:00 PM"}, ClockCase{12, 30, "12:30 PM"},
                                           ClockCase{13, 0, "01:00 PM"}, ClockCase{17, 5, "05:05 PM"},
                                           ClockCase{23, 59, "11:59 PM"}));

TEST_P(EventClockText, ReadsBackToItsTime) {
    const ClockCase& c = GetParam();
    EXPECT_EQ(readEventClockText(c.text), (ClockTime{c.hour, c.minute}));
}

TEST(EventClockText, OnlyItsOwnFormReadsAsATime) {
    for (const char* text : {"     ", "Can't Calc", "", "13:00 PM", "00:10 AM", "12:60 AM", "1:05 AM",
                             "01:05 XM", "01-05 AM", "01:05AM"}) {
        EXPECT_EQ(readEventClockText(text), std::nullopt) << text;
    }
    const ClockDesignators designators{"vorm.", "nachm."};
    EXPECT_EQ(readEventClockText("09:07 nachm.", designators), (ClockTime{21, 7}));
    EXPECT_EQ(readEventClockText("09:07 PM", designators), std::nullopt);
}

TEST(EventClockText, UsesTheGivenDesignators) {
    const ClockDesignators designators{"vorm.", "nachm."};
    EXPECT_EQ(eventClockText(9, 7, designators), "09:07 vorm.");
    EXPECT_EQ(eventClockText(ClockTime{21, 7}, designators), "09:07 nachm.");
}

} // namespace
} // namespace biteclock
