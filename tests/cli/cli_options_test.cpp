// What the command line accepts and how it refuses the rest.
#include "cli_options.h"
#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace biteclock::cli {
namespace {

using testing::runWith;

struct Refusal {
    std::vector<std::string> args;
    std::string mentions; ///< the option or word the error line must name
};

class RefusedInput : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedInput, OneLineOnStderrExitTwoNothingOnStdout) {
    const Refusal& r = GetParam();
    const auto run = runWith(r.args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(r.mentions), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RefusedInput,
    ::testing::Values(
        Refusal{{}, "command"}, Refusal{{"week"}, "week"}, Refusal{{"day", "--colour", "red"}, "--colour"},
        Refusal{{"day", "--lat", "90"}, "--lat"}, Refusal{{"day", "--lat", "-90"}, "--lat"},
        Refusal{{"day", "--lat", "90:00N"}, "--lat"}, Refusal{{"day", "--lat", "40:60N"}, "--lat"},
        Refusal{{"day", "--lat", "40:30E"}, "--lat"}, Refusal{{"day", "--lat", "1a"}, "--lat"},
        Refusal{{"day", "--lat", "nan"}, "--lat"}, Refusal{{"day", "--lon", "180"}, "--lon"},
        Refusal{{"day", "--lon", "-180.5"}, "--lon"}, Refusal{{"day", "--gmt", "13.5"}, "--gmt"},
        Refusal{{"day", "--gmt", "-12.5"}, "--gmt"}, Refusal{{"day", "--gmt", ""}, "--gmt"},
        Refusal{{"day", "--date", "1900-12-31"}, "--date"},
        Refusal{{"day", "--date", "2201-01-01"}, "--date"},
        Refusal{{"day", "--date", "2000-02-30"}, "--date"}, Refusal{{"day", "--date", "2000-6-21"}, "--date"},
        Refusal{{"day", "--date"}, "--date"}, Refusal{{"day", "--format", "xml"}, "--format"},
        Refusal{{"day", "--location", "Nowhere"}, "--location"}, Refusal{{"range", "--days", "3"}, "--from"},
        Refusal{{"range", "--from", "2000-01-01"}, "--days"},
        Refusal{{"range", "--from", "2000-01-01", "--days", "0"}, "--days"},
        Refusal{{"range", "--from", "2000-01-01", "--days", "-3"}, "--days"},
        Refusal{{"range", "--from", "2000-01-01", "--days", "2x"}, "--days"},
        Refusal{{"range", "--from", "2200-12-30", "--days", "3"}, "2200-12-31"},
        Refusal{{"range", "--from", "2000-01-01", "--days", "2", "--format", "text"}, "--format"},
        Refusal{{"range", "--from", "2000-01-01", "--days", "2", "--jobs", "0"}, "--jobs"},
        Refusal{{"ical", "--days", "3"}, "--from"}, Refusal{{"ical", "--from", "2000-01-01"}, "--days"},
        Refusal{{"ical", "--from", "2200-12-01", "--days", "40"}, "2200-12-31"},
        Refusal{{"ical", "--from", "2000-01-01", "--days", "2", "--events", "periods,tides"}, "--events"},
        Refusal{{"ical", "--from", "2000-01-01", "--days", "2", "--events", ""}, "--events"},
        Refusal{{"ical", "--from", "2000-01-01", "--days", "2", "--grade", "poor"}, "--grade"},
        Refusal{{"ical", "--from", "2000-01-01", "--days", "2", "--output", ""}, "--output"},
        Refusal{{"ical", "--from", "2000-01-01", "--days", "2", "--format", "json"}, "--format"},
        Refusal{{"ical", "--from", "2000-01-01", "--days", "2", "--jobs", "many"}, "--jobs"},
        Refusal{{"ical", "--from", "2000-01-01", "--days", "2", "--location", "Nowhere"}, "--location"},
        Refusal{{"table"}, "--year"}, Refusal{{"table", "--year", "1900"}, "--year"},
        Refusal{{"table", "--year", "2000", "--lat", "10"}, "--lat"}));

TEST(CliCoordinates, DecimalAndDegreeMinuteFormsAgree) {
    EXPECT_EQ(parseLatitude("40:30S"), -40.5);
    EXPECT_EQ(parseLatitude("40:30n"), 40.5);
    EXPECT_EQ(parseLatitude("-33.87"), -33.87);
    EXPECT_EQ(parseLatitude("+89.99"), 89.99);
    EXPECT_EQ(parseLongitude("74:00W"), -74.0);
    EXPECT_EQ(parseLongitude("151:12E"), 151.2);
    EXPECT_EQ(parseLongitude("179.999"), 179.999);
    EXPECT_FALSE(parseLongitude("180:00E"));
    EXPECT_FALSE(parseLatitude("40:30"));
    EXPECT_FALSE(parseLatitude(""));
}

TEST(CliDates, TheAlmanacRangeAndRealDatesOnly) {
    EXPECT_EQ(parseIsoDate("1901-01-01"), dateSerial(1901, 1, 1));
    EXPECT_EQ(parseIsoDate("2200-12-31"), dateSerial(2200, 12, 31));
    EXPECT_EQ(parseIsoDate("2000-02-29"), dateSerial(2000, 2, 29));
    EXPECT_FALSE(parseIsoDate("2100-02-29"));
    EXPECT_FALSE(parseIsoDate("2000/02/01"));
}

TEST(CliHelp, HelpAndVersionGoToStdout) {
    const auto help = runWith({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: biteclock-cli"), std::string::npos);
    const auto helpAfterCommand = runWith({"range", "--help"});
    EXPECT_EQ(helpAfterCommand.exitCode, 0);
    const auto version = runWith({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("biteclock-cli ", 0), 0u);
}

} // namespace
} // namespace biteclock::cli
