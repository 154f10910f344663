// The main window's other windows: the fishing journal, and the refresh on coming back from it.
#include "activation_watcher.h"
#include "form3.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QWindow>

namespace {

using MainWindowWindowsTest = WindowTest;

QLineEdit* journalBox(Form3& journal, const char* name) {
    return journal.findChild<QLineEdit*>(QLatin1String(name));
}

TEST_F(MainWindowWindowsTest, JournalButtonOpensOneJournalOnTheWindowsFolder) {
    storeHome();
    MainWindow& w = open();
    EXPECT_EQ(w.journalWindow(), nullptr);
    ASSERT_TRUE(w.Command1->isEnabled());
    w.Command1->click();
    Form3* journal = w.journalWindow();
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
    Form3* journal = w.journalWindow();
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

} // namespace
