// The numbers and grades the trips list sorts free text by.
#include "trip_sort_keys.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string_view>

namespace {

struct NumberCase {
    std::string_view text;
    std::optional<double> expected;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class LeadingNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumberTest, ReadsTheNumberATextBeginsWith) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(leadingNumber(c.text), c.expected) << c.text;
}

// Temperatures and quantities as anglers type them.
INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         ::testing::Values(NumberCase{"18", 18.0}, NumberCase{"  18C", 18.0},
                                           NumberCase{"-2.5 C", -2.5}, NumberCase{"12,5°", 12.5},
                                           NumberCase{"64F water", 64.0}, NumberCase{"0", 0.0},
                                           NumberCase{"about 5", std::nullopt}, NumberCase{"", std::nullopt},
                                           NumberCase{"-", std::nullopt}, NumberCase{".5", 0.5},
                                           NumberCase{"7.", 7.0}));

struct LengthCase {
    std::string_view text;
    std::optional<double> minutes;
    friend void PrintTo(const LengthCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class TripLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(TripLengthTest, GivesTheTripsLengthInMinutes) {
    const LengthCase& c = GetParam();
    EXPECT_EQ(tripLengthMinutes(c.text), c.minutes) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, TripLengthTest,
                         ::testing::Values(LengthCase{"06:00 - 09:30",
                                                      210.0}, // a span of clock times: its length
                                           LengthCase{"10pm - 1am", 180.0},     // past midnight
                                           LengthCase{"3", 180.0},              // a number alone is hours
                                           LengthCase{"2.5 hrs", 150.0},        //
                                           LengthCase{"4 hours", 240.0},        //
                                           LengthCase{"45 min", 45.0},          // minutes by their word
                                           LengthCase{"90 Minutes", 90.0},      //
                                           LengthCase{"2:30", 150.0},           // hours and minutes
                                           LengthCase{"all day", std::nullopt}, // words sort as text
                                           LengthCase{"", std::nullopt}));

TEST(CatchGradeTest, OrdersTheListsRatingsFromPoorToExcellent) {
    EXPECT_EQ(catchGrade("Poor"), 0);
    EXPECT_EQ(catchGrade("Fair"), 1);
    EXPECT_EQ(catchGrade("Good"), 2);
    EXPECT_EQ(catchGrade("Excellent"), 3);
    EXPECT_EQ(catchGrade("  excellent "), 3);
    EXPECT_EQ(catchGrade("GOOD"), 2);
    EXPECT_EQ(catchGrade("Good day"), std::nullopt);
    EXPECT_EQ(catchGrade(""), std::nullopt);
}

} // namespace
