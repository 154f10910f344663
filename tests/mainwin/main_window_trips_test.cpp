// The trips window as the main window opens it: from the File menu and from the journal, on the
// journal's folder, with the Moon of each trip as the journal shows it, and joined to the journal.
#include "journal_file.h"
#include "journal_window.h"
#include "trips_model.h"
#include "trips_window.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTableView>

namespace {

using MainWindowTripsTest = WindowTest;

void writeTrip(const QString& folder, int number, const char* day, const char* month, const char* year,
               const char* catchRating) {
    biteclock::JournalEntry entry;
    entry.day = day;
    entry.month = month;
    entry.year = year;
    entry.catchRating = catchRating;
    QFile file(QDir(folder).filePath(QStringLiteral("jour%1.dat").arg(number)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string bytes = biteclock::writeJournalFile(entry);
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

QString cell(TripsWindow& trips, int number, int column) {
    const std::optional<int> row = trips.model().rowOfEntry(number);
    return row ? trips.model().index(*row, column).data().toString() : QStringLiteral("<no row>");
}

TEST_F(MainWindowTripsTest, FileTripsOpensOneListOfTheJournalWithEachTripsMoonAsTheJournalShowsIt) {
    storeHome();
    writeTrip(journalDir.path(), 1, "4", "7", "1999", "Good");
    writeTrip(journalDir.path(), 2, "16", "1", "2000", "Poor");
    MainWindow& w = open();
    ASSERT_NE(w.mnutrips, nullptr);
    EXPECT_EQ(w.mnutrips->text(), QStringLiteral("&Trips..."));
    EXPECT_EQ(w.menuBar()->actions().first()->menu()->actions().first(), w.mnutrips);
    EXPECT_EQ(w.tripsWindow(), nullptr);

    w.mnutrips->trigger();
    TripsWindow* trips = w.tripsWindow();
    ASSERT_NE(trips, nullptr);
    EXPECT_TRUE(trips->isVisible());
    EXPECT_EQ(trips->folder(), journalDir.path());
    ASSERT_EQ(trips->model().rowCount(), 2);
    // A first start puts the month first; the date order follows the menu entry at once.
    ASSERT_TRUE(w.monthFirst());
    EXPECT_EQ(cell(*trips, 1, TripsModel::DateColumn), QStringLiteral("Jul 4, 1999"));
    w.mnudaterep->trigger();
    EXPECT_EQ(cell(*trips, 1, TripsModel::DateColumn), QStringLiteral("4 Jul 1999"));

    // The journal window shows the same Moon for the trip.
    emit trips->entryOpenRequested(1);
    JournalWindow* journal = w.journalWindow();
    ASSERT_NE(journal, nullptr);
    EXPECT_TRUE(journal->isVisible());
    EXPECT_EQ(journal->currentEntryNumber(), 1);
    EXPECT_EQ(cell(*trips, 1, TripsModel::MoonAgeColumn),
              journal->findChild<QLabel*>(QStringLiteral("Text2"))->text());
    emit trips->entryOpenRequested(2);
    EXPECT_EQ(journal->currentEntryNumber(), 2);
    EXPECT_EQ(cell(*trips, 2, TripsModel::MoonAgeColumn),
              journal->findChild<QLabel*>(QStringLiteral("Text2"))->text());

    // Opened again: the same window.
    trips->close();
    w.mnutrips->trigger();
    EXPECT_EQ(w.tripsWindow(), trips);
    EXPECT_TRUE(trips->isVisible());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(MainWindowTripsTest, TheJournalsTripsButtonOpensTheListAndItsSavesReachIt) {
    storeHome();
    writeTrip(journalDir.path(), 1, "4", "7", "1999", "Good");
    MainWindow& w = open();
    w.Command1->click();
    JournalWindow* journal = w.journalWindow();
    ASSERT_NE(journal, nullptr);
    ASSERT_EQ(journal->currentEntryNumber(), 1);

    journal->findChild<QPushButton*>(QStringLiteral("tripsButton"))->click();
    TripsWindow* trips = w.tripsWindow();
    ASSERT_NE(trips, nullptr);
    EXPECT_TRUE(trips->isVisible());
    EXPECT_EQ(cell(*trips, 1, TripsModel::CatchColumn), QStringLiteral("Good"));

    journal->findChild<QComboBox*>(QStringLiteral("Combo3"))->setEditText(QStringLiteral("Excellent"));
    ASSERT_TRUE(journal->saveent());
    EXPECT_EQ(cell(*trips, 1, TripsModel::CatchColumn), QStringLiteral("Excellent"));
    EXPECT_TRUE(messages.messages.isEmpty());
}

} // namespace
