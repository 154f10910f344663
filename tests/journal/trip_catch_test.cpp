// What counts as a good catch and as a quantity of fish.
#include "trip_catch.h"

#include <gtest/gtest.h>

namespace {

struct CatchCase {
    const char* text;
    bool good;
};

struct QuantityCase {
    const char* text;
    std::optional<double> quantity;
};

class GoodCatch : public ::testing::TestWithParam<CatchCase> {};
class FishQuantity : public ::testing::TestWithParam<QuantityCase> {};

} // namespace

TEST_P(GoodCatch, ByTheCatchListOrTheWords) {
    const CatchCase c = GetParam();
    EXPECT_EQ(isGoodCatch(c.text), c.good) << c.text;
}

// Rows: the four grades of the journal's catch list in any case and with blanks, the words that say
// so in free text, the negations that undo them, and texts that say nothing good.
INSTANTIATE_TEST_SUITE_P(
    Ratings, GoodCatch,
    ::testing::Values(CatchCase{"Poor", false}, CatchCase{"Fair", false}, CatchCase{"Good", true},
                      CatchCase{"Excellent", true}, CatchCase{"  good ", true}, CatchCase{"EXCELLENT", true},
                      CatchCase{"great", true}, CatchCase{"Great day!", true}, CatchCase{"pretty good", true},
                      CatchCase{"very good, 3 keepers", true}, CatchCase{"superb", true},
                      CatchCase{"Outstanding", true}, CatchCase{"fantastic", true},
                      CatchCase{"brilliant", true}, CatchCase{"awesome", true}, CatchCase{"amazing", true},
                      CatchCase{"terrific", true}, CatchCase{"epic session", true},
                      CatchCase{"bumper catch", true}, CatchCase{"best day this year", true},
                      CatchCase{"not good", false}, CatchCase{"no good", false},
                      CatchCase{"Not great", false}, CatchCase{"hardly good", false},
                      CatchCase{"never better", false}, CatchCase{"not good, but one great fish", true},
                      CatchCase{"", false}, CatchCase{"bad", false}, CatchCase{"average", false},
                      CatchCase{"goodish", false}, CatchCase{"nogood", false}, CatchCase{"5", false},
                      CatchCase{"fair to good", true}));

TEST_P(FishQuantity, ReadsAsANumberOrNot) {
    const QuantityCase c = GetParam();
    EXPECT_EQ(fishQuantity(c.text), c.quantity) << c.text;
}

// Rows: whole numbers and fractions with blanks and words after them, the words for none, and what
// is not a count: signs, ranges, words first, units run on, commas, text only, too many digits.
INSTANTIATE_TEST_SUITE_P(
    Quantities, FishQuantity,
    ::testing::Values(QuantityCase{"12", 12.0}, QuantityCase{" 7 ", 7.0}, QuantityCase{"0", 0.0},
                      QuantityCase{"2.5", 2.5}, QuantityCase{"12 fish", 12.0},
                      QuantityCase{"3 bream kept", 3.0}, QuantityCase{"none", 0.0}, QuantityCase{"None", 0.0},
                      QuantityCase{"nil", 0.0}, QuantityCase{"zero", 0.0}, QuantityCase{"nothing", 0.0},
                      QuantityCase{"no fish", 0.0}, QuantityCase{"No  Fish", 0.0},
                      QuantityCase{"", std::nullopt}, QuantityCase{"a few", std::nullopt},
                      QuantityCase{"about 5", std::nullopt}, QuantityCase{"-3", std::nullopt},
                      QuantityCase{"+3", std::nullopt}, QuantityCase{"3-4", std::nullopt},
                      QuantityCase{"12fish", std::nullopt}, QuantityCase{"1,000", std::nullopt},
                      QuantityCase{"2.", std::nullopt}, QuantityCase{".5", std::nullopt},
                      QuantityCase{"5 (released)", std::nullopt}, QuantityCase{"1234567890", std::nullopt},
                      QuantityCase{"123456789", 123456789.0}, QuantityCase{"no", std::nullopt},
                      QuantityCase{"fish", std::nullopt}));
