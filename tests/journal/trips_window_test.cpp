// The trips window over a journal folder of its own: the placeholder, the year choice, opening a trip
// in the journal window, a journal save reaching the list, delete and undo, export, and the place.
#include "almanac_day.h"
#include "daily_refresh.h"
#include "journal_window.h"
#include "recording_file_chooser.h"
#include "recording_services.h"
#include "safe_file.h"
#include "trip_csv.h"
#include "trip_group_chart.h"
#include "trip_stats_view.h"
#include "trips_filter.h"
#include "trips_fixture.h"
#include "trips_model.h"
#include "trips_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <memory>

namespace {

using trips_test::Trip;

// A file with labels of its own and a second group: a delete and its undo must keep every byte.
const QByteArray kHandWrittenFile =
    "\"Datum\",\"7\",\"4\",\"2024\"\r\n\"Notizen\",\"first group\"\r\n\"T\",\"\"\r\n\"TT\",\"\"\r\n"
    "\"TY\",\"\"\r\n\"WS\",\"\"\r\n\"Q\",\"1\"\r\n\"W\",\"\"\r\n\"Ti\",\"\"\r\n\"C\",\"Poor\"\r\n"
    "\"G\",\"\"\r\n\"G\",\"\"\r\n\"B\",\"\"\r\n"
    "\"Date:\",\"8\",\"4\",\"2024\"\r\n\"Notes:\",\"Hand written; two "
    "groups\"\r\n\"Temperature:\",\"14C\"\r\n"
    "\"Trip Time:\",\"05:30-08:00\"\r\n\"Tide Type:\",\"Spring\"\r\n\"Wind Strength:\",\"2\"\r\n"
    "\"Quantity of Fish:\",\"4\"\r\n\"Wind:\",\"South West\"\r\n\"Tide:\",\"Rising 2/3\"\r\n"
    "\"Catch:\",\"Good\"\r\n\"G.P.S mark or location:\",\"Harbour wall\"\r\n"
    "\"G.P.S mark or location:\",\"\"\r\n\"Best Time:\",\"06:15am - 07:00am\"\r\n";

class TripsWindowTest : public trips_test::TripsFolderTest {
protected:
    TripsWindow& open() {
        window = std::make_unique<TripsWindow>(
            folder, [this] { return place; }, messages, files);
        window->show();
        return *window;
    }

    std::vector<int> shown() const { return window->shownEntryNumbers(); }

    void select(std::initializer_list<int> numbers) {
        QTableView* table = window->table();
        table->clearSelection();
        for (const int number : numbers) {
            const QModelIndex index = indexOf(number);
            ASSERT_TRUE(index.isValid()) << number;
            table->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        }
    }

    QModelIndex indexOf(int number, int column = 0) const {
        const std::optional<int> row = window->model().rowOfEntry(number);
        if (!row) {
            return {};
        }
        return window->shownTrips().mapFromSource(window->model().index(*row, column));
    }

    QString cell(int number, int column) const { return indexOf(number, column).data().toString(); }

    QPushButton* button(const char* name) const {
        auto* b = window->findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }

    QStringList yearItems() const {
        QStringList items;
        for (int i = 0; i < window->yearBox()->count(); ++i) {
            items.append(window->yearBox()->itemText(i));
        }
        return items;
    }

    void chooseYear(const QString& text) {
        const int index = window->yearBox()->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        window->yearBox()->setCurrentIndex(index);
        emit window->yearBox()->activated(index);
    }

    QString deletedFolder() const { return folder + QStringLiteral("/deleted"); }

