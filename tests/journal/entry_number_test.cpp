#include "entry_number.h"

#include <gtest/gtest.h>

TEST(EntryNumber, WholeNumbersFromOneTo32767) {
    EXPECT_EQ(parseEntryNumber(QStringLiteral("1")), std::optional<int>(1));
    EXPECT_EQ(parseEntryNumber(QStringLiteral(" 42 ")), std::optional<int>(42));
    EXPECT_EQ(parseEntryNumber(QStringLiteral("007")), std::optional<int>(7));
    EXPECT_EQ(parseEntryNumber(QStringLiteral("32767")), std::optional<int>(32767));
}

TEST(EntryNumber, AnythingElseIsRefused) {
    for (const char* text : {"", " ", "0", "-1", "+1", "32768", "99999999999999999999", "1.5", "1e3", "abc",
                             "../1", "1/..", "1 2", "١"}) {
        EXPECT_EQ(parseEntryNumber(QString::fromUtf8(text)), std::nullopt) << text;
    }
}
