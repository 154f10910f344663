// The alarm grade table: stored "daytype" text to minimum points and days examined.
#include "alarm_grade.h"

#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const AlarmGrade& grade, std::ostream* out) {
    *out << "{" << grade.minimumPoints << " points, " << grade.daysAhead << " days}";
}

namespace {

struct GradeRow {
    const char* dayType;
    int daysInAdvance;
    AlarmGrade expected;
};

void PrintTo(const GradeRow& row, std::ostream* out) {
    *out << '"' << row.dayType << "\" " << row.daysInAdvance;
}

class AlarmGradeTable : public ::testing::TestWithParam<GradeRow> {};

TEST_P(AlarmGradeTable, GivesPointsAndDays) {
    const GradeRow& row = GetParam();
    EXPECT_EQ(alarmGradeFor(QString::fromUtf8(row.dayType), row.daysInAdvance), row.expected);
}

// Rows from the grade table of the companion's alarm.
INSTANTIATE_TEST_SUITE_P(
    StoredTexts, AlarmGradeTable,
    ::testing::Values(GradeRow{"Excellent Days", 3, {100, 3}}, GradeRow{"Good & Excellent Days", 4, {66, 4}},
                      GradeRow{"Fair To Excellent Days", 15, {33, 15}}, GradeRow{"All Days", 9, {0, 1}},
                      GradeRow{"0", 2, {0, 2}}, GradeRow{"", 0, {0, 0}},
                      // The texts are compared exactly, as stored.
                      GradeRow{"excellent days", 3, {0, 3}}, GradeRow{"Excellent Days ", 3, {0, 3}}));

} // namespace
