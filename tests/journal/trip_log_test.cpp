// The trips list: every entry file with the almanac of its date, as the main window shows that date.
#include "daily_refresh.h"
#include "file_bytes.h"
#include "generated_journal.h"
#include "journal_file.h"
#include "journal_store.h"
#include "trip_log.h"
#include "zone_date_offsets.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace biteclock;
using Status = JournalStore::ReadStatus;

namespace {

using test_files::contents;
using test_files::writeBytes;

JournalEntry entryOn(const std::string& day, const std::string& month, const std::string& year,
                     const std::string& notes = {}) {
    JournalEntry e;
    e.day = day;
    e.month = month;
    e.year = year;
    e.notes = notes;
    return e;
}

TripPlace fixedPlace(double latitudeDeg, double longitudeDeg, double zoneOffsetHours) {
    TripPlace place;
    place.observer = observerFromDegrees(latitudeDeg, longitudeDeg, zoneOffsetHours);
    return place;
}

/// The date as the main window computes it when it opens on it, in a context of its own.
AlmanacDay windowDay(const TripPlace& place, DateSerial date) {
    AlmanacDay day(AlmanacFlavour::Main, place.designators);
    day.moonorth = place.moonNorth;
    day.dateOffsets = place.offsets;
    day.observer = place.offsets ? observerOnDate(place.observer, *place.offsets, date) : place.observer;
    refreshDay(day, date, 15, false);
    return day;
}

/// "hh:mm AM" read back to minutes, written out here from the clock rule itself.
std::optional<int> minutesOfText(const std::string& text, const ClockDesignators& d) {
    for (int minutes = 0; minutes < 24 * 60; ++minutes) {
        if (eventClockText(minutes / 60, minutes % 60, d) == text) {
            return minutes;
        }
    }
    return std::nullopt;
}

void expectWindowAlmanac(const TripAlmanac& a, const TripPlace& place, DateSerial date) {
    const AlmanacDay day = windowDay(place, date);
    const CalendarDate c = calendarDate(date);
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day));
    EXPECT_EQ(a.moonAge, day.MoonAge);
    EXPECT_EQ(a.moonPictureId, day.MoonPictureId);
    EXPECT_EQ(a.rating, day.DayRating);
    EXPECT_EQ(a.ratingText, day.RatingText);
    EXPECT_EQ(a.upperMajor, day.main.Text4);
    EXPECT_EQ(a.lowerMajor, day.main.Text5);
    EXPECT_EQ(a.riseMinor, day.main.Text8);
    EXPECT_EQ(a.setMinor, day.main.Text7);
    EXPECT_EQ(a.upperMajorMinutes, minutesOfText(day.main.Text4, place.designators));
    EXPECT_EQ(a.lowerMajorMinutes, minutesOfText(day.main.Text5, place.designators));
    EXPECT_EQ(a.riseMinorMinutes, minutesOfText(day.main.Text8, place.designators));
    EXPECT_EQ(a.setMinorMinutes, minutesOfText(day.main.Text7, place.designators));
    EXPECT_EQ(a.utcOffsetHours, day.observer.zoneOffsetHours);
}

class TripLogTest : public ::testing::Test {
protected:
    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/journal");
    JournalStore store{folder};

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder)); }
};

} // namespace

// --- The almanac of each trip's date ---

// Three hundred trips whose dates repeat, at Auckland's +12: every row is the date as the window
// shows it, computed alone; the list computes each distinct date once and in date order, so a
// value carried over from the date before would show here.
TEST_F(TripLogTest, EachTripHasTheAlmanacTheWindowShowsForItsDate) {
    const auto trips = generatedTrips(300);
    ASSERT_TRUE(writeTrips(folder, trips));
    const TripPlace place = fixedPlace(-36.85, 174.75, 12);

    const auto records = readTripLog(folder, place);
    ASSERT_EQ(records.size(), trips.size());
    for (std::size_t i = 0; i < trips.size(); ++i) {
        const TripRecord& r = records[i];
        EXPECT_EQ(r.number, trips[i].number);
        EXPECT_EQ(r.status, Status::Read);
        EXPECT_EQ(r.entry, trips[i].entry);
        ASSERT_EQ(r.date, trips[i].date);
        ASSERT_TRUE(r.almanac.has_value());
        expectWindowAlmanac(*r.almanac, place, trips[i].date);
    }
}