    RecordingMessageService messages;
    RecordingFileChooser files;
    std::unique_ptr<TripsWindow> window;
};

TEST_F(TripsWindowTest, AnEmptyJournalShowsAPlaceholderUntilTripsAreRead) {
    TripsWindow& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Trips"));
    EXPECT_TRUE(w.showsPlaceholder());
    EXPECT_TRUE(w.placeholderText().startsWith(QStringLiteral("No trips in the journal yet.")));
    EXPECT_FALSE(button("exportButton")->isEnabled());
    EXPECT_FALSE(button("deleteButton")->isEnabled());
    EXPECT_FALSE(button("undoButton")->isEnabled());
    EXPECT_EQ(yearItems(), QStringList{QStringLiteral("All years")});
    EXPECT_TRUE(messages.messages.isEmpty());

    writeTrip(1, {.day = 3, .month = 5, .year = 2024});
    button("reloadButton")->click();
    EXPECT_FALSE(w.showsPlaceholder());
    EXPECT_EQ(shown(), (std::vector<int>{1}));
    EXPECT_TRUE(button("exportButton")->isEnabled());

    // A filter that leaves nothing says so, and clearing it brings the trips back.
    w.filterBox()->setText(QStringLiteral("salmon"));
    EXPECT_TRUE(w.showsPlaceholder());
    EXPECT_TRUE(w.placeholderText().startsWith(QStringLiteral("No trip matches the filter.")));
    EXPECT_FALSE(button("exportButton")->isEnabled());
    w.filterBox()->clear();
    EXPECT_FALSE(w.showsPlaceholder());
}

TEST_F(TripsWindowTest, TheYearBoxOffersEveryYearNewestFirstAndTheTripsWithoutADate) {
    writeTrip(1, {.day = 30, .month = 12, .year = 2023});
    writeTrip(2, {.day = 1, .month = 1, .year = 2024});
    writeTrip(3, {.day = 2, .month = 1, .year = 2024});
    writeTrip(4, {.notes = "no date"});
    TripsWindow& w = open();
    EXPECT_EQ(yearItems(), (QStringList{QStringLiteral("All years"), QStringLiteral("2024"),
                                        QStringLiteral("2023"), QStringLiteral("No date")}));

    chooseYear(QStringLiteral("2024"));
    EXPECT_EQ(shown(), (std::vector<int>{2, 3}));
    EXPECT_NE(
        w.findChild<QLabel*>(QStringLiteral("countLabel"))->text().indexOf(QStringLiteral("2 of 4 trips")),
        -1);
    chooseYear(QStringLiteral("No date"));
    EXPECT_EQ(shown(), (std::vector<int>{4}));

    // The year's last trip gone: the box offers the years left and shows every trip again.
    chooseYear(QStringLiteral("2023"));
    EXPECT_EQ(shown(), (std::vector<int>{1}));
    QFile::remove(filePath(1));
    w.refreshEntry(1);
    EXPECT_EQ(yearItems(),
              (QStringList{QStringLiteral("All years"), QStringLiteral("2024"), QStringLiteral("No date")}));
    EXPECT_EQ(w.yearBox()->currentText(), QStringLiteral("All years"));
    EXPECT_EQ(shown(), (std::vector<int>{2, 3, 4}));
}

class TripsAndJournalTest : public TripsWindowTest {
protected:
    TripsAndJournalTest() { biteclock::refreshDay(almanac, biteclock::dateSerial(2024, 7, 15), 15, false); }

    JournalWindow& openJournal() {
        journal = std::make_unique<JournalWindow>(almanac, journalMessages, nullptr, folder, clock, false,
                                                  false, [](int) { return QPixmap(); });
        // As the main window joins them.
        QObject::connect(window.get(), &TripsWindow::entryOpenRequested, journal.get(), [this](int number) {
            journal->showEntry(number);
            journal->show();
        });
        QObject::connect(journal.get(), &JournalWindow::entrySaved, window.get(), &TripsWindow::refreshEntry);
        return *journal;
    }

    QString journalText(const char* name) const {
        return journal->findChild<QLineEdit*>(QLatin1String(name))->text();
    }

    biteclock::AlmanacDay almanac;
    RecordingMessageService journalMessages;
    FixedClock clock{QDate(2026, 5, 10)};
    std::unique_ptr<JournalWindow> journal;
};

TEST_F(TripsAndJournalTest, ADoubleClickOrEnterOpensTheTripInTheJournalWindow) {
    writeYearOfTrips(5);
    TripsWindow& w = open();
    JournalWindow& j = openJournal();
    QSignalSpy opened(&w, &TripsWindow::entryOpenRequested);

    QTableView* table = w.table();
    const QRect cellRect = table->visualRect(indexOf(4, TripsModel::CatchColumn));
    ASSERT_TRUE(cellRect.isValid());
    // A double-click is a click, then a press that the system reports as the second click.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellRect.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cellRect.center());
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toInt(), 4);
    EXPECT_TRUE(j.isVisible());
    EXPECT_EQ(j.currentEntryNumber(), 4);
    EXPECT_EQ(journalText("Text8"), QStringLiteral("4"));
    EXPECT_EQ(journalText("Text1"), QStringLiteral("21"));
    EXPECT_EQ(journalText("Text13"), QStringLiteral("1"));

