// --tz and --place: every date in the offset of its own day, and towns found by name.
#include "cli_test_support.h"
#include "day_record.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace biteclock::cli {
namespace {

using testing::runWith;

const std::vector<std::string> kNewYork = {"--lat", "40.7", "--lon", "-74"};

std::vector<std::string> args(std::vector<std::string> head,
                              const std::vector<std::string>& tail = kNewYork) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

using testing::lines;

// A JSON line without its "zone" field, which only the zoned command writes.
std::string withoutZone(std::string line, const std::string& zone) {
    const std::string field = ",\"zone\":\"" + zone + "\"";
    const auto at = line.find(field);
    if (at != std::string::npos) {
        line.erase(at, field.size());
    }
    return line;
}

std::string field(const std::string& jsonLine, const std::string& name) {
    const std::string key = "\"" + name + "\":";
    const auto at = jsonLine.find(key);
    if (at == std::string::npos) {
        return {};
    }
    const auto start = at + key.size();
    return jsonLine.substr(start, jsonLine.find_first_of(",}", start) - start);
}

// A year of New York across both changes: each day of the zoned range is, field for field, the day
// command at that day's fixed offset (-5 in winter, -4 in summer, the change days in their noon
// offset).
TEST(CliZone, RangeInAZoneIsEachDayAtItsOwnOffset) {
    const auto range =
        runWith(args({"range", "--from", "2027-01-01", "--days", "365", "--tz", "America/New_York"}));
    ASSERT_EQ(range.exitCode, 0) << range.err;
    const auto rows = lines(range.out);
    ASSERT_EQ(rows.size(), 365u);
    int summer = 0;
    for (int i = 0; i < 365; ++i) {
        const std::string& row = rows[static_cast<std::size_t>(i)];
        const std::string date = isoDate(dateSerial(2027, 1, 1) + i);
        const std::string offset = field(row, "utc_offset");
        ASSERT_TRUE(offset == "-5" || offset == "-4") << row;
        summer += offset == "-4";
        EXPECT_EQ(field(row, "zone"), "\"America/New_York\"");
        const auto day = runWith(args({"day", "--date", date, "--gmt", offset, "--format", "json"}));
        ASSERT_EQ(day.exitCode, 0) << day.err;
        EXPECT_EQ(withoutZone(row, "America/New_York") + "\n", day.out) << date;
    }
    EXPECT_EQ(summer, 238);                         // 14 March to 6 November
    EXPECT_EQ(field(rows[72], "utc_offset"), "-4"); // 14 March, the spring change day
    EXPECT_EQ(field(rows[71], "utc_offset"), "-5");
    EXPECT_EQ(field(rows[310], "utc_offset"), "-5"); // 7 November, the autumn change day
    EXPECT_EQ(field(rows[309], "utc_offset"), "-4");
}

struct ZoneDay {
    const char* zone;
    const char* date;
    const char* offset; ///< the zone's noon offset that day, hours east
};

// Zones with half and quarter hours, the south, a changed history, and the ends of the almanac.
const ZoneDay kZoneDays[] = {
    {"America/New_York", "2027-03-13", "-5"},
    {"America/New_York", "2027-03-14", "-4"},
    {"America/New_York", "2027-11-06", "-4"},
    {"America/New_York", "2027-11-07", "-5"},
    {"America/New_York", "2027-07-04", "-4"},
    {"Asia/Kathmandu", "2027-06-01", "5.75"},
    {"Australia/Adelaide", "2027-01-15", "10.5"},
    {"Australia/Adelaide", "2027-07-15", "9.5"},
    {"Australia/Sydney", "2027-04-03", "11"},
    {"Australia/Sydney", "2027-04-04", "10"},
    {"Europe/Moscow", "1901-06-01", "2.504722222222222"},
    {"Europe/Moscow", "2012-01-01", "4"},
    {"Europe/Moscow", "2200-07-01", "3"},
    {"America/New_York", "1901-01-01", "-5"},
    {"Australia/Sydney", "2200-12-31", "11"},
};

class CliZoneDay : public ::testing::TestWithParam<ZoneDay> {};

TEST_P(CliZoneDay, IsTheDayAtTheZonesNoonOffsetInEveryFormat) {
    const ZoneDay& c = GetParam();
    for (const char* format : {"json", "text", "csv"}) {
        const auto zoned = runWith(args({"day", "--date", c.date, "--tz", c.zone, "--format", format}));
        const auto fixed = runWith(args({"day", "--date", c.date, "--gmt", c.offset, "--format", format}));
        ASSERT_EQ(zoned.exitCode, 0) << zoned.err;
        ASSERT_EQ(fixed.exitCode, 0) << fixed.err;
        const std::string zone = c.zone;
        if (std::string(format) == "json") {
            EXPECT_EQ(field(zoned.out, "utc_offset"), c.offset);
            EXPECT_EQ(withoutZone(zoned.out, zone), fixed.out);
        } else if (std::string(format) == "text") {
            const std::string sign = c.offset[0] == '-' ? "" : "+";
            EXPECT_EQ(zoned.out,
                      fixed.out + "Zone                " + zone + " (UTC" + sign + c.offset + ")\n");
        } else {
            const auto z = lines(zoned.out);
            const auto f = lines(fixed.out);
            ASSERT_EQ(z.size(), 2u);
            ASSERT_EQ(f.size(), 2u);
            EXPECT_EQ(z[0], f[0] + ",zone");
            EXPECT_EQ(z[1], f[1] + "," + zone);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TzData, CliZoneDay, ::testing::ValuesIn(kZoneDays));

TEST(CliZone, CsvKeepsItsColumnsAndAddsTheOffsetLast) {
    const auto fixed =
        runWith(args({"range", "--from", "2027-03-13", "--days", "2", "--gmt", "-5", "--format", "csv"}));
    ASSERT_EQ(fixed.exitCode, 0) << fixed.err;
    const auto rows = lines(fixed.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0],
              "date,weekday,season,sunrise,sunset,day_length,moonrise,moonset,upper_major,lower_major,"
              "rise_minor,set_minor,moon_age,moon_picture,rating,rating_text,rating_colour,phase_event,"
              "phase_event_time,distance_km,utc_offset");
    EXPECT_EQ(rows[1].substr(rows[1].rfind(',')), ",-5");
    const auto zoned = runWith(args(
        {"range", "--from", "2027-03-13", "--days", "2", "--tz", "America/New_York", "--format", "csv"}));
    const auto z = lines(zoned.out);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[1].substr(z[1].rfind(",-")), ",-5,America/New_York");
    EXPECT_EQ(z[2].substr(z[2].rfind(",-")), ",-4,America/New_York");
}

// Each new and full moon in the offset of its own date: the row of the fixed table at that offset.
TEST(CliZone, TableGivesEachEventInTheOffsetOfItsDate) {
    const auto zoned = runWith({"table", "--year", "2027", "--tz", "America/New_York", "--format", "json"});
    const auto winter = lines(runWith({"table", "--year", "2027", "--gmt", "-5", "--format", "json"}).out);
    const auto summer = lines(runWith({"table", "--year", "2027", "--gmt", "-4", "--format", "json"}).out);
    ASSERT_EQ(zoned.exitCode, 0) << zoned.err;
    const auto rows = lines(zoned.out);
    ASSERT_EQ(rows.size(), 31u);
    ASSERT_EQ(winter.size(), 31u);
    int summerRows = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string offset = field(rows[i], "utc_offset");
        ASSERT_TRUE(offset == "-5" || offset == "-4") << rows[i];
        summerRows += offset == "-4";
        EXPECT_EQ(withoutZone(rows[i], "America/New_York"), offset == "-5" ? winter[i] : summer[i]);
    }
    EXPECT_GT(summerRows, 10);
    const auto text = lines(runWith({"table", "--year", "2027", "--tz", "America/New_York"}).out);
    ASSERT_EQ(text.size(), 31u);
    EXPECT_NE(text[0].find("  UTC-5"), std::string::npos) << text[0];
    // Without a zone the text table is as it always was.
    EXPECT_EQ(lines(runWith({"table", "--year", "2027", "--gmt", "-5"}).out)[0].find("UTC"),
              std::string::npos);
}

