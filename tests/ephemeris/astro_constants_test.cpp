// The rounding helpers the almanac arithmetic shares.
#include "astro_constants.h"

#include <cmath>
#include <gtest/gtest.h>

namespace biteclock {
namespace {

TEST(AstroConstants, FracAndSgn) {
    EXPECT_DOUBLE_EQ(frac(2.25), 0.25);
    EXPECT_DOUBLE_EQ(frac(-0.25), 0.75);
    EXPECT_DOUBLE_EQ(frac(3), 0);
    EXPECT_EQ(sgn(-0.1), -1);
    EXPECT_EQ(sgn(0), 0);
    EXPECT_EQ(sgn(1e-300), 1);
}

} // namespace
} // namespace biteclock
