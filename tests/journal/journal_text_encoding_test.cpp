#include "journal_text_encoding.h"

#include <gtest/gtest.h>

using biteclock::decodeJournalText;
using biteclock::encodeJournalText;
using biteclock::isValidUtf8;

// The file keeps Windows-1252 wherever it can, as earlier versions wrote it.
TEST(JournalTextEncoding, WesternTextIsWrittenInWindows1252) {
    EXPECT_EQ(encodeJournalText("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
    EXPECT_EQ(encodeJournalText("18\xC2\xB0"
                                "C"),
              "18\xB0"
              "C");
}

TEST(JournalTextEncoding, OlderWindows1252FilesDecode) {
    EXPECT_EQ(decodeJournalText("caf\xE9 \x80 \x93quoted\x94"),
              "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D");
}

TEST(JournalTextEncoding, UndefinedWindows1252BytesSurviveBothWays) {
    const std::string bytes = "\x81\x8D\x8F\x90\x9D x";
    EXPECT_EQ(encodeJournalText(decodeJournalText(bytes)), bytes);
}

TEST(JournalTextEncoding, TextOutsideWindows1252IsWrittenInUtf8) {
    const std::string greekFish = "\xCE\xB1 \xF0\x9F\x90\x9F";
    EXPECT_EQ(encodeJournalText(greekFish), greekFish);
    EXPECT_EQ(decodeJournalText(greekFish), greekFish);
}

TEST(JournalTextEncoding, Windows1252BytesThatLookLikeUtf8AreWrittenInUtf8) {
    // "Ã©" in Windows-1252 is C3 A9, which is also UTF-8 for "é": such text is stored as UTF-8.
    const std::string text = "\xC3\x83\xC2\xA9";
    EXPECT_EQ(encodeJournalText(text), text);
    EXPECT_EQ(decodeJournalText(encodeJournalText(text)), text);
}

TEST(JournalTextEncoding, AsciiIsUnchanged) {
    EXPECT_EQ(encodeJournalText("plain, \"text\"\r\n"), "plain, \"text\"\r\n");
    EXPECT_EQ(decodeJournalText("plain, \"text\"\r\n"), "plain, \"text\"\r\n");
}

TEST(JournalTextEncoding, Utf8Validation) {
    EXPECT_TRUE(isValidUtf8("\xE2\x82\xAC"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));         // cut short
}