    // Enter on another row while the journal is open shows that entry.
    table->setFocus();
    table->setCurrentIndex(indexOf(2));
    QTest::keyClick(table, Qt::Key_Return);
    ASSERT_EQ(opened.count(), 2);
    EXPECT_EQ(j.currentEntryNumber(), 2);
    EXPECT_EQ(journalText("Text1"), QStringLiteral("9"));

    // And the Open button the selected one.
    select({5});
    button("openButton")->click();
    EXPECT_EQ(j.currentEntryNumber(), 5);
    EXPECT_TRUE(journalMessages.messages.isEmpty());
}

TEST_F(TripsAndJournalTest, OpeningAnotherTripAsksBeforeUnsavedChangesAreReplaced) {
    writeYearOfTrips(3);
    open();
    JournalWindow& j = openJournal();
    j.showEntry(1);
    j.show();
    ASSERT_EQ(j.currentEntryNumber(), 1);
    EXPECT_FALSE(j.hasUnsavedChanges());
    // Nothing typed: another trip is shown without a question.
    select({2});
    button("openButton")->click();
    EXPECT_EQ(j.currentEntryNumber(), 2);
    EXPECT_TRUE(journalMessages.messages.isEmpty());

    auto* quantity = j.findChild<QLineEdit*>(QStringLiteral("Text7"));
    quantity->setText(QStringLiteral("99"));
    ASSERT_TRUE(j.hasUnsavedChanges());
    const QByteArray before = trips_test::contents(filePath(2));

    // Cancel: the typed entry stays.
    journalMessages.answers = {MessageService::Answer::Cancel};
    select({3});
    button("openButton")->click();
    ASSERT_EQ(journalMessages.messages.size(), 1);
    EXPECT_EQ(journalMessages.messages[0].title, QStringLiteral("Unsaved Journal Entry"));
    EXPECT_EQ(journalMessages.messages[0].text,
              QStringLiteral("Entry 2 has changes that are not saved. Save them before showing entry 3?"));
    EXPECT_EQ(j.currentEntryNumber(), 2);
    EXPECT_EQ(quantity->text(), QStringLiteral("99"));

    // Yes: saved first, then the other trip.
    journalMessages.answers = {MessageService::Answer::Yes};
    button("openButton")->click();
    EXPECT_EQ(j.currentEntryNumber(), 3);
    EXPECT_NE(trips_test::contents(filePath(2)), before);
    EXPECT_EQ(cell(2, TripsModel::QuantityColumn), QStringLiteral("99"));

    // No: the changes go and the file stays as it was.
    quantity->setText(QStringLiteral("7"));
    const QByteArray third = trips_test::contents(filePath(3));
    journalMessages.answers = {MessageService::Answer::No};
    select({1});
    button("openButton")->click();
    EXPECT_EQ(j.currentEntryNumber(), 1);
    EXPECT_EQ(trips_test::contents(filePath(3)), third);
    EXPECT_FALSE(j.hasUnsavedChanges());
}

