// Trip times read as spans of the day: the forms people write, and the texts that are not spans.
#include "trip_time_span.h"

#include <gtest/gtest.h>

namespace {

struct SpanCase {
    const char* text;
    int start; ///< minutes after midnight
    int end;
};

class TripTimeSpanReads : public ::testing::TestWithParam<SpanCase> {};
class TripTimeSpanRefuses : public ::testing::TestWithParam<const char*> {};

constexpr int h(int hours, int minutes = 0) {
    return hours * 60 + minutes;
}

} // namespace

TEST_P(TripTimeSpanReads, AsTheClockTimesItNames) {
    const SpanCase c = GetParam();
    const auto span = tripTimeSpan(c.text);
    ASSERT_TRUE(span.has_value()) << c.text;
    EXPECT_EQ(span->startMinutes, c.start) << c.text;
    EXPECT_EQ(span->endMinutes, c.end) << c.text;
}

// Rows: the 24-hour clock with and without leading zeros, points, compact digits, every designator
// spelling, a designator on one side only (either way round, with the switch at noon), noon and
// midnight, dashes and words, spans past midnight, and blanks everywhere.
INSTANTIATE_TEST_SUITE_P(
    Forms, TripTimeSpanReads,
    ::testing::Values(SpanCase{"06:00-10:00", h(6), h(10)}, SpanCase{"6:00-10:00", h(6), h(10)},
                      SpanCase{"06.30-09.45", h(6, 30), h(9, 45)}, SpanCase{"0630-1015", h(6, 30), h(10, 15)},
                      SpanCase{"630-1015", h(6, 30), h(10, 15)}, SpanCase{"13:00-17:30", h(13), h(17, 30)},
                      SpanCase{"6am-10am", h(6), h(10)}, SpanCase{"6 AM - 10 AM", h(6), h(10)},
                      SpanCase{"6:30 AM - 9 PM", h(6, 30), h(21)},
                      SpanCase{"6:30am-9:15pm", h(6, 30), h(21, 15)},
                      SpanCase{"6 a.m. to 9 p.m.", h(6), h(21)}, SpanCase{"6a-10p", h(6), h(22)},
                      SpanCase{"12am-2am", h(0), h(2)}, SpanCase{"11am-12pm", h(11), h(12)},
                      SpanCase{"12pm-3pm", h(12), h(15)}, SpanCase{"6-10am", h(6), h(10)},
                      SpanCase{"10-2pm", h(10), h(14)}, SpanCase{"11-12pm", h(11), h(12)},
                      SpanCase{"8-11pm", h(20), h(23)}, SpanCase{"11am-2", h(11), h(14)},
                      SpanCase{"6am-10", h(6), h(10)}, SpanCase{"9pm-2", h(21), h(26)},
                      SpanCase{"5-17:00", h(5), h(17)}, SpanCase{"noon-4pm", h(12), h(16)},
                      SpanCase{"8pm - midnight", h(20), h(24)}, SpanCase{"midnight-3am", h(0), h(3)},
                      SpanCase{"22:00-02:00", h(22), h(26)}, SpanCase{"2130-0100", h(21, 30), h(25)},
                      SpanCase{"11pm-1am", h(23), h(25)}, SpanCase{"18:00-24:00", h(18), h(24)},
                      SpanCase{"6:00 to 10:00", h(6), h(10)}, SpanCase{"6am until 10am", h(6), h(10)},
                      SpanCase{"6am till 10am", h(6), h(10)}, SpanCase{"6am Til 10am", h(6), h(10)},
                      SpanCase{"6:00\xE2\x80\x93"
                               "10:00",
                               h(6), h(10)},
                      SpanCase{"6:00 \xE2\x80\x94 10:00", h(6), h(10)},
                      SpanCase{"  06:00 -10:00  ", h(6), h(10)}, SpanCase{"\t6AM-10PM\t", h(6), h(22)}));

TEST_P(TripTimeSpanRefuses, AsNotASpan) {
    EXPECT_FALSE(tripTimeSpan(GetParam()).has_value()) << GetParam();
}

// Rows: lengths rather than clock times, single times, text around the span, impossible clock
// values, a span of no length, a designator on an hour of the 24-hour clock, and empty text.
INSTANTIATE_TEST_SUITE_P(Texts, TripTimeSpanRefuses,
                         ::testing::Values("", "   ", "4 hours", "3-4", "3 - 4", "2.5", "06:00", "6am",
                                           "morning", "6am-10am, then rain", "from 6am-10am", "06:00-",
                                           "-10:00", "25:00-26:00", "06:60-07:00", "13pm-2pm", "0am-2am",
                                           "24:30-01:00", "24:00-02:00", "06:00-06:00", "6am-6am",
                                           "midnight-midnight", "06:00/10:00", "06:00--10:00", "12345-1300",
                                           "6amx-10am", "6:5-7:00", "06:000-07:00"));

// "midnight" as the end is the end of the day, never a span of no length.
TEST(TripTimeSpan, MidnightEndsTheDay) {
    const auto span = tripTimeSpan("midnight-midnight");
    EXPECT_FALSE(span.has_value());
    const auto evening = tripTimeSpan("6pm-midnight");
    ASSERT_TRUE(evening.has_value());
    EXPECT_EQ(evening->endMinutes, 24 * 60);
}
