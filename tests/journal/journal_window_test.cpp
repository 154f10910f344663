// The journal window: opening, stepping, saving, the trip's Moon, and damaged or unwritable files.
#include "file_size_limit.h"
#include "journal_window_fixture.h"
#include "moon_phase.h"
#include "spinner.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using biteclock::JournalEntry;
using Icon = MessageService::Icon;
using journal_window_test::contents;
using journal_window_test::entryFile;
using journal_window_test::JournalWindowTest;
using journal_window_test::writeBytes;

// --- Opening ---

TEST_F(JournalWindowTest, FirstOpeningShowsBlankEntryOneWithMonthAndYearPreset) {
    open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Fishing Journal"));
    EXPECT_EQ(text("Text8"), QStringLiteral("1"));
    EXPECT_EQ(text("Text1"), QString());
    EXPECT_EQ(text("Text13"), QStringLiteral("5"));
    EXPECT_EQ(text("Text14"), QStringLiteral("2026"));
    EXPECT_TRUE(form->showsNewBlankEntry());
    EXPECT_FALSE(shown("Image1"));
    EXPECT_FALSE(shown("Image2"));
    EXPECT_FALSE(shown("Text2"));
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_FALSE(QDir(folder).exists()) << "nothing is written before Save";
}

TEST_F(JournalWindowTest, ButtonCaptionsAndLists) {
    open();
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("&Save Entry"));
    EXPECT_EQ(control<QPushButton>("Command6")->text(), QStringLiteral("&Clear Entry"));
    EXPECT_EQ(control<QPushButton>("Command2")->text(), QStringLiteral("&Close"));
    EXPECT_EQ(control<QPushButton>("Command3")->text(), QStringLiteral("&Help"));
    EXPECT_EQ(control<QComboBox>("Combo1")->count(), 9);
    EXPECT_EQ(control<QComboBox>("Combo1")->itemText(8), QStringLiteral("Variable"));
    EXPECT_EQ(control<QComboBox>("Combo2")->count(), 8);
    EXPECT_EQ(control<QComboBox>("Combo2")->itemText(7), QStringLiteral("Slack Low"));
}

// --- The newcomer's three trips ---

TEST_F(JournalWindowTest, ThreeTripsSurviveClosingAndReopening) {
    open();
    typeTrip("6", "1", "2000", "first");
    click("Command1");
    click("Command5");
    EXPECT_EQ(text("Text8"), QStringLiteral("2"));
    typeTrip("21", "1", "2000", "second");
    control<QComboBox>("Combo1")->setEditText(QStringLiteral("Gusty from the hills"));
    click("Command1");
    click("Command5");
    typeTrip("12", "3", "1999", "third");
    click("Command1");
    EXPECT_TRUE(messages.messages.isEmpty()) << titles().join(QLatin1Char(',')).toStdString();
    click("Command2");
    EXPECT_FALSE(form->isVisible());
    form.reset();

    open();
    EXPECT_EQ(text("Text8"), QStringLiteral("1"));
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QStringLiteral("first"));
    EXPECT_TRUE(shown("Image1"));
    EXPECT_TRUE(shown("Image2"));
    EXPECT_EQ(control<QLabel>("Label14")->text(), QStringLiteral("New Moon 06:12 PM"));
    click("Command5");
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QStringLiteral("second"));
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), QStringLiteral("Gusty from the hills"));
    EXPECT_TRUE(control<QLabel>("Label14")->text().startsWith(QStringLiteral("Full Moon ")));
    click("Command5");
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QStringLiteral("third"));
    EXPECT_FALSE(shown("Label14"));

    // Editing one trip.
    click("Command4");
    control<QPlainTextEdit>("Text200")->setPlainText(QStringLiteral("second, edited"));
    click("Command1");
    click("Command4");
    click("Command5");
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QStringLiteral("second, edited"));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(JournalWindowTest, SavedEntryIsTheExpectedThirteenLines) {
    open();
    typeTrip("12", "3", "1999", "Snapper\noff the \"point\"");
    type("Text3", "18\xC2\xB0"
                  "C");
    type("Text4", "4 hrs");
    type("Text5", "Spring");
    type("Text6", "2");
    type("Text7", "5");
    control<QComboBox>("Combo1")->setCurrentIndex(1);
    control<QComboBox>("Combo2")->setCurrentIndex(1);
    control<QComboBox>("Combo3")->setEditText(QStringLiteral("Good"));
    type("Text9", "36 50S");
    type("Text10", "174 45E");
    type("Text11", "10:00am - 11:15am");
    click("Command1");
    const QByteArray expected = "\"Date:\",\"12\",\"3\",\"1999\"\r\n"
                                "\"Notes:\",\"Snapper\r\noff the \"\"point\"\"\"\r\n"
                                "\"Temperature:\",\"18\xB0"
                                "C\"\r\n"
                                "\"Trip Time:\",\"4 hrs\"\r\n"
                                "\"Tide Type:\",\"Spring\"\r\n"
                                "\"Wind Strength:\",\"2\"\r\n"
                                "\"Quantity of Fish:\",\"5\"\r\n"
                                "\"Wind:\",\"North East\"\r\n"
                                "\"Tide:\",\"Rising 2/3\"\r\n"
                                "\"Catch:\",\"Good\"\r\n"
                                "\"G.P.S mark or location:\",\"36 50S\"\r\n"
                                "\"G.P.S mark or location:\",\"174 45E\"\r\n"
                                "\"Best Time:\",\"10:00am - 11:15am\"\r\n";
    EXPECT_EQ(contents(filePath(1)), expected);

    form.reset();
    open();
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(),
              QStringLiteral("Snapper\noff the \"point\""));
    EXPECT_EQ(text("Text3"), QString::fromUtf8("18\xC2\xB0"
                                               "C"));
}