// In New York's zone each date takes its own offset (winter -5, summer -4), and so its own table.
TEST_F(TripLogTest, InAZoneEachDateIsComputedInItsOwnOffset) {
    auto trips = generatedTrips(120, 11);
    // Both sides of the 2027 changes, and the change days themselves.
    for (const auto& [m, d] : std::vector<std::pair<int, int>>{{3, 13}, {3, 14}, {11, 6}, {11, 7}, {7, 4}}) {
        GeneratedTrip t;
        t.number = static_cast<int>(trips.size()) + 1;
        t.date = dateSerial(2027, m, d);
        t.entry.day = std::to_string(d);
        t.entry.month = std::to_string(m);
        t.entry.year = "2027";
        trips.push_back(t);
    }
    ASSERT_TRUE(writeTrips(folder, trips));
    auto zone = ZoneDateOffsets::named("America/New_York");
    ASSERT_TRUE(zone.has_value());
    TripPlace place = fixedPlace(40.7, -74, -5);
    place.offsets = std::make_shared<const ZoneDateOffsets>(*zone);

    const auto records = readTripLog(folder, place);
    ASSERT_EQ(records.size(), trips.size());
    std::map<double, int> offsetsSeen;
    for (std::size_t i = 0; i < trips.size(); ++i) {
        ASSERT_TRUE(records[i].almanac.has_value());
        expectWindowAlmanac(*records[i].almanac, place, trips[i].date);
        ++offsetsSeen[records[i].almanac->utcOffsetHours];
    }
    EXPECT_EQ(records[records.size() - 5].almanac->utcOffsetHours, -5);
    EXPECT_EQ(records[records.size() - 4].almanac->utcOffsetHours, -4);
    EXPECT_EQ(records[records.size() - 2].almanac->utcOffsetHours, -5);
    EXPECT_GT(offsetsSeen.size(), 1u);
}

// Far north the Moon stays up or down on some days: the periods read "Can't Calc" and have no
// minutes; the southern pictures are mirrored.
TEST_F(TripLogTest, DaysWithoutPeriodsAndTheSouthernPictures) {
    std::vector<GeneratedTrip> trips;
    for (int i = 0; i < 60; ++i) {
        GeneratedTrip t;
        t.number = i + 1;
        t.date = dateSerial(2024, 1, 1) + i * 3;
        const CalendarDate c = calendarDate(t.date);
        t.entry.day = std::to_string(c.day);
        t.entry.month = std::to_string(c.month);
        t.entry.year = std::to_string(c.year);
        trips.push_back(t);
    }
    ASSERT_TRUE(writeTrips(folder, trips));
    TripPlace place = fixedPlace(78.2, 15.6, 1);
    place.moonNorth = false;

    int cannotCalc = 0;
    for (const TripRecord& r : readTripLog(folder, place)) {
        ASSERT_TRUE(r.almanac.has_value());
        expectWindowAlmanac(*r.almanac, place, *r.date);
        if (r.almanac->upperMajor == "Can't Calc") {
            ++cannotCalc;
            EXPECT_FALSE(r.almanac->upperMajorMinutes.has_value());
            EXPECT_FALSE(r.almanac->setMinorMinutes.has_value());
        }
    }
    EXPECT_GT(cannotCalc, 0);
}

// The desktop's own AM and PM words are written into the texts and read back for the minutes.
TEST_F(TripLogTest, PeriodTextsTakeThePlacesDesignators) {
    ASSERT_TRUE(writeTrips(folder, generatedTrips(20, 3)));
    TripPlace place = fixedPlace(51.5, -0.1, 0);
    place.designators = {"vorm.", "nachm."};
    int withMinutes = 0;
    for (const TripRecord& r : readTripLog(folder, place)) {
        ASSERT_TRUE(r.almanac.has_value());
        expectWindowAlmanac(*r.almanac, place, *r.date);
        withMinutes += r.almanac->upperMajorMinutes.has_value() ? 1 : 0;
    }
    EXPECT_GT(withMinutes, 10);
}

// --- Which files, in which order, in which state ---

TEST_F(TripLogTest, EntriesComeInNumberOrderAndOnlyUnderTheJournalsOwnNames) {
    for (const int number : {10, 2, 100, 1, 32767}) {
        ASSERT_TRUE(store.save(number, entryOn("1", "2", "2001")).saved);
    }
    const QByteArray other = contents(store.filePath(1));
    for (const char* name : {"jour007.dat", "jour0.dat", "jour32768.dat", "jour-1.dat", "jour+3.dat",
                             "jour1.dat.bak", "JOUR4.dat", "jour 5.dat", "jourx.dat"}) {
        writeBytes(QDir(folder).filePath(QString::fromLatin1(name)), other);
    }
    std::vector<int> numbers;
    for (const TripRecord& r : readTripLog(folder, fixedPlace(0, 0, 0))) {
        numbers.push_back(r.number);
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 10, 100, 32767}));
}

