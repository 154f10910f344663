// The date fields after the entry rules, and the season label.
#include "date_rules.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

struct FieldCase {
    const char* what;
    const char* dayText;
    int monthIndex; // 0 = January
    double year;
    DateFields expected;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.what;
}

class NormaliseDateFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(NormaliseDateFields, Fields) {
    const FieldCase& c = GetParam();
    const DateFields f = normaliseDateFields(c.dayText, c.monthIndex, c.year);
    EXPECT_EQ(f.day, c.expected.day);
    EXPECT_EQ(f.monthIndex, c.expected.monthIndex);
    EXPECT_EQ(f.year, c.expected.year);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NormaliseDateFields,
    ::testing::Values(FieldCase{"1850 is held at 1901", "15", 2, 1850, {15, 2, 1901}},
                      FieldCase{"2300 is held at 2200", "15", 2, 2300, {15, 2, 2200}},
                      FieldCase{"an ordinary date stays", "15", 2, 2000, {15, 2, 2000}},
                      FieldCase{"29 February of a leap year stays", "29", 1, 2000, {29, 1, 2000}},
                      // Day 0: the last day of the previous month.
                      FieldCase{"day 0 of March 2000", "0", 2, 2000, {29, 1, 2000}},
                      FieldCase{"day 0 of March 2100", "0", 2, 2100, {28, 1, 2100}},
                      FieldCase{"day 0 of March 1999", "0", 2, 1999, {28, 1, 1999}},
                      FieldCase{"day 0 of March 2200", "0", 2, 2200, {28, 1, 2200}},
                      FieldCase{"day 0 of May", "0", 4, 2000, {30, 3, 2000}},
                      FieldCase{"day 0 of August", "0", 7, 2000, {31, 6, 2000}},
                      FieldCase{"day 0 of October", "0", 9, 2000, {30, 8, 2000}},
                      FieldCase{"day 0 of January 2000", "0", 0, 2000, {31, 11, 1999}},
                      FieldCase{"a day that is not a number counts as 0", "abc", 5, 2000, {31, 4, 2000}},
                      FieldCase{"an empty day counts as 0", "", 2, 2000, {29, 1, 2000}},
                      // A day past the month's end: the first of the next month.
                      FieldCase{"day 32 of January 2000", "32", 0, 2000, {1, 1, 2000}},
                      FieldCase{"day 32 of December 2000", "32", 11, 2000, {1, 0, 2001}},
                      FieldCase{"31 April", "31", 3, 2000, {1, 4, 2000}},
                      FieldCase{"29 February 2001", "29", 1, 2001, {1, 2, 2001}},
                      FieldCase{"30 February 2000", "30", 1, 2000, {1, 2, 2000}},
                      FieldCase{"a day that is no day number", "1.5", 5, 2000, {1, 6, 2000}},
                      FieldCase{"a negative day", "-3", 5, 2000, {1, 6, 2000}},
                      // Past either end of the range: the year is held, the day and month stay.
                      FieldCase{"back from 1 January 1901", "0", 0, 1901, {31, 11, 1901}},
                      FieldCase{"forward from 31 December 2200", "32", 11, 2200, {1, 0, 2200}}));

struct SeasonCase {
    int month;
    int day;
    const char* label;
};

class SeasonLabel : public ::testing::TestWithParam<SeasonCase> {};

TEST_P(SeasonLabel, FixedCalendarDays) {
    const SeasonCase& c = GetParam();
    EXPECT_EQ(seasonLabel(c.month, c.day), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Days, SeasonLabel,
    ::testing::Values(SeasonCase{3, 20, ""}, SeasonCase{3, 21, "Equinox"}, SeasonCase{3, 22, "Equinox"},
                      SeasonCase{3, 23, ""}, SeasonCase{9, 20, ""}, SeasonCase{9, 21, "Equinox"},
                      SeasonCase{9, 22, "Equinox"}, SeasonCase{9, 23, ""}, SeasonCase{6, 20, ""},
                      SeasonCase{6, 21, "Solstice"}, SeasonCase{6, 22, "Solstice"}, SeasonCase{6, 23, ""},
                      SeasonCase{12, 20, ""}, SeasonCase{12, 21, "Solstice"}, SeasonCase{12, 22, "Solstice"},
                      SeasonCase{12, 23, ""}, SeasonCase{4, 21, ""}, SeasonCase{1, 22, ""}));

} // namespace
} // namespace biteclock
