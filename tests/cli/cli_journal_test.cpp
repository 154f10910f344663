// journal list, export and stats: each trip's almanac is what the day command gives for its date.
#include "cli_test_support.h"
#include "generated_journal.h"
#include "tiny_tmpfs.h"
#include "trip_csv.h"
#include "trip_log.h"
#include "trip_stats.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace biteclock::cli {
namespace {

using testing::runWith;

const std::vector<std::string> kAuckland = {"--lat", "-36.85", "--lon", "174.75", "--gmt", "12"};

std::vector<std::string> args(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::vector<QJsonObject> jsonLines(const std::string& text) {
    std::vector<QJsonObject> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
        rows.push_back(doc.object());
    }
    return rows;
}

std::string text(const QJsonObject& o, const char* key) {
    return o.value(QLatin1String(key)).toString().toStdString();
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string bytesOf(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("(missing)");
}

class CliJournal : public ::testing::Test {
protected:
    QTemporaryDir temp;
    QString folderPath = temp.filePath(QStringLiteral("journal"));
    std::string folder = folderPath.toStdString();

    std::vector<std::string> journal(const char* action, std::vector<std::string> more = {}) {
        std::vector<std::string> a{"journal", action, "--folder", folder};
        a.insert(a.end(), more.begin(), more.end());
        return a;
    }

    // Every row of the list against the day command for its date, field for field.
    void expectRowsAreTheDays(const std::vector<GeneratedTrip>& trips,
                              const std::vector<std::string>& place) {
        const auto list = runWith(args(journal("list", {"--format", "json"}), place));
        ASSERT_EQ(list.exitCode, 0) << list.err;
        // Any note on the place is the day command's own.
        EXPECT_EQ(list.err, runWith(args({"day", "--date", "2000-01-01"}, place)).err);
        const auto rows = jsonLines(list.out);
        ASSERT_EQ(rows.size(), trips.size());
        for (std::size_t i = 0; i < trips.size(); ++i) {
            const QJsonObject& row = rows[i];
            const std::string date = text(row, "date");
            SCOPED_TRACE(date);
            EXPECT_EQ(row.value(QLatin1String("entry")).toInt(), trips[i].number);
            EXPECT_EQ(text(row, "status"), "read");
            const auto day = runWith(args({"day", "--date", date, "--format", "json"}, place));
            ASSERT_EQ(day.exitCode, 0) << day.err;
            const auto dayRows = jsonLines(day.out);
            ASSERT_EQ(dayRows.size(), 1u);
            const QJsonObject& d = dayRows[0];
            EXPECT_EQ(text(row, "weekday"), text(d, "weekday"));
            EXPECT_EQ(row.value(QLatin1String("moon_age")), d.value(QLatin1String("moon_age")));
            EXPECT_EQ(row.value(QLatin1String("moon_picture")), d.value(QLatin1String("moon_picture")));
            EXPECT_EQ(row.value(QLatin1String("rating")), d.value(QLatin1String("rating")));
            EXPECT_EQ(text(row, "prediction"), text(d, "rating_text"));
            for (const char* period : {"upper_major", "lower_major", "rise_minor", "set_minor"}) {
                EXPECT_EQ(text(row, period), trimmed(text(d, period))) << period;
            }
            EXPECT_EQ(row.value(QLatin1String("utc_offset")), d.value(QLatin1String("utc_offset")));
            EXPECT_EQ(text(row, "catch"), trips[i].entry.catchRating);
            EXPECT_EQ(text(row, "notes"), trips[i].entry.notes);
        }
    }
};

} // namespace

// --- The almanac of each trip ---

TEST_F(CliJournal, ListRowsAreTheDayCommandForEachDate) {
    const auto trips = generatedTrips(250);
    ASSERT_TRUE(writeTrips(folderPath, trips));
    expectRowsAreTheDays(trips, kAuckland);
}

TEST_F(CliJournal, ListInAZoneTakesEachDatesOwnOffset) {
    auto trips = generatedTrips(80, 21);
    ASSERT_TRUE(writeTrips(folderPath, trips));
    expectRowsAreTheDays(trips, {"--lat", "40.7", "--lon", "-74", "--tz", "America/New_York"});
}

TEST_F(CliJournal, TheStoredPlaceAndTheSouthernPictures) {
    const auto trips = generatedTrips(30, 4);
    ASSERT_TRUE(writeTrips(folderPath, trips));
    // The fixed environment stores 0 N 0 W at 13 hours.
    expectRowsAreTheDays(trips, {});
    expectRowsAreTheDays(trips, {"--location", "Sydney Harbour", "--south"});
}

// --- The forms ---

TEST_F(CliJournal, TextListShowsEachEntryOnOneLineWithItsState) {
    const JournalStore store(folderPath);
    JournalEntry e;
    e.day = "12";
    e.month = "3";
    e.year = "1999";
    e.catchRating = "Good";
    e.quantity = "12";
    e.tripTime = "6am-10am";
    e.notes = "two\r\nlines";
    ASSERT_TRUE(store.save(1, e).saved);
    e.day = "";
    e.catchRating = "odd\x1b[31m";
    ASSERT_TRUE(store.save(2, e).saved);
    QFile cut(store.filePath(3));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write("\"Date:\",\"5\"");
    cut.close();

    const auto run = runWith(args(journal("list"), {"--lat", "40.7", "--lon", "-74", "--gmt", "-5"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 39), "Entry  Date        Day  Age  Prediction");
    EXPECT_EQ(lines[1].substr(0, 39), "    1  1999-03-12  Fri   24  Good      ");
    EXPECT_NE(lines[1].find("06:45 AM     07:09 PM     01:46 AM    11:44 AM    Good        12      6am-10am"),
              std::string::npos)
        << lines[1];
    EXPECT_EQ(lines[2].substr(0, 16), "    2  no date  ");
    EXPECT_NE(lines[2].find("odd\\x1B[31m"), std::string::npos) << "no terminal control reaches the output";
    EXPECT_NE(lines[3].find("[damaged]"), std::string::npos) << lines[3];
}

TEST_F(CliJournal, AnEmptyJournalSaysSo) {
    ASSERT_TRUE(QDir().mkpath(folderPath));
    const auto text = runWith(args(journal("list"), kAuckland));
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "No journal entries in " + folder + "\n");
    const auto json = runWith(args(journal("list", {"--format", "json"}), kAuckland));
    EXPECT_EQ(json.out, "");
    const auto csv = runWith(args(journal("list", {"--format", "csv"}), kAuckland));
    EXPECT_EQ(csv.out, tripsCsv({}));
}

// The export is the trips' CSV exactly, to a file or to standard output, and list --format csv too.
TEST_F(CliJournal, ExportWritesTheCsvOfTheTrips) {
    const auto trips = generatedTrips(60, 8);
    ASSERT_TRUE(writeTrips(folderPath, trips));
    TripPlace place;
    place.observer = observerFromDegrees(-36.85, 174.75, 12);
    const std::string expected = tripsCsv(readTripLog(folderPath, place));

    const std::string target = temp.filePath(QStringLiteral("trips.csv")).toStdString();
    const auto file = runWith(args(journal("export", {"--output", target}), kAuckland));
    ASSERT_EQ(file.exitCode, 0) << file.err;
    EXPECT_EQ(file.out, "");
    EXPECT_EQ(bytesOf(target), expected);

    const auto out = runWith(args(journal("export", {"-o", "-"}), kAuckland));
    EXPECT_EQ(out.out, expected);
    const auto list = runWith(args(journal("list", {"--format", "csv"}), kAuckland));
    EXPECT_EQ(list.out, expected);
}

// Stats as JSON hold the numbers of tripStats for the same trips; the text marks the small groups.
TEST_F(CliJournal, StatsGiveTheGroupsOfTheTrips) {
    const auto trips = generatedTrips(300, 2);
    ASSERT_TRUE(writeTrips(folderPath, trips));
    TripPlace place;
    place.observer = observerFromDegrees(-36.85, 174.75, 12);
    const TripStats stats = tripStats(readTripLog(folderPath, place));

    const auto json = runWith(args(journal("stats", {"--format", "json"}), kAuckland));
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(o.value(QLatin1String("trips")).toInt(), 300);
    EXPECT_EQ(o.value(QLatin1String("dated")).toInt(), stats.dated);
    const std::vector<std::pair<const char*, const std::vector<TripGroup>*>> groupings{
        {"by_grade", &stats.byGrade}, {"by_phase", &stats.byPhase}, {"by_period", &stats.byPeriod}};
    for (const auto& [key, groups] : groupings) {
        const QJsonArray array = o.value(QLatin1String(key)).toArray();
        ASSERT_EQ(static_cast<std::size_t>(array.size()), groups->size()) << key;
        for (std::size_t i = 0; i < groups->size(); ++i) {
            const QJsonObject g = array[static_cast<qsizetype>(i)].toObject();
            const TripGroup& want = (*groups)[i];
            EXPECT_EQ(text(g, "name"), want.name);
            EXPECT_EQ(g.value(QLatin1String("trips")).toInt(), want.trips);
            EXPECT_EQ(g.value(QLatin1String("good_catches")).toInt(), want.goodCatches);
            EXPECT_EQ(g.value(QLatin1String("with_quantity")).toInt(), want.withQuantity);
            EXPECT_DOUBLE_EQ(g.value(QLatin1String("quantity_sum")).toDouble(), want.quantitySum);
            if (want.averageQuantity()) {
                EXPECT_DOUBLE_EQ(g.value(QLatin1String("average_quantity")).toDouble(),
                                 *want.averageQuantity());
            } else {
                EXPECT_TRUE(g.value(QLatin1String("average_quantity")).isNull());
            }
            EXPECT_EQ(g.value(QLatin1String("too_few")).toBool(), want.tooFew());
        }
    }

    const auto textRun = runWith(args(journal("stats"), kAuckland));
    ASSERT_EQ(textRun.exitCode, 0);
    EXPECT_EQ(textRun.out.substr(0, textRun.out.find('\n')),
              "Trips: 300 (" + std::to_string(stats.dated) + " with a date)");
    for (const auto* groups : {&stats.byGrade, &stats.byPhase, &stats.byPeriod}) {
        for (const TripGroup& g : *groups) {
            const auto at = textRun.out.find("\n" + g.name + " ");
            ASSERT_NE(at, std::string::npos) << g.name;
            const std::string line = textRun.out.substr(at + 1, textRun.out.find('\n', at + 1) - at - 1);
            EXPECT_EQ(line.find("(fewer than 5 trips)") != std::string::npos, g.tooFew()) << line;
        }
    }
}

// Without --folder the journal is the one the environment names: Biteclock's own.
TEST_F(CliJournal, TheDefaultFolderIsBiteclocksJournal) {
    const auto trips = generatedTrips(5, 6);
    ASSERT_TRUE(writeTrips(folderPath, trips));
    CliEnvironment env = testing::fixedEnvironment();
    env.journalFolder = [this] { return folder; };
    const auto run = runWith({"journal", "list", "--format", "json"}, env);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(jsonLines(run.out).size(), 5u);
}

// --- Refusals and failures ---

namespace {

struct JournalRefusal {
    std::vector<std::string> arguments;
    std::string says;
};

class CliJournalRefuses : public ::testing::TestWithParam<JournalRefusal> {};

} // namespace

TEST_P(CliJournalRefuses, WithOneLineAndExitTwo) {
    const auto run = runWith(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("biteclock-cli: ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(GetParam().says), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Options, CliJournalRefuses,
    ::testing::Values(
        JournalRefusal{{"journal"}, "expected list, export or stats"},
        JournalRefusal{{"journal", "show"}, "got 'show'"},
        JournalRefusal{{"journal", "list", "--output", "x.csv"}, "journal list: unknown option"},
        JournalRefusal{{"journal", "export", "--format", "csv", "-o", "-"},
                       "journal export: unknown option '--format'"},
        JournalRefusal{{"journal", "export"}, "--output FILE.csv is required"},
        JournalRefusal{{"journal", "export", "--output", ""}, "--output: expected the name"},
        JournalRefusal{{"journal", "stats", "--format", "csv"}, "expected text or json"},
        JournalRefusal{{"journal", "list", "--format", "xml"}, "expected text, json or csv"},
        JournalRefusal{{"journal", "list", "--folder"}, "--folder: a value is missing"},
        JournalRefusal{{"journal", "list", "--folder", ""}, "--folder: expected the journal folder"},
        JournalRefusal{{"journal", "list", "--folder", "/nonexistent/journal"}, "is not a folder"},
        JournalRefusal{{"journal", "stats", "--tz", "Nowhere/Atlantis"}, "no time zone is named"},
        JournalRefusal{{"journal", "list", "--place", "Paris", "--gmt", "1"}, "--place gives"},
        JournalRefusal{{"journal", "list", "--location", "Atlantis"}, "no saved location"},
        JournalRefusal{{"journal", "list", "--lat", "95"}, "--lat: expected"}));

TEST(CliJournalHelp, TheUsageNamesTheJournalCommands) {
    const auto run = runWith({"journal", "--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* line : {"journal list [--format text|json|csv] [--folder DIR]",
                             "journal export --output FILE.csv|-", "journal stats [--format text|json]"}) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(runWith({"journal", "stats", "--help"}).out, run.out);
}

TEST_F(CliJournal, AnExportThatCannotBeWrittenIsExitOne) {
    ASSERT_TRUE(writeTrips(folderPath, generatedTrips(3)));
    const std::string target = temp.filePath(QStringLiteral("no/such/folder/trips.csv")).toStdString();
    const auto run = runWith(args(journal("export", {"--output", target}), kAuckland));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("biteclock-cli: " + target + " could not be written: ", 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");

    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(runCli(args(journal("list"), kAuckland), out, err, testing::fixedEnvironment()), 1);
    EXPECT_EQ(err.str(), "biteclock-cli: the output could not be written\n");
}

// On a full disk the older file of that name stays as it was, and no part file is left.
TEST_F(CliJournal, AFullDiskLeavesTheOlderExportWhole) {
    const TinyTmpfs disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs the superuser)";
    }
    ASSERT_TRUE(writeTrips(folderPath, generatedTrips(400)));
    const std::string target = QFile::encodeName(disk.filePath(QStringLiteral("trips.csv"))).toStdString();
    {
        QFile old(QString::fromStdString(target));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older export");
    }
    const auto run = runWith(args(journal("export", {"--output", target}), kAuckland));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "biteclock-cli: " + target + " could not be written: No space left on device\n");
    EXPECT_EQ(bytesOf(target), "an older export");
    EXPECT_EQ(disk.entries(), QStringList{QStringLiteral("trips.csv")});
}

// The program itself finds Biteclock's journal under the data folder, as the window keeps it.
TEST(CliJournalProgram, ListsTheJournalOfTheDataFolder) {
    QTemporaryDir dir;
    const QString journalFolder = dir.filePath(QStringLiteral("data/Biteclock/Biteclock/journal"));
    ASSERT_TRUE(writeTrips(journalFolder, generatedTrips(12, 5)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(BITECLOCK_CLI_PROGRAM),
            {"journal", "list", "--format", "json", "--lat", "10", "--lon", "10", "--gmt", "1"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const auto rows = jsonLines(p.readAllStandardOutput().toStdString());
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[11].value(QLatin1String("entry")).toInt(), 12);
}

} // namespace biteclock::cli
