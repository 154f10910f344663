// What the command line prints: the window's texts, the same day whichever command asks.
#include "cli_test_support.h"

#include <gtest/gtest.h>
#include <sstream>

namespace biteclock::cli {
namespace {

using testing::fixedEnvironment;
using testing::runWith;

using testing::lines;

TEST(CliDay, NewYorkMidsummerAsJson) {
    const auto run = runWith(
        {"day", "--lat", "40.7", "--lon", "-74", "--gmt", "-4", "--date", "2000-06-21", "--format", "json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "{\"date\":\"2000-06-21\",\"weekday\":\"Wednesday\",\"season\":\"Solstice\",\"sunrise\":\"05:25 AM\","
        "\"sunset\":\"08:31 PM\",\"day_length\":\"15 : 06\",\"moonrise\":\"11:51 PM\",\"moonset\":\"09:30 "
        "AM\","
        "\"upper_major\":\"03:24 AM\",\"lower_major\":\"03:40 PM\",\"rise_minor\":\"10:51 PM\","
        "\"set_minor\":\"08:30 "
        "AM\",\"moon_age\":19,\"moon_picture\":108,\"rating\":0,\"rating_text\":\"Poor\","
        "\"rating_colour\":16777215,\"phase_event\":\"\",\"phase_event_time\":\"\",\"distance_km\":403327,"
        "\"utc_offset\":-4}"
        "\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliDay, FullMoonDayCarriesTheEventAndABlankPeriod) {
    const auto run = runWith({"day", "--lat", "40:42N", "--lon", "74:00W", "--gmt", "-4", "--date",
                              "2000-06-16", "--format", "csv"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].rfind("date,weekday,season,sunrise,", 0), 0u);
    // The upper major cannot be placed on the day: five blanks, quoted so that no reader trims them.
    EXPECT_EQ(rows[1],
              "2000-06-16,Friday,,05:24 AM,08:29 PM,15 : 05,08:18 PM,05:18 AM,\"     \",11:48 AM,07:18 PM,"
              "04:18 AM,14,106,100,Excellent,12582912,Full Moon,06:27 PM,405288,-4");
}

TEST(CliDay, PolarDayShowsItsOwnOutcome) {
    const auto run = runWith(
        {"day", "--lat", "78", "--lon", "15", "--gmt", "0", "--date", "2000-01-10", "--format", "json"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(
        run.out.find(
            "\"moonrise\":\"Stays Down\",\"moonset\":\"Stays Down\",\"upper_major\":\"Can't Calc\","
            "\"lower_major\":\"Can't Calc\",\"rise_minor\":\"Can't Calc\",\"set_minor\":\"Can't Calc\""),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"sunrise\":\"Stays Down\",\"sunset\":\"No Set\",\"day_length\":\"0 hrs\""),
              std::string::npos);
}

TEST(CliDay, TodayAndTheStoredPlaceWhenNothingIsGiven) {
    const auto implicit = runWith({"day", "--format", "json"});
    const auto explicitly = runWith(
        {"day", "--date", "2000-03-15", "--lat", "0", "--lon", "0", "--gmt", "13", "--format", "json"});
    ASSERT_EQ(implicit.exitCode, 0);
    EXPECT_EQ(implicit.out, explicitly.out);
}

TEST(CliDay, SavedLocationByName) {
    const auto named =
        runWith({"day", "--location", "Sydney Harbour", "--date", "2000-01-01", "--format", "json"});
    const auto given = runWith({"day", "--lat", "33:52S", "--lon", "151:12E", "--gmt", "11", "--date",
                                "2000-01-01", "--format", "json"});
    ASSERT_EQ(named.exitCode, 0) << named.err;
    EXPECT_EQ(named.out, given.out);
    // A coordinate given beside the name overrides that coordinate only.
    const auto shifted = runWith(
        {"day", "--location", "Sydney Harbour", "--gmt", "10", "--date", "2000-01-01", "--format", "json"});
    EXPECT_NE(shifted.out, named.out);
}

TEST(CliDay, SouthMirrorsThePictureOnly) {
    const std::vector<std::string> base = {"day", "--lat",  "0",          "--lon",    "0",   "--gmt",
                                           "0",   "--date", "2000-03-21", "--format", "json"};
    auto south = base;
    south.push_back("--south");
    const auto n = runWith(base);
    const auto s = runWith(south);
    // 21 March 2000 is the day after the full moon: picture 106 is its own mirror. Pick a crescent.
    auto crescent = base;
    crescent[8] = "2000-03-09";
    auto crescentSouth = crescent;
    crescentSouth.push_back("--south");
    const auto c = runWith(crescent);
    const auto cs = runWith(crescentSouth);
    EXPECT_EQ(n.out, s.out);
    EXPECT_NE(c.out.find("\"moon_picture\":101"), std::string::npos) << c.out;
    EXPECT_NE(cs.out.find("\"moon_picture\":111"), std::string::npos) << cs.out;
}

// Every day of a range is the day `day` gives for that date, whatever came before it. A polar
// place gives days that stay up or down beside ordinary ones.
TEST(CliRange, EachRowIsTheDayAlone) {
    for (const char* place : {"78", "-33.87", "67"}) {
        const std::string lon = std::string(place) == "-33.87" ? "151.2" : "15";
        const auto range = runWith(
            {"range", "--from", "1999-12-20", "--days", "60", "--lat", place, "--lon", lon, "--gmt", "0"});
        ASSERT_EQ(range.exitCode, 0) << range.err;
        const auto rows = lines(range.out);
        ASSERT_EQ(rows.size(), 60u);
        for (int i = 0; i < 60; i += 3) {
            const CalendarDate c = calendarDate(dateSerial(1999, 12, 20) + i);
            char date[16];
            std::snprintf(date, sizeof date, "%04d-%02d-%02d", c.year, c.month, c.day);
            const auto day = runWith(
                {"day", "--date", date, "--lat", place, "--lon", lon, "--gmt", "0", "--format", "json"});
            EXPECT_EQ(rows[static_cast<std::size_t>(i)] + "\n", day.out) << place << " " << date;
        }
    }
}

TEST(CliRange, CsvHasOneHeaderAndTheLastDayOfTheAlmanac) {
    const auto run =
        runWith({"range", "--from", "2200-12-30", "--days", "2", "--format", "csv", "--lat", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].substr(0, 20), "2200-12-31,Wednesday");
}

TEST(CliTable, TheYear2000AtGreenwichAndTenHoursEast) {
    const auto run = runWith({"table", "--year", "2000", "--gmt", "0", "--format", "csv"});
    ASSERT_EQ(run.exitCode, 0);
    const auto rows = lines(run.out);
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(rows[1], "0,New Moon,1999-12-07,10:33 PM,0");
    EXPECT_EQ(rows[2], "1,Full Moon,1999-12-22,05:31 PM,0");
    EXPECT_EQ(rows[3], "2,New Moon,2000-01-06,06:12 PM,0");
    EXPECT_EQ(rows[4], "3,Full Moon,2000-01-21,04:40 AM,0");
    const auto east = runWith({"table", "--year", "2000", "--gmt", "10", "--format", "json"});
    EXPECT_EQ(
        lines(east.out)[0],
        "{\"slot\":0,\"kind\":\"New Moon\",\"date\":\"1999-12-08\",\"time\":\"08:33 AM\",\"utc_offset\":10}");
}

TEST(CliOutput, AWriteFailureIsReportedNotHidden) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    const int code = runCli({"range", "--from", "2000-01-01", "--days", "3"}, out, err, fixedEnvironment());
    EXPECT_EQ(code, 1);
    EXPECT_NE(err.str().find("could not be written"), std::string::npos);
}

} // namespace
} // namespace biteclock::cli
