// Content lines as calendar programs read them: folded, escaped, never a character cut in two.
#include "ical_text.h"

#include <gtest/gtest.h>

namespace biteclock {
namespace {

std::vector<std::string> physicalLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string unfolded(const std::string& text) {
    std::string out;
    for (const std::string& line : physicalLines(text)) {
        out += line.empty() || line[0] != ' ' ? (out.empty() ? line : "\n" + line) : line.substr(1);
    }
    return out;
}

TEST(IcalContentLine, LongLinesAreFoldedWithinSeventyFiveOctetsAndUnfoldToTheSame) {
    for (const std::string& line : {std::string(75, 'a'), std::string(76, 'b'), std::string(300, 'c'),
                                    "DESCRIPTION:" + std::string(40, 'x') +
                                        "\u00B0\u00B0\u00B0\u00B0\u00B0\u00B0\u00B0\u00B0\u00B0\u00B0" +
                                        "\u6F01\u6F01\u6F01\u6F01\u6F01\u6F01\u6F01\u6F01\u6F01\u6F01\u6F01"
                                        "\u6F01\u6F01\u6F01\u6F01\u6F01"}) {
        std::string out;
        appendContentLine(out, line);
        const auto lines = physicalLines(out);
        EXPECT_EQ(lines.size(), line.size() <= 75 ? 1U : lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_LE(lines[i].size(), 75U);
            EXPECT_EQ(i > 0, !lines[i].empty() && lines[i][0] == ' ');
            // A fold never falls inside a UTF-8 character: no piece starts with a continuation byte.
            const std::string piece = i > 0 ? lines[i].substr(1) : lines[i];
            ASSERT_FALSE(piece.empty());
            EXPECT_NE(static_cast<unsigned char>(piece[0]) & 0xC0, 0x80) << i;
        }
        EXPECT_EQ(unfolded(out), line);
    }
}

TEST(IcalContentLine, BytesThatAreNotUtf8StillEndTheLoop) {
    std::string out;
    appendContentLine(out, std::string(200, '\x80'));
    EXPECT_EQ(unfolded(out), std::string(200, '\x80'));
}

TEST(IcalText, SpecialCharactersAreEscapedAndControlCharactersDropped) {
    EXPECT_EQ(icalText("a;b,c\\d"), "a\\;b\\,c\\\\d");
    EXPECT_EQ(icalText("one\r\ntwo\nthree\rfour"), "one\\ntwo\\nthree\\nfour");
    EXPECT_EQ(icalText(std::string("tab\there\x01\x7F.")), "tab here.");
    EXPECT_EQ(icalText("Moon's \u00B0 \"quoted\""), "Moon's \u00B0 \"quoted\"");
}

} // namespace
} // namespace biteclock
