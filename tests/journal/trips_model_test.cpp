// The trips list's rows, their order and the filter, over journal folders written for each test.
#include "trips_filter.h"
#include "trips_fixture.h"
#include "trips_model.h"

#include <QIcon>
#include <algorithm>
#include <vector>

namespace {

using trips_test::Trip;

class TripsModelTest : public trips_test::TripsFolderTest {
protected:
    void load() {
        model.setTrips(readTripLog(folder, place));
        filter.setSourceModel(&model);
    }

    QString cell(int number, int column) const {
        const std::optional<int> row = model.rowOfEntry(number);
        EXPECT_TRUE(row.has_value()) << "entry " << number;
        return row ? model.index(*row, column).data().toString() : QString();
    }

    QVariant cellData(int number, int column, int role) const {
        return model.index(model.rowOfEntry(number).value_or(-1), column).data(role);
    }

    std::vector<int> shown() const {
        std::vector<int> numbers;
        for (int row = 0; row < filter.rowCount(); ++row) {
            numbers.push_back(filter.index(row, 0).data(TripsModel::EntryNumberRole).toInt());
        }
        return numbers;
    }

    std::vector<int> sortedBy(int column, Qt::SortOrder order = Qt::AscendingOrder) {
        filter.sort(column, order);
        return shown();
    }