// --- Navigation ---

TEST_F(JournalWindowTest, BackStopsAtOne) {
    open();
    typeTrip("1", "2", "2003", "unsaved");
    click("Command4");
    EXPECT_EQ(text("Text8"), QStringLiteral("1"));
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QStringLiteral("unsaved"))
        << "nothing typed is thrown away";
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(JournalWindowTest, NextPastTheLastFileGivesOneBlankEntry) {
    writeBytes(filePath(1), entryFile("3", "4", "2001", ""));
    writeBytes(filePath(2), entryFile("", "", "", ""));
    open();
    EXPECT_FALSE(form->showsNewBlankEntry());
    click("Command5");
    EXPECT_EQ(text("Text8"), QStringLiteral("2"));
    EXPECT_FALSE(shown("Image1")) << "an entry without a day shows no Moon";
    click("Command5");
    EXPECT_EQ(text("Text8"), QStringLiteral("3"));
    EXPECT_EQ(text("Text13"), QStringLiteral("5"));
    EXPECT_EQ(text("Text14"), QStringLiteral("2026"));
    EXPECT_TRUE(form->showsNewBlankEntry());
    click("Command5");
    EXPECT_EQ(text("Text8"), QStringLiteral("3"));
    click("Command4");
    EXPECT_EQ(text("Text8"), QStringLiteral("2"));
    click("Command5");
    EXPECT_EQ(text("Text8"), QStringLiteral("3"));
    EXPECT_FALSE(QFile::exists(filePath(3)));
}

TEST_F(JournalWindowTest, SavingTheNewEntryLetsNextGoOn) {
    open();
    typeTrip("2", "2", "2002", "one");
    click("Command1");
    click("Command5");
    EXPECT_EQ(text("Text8"), QStringLiteral("2"));
    EXPECT_TRUE(form->showsNewBlankEntry());
}

TEST_F(JournalWindowTest, GapInTheNumbersIsSteppedThrough) {
    writeBytes(filePath(1), entryFile("", "", "", ""));
    writeBytes(filePath(3), entryFile("", "", "", "three"));
    open();
    click("Command5");
    EXPECT_EQ(text("Text8"), QStringLiteral("2"));
    EXPECT_FALSE(form->showsNewBlankEntry());
    click("Command5");
    EXPECT_EQ(text("Text8"), QStringLiteral("3"));
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QStringLiteral("three"));
}

