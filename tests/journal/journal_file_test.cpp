#include "journal_file.h"

#include <gtest/gtest.h>
#include <string>

using biteclock::JournalEntry;
using biteclock::readJournalFile;
using biteclock::writeJournalFile;

namespace {

JournalEntry sampleTrip() {
    JournalEntry e;
    e.day = "12";
    e.month = "3";
    e.year = "1999";
    e.notes = "Snapper off the point";
    e.temperature = "18C";
    e.tripTime = "4 hrs";
    e.tideType = "Spring";
    e.windStrength = "2";
    e.quantity = "5";
    e.windDirection = "North East";
    e.tideState = "Rising 2/3";
    e.catchRating = "Good";
    e.position1 = "36 50S";
    e.position2 = "174 45E";
    e.bestTime = "10:00am - 11:15am";
    return e;
}

const std::string kSampleFile = "\"Date:\",\"12\",\"3\",\"1999\"\r\n"
                                "\"Notes:\",\"Snapper off the point\"\r\n"
                                "\"Temperature:\",\"18C\"\r\n"
                                "\"Trip Time:\",\"4 hrs\"\r\n"
                                "\"Tide Type:\",\"Spring\"\r\n"
                                "\"Wind Strength:\",\"2\"\r\n"
                                "\"Quantity of Fish:\",\"5\"\r\n"
                                "\"Wind:\",\"North East\"\r\n"
                                "\"Tide:\",\"Rising 2/3\"\r\n"
                                "\"Catch:\",\"Good\"\r\n"
                                "\"G.P.S mark or location:\",\"36 50S\"\r\n"
                                "\"G.P.S mark or location:\",\"174 45E\"\r\n"
                                "\"Best Time:\",\"10:00am - 11:15am\"\r\n";

} // namespace

// --- Writing ---

TEST(JournalFileWrite, SavedEntryIsThirteenQuotedCrLfLines) {
    EXPECT_EQ(writeJournalFile(sampleTrip()), kSampleFile);
}

TEST(JournalFileWrite, EmptyEntryStillHasEveryLabelAndValue) {
    const std::string expected = "\"Date:\",\"\",\"\",\"\"\r\n\"Notes:\",\"\"\r\n\"Temperature:\",\"\"\r\n"
                                 "\"Trip Time:\",\"\"\r\n\"Tide Type:\",\"\"\r\n\"Wind Strength:\",\"\"\r\n"
                                 "\"Quantity of Fish:\",\"\"\r\n\"Wind:\",\"\"\r\n\"Tide:\",\"\"\r\n"
                                 "\"Catch:\",\"\"\r\n\"G.P.S mark or location:\",\"\"\r\n"
                                 "\"G.P.S mark or location:\",\"\"\r\n\"Best Time:\",\"\"\r\n";
    EXPECT_EQ(writeJournalFile(JournalEntry{}), expected);
}

TEST(JournalFileWrite, QuoteInsideValueIsDoubled) {
    JournalEntry e;
    e.notes = "the \"big\" one";
    const std::string file = writeJournalFile(e);
    EXPECT_NE(file.find("\"Notes:\",\"the \"\"big\"\" one\"\r\n"), std::string::npos);
}

TEST(JournalFileWrite, LineBreaksStayInsideTheQuotes) {
    JournalEntry e;
    e.notes = "line one\r\nline two";
    const std::string file = writeJournalFile(e);
    EXPECT_NE(file.find("\"Notes:\",\"line one\r\nline two\"\r\n"), std::string::npos);
}

// --- Reading ---

TEST(JournalFileRead, ReadsTheSampleFile) {
    const auto read = readJournalFile(kSampleFile);
    EXPECT_EQ(read.entry, sampleTrip());
    EXPECT_EQ(read.items, 28u);
    EXPECT_TRUE(read.complete);
}

TEST(JournalFileRead, LabelsAreNotChecked) {
    std::string file = kSampleFile;
    file.replace(file.find("Notes:"), 6, "Remarks");
    file.replace(file.find("Best Time:"), 10, "X");
    EXPECT_EQ(readJournalFile(file).entry, sampleTrip());
}

TEST(JournalFileRead, LastGroupWins) {
    JournalEntry second = sampleTrip();
    second.notes = "second trip";
    second.day = "13";
    const auto read = readJournalFile(kSampleFile + writeJournalFile(second));
    EXPECT_EQ(read.entry, second);
    EXPECT_EQ(read.items, 56u);
    EXPECT_TRUE(read.complete);
}

TEST(JournalFileRead, ItemsMaySpreadOverLinesInAnyWay) {
    // All 28 items on one line, and unquoted items with blanks around them.
    const std::string file = "Date:, 12 ,3,1999,Notes:,\"Snapper off the point\",Temperature:,18C,Trip Time:,"
                             "4 hrs,Tide Type:,Spring,Wind Strength:,2,Quantity of Fish:,5,Wind:,North East,"
                             "Tide:,Rising 2/3,Catch:,Good,G:,36 50S,G:,174 45E,Best Time:,10:00am - 11:15am";
    const auto read = readJournalFile(file);
    EXPECT_EQ(read.entry, sampleTrip());
    EXPECT_TRUE(read.complete);
}