    TripsModel model;
    TripsFilter filter;
};

TEST_F(TripsModelTest, ShowsEachFileInEntryOrderWithTheAlmanacOfItsDate) {
    writeTrip(12, {.day = 12,
                   .month = 3,
                   .year = 2024,
                   .catchRating = "Good",
                   .quantity = "7",
                   .tripTime = "06:00 - 09:30",
                   .notes = "\r\n  Pier at dawn  \r\nbait: worms",
                   .temperature = "11C"});
    writeTrip(3, {.day = 25, .month = 12, .year = 2023, .notes = "Boxing day"});
    writeTrip(1, {.catchRating = "Poor", .notes = "no date yet"});
    // Not a name the journal writes: no row.
    trips_test::writeBytes(folder + QStringLiteral("/jour007.dat"), "\"Date:\",\"1\",\"1\",\"2024\"\r\n");
    load();

    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), TripsModel::ColumnCount);
    EXPECT_EQ(model.trip(0).number, 1);
    EXPECT_EQ(model.trip(1).number, 3);
    EXPECT_EQ(model.trip(2).number, 12);

    EXPECT_EQ(cell(12, TripsModel::NumberColumn), QStringLiteral("12"));
    EXPECT_EQ(cell(12, TripsModel::DateColumn), QStringLiteral("12 Mar 2024"));
    EXPECT_EQ(cell(12, TripsModel::WeekdayColumn), QStringLiteral("Tuesday"));
    EXPECT_EQ(cell(12, TripsModel::CatchColumn), QStringLiteral("Good"));
    EXPECT_EQ(cell(12, TripsModel::QuantityColumn), QStringLiteral("7"));
    EXPECT_EQ(cell(12, TripsModel::TripTimeColumn), QStringLiteral("06:00 - 09:30"));
    EXPECT_EQ(cell(12, TripsModel::TemperatureColumn), QStringLiteral("11C"));
    // The first line of the notes that holds anything.
    EXPECT_EQ(cell(12, TripsModel::NotesColumn), QStringLiteral("Pier at dawn"));

    // The Moon and the prediction of the date at the place, as the main window computes that day.
    const TripAlmanac march = tripAlmanac(place, biteclock::dateSerial(2024, 3, 12));
    EXPECT_EQ(cell(12, TripsModel::MoonAgeColumn), QString::number(march.moonAge));
    EXPECT_EQ(cell(12, TripsModel::PredictionColumn), QString::fromStdString(march.ratingText));
    EXPECT_FALSE(cellData(12, TripsModel::MoonAgeColumn, Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(cellData(12, TripsModel::PredictionColumn, Qt::ToolTipRole)
                    .toString()
                    .contains(QString::fromStdString(march.upperMajor.substr(0, 5))));
    const TripAlmanac boxingDay = tripAlmanac(place, biteclock::dateSerial(2023, 12, 25));
    EXPECT_EQ(cell(3, TripsModel::MoonAgeColumn), QString::number(boxingDay.moonAge));
    EXPECT_EQ(cell(3, TripsModel::WeekdayColumn), QStringLiteral("Monday"));

    // A trip without a date has no weekday, Moon or prediction.
    EXPECT_EQ(cell(1, TripsModel::DateColumn), QString());
    EXPECT_EQ(cell(1, TripsModel::WeekdayColumn), QString());
    EXPECT_EQ(cell(1, TripsModel::MoonAgeColumn), QString());
    EXPECT_EQ(cell(1, TripsModel::PredictionColumn), QString());
    EXPECT_FALSE(cellData(1, TripsModel::YearRole, TripsModel::YearRole).isValid());
    EXPECT_EQ(cellData(12, TripsModel::NotesColumn, TripsModel::YearRole).toInt(), 2024);
}

TEST_F(TripsModelTest, DamagedAndUnreadableFilesAreRowsThatSaySo) {
    writeTrip(1, {.day = 1, .month = 5, .year = 2024, .notes = "whole"});
    // Cut short in the middle of the notes.
    const QByteArray whole = QByteArray::fromStdString(biteclock::writeJournalFile(
        trips_test::entryOf({.day = 2, .month = 5, .year = 2024, .notes = "Half a trip"})));
    trips_test::writeBytes(filePath(2), whole.left(whole.indexOf("Temperature")));
    // A folder under an entry's name cannot be read as a file.
    ASSERT_TRUE(QDir().mkpath(filePath(3)));
    load();

    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.trip(1).status, JournalStore::ReadStatus::Damaged);
    EXPECT_EQ(model.trip(2).status, JournalStore::ReadStatus::Unreadable);

    EXPECT_EQ(cell(1, TripsModel::NotesColumn), QStringLiteral("whole"));
    EXPECT_TRUE(cellData(1, TripsModel::NumberColumn, Qt::DecorationRole).isNull());

    // What could be read is shown, and the row says the file is damaged.
    EXPECT_EQ(cell(2, TripsModel::NotesColumn), QStringLiteral("Damaged file: Half a trip"));
    EXPECT_EQ(cell(2, TripsModel::DateColumn), QStringLiteral("2 May 2024"));
    EXPECT_FALSE(cellData(2, TripsModel::NumberColumn, Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(cellData(2, TripsModel::NumberColumn, Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("jour2.dat")));

    EXPECT_TRUE(cell(3, TripsModel::NotesColumn).startsWith(QStringLiteral("Unreadable file: ")));
    EXPECT_TRUE(cell(3, TripsModel::NotesColumn).contains(model.trip(2).error));
    EXPECT_FALSE(model.trip(2).error.isEmpty());
    EXPECT_FALSE(cellData(3, TripsModel::NumberColumn, Qt::DecorationRole).value<QIcon>().isNull());

    // Filtering for the word finds them too.
    filter.setFilterText(QStringLiteral("damaged"));
    EXPECT_EQ(shown(), (std::vector<int>{2}));
}

TEST_F(TripsModelTest, NumbersAndDatesSortAsNumbersAndDates) {
    writeTrip(1, {.day = 10,
                  .month = 1,
                  .year = 2024,
                  .catchRating = "Excellent",
                  .quantity = "12 fish",
                  .tripTime = "2 hrs",
                  .temperature = "9C"});
    writeTrip(2, {.day = 2,
                  .month = 3,
                  .year = 2024,
                  .catchRating = "Poor",
                  .quantity = "9",
                  .tripTime = "06:00 - 10:30",
                  .temperature = "-1 C"});
    writeTrip(3, {.day = 25,
                  .month = 12,
                  .year = 2023,
                  .catchRating = "Good",
                  .quantity = "none",
                  .tripTime = "45 min",
                  .temperature = "12C"});
    writeTrip(4, {.catchRating = "a few", .quantity = "lots", .tripTime = "all day"});
    writeTrip(5,
              {.day = 2, .month = 3, .year = 2024, .catchRating = "Fair", .quantity = "", .temperature = ""});
    load();

    // Text order would put "10 Jan" first and "25 Dec 2023" last; the trip without a date comes last.
    EXPECT_EQ(sortedBy(TripsModel::DateColumn), (std::vector<int>{3, 1, 2, 5, 4}));
    EXPECT_EQ(sortedBy(TripsModel::DateColumn, Qt::DescendingOrder), (std::vector<int>{4, 5, 2, 1, 3}));
    // "none" is no fish; "lots" is words and sorts after the numbers, the empty one last.
    EXPECT_EQ(sortedBy(TripsModel::QuantityColumn), (std::vector<int>{3, 2, 1, 4, 5}));
    // By grade, not by letter; free text after the grades.
    EXPECT_EQ(sortedBy(TripsModel::CatchColumn), (std::vector<int>{2, 5, 3, 1, 4}));
    // By the length of the trip.
    EXPECT_EQ(sortedBy(TripsModel::TripTimeColumn), (std::vector<int>{3, 1, 2, 4, 5}));
    EXPECT_EQ(sortedBy(TripsModel::TemperatureColumn), (std::vector<int>{2, 1, 3, 4, 5}));
    EXPECT_EQ(sortedBy(TripsModel::NumberColumn, Qt::DescendingOrder), (std::vector<int>{5, 4, 3, 2, 1}));

    // Moon ages and predictions as numbers, equal ones by entry number.
    filter.sort(TripsModel::MoonAgeColumn, Qt::AscendingOrder);
    int previous = -1;
    for (const int number : shown()) {
        const QVariant age = cellData(number, TripsModel::MoonAgeColumn, TripsModel::SortRole);
        if (!age.isValid()) {
            EXPECT_EQ(number, 4);
            continue;
        }
        EXPECT_GE(age.toInt(), previous);
        previous = age.toInt();
    }
    filter.sort(TripsModel::PredictionColumn, Qt::AscendingOrder);
    const std::vector<int> byPrediction = shown();
    for (std::size_t i = 1; i + 1 < byPrediction.size(); ++i) {
        EXPECT_LE(model.trip(*model.rowOfEntry(byPrediction[i - 1])).almanac->rating,
                  model.trip(*model.rowOfEntry(byPrediction[i])).almanac->rating);
    }
    EXPECT_EQ(byPrediction.back(), 4);
}

TEST_F(TripsModelTest, TheFilterFindsEveryTypedWordInAnyField) {
    writeYearOfTrips(12);
    load();
    ASSERT_EQ(filter.rowCount(), 12);

    // A word from the second line of the notes, which no column shows.
    filter.setFilterText(QStringLiteral("WORMS"));
    EXPECT_EQ(shown(), (std::vector<int>{2, 4, 6, 8, 10, 12}));
    EXPECT_TRUE(filter.narrowed());
    // Every word must be there, wherever it is.
    filter.setFilterText(QStringLiteral("worms excellent"));
    const std::vector<int> both = shown();
    EXPECT_NE(std::find(both.begin(), both.end(), 8), both.end()); // an Excellent catch on worms
    for (const int number : shown()) {
        const TripRecord& trip = model.trip(*model.rowOfEntry(number));
        EXPECT_EQ(number % 2, 0);
        EXPECT_TRUE(trip.entry.catchRating == "Excellent" || trip.almanac->ratingText == "Excellent")
            << number;
    }
    // The weekday and the date as the row shows them.
    filter.setFilterText(QStringLiteral("Jan"));
    EXPECT_EQ(shown(), (std::vector<int>{1, 2, 3, 4, 5}));
    filter.setFilterText(QStringLiteral("  "));
    EXPECT_EQ(filter.rowCount(), 12);
    EXPECT_FALSE(filter.narrowed());
    filter.setFilterText(QStringLiteral("salmon"));
    EXPECT_EQ(filter.rowCount(), 0);
}

TEST_F(TripsModelTest, TheYearChoiceShowsOneYearOrTheTripsWithoutADate) {
    writeTrip(1, {.day = 30, .month = 12, .year = 2023});
    writeTrip(2, {.day = 1, .month = 1, .year = 2024});
    writeTrip(3, {.day = 5, .month = 6, .year = 2026});
    writeTrip(4, {.notes = "forgot the date"});
    // Boxes that name no date: the trip counts as one without a date.
    writeTrip(5, {.day = 30, .month = 2, .year = 2024});
    load();

    EXPECT_EQ(model.years(), (QList<int>{2023, 2024, 2026}));
    EXPECT_TRUE(model.hasUndatedTrips());
    EXPECT_EQ(cell(5, TripsModel::DateColumn), QStringLiteral("30/2/2024"));

    filter.setYear(2024);
    EXPECT_EQ(shown(), (std::vector<int>{2}));
    filter.setYear(TripsFilter::kUndated);
    EXPECT_EQ(shown(), (std::vector<int>{4, 5}));
    // The year and the words together.
    filter.setYear(2023);
    filter.setFilterText(QStringLiteral("2024"));
    EXPECT_TRUE(shown().empty());
    filter.setYear(TripsFilter::kAllYears);
    EXPECT_EQ(shown(), (std::vector<int>{2, 5}));
}

TEST_F(TripsModelTest, ARecordPutBackReplacesItsRowOrTakesItsPlaceInNumberOrder) {
    writeTrip(2, {.day = 1, .month = 1, .year = 2024, .catchRating = "Poor"});
    writeTrip(9, {.day = 2, .month = 1, .year = 2024});
    load();
    ASSERT_EQ(model.rowCount(), 2);

    writeTrip(2, {.day = 1, .month = 1, .year = 2024, .catchRating = "Excellent"});
    model.putTrip(*readTrip(folder, 2, place));
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(cell(2, TripsModel::CatchColumn), QStringLiteral("Excellent"));
    filter.setFilterText(QStringLiteral("excellent"));
    EXPECT_EQ(shown(), (std::vector<int>{2}));
    filter.setFilterText(QString());

    writeTrip(5, {.day = 3, .month = 1, .year = 2025});
    model.putTrip(*readTrip(folder, 5, place));
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.trip(1).number, 5);
    EXPECT_EQ(model.years(), (QList<int>{2024, 2025}));

    EXPECT_TRUE(model.removeEntry(2));
    EXPECT_FALSE(model.removeEntry(2));
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.rowOfEntry(2), std::nullopt);
    EXPECT_EQ(model.rowOfEntry(9), 1);
}

TEST_F(TripsModelTest, MonthFirstDatesPutTheMonthFirst) {
    writeTrip(1, {.day = 12, .month = 3, .year = 2024});
    writeTrip(2, {.day = 31, .month = 4, .year = 2024});
    load();
    model.setMonthFirst(true);
    EXPECT_EQ(cell(1, TripsModel::DateColumn), QStringLiteral("Mar 12, 2024"));
    EXPECT_EQ(cell(2, TripsModel::DateColumn), QStringLiteral("4/31/2024"));
    filter.setFilterText(QStringLiteral("mar 12,"));
    EXPECT_EQ(shown(), (std::vector<int>{1}));
}

} // namespace