TEST_F(JournalWindowTest, TypedEntryNumberAndEnterJumpsThere) {
    writeBytes(filePath(7), entryFile("", "", "", "seven"));
    open();
    type("Text8", " 7 ");
    emit control("Text8")->returnPressed();
    EXPECT_EQ(text("Text8"), QStringLiteral("7"));
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QStringLiteral("seven"));
}

// --- The entry number box ---

TEST_F(JournalWindowTest, BadEntryNumberIsRefusedBeforeAnythingIsWritten) {
    open();
    for (const char* bad : {"0", "-3", "32768", "abc", "../../etc/passwd", "1.5", ""}) {
        messages.messages.clear();
        type("Text8", bad);
        typeTrip("1", "1", "2001", "x");
        click("Command1");
        click("Command4");
        ASSERT_EQ(messages.messages.size(), 2) << bad;
        EXPECT_EQ(messages.messages[0].title, QStringLiteral("Invalid Entry Number"));
        EXPECT_EQ(messages.messages[0].text,
                  QStringLiteral(
                      "The entry number must be a whole number from 1 to 32767. Please re-enter the entry "
                      "number."));
        EXPECT_EQ(messages.messages[0].icon, Icon::Critical);
    }
    EXPECT_FALSE(QDir(folder).exists());
    EXPECT_FALSE(QFile::exists(temp.path() + QStringLiteral("/etc/passwd")));
}

TEST_F(JournalWindowTest, NextRefusesABadEntryNumberToo) {
    writeBytes(filePath(1), entryFile("1", "1", "2001"));
    open();
    type("Text8", "x1");
    click("Command5");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Invalid Entry Number"));
    EXPECT_EQ(text("Text1"), QStringLiteral("1"));
}

// --- Date checks in the window ---

TEST_F(JournalWindowTest, SaveChecksTheDateButWritesAnyway) {
    open();
    typeTrip("30", "2", "1999", "leap?");
    click("Command1");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("INVALID DATE"));
    EXPECT_EQ(messages.messages[0].icon, Icon::Critical);
    const auto read = JournalStore(folder).read(1);
    EXPECT_EQ(read.entry.day, "30");
    EXPECT_EQ(read.entry.notes, "leap?");
    EXPECT_FALSE(shown("Image1"));
}

TEST_F(JournalWindowTest, SaveWithoutDayDoesNotCheckTheDate) {
    open();
    control<QPlainTextEdit>("Text200")->setPlainText(QStringLiteral("no date yet"));
    click("Command1");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(filePath(1)));
}

TEST_F(JournalWindowTest, EnterInYearBoxTakesTwoDigitYearAndShowsTheMoon) {
    open();
    typeTrip("12", "3", "99", "");
    emit control("Text14")->returnPressed();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].icon, Icon::Information);
    EXPECT_EQ(text("Text14"), QStringLiteral("2099"));
    EXPECT_TRUE(shown("Image1"));
    EXPECT_EQ(form->tripDate(), std::optional<biteclock::DateSerial>(biteclock::dateSerial(2099, 3, 12)));
}

TEST_F(JournalWindowTest, InvalidDayAndMonthAreEmptied) {
    open();
    typeTrip("32", "13", "1999", "");
    emit control("Text1")->returnPressed();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("INVALID DAY & MONTH"));
    EXPECT_EQ(text("Text1"), QString());
    EXPECT_EQ(text("Text13"), QString());
    EXPECT_EQ(text("Text14"), QStringLiteral("1999"));
}

TEST_F(JournalWindowTest, Year1850Becomes1901) {
    open();
    typeTrip("12", "3", "1850", "");
    emit control("Text13")->returnPressed();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(text("Text14"), QStringLiteral("1901"));
}

TEST_F(JournalWindowTest, SpinnerStepsAndChecks) {
    open();
    type("Text1", "31");
    control<Spinner>("UpDown1")->upButton()->click();
    EXPECT_EQ(text("Text1"), QStringLiteral("31"));
    control<Spinner>("UpDown1")->downButton()->click();
    EXPECT_EQ(text("Text1"), QStringLiteral("30"));
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_TRUE(shown("Image1"));
    type("Text1", "");
    control<Spinner>("UpDown3")->upButton()->click();
    EXPECT_EQ(text("Text14"), QStringLiteral("2027"));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("No Day Specified"));
}

