// The graph-days field's rules: clamping to 2..60 and falling back to the stored value.
#include "graph_days.h"

#include <gtest/gtest.h>

namespace {

struct GraphDaysCase {
    const char* typed;
    const char* stored;
    const char* field; // the field afterwards
    int days;
};

void PrintTo(const GraphDaysCase& c, std::ostream* os) {
    *os << '"' << c.typed << "\" stored \"" << c.stored << '"';
}

class GraphDaysRules : public testing::TestWithParam<GraphDaysCase> {};

TEST_P(GraphDaysRules, FieldAndDays) {
    const GraphDaysCase& c = GetParam();
    const GraphDaysChoice choice =
        resolveGraphDays(QString::fromLatin1(c.typed), QString::fromLatin1(c.stored));
    EXPECT_EQ(choice.fieldText.toStdString(), c.field);
    EXPECT_EQ(choice.days, c.days);
}

// The rules of the graph-days field, one row per rule and its edges.
INSTANTIATE_TEST_SUITE_P(
    Table, GraphDaysRules,
    testing::Values(GraphDaysCase{"30", "15", "30", 30},   // in range: kept as typed
                    GraphDaysCase{"2", "15", "2", 2},      // lowest
                    GraphDaysCase{"60", "15", "60", 60},   // highest
                    GraphDaysCase{"75", "15", "60", 60},   // above 60
                    GraphDaysCase{"61", "15", "60", 60},   // just above
                    GraphDaysCase{"1", "15", "2", 2},      // below 2
                    GraphDaysCase{"0", "15", "2", 2},      //
                    GraphDaysCase{"-5", "15", "2", 2},     // negative
                    GraphDaysCase{"", "20", "20", 20},     // emptied: the stored value
                    GraphDaysCase{"  ", "20", "20", 20},   // blanks only count as empty
                    GraphDaysCase{"", "15", "15", 15},     // the stored default
                    GraphDaysCase{"abc", "22", "22", 22},  // not a number: the stored value
                    GraphDaysCase{"12x", "22", "22", 22},  //
                    GraphDaysCase{" 16", "15", " 16", 16}, // a number as the platform prints it
                    GraphDaysCase{"7.6", "15", "8", 8},    // a fraction rounds to whole days
                    GraphDaysCase{"", "", "15", 15},       // nothing stored either: 15
                    GraphDaysCase{"abc", "xyz", "15", 15}, // a damaged store never gives 0 rows
                    GraphDaysCase{"", "99", "60", 60},     // a stored value out of range is clamped
                    GraphDaysCase{"", "1", "2", 2},        //
                    GraphDaysCase{"inf", "15", "15", 15},  // not a finite number
                    GraphDaysCase{"1e9", "15", "60", 60}));

} // namespace