TEST(CliZone, LocalIsTheComputersZone) {
    const char* saved = std::getenv("TZ");
    const std::string before = saved ? saved : "";
    setenv("TZ", "Australia/Adelaide", 1);
    const auto run = runWith(args({"day", "--date", "2027-01-15", "--tz", "local", "--format", "json"}));
    if (saved) {
        setenv("TZ", before.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(field(run.out, "utc_offset"), "10.5");
    EXPECT_EQ(field(run.out, "zone"), "\"Australia/Adelaide\"");
}

TEST(CliZone, PlaceUsesTheBestMatchsCoordinatesAndZone) {
    const auto town = runWith({"day", "--date", "2027-07-04", "--place", "Tahoe", "--format", "json"});
    const auto typed = runWith({"day", "--date", "2027-07-04", "--lat", "38.93324", "--lon", "-119.98435",
                                "--gmt", "-7", "--format", "json"});
    ASSERT_EQ(town.exitCode, 0) << town.err;
    EXPECT_EQ(withoutZone(town.out, "America/Los_Angeles"), typed.out);
    EXPECT_EQ(field(town.out, "zone"), "\"America/Los_Angeles\"");
    const auto text = runWith({"day", "--date", "2027-12-25", "--place", "Tahoe"});
    EXPECT_NE(text.out.find("Place               South Lake Tahoe, California, United States\n"),
              std::string::npos);
    EXPECT_NE(text.out.find("Zone                America/Los_Angeles (UTC-8)\n"), std::string::npos);
    const auto maine = runWith({"table", "--year", "2027", "--place", "Portland, Maine", "--format", "csv"});
    ASSERT_EQ(maine.exitCode, 0) << maine.err;
    EXPECT_NE(maine.out.find(",America/New_York\n"), std::string::npos);
}

TEST(CliZone, PlacesListsTheMatchesBestFirst) {
    const auto text = runWith({"places", "Portland"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    const auto rows = lines(text.out);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], "Portland, Oregon, United States  45.52345  -122.67621  America/Los_Angeles  652503");
    EXPECT_EQ(
        rows[1].rfind("Portland, State of Maine, United States  43.65737  -70.25890  America/New_York", 0),
        0u);
    const auto json = runWith({"places", "Zürich", "--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(lines(json.out)[0],
              "{\"name\":\"Zurich\",\"state\":\"Canton of Zurich\",\"country\":\"Switzerland\","
              "\"country_code\":\"CH\",\"latitude\":47.36667,\"longitude\":8.55000,"
              "\"zone\":\"Europe/Zurich\",\"population\":341730}");
}

struct Refusal {
    std::vector<std::string> args;
    const char* says;
};

class CliZoneRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(CliZoneRefusal, IsOneLineAndExitTwoWithNothingWritten) {
    const auto run = runWith(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find(GetParam().says), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliZoneRefusal,
    ::testing::Values(
        Refusal{{"day", "--tz", "Nowhere/Atlantis"}, "no time zone is named 'Nowhere/Atlantis'"},
        Refusal{{"range", "--from", "2027-01-01", "--days", "2", "--tz", "EST5EDT!"}, "--tz:"},
        Refusal{{"day", "--tz", ""}, "--tz: expected"},
        Refusal{{"day", "--tz", "UTC", "--gmt", "0"}, "--tz and --gmt"},
        Refusal{{"table", "--year", "2027", "--gmt", "1", "--tz", "UTC"}, "--tz and --gmt"},
        Refusal{{"day", "--place", "Xyzzyqx"}, "no town matches 'Xyzzyqx'"},
        Refusal{{"day", "--place", " , "}, "--place: expected"},
        Refusal{{"day", "--place", "Paris", "--lat", "1"}, "--place gives"},
        Refusal{{"day", "--place", "Paris", "--tz", "UTC"}, "--place gives"},
        Refusal{{"calendar", "--month", "2027-07", "--output", "/tmp/x.pdf", "--tz", "Nowhere/Atlantis"},
                "no time zone is named"},
        Refusal{{"places"}, "places: the name of a town is required"},
        Refusal{{"places", "Xyzzyqx"}, "no town matches"},
        Refusal{{"places", "Paris", "Texas"}, "one name only"},
        Refusal{{"places", "Paris", "--format", "csv"}, "expected text or json"}));

// The program itself, on both sides of New York's changes: range with --tz against day with --gmt.
TEST(CliZoneProgram, RangeMatchesTheDayCommandAcrossBothChanges) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    env.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    const auto run = [&env](const QStringList& a) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(BITECLOCK_CLI_PROGRAM), a + QStringList{"--lat", "40.7", "--lon", "-74"});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput().toStdString();
    };
    for (const char* from : {"2027-03-12", "2027-11-05"}) {
        const auto rows = lines(run({"range", "--from", from, "--days", "5", "--tz", "America/New_York"}));
        ASSERT_EQ(rows.size(), 5u);
        for (const std::string& row : rows) {
            const std::string date = field(row, "date");
            const QString offset = QString::fromStdString(field(row, "utc_offset"));
            const std::string day = run({"day", "--date", QString::fromStdString(date.substr(1, 10)), "--gmt",
                                         offset, "--format", "json"});
            EXPECT_EQ(withoutZone(row, "America/New_York") + "\n", day) << date;
        }
    }
}

} // namespace
} // namespace biteclock::cli