// --- The Moon of the trip ---

TEST_F(JournalWindowTest, MoonOfTheTripIsTheAlmanacsAndTheMainDateComesBack) {
    writeBytes(filePath(1), entryFile("10", "1", "2024", ""));
    const biteclock::AlmanacDay before = almanac;
    open();
    biteclock::AlmanacDay fresh;
    fresh.observer = almanac.observer;
    biteclock::refreshDay(fresh, biteclock::dateSerial(2024, 1, 10), 15, false);
    EXPECT_EQ(control<QLabel>("Text2")->text(), QString::number(fresh.MoonAge));
    EXPECT_EQ(control<QLabel>("Image2")->accessibleName(),
              QStringLiteral("Fishing prediction: ") + QString::fromStdString(fresh.RatingText));
    ASSERT_EQ(requestedPictures.size(), 2);
    EXPECT_EQ(requestedPictures[0], fresh.MoonPictureId);
    EXPECT_EQ(requestedPictures[1], biteclock::ratingGrade(fresh.DayRating)->fishIconId);
    EXPECT_EQ(almanac.AlmanacDate, shownDate);
    EXPECT_EQ(almanac.AlmanacDate, before.AlmanacDate);
    EXPECT_EQ(almanac.phases.year, before.phases.year);
    EXPECT_EQ(almanac.MoonPictureId, before.MoonPictureId);
    EXPECT_FALSE(almanac.JournalPhaseLabel);
}

TEST_F(JournalWindowTest, PictureBackgroundsTakeTheChartColour) {
    open();
    form->setChartColour(255 + 256 * 128);
    EXPECT_EQ(control<QLabel>("Image1")->palette().color(QPalette::Window), QColor(255, 128, 0));
    EXPECT_EQ(control<QLabel>("Image2")->palette().color(QPalette::Window), QColor(255, 128, 0));
}

TEST_F(JournalWindowTest, DefaultChartColour) {
    open();
    EXPECT_EQ(control<QLabel>("Image1")->palette().color(QPalette::Window), QColor(0, 128, 192));
}

// --- Clear, Help, tips, date order ---

TEST_F(JournalWindowTest, ClearEmptiesTheWindowButNotTheFile) {
    writeBytes(filePath(1), entryFile("10", "1", "2024", "kept"));
    open();
    const QByteArray before = contents(filePath(1));
    click("Command6");
    EXPECT_EQ(text("Text1"), QString());
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QString());
    EXPECT_EQ(text("Text13"), QStringLiteral("5"));
    EXPECT_EQ(text("Text14"), QStringLiteral("2026"));
    EXPECT_FALSE(shown("Image1"));
    EXPECT_EQ(contents(filePath(1)), before);
}

TEST_F(JournalWindowTest, HelpOpensTheContents) {
    open();
    click("Command3");
    EXPECT_EQ(help.requests, QList<int>{0});
}

TEST_F(JournalWindowTest, TipsFollowTheMainWindowsSetting) {
    open(false, true);
    EXPECT_EQ(control("Text1")->toolTip(), QStringLiteral("Enter Day"));
    EXPECT_EQ(control<QPushButton>("Command6")->toolTip(),
              QStringLiteral(
                  "Clears current entry data. To clear permanently, click Save entry after Clear entry."));
    EXPECT_EQ(control<QComboBox>("Combo2")->toolTip(),
              QStringLiteral("Tidal condition during best bite rate."));
    form->close();
    form->setTipsShown(false);
    form->show();
    EXPECT_EQ(control("Text1")->toolTip(), QString());
    EXPECT_EQ(control<QLabel>("Image1")->toolTip(), QString());
    form.reset();
    open(false, false);
    EXPECT_EQ(control("Text10")->toolTip(), QString());
}