TEST_F(TripsAndJournalTest, ASaveInTheJournalShowsInTheList) {
    writeYearOfTrips(3);
    open();
    JournalWindow& j = openJournal();
    j.showEntry(2);
    j.show();
    ASSERT_EQ(j.currentEntryNumber(), 2);

    j.findChild<QComboBox*>(QStringLiteral("Combo3"))->setEditText(QStringLiteral("Excellent"));
    j.findChild<QLineEdit*>(QStringLiteral("Text7"))->setText(QStringLiteral("14"));
    j.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("10"));
    ASSERT_TRUE(j.saveent());
    EXPECT_EQ(cell(2, TripsModel::CatchColumn), QStringLiteral("Excellent"));
    EXPECT_EQ(cell(2, TripsModel::QuantityColumn), QStringLiteral("14"));
    // The new date with its own Moon.
    const TripAlmanac moon = tripAlmanac(place, biteclock::dateSerial(2024, 1, 10));
    EXPECT_EQ(cell(2, TripsModel::DateColumn), QStringLiteral("10 Jan 2024"));
    EXPECT_EQ(cell(2, TripsModel::MoonAgeColumn), QString::number(moon.moonAge));

    // A new entry saved in the journal appears in the list.
    j.Command5_Click();
    j.Command5_Click();
    ASSERT_TRUE(j.showsNewBlankEntry());
    j.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("1"));
    ASSERT_TRUE(j.saveent());
    EXPECT_EQ(shown(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(cell(4, TripsModel::DateColumn), QStringLiteral("1 May 2026"));

    // The journal's Trips button asks for this window.
    QSignalSpy asked(&j, &JournalWindow::tripsRequested);
    j.findChild<QPushButton*>(QStringLiteral("tripsButton"))->click();
    EXPECT_EQ(asked.count(), 1);
}

TEST_F(TripsWindowTest, DeleteAsksMovesTheFileAwayAndUndoPutsItBackByteForByte) {
    writeTrip(2, {.day = 1, .month = 4, .year = 2024});
    trips_test::writeBytes(filePath(3), kHandWrittenFile);
    writeTrip(4, {.day = 9, .month = 4, .year = 2024});
    TripsWindow& w = open();
    ASSERT_EQ(cell(3, TripsModel::NotesColumn), QStringLiteral("Hand written; two groups"));

    // Asked first: No leaves everything as it was.
    select({3});
    messages.answers = {MessageService::Answer::No};
    button("deleteButton")->click();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Delete Trip"));
    EXPECT_EQ(messages.messages[0].icon, MessageService::Icon::Question);
    EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("Delete journal entry 3 (8 Apr 2024)?")));
    EXPECT_EQ(trips_test::contents(filePath(3)), kHandWrittenFile);
    EXPECT_EQ(shown(), (std::vector<int>{2, 3, 4}));
    EXPECT_FALSE(w.canUndo());

    messages.answers = {MessageService::Answer::Yes};
    button("deleteButton")->click();
    EXPECT_FALSE(QFileInfo::exists(filePath(3)));
    EXPECT_EQ(trips_test::contents(deletedFolder() + QStringLiteral("/jour3.dat")), kHandWrittenFile);
    EXPECT_EQ(shown(), (std::vector<int>{2, 4}));
    EXPECT_TRUE(w.canUndo());
    EXPECT_TRUE(button("undoButton")->isEnabled());
    EXPECT_TRUE(w.statusText().startsWith(QStringLiteral("Deleted entry 3: its file is in ")));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("countLabel"))->text(), QStringLiteral("2 trips"));
    // The next row takes the selection.
    EXPECT_EQ(w.table()->currentIndex().data(TripsModel::EntryNumberRole).toInt(), 4);

    // Ctrl+Z in the list puts it back.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.table()->setFocus();
    QTest::keyClick(w.table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(trips_test::contents(filePath(3)), kHandWrittenFile);
    EXPECT_FALSE(QFileInfo::exists(deletedFolder() + QStringLiteral("/jour3.dat")));
    EXPECT_EQ(shown(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(cell(3, TripsModel::CatchColumn), QStringLiteral("Good"));
    EXPECT_FALSE(w.canUndo());
    EXPECT_EQ(w.statusText(), QStringLiteral("Put back entry 3."));
    EXPECT_EQ(messages.messages.size(), 2);
}

TEST_F(TripsWindowTest, TheDeleteKeyDeletesTheSelectedTripsAndOneUndoPutsThemAllBack) {
    writeYearOfTrips(5);
    const QByteArray two = trips_test::contents(filePath(2));
    const QByteArray four = trips_test::contents(filePath(4));
    TripsWindow& w = open();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    select({4, 2});
    w.table()->setFocus();
    messages.answers = {MessageService::Answer::Yes};
    QTest::keyClick(w.table(), Qt::Key_Delete);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Delete Trips"));
    EXPECT_TRUE(messages.messages[0].text.startsWith(
        QStringLiteral("Delete the 2 selected journal entries (2 and 4)?")));
    EXPECT_EQ(shown(), (std::vector<int>{1, 3, 5}));
    EXPECT_FALSE(QFileInfo::exists(filePath(2)));
    EXPECT_FALSE(QFileInfo::exists(filePath(4)));

    // Delete in the filter box edits the text and deletes nothing.
    w.filterBox()->setFocus();
    w.filterBox()->setText(QStringLiteral("x"));
    w.filterBox()->home(false);
    QTest::keyClick(w.filterBox(), Qt::Key_Delete);
    EXPECT_EQ(w.filterBox()->text(), QString());
    EXPECT_EQ(messages.messages.size(), 1);

    button("undoButton")->click();
    EXPECT_EQ(trips_test::contents(filePath(2)), two);
    EXPECT_EQ(trips_test::contents(filePath(4)), four);
    EXPECT_EQ(shown(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(w.statusText(), QStringLiteral("Put back entries 2 and 4."));
}

TEST_F(TripsWindowTest, UndoNeverReplacesAnEntryThatHasAFileAgain) {
    writeTrip(1, {.day = 1, .month = 4, .year = 2024, .notes = "the old trip"});
    const QByteArray old = trips_test::contents(filePath(1));
    TripsWindow& w = open();
    select({1});
    messages.answers = {MessageService::Answer::Yes};
    w.deleteSelectedTrips();
    ASSERT_FALSE(QFileInfo::exists(filePath(1)));
    EXPECT_TRUE(w.showsPlaceholder());
    EXPECT_TRUE(w.placeholderText().startsWith(QStringLiteral("No trips in the journal yet.")));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("countLabel"))->text(), QStringLiteral("No trips"));

    // Meanwhile the journal saved a new trip under the same number.
    writeTrip(1, {.day = 2, .month = 4, .year = 2024, .notes = "the new trip"});
    const QByteArray fresh = trips_test::contents(filePath(1));
    w.refreshEntry(1);
    w.undoDelete();
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages[1].title, QStringLiteral("Trip Not Restored"));
    EXPECT_EQ(messages.messages[1].icon, MessageService::Icon::Critical);
    EXPECT_EQ(trips_test::contents(filePath(1)), fresh);
    EXPECT_EQ(trips_test::contents(deletedFolder() + QStringLiteral("/jour1.dat")), old);
    EXPECT_EQ(cell(1, TripsModel::NotesColumn), QStringLiteral("the new trip"));
    EXPECT_FALSE(w.canUndo());
}

TEST_F(TripsWindowTest, ExportWritesTheShownTripsInTheirOrderAsCsv) {
    writeYearOfTrips(20);
    TripsWindow& w = open();
    w.filterBox()->setText(QStringLiteral("worms"));
    w.table()->sortByColumn(TripsModel::DateColumn, Qt::DescendingOrder);
    const std::vector<int> numbers = shown();
    ASSERT_EQ(numbers.size(), 10u);
    ASSERT_EQ(numbers.front(), 20);

    const QString path = temp.filePath(QStringLiteral("export/trips.csv"));
    QDir().mkpath(QFileInfo(path).path());
    files.answer = path;
    button("exportButton")->click();
    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests[0].caption, QStringLiteral("Export the 10 Shown Trips"));
    EXPECT_TRUE(files.requests[0].suggestedPath.endsWith(QStringLiteral("/Fishing trips.csv")));
    EXPECT_EQ(files.requests[0].defaultSuffix, QStringLiteral("csv"));

    std::vector<TripRecord> expected;
    const std::vector<TripRecord> all = readTripLog(folder, place);
    for (const int number : numbers) {
        expected.push_back(all[static_cast<std::size_t>(number - 1)]);
    }
    EXPECT_EQ(trips_test::contents(path).toStdString(), tripsCsv(expected));
    EXPECT_EQ(w.statusText(), QStringLiteral("Exported 10 trips to ") + QDir::toNativeSeparators(path));
    EXPECT_TRUE(messages.messages.isEmpty());

    // The next export starts in that folder, named after the chosen year.
    w.filterBox()->clear();
    chooseYear(QStringLiteral("2024"));
    files.answer.clear();
    button("exportButton")->click();
    ASSERT_EQ(files.requests.size(), 2);
    EXPECT_EQ(files.requests[1].suggestedPath,
              QFileInfo(path).absolutePath() + QStringLiteral("/Fishing trips 2024.csv"));
    EXPECT_EQ(files.requests[1].caption, QStringLiteral("Export the 20 Shown Trips"));
}

