// Numbers read from field texts.
#include "number_text.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

TEST(LeadingNumber, ReadsAsFarAsTheNumberGoes) {
    EXPECT_DOUBLE_EQ(leadingNumber("15"), 15);
    EXPECT_DOUBLE_EQ(leadingNumber("  -5.5"), -5.5);
    EXPECT_DOUBLE_EQ(leadingNumber("+3"), 3);
    EXPECT_DOUBLE_EQ(leadingNumber("12abc"), 12);
    EXPECT_DOUBLE_EQ(leadingNumber("1e2"), 100);
    EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("-"), 0);
}

TEST(IsNumberText, OnlyANumberWithBlanksAround) {
    EXPECT_TRUE(isNumberText("15"));
    EXPECT_TRUE(isNumberText(" -5.5 "));
    EXPECT_TRUE(isNumberText("1e2"));
    EXPECT_FALSE(isNumberText("12abc"));
    EXPECT_FALSE(isNumberText("1 2"));
    EXPECT_FALSE(isNumberText(""));
    EXPECT_FALSE(isNumberText("   "));
    EXPECT_FALSE(isNumberText("-"));
}

} // namespace
} // namespace biteclock