TEST_F(JournalWindowTest, MonthFirstPutsTheMonthBoxLeft) {
    open(true);
    form->resize(700, 600);
    QApplication::processEvents();
    EXPECT_LT(control("Text13")->x(), control("Text1")->x());
    form->setMonthFirst(false);
    QApplication::processEvents();
    EXPECT_LT(control("Text1")->x(), control("Text13")->x());
}

// --- Files that are not whole, and saves that fail ---

TEST_F(JournalWindowTest, DamagedFileIsShownAsFarAsItReadsAndLeftAlone) {
    const QByteArray cut = entryFile("5", "6", "2007", "part").left(50);
    writeBytes(filePath(1), cut);
    open();
    EXPECT_EQ(text("Text1"), QStringLiteral("5"));
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QStringLiteral("part"));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Damaged Journal Entry"));
    EXPECT_TRUE(messages.messages[0].text.contains(filePath(1)));
    EXPECT_EQ(contents(filePath(1)), cut);
}

TEST_F(JournalWindowTest, BinaryFileDoesNotUpsetTheWindow) {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i) {
        bytes += static_cast<char>((i * 7919) % 256);
    }
    writeBytes(filePath(1), bytes);
    open();
    EXPECT_EQ(text("Text8"), QStringLiteral("1"));
    EXPECT_EQ(contents(filePath(1)), bytes);
}

TEST_F(JournalWindowTest, FailedSaveKeepsTheTypedEntryAndTheOldFile) {
    open();
    typeTrip("12", "3", "1999", "the old trip");
    click("Command1");
    const QByteArray before = contents(filePath(1));
    ASSERT_FALSE(before.isEmpty());

    typeTrip("13", "3", "1999", QByteArray(4000, 'n').constData());
    {
        const FileSizeLimit limit(300);
        click("Command1");
    }
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Entry Not Saved"));
    EXPECT_EQ(messages.messages[0].icon, Icon::Critical);
    EXPECT_TRUE(messages.messages[0].text.contains(folder));
    EXPECT_EQ(contents(filePath(1)), before);
    EXPECT_EQ(text("Text1"), QStringLiteral("13"));
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText().size(), 4000);

    click("Command1");
    EXPECT_EQ(messages.messages.size(), 1) << "the retry succeeds";
    EXPECT_EQ(JournalStore(folder).read(1).entry.day, "13");
}

TEST_F(JournalWindowTest, FolderThatCannotBeCreatedIsNamed) {
    writeBytes(temp.path() + QStringLiteral("/blocker"), "x");
    folder = temp.path() + QStringLiteral("/blocker/journal");
    open();
    typeTrip("12", "3", "1999", "kept");
    click("Command1");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Entry Not Saved"));
    EXPECT_TRUE(messages.messages[0].text.contains(folder));
    EXPECT_EQ(control<QPlainTextEdit>("Text200")->toPlainText(), QStringLiteral("kept"));
}

TEST_F(JournalWindowTest, SavingOverAnotherStoredTripAsksFirst) {
    writeBytes(filePath(1), entryFile("1", "1", "2001", "first"));
    writeBytes(filePath(2), entryFile("2", "2", "2002", "second"));
    open();
    const QByteArray second = contents(filePath(2));
    type("Text8", "2");
    messages.answers = {MessageService::Answer::No};
    click("Command1");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Replace Journal Entry"));
    EXPECT_EQ(messages.messages[0].icon, Icon::Question);
    EXPECT_EQ(contents(filePath(2)), second);

    messages.answers = {MessageService::Answer::Yes};
    click("Command1");
    EXPECT_EQ(JournalStore(folder).read(2).entry.notes, "first");
    EXPECT_EQ(form->currentEntryNumber(), 2);
}

TEST_F(JournalWindowTest, ReopeningAfterTheTitleBarCloseShowsTheEntryAgain) {
    open();
    form->close(); // not through "&Close": the blank-entry mark is still set
    form->show();
    EXPECT_EQ(text("Text8"), QStringLiteral("1"));
    EXPECT_EQ(text("Text13"), QStringLiteral("5"));
    EXPECT_TRUE(form->showsNewBlankEntry());
}
