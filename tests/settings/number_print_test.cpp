// Numbers as the fields and the store print them: a blank before values of 0 and above.
#include "number_print.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct PrintCase {
    double value;
    const char* printed;
};

class PrintNumber : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintNumber, MatchesTheFieldForm) {
    EXPECT_EQ(printNumber(GetParam().value), QString::fromLatin1(GetParam().printed));
}

INSTANTIATE_TEST_SUITE_P(Values, PrintNumber,
                         ::testing::Values(PrintCase{39, " 39"}, PrintCase{9.5, " 9.5"}, PrintCase{-5, "-5"},
                                           PrintCase{0, " 0"}, PrintCase{-0.0, " 0"}, PrintCase{-0.5, "-0.5"},
                                           PrintCase{13, " 13"}, PrintCase{-12, "-12"},
                                           PrintCase{5.75, " 5.75"}, PrintCase{2200, " 2200"}),
                         [](const ::testing::TestParamInfo<PrintCase>& param) {
                             return "Case" + std::to_string(param.index);
                         });

} // namespace