TEST_F(TripsWindowTest, AnExportThatCannotBeWrittenSaysWhyAndACancelWritesNothing) {
    writeYearOfTrips(3);
    TripsWindow& w = open();
    files.answer.clear();
    button("exportButton")->click();
    EXPECT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests[0].caption, QStringLiteral("Export All 3 Trips"));
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(w.statusText(), QString());

    const QString path = temp.filePath(QStringLiteral("no such folder/trips.csv"));
    files.answer = path;
    button("exportButton")->click();
    const QString expected = safeFileError(path, writeFileSafely(path, QByteArrayView("x")));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Trips Not Exported"));
    EXPECT_EQ(messages.messages[0].icon, MessageService::Icon::Critical);
    EXPECT_EQ(messages.messages[0].text, expected);
    EXPECT_EQ(w.statusText(), expected);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(TripsWindowTest, TheStatisticsFollowTheFilterAndTheYear) {
    writeYearOfTrips(60);
    writeTrip(61, {.notes = "no date"});
    TripsWindow& w = open();
    w.tabs()->setCurrentWidget(w.statsView());
    TripStatsView& view = *w.statsView();
    EXPECT_EQ(view.stats().trips, 61);
    EXPECT_EQ(view.stats().dated, 60);
    int grouped = 0;
    for (const TripGroup& group : view.stats().byGrade) {
        grouped += group.trips;
    }
    EXPECT_EQ(grouped, 60);
    EXPECT_TRUE(view.summaryText().contains(QStringLiteral("the whole journal")));

    // Counted again once the filter has settled, also when the rows stay the same.
    w.filterBox()->setText(QStringLiteral("lure"));
    QCoreApplication::processEvents();
    EXPECT_EQ(view.stats().trips, 30);
    w.filterBox()->setText(QStringLiteral("lures"));
    QCoreApplication::processEvents();
    EXPECT_EQ(view.stats().trips, 30);
    EXPECT_TRUE(view.summaryText().contains(QStringLiteral("\u201clures\u201d")));
    chooseYear(QStringLiteral("No date"));
    QCoreApplication::processEvents();
    EXPECT_EQ(view.stats().trips, 0);
    EXPECT_EQ(view.summaryText(), QStringLiteral("No trips to count."));

    // Changes while the list is in front reach the statistics when they come to the front.
    chooseYear(QStringLiteral("All years"));
    QCoreApplication::processEvents();
    w.tabs()->setCurrentIndex(0);
    w.filterBox()->clear();
    QCoreApplication::processEvents();
    EXPECT_EQ(view.stats().trips, 30);
    w.tabs()->setCurrentWidget(w.statsView());
    EXPECT_EQ(view.stats().trips, 61);
}