TEST(JournalFileRead, LfOnlyLineEndsAndEmptyLinesRead) {
    std::string file;
    for (const char c : kSampleFile) {
        if (c != '\r') {
            file += c;
        }
    }
    file.insert(file.find("\"Notes:"), "\n\n");
    EXPECT_EQ(readJournalFile(file).entry, sampleTrip());
}

TEST(JournalFileRead, OlderFileWithUndoubledQuotesReads) {
    std::string file = kSampleFile;
    const std::string old = "\"Notes:\",\"Snapper off the point\"";
    file.replace(file.find(old), old.size(), "\"Notes:\",\"a 5\" snapper, \"big\" one\"");
    EXPECT_EQ(readJournalFile(file).entry.notes, "a 5\" snapper, \"big\" one");
}

TEST(JournalFileRead, OlderFileWithLineBreakInNotesReads) {
    std::string file = kSampleFile;
    file.replace(file.find("Snapper off the point"), 21, "Snapper\r\noff the point");
    const auto read = readJournalFile(file);
    EXPECT_EQ(read.entry.notes, "Snapper\r\noff the point");
    EXPECT_EQ(read.entry.temperature, "18C");
}

// --- Round trips ---

class JournalRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(JournalRoundTrip, EveryFieldComesBackUnchanged) {
    JournalEntry e;
    for (const auto& item : biteclock::kJournalItems) {
        if (item.field != nullptr) {
            e.*item.field = GetParam();
        }
    }
    const auto read = readJournalFile(writeJournalFile(e));
    EXPECT_EQ(read.entry, e);
    EXPECT_TRUE(read.complete);
}

INSTANTIATE_TEST_SUITE_P(AwkwardValues, JournalRoundTrip,
                         ::testing::Values(std::string(), "\"", "\"\"", "\"\"\"", "a,b", ",", "\",\"",
                                           " padded ", "ends with quote\"", "\" , \"", "line\r\nbreak",
                                           "lf\nonly", "cr\ronly", "\r\n", "trailing\r\n", "tab\there",
                                           "caf\xC3\xA9 \xE2\x82\xAC 5", "\xCE\xB1\xCE\xB2 \xF0\x9F\x90\x9F",
                                           "\xC3\x83\xC2\xA9", std::string("nul\0inside", 10),
                                           "Date:", "\"Date:\",\"1\""));

// --- Malformed files ---

TEST(JournalFileMalformed, EmptyFileReadsNothing) {
    const auto read = readJournalFile("");
    EXPECT_EQ(read.entry, JournalEntry{});
    EXPECT_EQ(read.items, 0u);
    EXPECT_FALSE(read.complete);
}

TEST(JournalFileMalformed, TruncatedFileReadsAsFarAsItGoes) {
    const std::string file = kSampleFile.substr(0, kSampleFile.find("\"Trip Time:"));
    const auto read = readJournalFile(file);
    EXPECT_EQ(read.entry.day, "12");
    EXPECT_EQ(read.entry.notes, "Snapper off the point");
    EXPECT_EQ(read.entry.temperature, "18C");
    EXPECT_EQ(read.entry.tripTime, "");
    EXPECT_FALSE(read.complete);
}

TEST(JournalFileMalformed, UnclosedQuoteKeepsTheRestAsTheValue) {
    const auto read = readJournalFile("\"Date:\",\"12\",\"3\",\"1999\"\r\n\"Notes:\",\"cut off here");
    EXPECT_EQ(read.entry.notes, "cut off here");
    EXPECT_FALSE(read.complete);
}

TEST(JournalFileMalformed, CutSecondGroupKeepsFirstGroupsLaterFields) {
    JournalEntry second;
    second.day = "1";
    second.month = "2";
    const std::string full = writeJournalFile(second);
    const auto read = readJournalFile(kSampleFile + full.substr(0, full.find("\"Notes:")));
    EXPECT_EQ(read.entry.day, "1");
    EXPECT_EQ(read.entry.month, "2");
    EXPECT_EQ(read.entry.notes, "Snapper off the point");
    EXPECT_FALSE(read.complete);
}

TEST(JournalFileMalformed, BinaryBytesDoNotStopTheReader) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    const auto read = readJournalFile(bytes + bytes);
    EXPECT_GT(read.items, 0u);
    EXPECT_FALSE(read.complete);
}

TEST(JournalFileMalformed, TrailingCommaGivesOneMoreEmptyItem) {
    EXPECT_EQ(readJournalFile("a,").items, 2u);
    EXPECT_EQ(readJournalFile("a,\r\nb").items, 3u);
}
