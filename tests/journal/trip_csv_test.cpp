// The trips as CSV, read back by Python's csv module field for field.
#include "generated_journal.h"
#include "trip_csv.h"
#include "trip_log.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace biteclock;

namespace {

// Reads the CSV file named by the first argument strictly (RFC 4180 quoting, no dialect sniffing)
// and prints its rows as a JSON list of lists.
constexpr const char* kReadBack = R"(import csv, json, sys
with open(sys.argv[1], newline='', encoding='utf-8') as f:
    rows = list(csv.reader(f, strict=True))
sys.stdout.write(json.dumps(rows))
)";

std::optional<std::vector<std::vector<std::string>>> readWithPython(const std::string& csv, QString& why) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trips.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size())) {
        why = QStringLiteral("could not write the file");
        return std::nullopt;
    }
    file.close();
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(kReadBack), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        why = QString::fromUtf8(python.readAllStandardError());
        return std::nullopt;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(python.readAllStandardOutput());
    std::vector<std::vector<std::string>> rows;
    for (const QJsonValue& row : doc.array()) {
        std::vector<std::string> fields;
        for (const QJsonValue& field : row.toArray()) {
            fields.push_back(field.toString().toStdString());
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

std::string trimmedPeriod(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class TripCsvTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty()) {
            GTEST_SKIP() << "python3 is not installed";
        }
    }
    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/journal");
};

} // namespace

// A generated log with notes full of quotes, commas, line breaks and accents, a damaged file, an
// unreadable one and an entry without a date: every field comes back as it went in.
TEST_F(TripCsvTest, PythonReadsBackEveryFieldOfEveryTrip) {
    auto trips = generatedTrips(200, 9);
    trips[3].entry.notes = "He said \"tight lines\",\nthen \"\"left\"\"";
    trips[4].entry.notes = "Ends with a break\r\n";
    trips[5].entry.catchRating = "  Good  ";
    trips[6].entry.position1 = "Tauranga, \"the Mount\"";
    trips[7].entry.notes = "Emoji \xF0\x9F\x8E\xA3 and \xCE\xB1\xCE\xB2";
    trips[8].entry.day = "";
    ASSERT_TRUE(writeTrips(folder, trips));
    const JournalStore store(folder);
    QFile damaged(store.filePath(201));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\"Date:\",\"1\",\"2\",\"2003\"\r\n\"Notes:\",\"cut, \"\"mid");
    damaged.close();
    ASSERT_TRUE(QDir().mkpath(store.filePath(202)));

    TripPlace place;
    place.observer = observerFromDegrees(-37.7, 176.2, 12);
    const auto records = readTripLog(folder, place);
    ASSERT_EQ(records.size(), 202u);

    QString why;
    const auto rows = readWithPython(tripsCsv(records), why);
    ASSERT_TRUE(rows.has_value()) << why.toStdString();
    ASSERT_EQ(rows->size(), records.size() + 1);
    EXPECT_EQ((*rows)[0], tripsCsvColumns());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TripRecord& r = records[i];
        const std::vector<std::string>& row = (*rows)[i + 1];
        ASSERT_EQ(row.size(), 27u) << r.number;
        const JournalEntry& e = r.entry;
        const std::vector<std::string> fileFields{e.day,         e.month,         e.year,      e.notes,
                                                  e.temperature, e.tripTime,      e.tideType,  e.windStrength,
                                                  e.quantity,    e.windDirection, e.tideState, e.catchRating,
                                                  e.position1,   e.position2,     e.bestTime};
        EXPECT_EQ(std::vector<std::string>(row.begin() + 12, row.end()), fileFields) << r.number;
        EXPECT_EQ(row[0], std::to_string(r.number));
        EXPECT_EQ(row[1], tripStatusName(r.status));
        EXPECT_EQ(row[2], r.error.toStdString());
        if (r.almanac) {
            const CalendarDate c = calendarDate(*r.date);
            char iso[16];
            std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", c.year, c.month, c.day);
            EXPECT_EQ(row[3], iso);
            EXPECT_EQ(row[4], weekdayName(weekdayNumber(*r.date)));
            EXPECT_EQ(row[5], std::to_string(r.almanac->moonAge));
            EXPECT_EQ(row[6], std::to_string(r.almanac->rating));
            EXPECT_EQ(row[7], r.almanac->ratingText);
            EXPECT_EQ(row[8], trimmedPeriod(r.almanac->upperMajor));
            EXPECT_EQ(row[9], trimmedPeriod(r.almanac->lowerMajor));
            EXPECT_EQ(row[10], trimmedPeriod(r.almanac->riseMinor));
            EXPECT_EQ(row[11], trimmedPeriod(r.almanac->setMinor));
        } else {
            EXPECT_EQ(std::vector<std::string>(row.begin() + 3, row.begin() + 12),
                      std::vector<std::string>(9))
                << r.number;
        }
    }
    EXPECT_EQ((*rows)[4][15], trips[3].entry.notes);
    EXPECT_EQ((*rows)[201][1], "damaged");
    EXPECT_EQ((*rows)[202][1], "unreadable");
    EXPECT_FALSE((*rows)[202][2].empty());
}

// Records end in CR LF; the line breaks of a note stay as they were, inside its quotes.
TEST(TripCsv, RowsEndInCrLfAndQuotedFieldsKeepTheirBreaks) {
    TripRecord r;
    r.number = 7;
    r.entry.notes = "a\nb";
    r.entry.catchRating = "say \"hi\"";
    r.entry.position1 = " lead";
    const std::string csv = tripsCsv({r});
    const std::string header = csv.substr(0, csv.find("\r\n"));
    EXPECT_EQ(header.substr(0, 33), "entry,status,error,date,weekday,m");
    EXPECT_EQ(csv.substr(header.size() + 2),
              "7,read,,,,,,,,,,,,,,\"a\nb\",,,,,,,,\"say \"\"hi\"\"\",\" lead\",,\r\n");
    EXPECT_EQ(tripsCsv({}), header + "\r\n");
}