TEST_F(TripsWindowTest, TheListIsReadAgainOnlyWhenThePlaceChanges) {
    writeYearOfTrips(8);
    TripsWindow& w = open();
    const int reads = w.reloadCount();
    w.placeMaybeChanged();
    EXPECT_EQ(w.reloadCount(), reads);

    // Far to the east, a new moon's date can fall a day later: the list follows.
    place.observer = biteclock::observerFromDegrees(-36.8, 174.7, 13);
    w.placeMaybeChanged();
    EXPECT_EQ(w.reloadCount(), reads + 1);
    const TripAlmanac moon = tripAlmanac(place, *w.model().trip(7).date);
    EXPECT_EQ(cell(8, TripsModel::MoonAgeColumn), QString::number(moon.moonAge));
    place.moonNorth = false;
    w.placeMaybeChanged();
    EXPECT_EQ(w.reloadCount(), reads + 2);
}

TEST(TripStatsViewTest, AGroupOfFewerThanFiveTripsShowsWordsInsteadOfABar) {
    TripStats stats;
    stats.trips = 15;
    stats.dated = 14;
    stats.byGrade = {
        {.name = "Poor", .trips = 3, .goodCatches = 1, .withQuantity = 3, .quantitySum = 9},
        {.name = "Fair", .trips = 0, .goodCatches = 0, .withQuantity = 0, .quantitySum = 0},
        {.name = "Good", .trips = 6, .goodCatches = 3, .withQuantity = 4, .quantitySum = 10},
        {.name = "Excellent", .trips = 5, .goodCatches = 5, .withQuantity = 0, .quantitySum = 0},
    };
    stats.byPhase = {
        {.name = "New Moon", .trips = 14, .goodCatches = 7, .withQuantity = 7, .quantitySum = 19}};
    TripStatsView view;
    view.resize(900, 600);
    view.show();
    view.showStats(stats, QStringLiteral("the whole journal"));

    const TripGroupChart& share = *view.shareChart();
    ASSERT_EQ(share.barValues().size(), 4u);
    EXPECT_EQ(share.barValues()[0], std::nullopt);
    EXPECT_EQ(share.barValues()[1], std::nullopt);
    EXPECT_EQ(share.barValues()[2], 50.0);
    EXPECT_EQ(share.barValues()[3], 100.0);
    EXPECT_EQ(share.noteTexts(),
              (QStringList{QStringLiteral("fewer than 5 trips"), QStringLiteral("no trips"),
                           QStringLiteral("50 %"), QStringLiteral("100 %")}));
    // Every group shows its count.
    EXPECT_EQ(share.categoryLabels(), (QStringList{QStringLiteral("<center>Poor<br>3 trips</center>"),
                                                   QStringLiteral("<center>Fair<br>no trips</center>"),
                                                   QStringLiteral("<center>Good<br>6 trips</center>"),
                                                   QStringLiteral("<center>Excellent<br>5 trips</center>")}));

    const TripGroupChart& quantity = *view.quantityChart();
    EXPECT_EQ(quantity.barValues()[0], std::nullopt);
    EXPECT_EQ(quantity.barValues()[2], 2.5);
    EXPECT_EQ(quantity.barValues()[3], std::nullopt);
    EXPECT_EQ(quantity.noteTexts()[2], QStringLiteral("2.5"));
    EXPECT_EQ(quantity.noteTexts()[3], QStringLiteral("no quantities"));

    // The table gives every group's numbers, and says which are too few.
    const QTableWidget& table = *view.table();
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.item(0, 1)->text(), QStringLiteral("3"));
    EXPECT_EQ(table.item(0, 3)->text(), QStringLiteral("33 %"));
    EXPECT_EQ(table.item(0, 6)->text(), QStringLiteral("fewer than 5 trips: too few to compare"));
    EXPECT_EQ(table.item(1, 6)->text(), QStringLiteral("no trips"));
    EXPECT_EQ(table.item(2, 5)->text(), QStringLiteral("2.5"));
    EXPECT_EQ(table.item(2, 6)->text(), QString());
    EXPECT_EQ(table.item(3, 5)->text(), QString());
    EXPECT_EQ(view.summaryText(), QStringLiteral("14 trips with a date, of 15 trips (the whole journal)."));

    view.setGrouping(TripStatsView::Grouping::MoonPhase);
    ASSERT_EQ(share.barValues().size(), 1u);
    EXPECT_EQ(share.barValues()[0], 50.0);
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(quantity.noteTexts(), QStringList{QStringLiteral("2.7")});
}

} // namespace