TEST_F(TripLogTest, DamagedTooLargeAndUnreadableFilesAreListedAsSuch) {
    ASSERT_TRUE(store.save(1, entryOn("12", "3", "1999", "fine")).saved);
    // Cut short inside the notes: the date is still there.
    writeBytes(store.filePath(2), "\"Date:\",\"12\",\"3\",\"1999\"\r\n\"Notes:\",\"cut sh");
    // Not a journal file at all.
    writeBytes(store.filePath(3), QByteArray("\x89PNG\r\n\x1a\n", 8));
    // Over a megabyte: its first megabyte is read.
    QByteArray large =
        QByteArray::fromStdString(writeJournalFile(entryOn("5", "6", "2010", std::string(1100000, 'x'))));
    writeBytes(store.filePath(4), large);
    // A folder under an entry's name.
    ASSERT_TRUE(QDir().mkpath(store.filePath(5)));

    const auto records = readTripLog(folder, fixedPlace(-36.85, 174.75, 12));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].status, Status::Read);
    EXPECT_EQ(records[1].status, Status::Damaged);
    EXPECT_EQ(records[1].date, dateSerial(1999, 3, 12));
    EXPECT_TRUE(records[1].almanac.has_value());
    EXPECT_EQ(records[2].status, Status::Damaged);
    EXPECT_FALSE(records[2].date.has_value());
    EXPECT_EQ(records[3].status, Status::TooLarge);
    EXPECT_EQ(records[3].date, dateSerial(2010, 6, 5));
    EXPECT_EQ(records[4].status, Status::Unreadable);
    EXPECT_FALSE(records[4].error.isEmpty());
    EXPECT_EQ(tripStatusName(records[1].status), "damaged");
    EXPECT_EQ(tripStatusName(records[3].status), "too large");
    EXPECT_EQ(tripStatusName(records[4].status), "unreadable");
}

// Listing reads: not a byte of any file changes, damaged ones included, and no file is added.
TEST_F(TripLogTest, ListingNeverWritesAFile) {
    ASSERT_TRUE(writeTrips(folder, generatedTrips(30)));
    writeBytes(store.filePath(31), "\"Date:\",\"1\",\"1\"");
    std::map<QString, std::pair<QByteArray, QDateTime>> before;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        before[info.fileName()] = {contents(info.filePath()), info.lastModified()};
    }
    readTripLog(folder, fixedPlace(10, 10, 1));
    std::map<QString, std::pair<QByteArray, QDateTime>> after;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        after[info.fileName()] = {contents(info.filePath()), info.lastModified()};
    }
    EXPECT_EQ(after, before);
}

TEST_F(TripLogTest, EntriesWithoutARealDateHaveNoAlmanac) {
    const std::vector<JournalEntry> entries{
        entryOn("", "3", "1999"),    entryOn("30", "2", "1999"),     entryOn("12", "3", "1850"),
        entryOn("12", "3", "2201"),  entryOn("twelve", "3", "1999"), entryOn("12", "13", "1999"),
        entryOn("-12", "3", "1999"), entryOn("29", "2", "2000"),
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ASSERT_TRUE(store.save(static_cast<int>(i) + 1, entries[i]).saved);
    }
    const auto records = readTripLog(folder, fixedPlace(0, 0, 0));
    ASSERT_EQ(records.size(), entries.size());
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_FALSE(records[i].date.has_value()) << i;
        EXPECT_FALSE(records[i].almanac.has_value()) << i;
        EXPECT_EQ(records[i].entry, entries[i]);
    }
    EXPECT_FALSE(records[5].date.has_value());
    // Signs are dropped, as the journal window reads a stored date.
    EXPECT_EQ(records[6].date, dateSerial(1999, 3, 12));
    EXPECT_EQ(records[7].date, dateSerial(2000, 2, 29));
    EXPECT_TRUE(records[7].almanac.has_value());
}

TEST_F(TripLogTest, AFolderThatDoesNotExistHasNoTrips) {
    EXPECT_TRUE(readTripLog(temp.path() + QStringLiteral("/nowhere"), fixedPlace(0, 0, 0)).empty());
    EXPECT_TRUE(readTripLog(folder, fixedPlace(0, 0, 0)).empty());
}

// --- One entry again ---

TEST_F(TripLogTest, OneEntryReadAgainIsTheListsRow) {
    const auto trips = generatedTrips(40, 5);
    ASSERT_TRUE(writeTrips(folder, trips));
    const TripPlace place = fixedPlace(-33.87, 151.2, 10);
    const auto records = readTripLog(folder, place);
    for (const TripRecord& listed : records) {
        const auto again = readTrip(folder, listed.number, place);
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->entry, listed.entry);
        EXPECT_EQ(again->date, listed.date);
        EXPECT_EQ(again->almanac, listed.almanac) << listed.number;
    }
    EXPECT_FALSE(readTrip(folder, 41, place).has_value());
    EXPECT_FALSE(readTrip(folder, 0, place).has_value());
    EXPECT_FALSE(readTrip(folder, 32768, place).has_value());
    EXPECT_FALSE(readTrip(folder, -1, place).has_value());
}

TEST_F(TripLogTest, AnEntryReadAgainAfterASaveShowsTheNewDate) {
    ASSERT_TRUE(store.save(3, entryOn("12", "3", "1999")).saved);
    const TripPlace place = fixedPlace(-36.85, 174.75, 12);
    const auto before = readTrip(folder, 3, place);
    ASSERT_TRUE(store.save(3, entryOn("6", "1", "2000")).saved);
    const auto after = readTrip(folder, 3, place);
    ASSERT_TRUE(before && after && after->almanac);
    EXPECT_EQ(after->date, dateSerial(2000, 1, 6));
    expectWindowAlmanac(*after->almanac, place, dateSerial(2000, 1, 6));
    EXPECT_NE(before->date, after->date);
}
