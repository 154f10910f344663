// The main window's other windows: the fishing journal and the print window, and the refresh on
// coming back from them.
#include "activation_watcher.h"
#include "journal_window.h"
#include "print_calendar_window.h"
#include "window_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

namespace {

using MainWindowWindowsTest = WindowTest;

QLineEdit* journalBox(JournalWindow& journal, const char* name) {
    return journal.findChild<QLineEdit*>(QLatin1String(name));
}

TEST_F(MainWindowWindowsTest, JournalButtonOpensOneJournalOnTheWindowsFolder) {
    storeHome();
    MainWindow& w = open();
    EXPECT_EQ(w.journalWindow(), nullptr);
    ASSERT_TRUE(w.Command1->isEnabled());
    w.Command1->click();
    JournalWindow* journal = w.journalWindow();
    ASSERT_NE(journal, nullptr);
    EXPECT_TRUE(journal->isVisible());
    EXPECT_EQ(journal->windowTitle(), QStringLiteral("Fishing Journal"));
    EXPECT_EQ(journal->store().folder(), journalDir.path());
    // The journal is empty: it shows a blank new entry.
    EXPECT_TRUE(journal->showsNewBlankEntry());

    // Closed and opened again: the same window.
    journal->close();
    EXPECT_FALSE(journal->isVisible());
    w.Command1->click();
    EXPECT_EQ(w.journalWindow(), journal);
    EXPECT_TRUE(journal->isVisible());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(MainWindowWindowsTest, ReturningFromTheJournalShowsTheDisplayedDayAgain) {
    storeHome();
    MainWindow& w = open();
    w.Command1->click();
    JournalWindow* journal = w.journalWindow();
    ASSERT_NE(journal, nullptr);
    ActivationWatcher& watcher = *w.activationWatcher();
    watcher.focusWindowChanged(journal->windowHandle());

    // A trip on 4 July 1999: the journal borrows the main window's context for its Moon.
    journalBox(*journal, "Text1")->setText(QStringLiteral("4"));
    journalBox(*journal, "Text13")->setText(QStringLiteral("7"));
    journalBox(*journal, "Text14")->setText(QStringLiteral("1999"));
    EXPECT_TRUE(journal->dateentered());
    ASSERT_TRUE(journal->tripDate().has_value());
    EXPECT_EQ(*journal->tripDate(), biteclock::dateSerial(1999, 7, 4));
    EXPECT_TRUE(messages.messages.isEmpty());

    // Meanwhile the place changed in the store; back in the main window the day is computed again.
    SharedSettings(store).setLatitudeDegrees(QStringLiteral(" 51"));
    const int before = w.refreshCount();
    watcher.focusWindowChanged(w.windowHandle());
    EXPECT_EQ(w.refreshCount(), before + 1);
    EXPECT_EQ(panel().Text30->text(), QStringLiteral(" 51"));
    expectShowsDay(15, 3, 2000);
}

TEST_F(MainWindowWindowsTest, PrintCalendarOpensOnePrintWindowThatPrintsTheMonth) {
    storeHome();
    MainWindow& w = open();
    ASSERT_NE(w.mnuprintcal, nullptr);
    EXPECT_EQ(w.mnuprintcal->text(), QStringLiteral("&Print Calendar"));
    EXPECT_EQ(w.printWindow(), nullptr);
    w.mnuprintcal->trigger();
    QPointer<PrintCalendarWindow> form = w.printWindow();
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Print Calendar"));
    // A second choice of the entry brings the same window forward.
    w.mnuprintcal->trigger();
    EXPECT_EQ(w.printWindow(), form.data());

    ActivationWatcher& watcher = *w.activationWatcher();
    watcher.focusWindowChanged(form->windowHandle());
    form->showMonthOf(QDate(2000, 3, 1));
    form->Command1->click();
    ASSERT_EQ(printers.requests.size(), 1);
    EXPECT_EQ(printers.requests[0].destination, RecordingPrintService::Destination::Printer);
    ASSERT_EQ(printers.pages.size(), 1);
    EXPECT_EQ(printers.pages[0].landscapePages, 1);
    EXPECT_EQ(printers.pages[0].endedDocuments, 1);
    const QStringList texts = printers.pages[0].texts();
    EXPECT_EQ(texts.value(1), QStringLiteral("  March 2000"));
    // The legend names the offset and zone that the settings panel shows.
    const QStringList location = texts.filter(QStringLiteral("Location:"));
    ASSERT_EQ(location.size(), 1);
    EXPECT_EQ(location[0].mid(location[0].indexOf(QStringLiteral("Gmt:"))),
              QStringLiteral("Gmt: -5 hrs  Eastern Standard Time"));

    // Printing closes the window, which then goes away.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(w.printWindow(), nullptr);

    // The page left the context on its last day; back in the main window the displayed day is again
    // what the window shows.
    const int before = w.refreshCount();
    watcher.focusWindowChanged(w.windowHandle());
    EXPECT_EQ(w.refreshCount(), before + 1);
    expectShowsDay(15, 3, 2000);
    EXPECT_TRUE(messages.messages.isEmpty());

    // The entry opens a new window after that.
    w.mnuprintcal->trigger();
    EXPECT_NE(w.printWindow(), nullptr);
}

} // namespace