namespace {

TEST(TripGroupChartTest, ANarrowChartPutsEachWordOfANameOnALineButKeepsTheCount) {
    TripGroupChart chart(GroupMeasure::GoodCatchShare);
    chart.resize(1200, 400);
    chart.show();
    chart.setGroups(
        {{.name = "New Moon", .trips = 6, .goodCatches = 3, .withQuantity = 0, .quantitySum = 0},
         {.name = "First Quarter", .trips = 7, .goodCatches = 1, .withQuantity = 0, .quantitySum = 0},
         {.name = "Full Moon", .trips = 2, .goodCatches = 2, .withQuantity = 0, .quantitySum = 0},
         {.name = "Last Quarter", .trips = 9, .goodCatches = 0, .withQuantity = 0, .quantitySum = 0}});
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.categoryLabels().at(1), QStringLiteral("<center>First Quarter<br>7 trips</center>"));

    chart.resize(330, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.categoryLabels().at(1), QStringLiteral("<center>First<br>Quarter<br>7 trips</center>"));
    EXPECT_EQ(chart.categoryLabels().at(2), QStringLiteral("<center>Full<br>Moon<br>2 trips</center>"));
    EXPECT_EQ(chart.noteTexts().at(2), QStringLiteral("fewer than 5 trips"));

    chart.resize(1200, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.categoryLabels().at(3), QStringLiteral("<center>Last Quarter<br>9 trips</center>"));
}

} // namespace
