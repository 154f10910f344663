// Every way of entering a date, with its cascades, ends on the day the command-line almanac
// computes for the same place and date.
#include "spinner.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>

namespace {

class DateEntryTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        storeHome();
    }
};

TEST_F(DateEntryTest, UpArrowFromThe31stOfJanuaryShowsTheFirstOfFebruary) {
    openActive();
    enterDate(31, 1, 2000);
    expectShowsDay(31, 1, 2000);
    QTest::keyClick(date().Text1(), Qt::Key_Up);
    expectShowsDay(1, 2, 2000);
    EXPECT_EQ(date().Label10()->text(), QStringLiteral("Tuesday"));
    QTest::keyClick(date().Text1(), Qt::Key_Down);
    expectShowsDay(31, 1, 2000);
}

TEST_F(DateEntryTest, ArrowKeysWriteTheDayInPrintedForm) {
    openActive();
    enterDate(15, 3, 2000);
    QTest::keyClick(date().Text1(), Qt::Key_Up);
    EXPECT_EQ(date().Text1()->text(), QStringLiteral(" 16"));
    expectShowsDay(16, 3, 2000);
}

TEST_F(DateEntryTest, DaySpinnerStepsAcrossTheEndOfTheMonth) {
    openActive();
    enterDate(31, 12, 2000);
    date().UpDown1()->stepUp();
    expectShowsDay(1, 1, 2001);
    EXPECT_EQ(window->focusWidget(), date().UpDown1());
    date().UpDown1()->stepDown();
    expectShowsDay(31, 12, 2000);
}

struct DayZeroCase {
    int month;
    int year;
    int day;
    int shownMonth;
    int shownYear;
};

class DayZero : public DateEntryTest, public ::testing::WithParamInterface<DayZeroCase> {};

TEST_P(DayZero, StepsBackToTheLastDayOfThePreviousMonth) {
    open();
    const DayZeroCase c = GetParam();
    enterDate(1, c.month, c.year);
    date().Text1()->setText(QStringLiteral("0"));
    date().Text1_KeyPress(Qt::Key_Return);
    expectShowsDay(c.day, c.shownMonth, c.shownYear);
}

INSTANTIATE_TEST_SUITE_P(
    Months, DayZero,
    ::testing::Values(DayZeroCase{3, 2000, 29, 2, 2000}, DayZeroCase{3, 2100, 28, 2, 2100},
                      DayZeroCase{3, 1999, 28, 2, 1999}, DayZeroCase{5, 2000, 30, 4, 2000},
                      DayZeroCase{8, 2000, 31, 7, 2000}, DayZeroCase{1, 2000, 31, 12, 1999}),
    [](const ::testing::TestParamInfo<DayZeroCase>& param) {
        return "Month" + std::to_string(param.param.month) + "Of" + std::to_string(param.param.year);
    });

TEST_F(DateEntryTest, AYearWrittenOutsideTheRangeIsHeldAtItsEnd) {
    open();
    enterDate(10, 6, 2000);
    date().Text10()->setText(QStringLiteral("1850"));
    expectShowsDay(10, 6, 1901);
    date().Text10()->setText(QStringLiteral("2300"));
    expectShowsDay(10, 6, 2200);
}

TEST_F(DateEntryTest, SteppingPastEitherEndOfTheRangeKeepsDayAndMonth) {
    open();
    enterDate(1, 1, 1901);
    date().Text1()->setText(QStringLiteral("0"));
    date().Text1_KeyPress(Qt::Key_Return);
    expectShowsDay(31, 12, 1901);
    enterDate(31, 12, 2200);
    date().UpDown1()->stepUp();
    expectShowsDay(1, 1, 2200);
}

TEST_F(DateEntryTest, JanuaryDatesUseThePreviousYearsTable) {
    open();
    for (int day : {1, 2, 10, 20, 31}) {
        enterDate(day, 1, 2001);
        expectShowsDay(day, 1, 2001);
    }
    // The year spinner from a January date.
    enterDate(6, 1, 2000);
    date().UpDown2()->stepUp();
    expectShowsDay(6, 1, 2001);
}

TEST_F(DateEntryTest, AMonthChosenAfterTheLastDayOfDecemberWasShown) {
    MainWindow& w = openActive();
    enterDate(31, 12, 2000);
    // The user picks February: the list's click handling, then its loss of focus.
    date().Combo1()->setFocus();
    ASSERT_TRUE(date().Combo1()->hasFocus());
    date().Combo1()->setCurrentIndex(1);
    // 31 February does not exist: the entry steps on to 1 March.
    expectShowsDay(1, 3, 2000);
    EXPECT_EQ(w.focusWidget(), date().UpDown1());
}

TEST_F(DateEntryTest, TheYearFieldPassesTheFocusOnAndIgnoresTypedKeys) {
    MainWindow& w = openActive();
    date().Text10()->setFocus();
    EXPECT_EQ(w.focusWidget(), date().Text1());
    date().Text10_KeyPress();
    EXPECT_TRUE(date().yearKeyPending());
    date().Text10()->setText(QStringLiteral("1999")); // only clears the pending key
    EXPECT_FALSE(date().yearKeyPending());
    EXPECT_EQ(w.almanac().AlmanacDate, biteclock::dateSerial(2000, 3, 15));
}

TEST_F(DateEntryTest, ATypedDayWaitsForEnter) {
    open();
    const QString sunrise = window->dayView().Text2->text();
    date().Text1()->setText(QStringLiteral("3"));
    EXPECT_EQ(window->dayView().Text2->text(), sunrise);
    EXPECT_EQ(window->almanac().AlmanacDate, biteclock::dateSerial(2000, 3, 15));
    date().Text1_KeyPress(Qt::Key_Return);
    expectShowsDay(3, 3, 2000);
}

TEST_F(DateEntryTest, ARefreshWithAnUnenteredImpossibleDayShowsARealDate) {
    open();
    date().Text1()->setText(QStringLiteral("45"));
    window->Activateform();
    expectShowsDay(1, 4, 2000);
}

TEST_F(DateEntryTest, TodayButtonAndTheSeasonLabel) {
    openActive();
    enterDate(21, 6, 2000);
    EXPECT_FALSE(date().Command7()->isHidden());
    EXPECT_EQ(window->dayView().Label19->text(), QStringLiteral("Solstice"));
    EXPECT_FALSE(window->dayView().Label19->isHidden());
    enterDate(23, 9, 2000);
    EXPECT_TRUE(window->dayView().Label19->isHidden());
    enterDate(22, 9, 2000);
    EXPECT_EQ(window->dayView().Label19->text(), QStringLiteral("Equinox"));

    date().Command7()->click();
    expectShowsDay(15, 3, 2000);
    EXPECT_TRUE(date().Command7()->isHidden());
    EXPECT_TRUE(window->dayView().Label19->isHidden());
    EXPECT_EQ(window->focusWidget(), date().UpDown1());
}

TEST_F(DateEntryTest, NewAndFullMoonDaysShowTheirCaption) {
    open();
    enterDate(6, 1, 2000); // new moon of 6 January 2000
    expectShowsDay(6, 1, 2000);
    EXPECT_EQ(window->dayView().Label14->text(), QStringLiteral("New Moon"));
    EXPECT_FALSE(window->dayView().Label14->isHidden());
    enterDate(7, 1, 2000);
    EXPECT_TRUE(window->dayView().Label14->isHidden());
}

} // namespace

// The month chosen from the opened list, with the keys and with the mouse: the almanac follows the
// fields at once, although the list's own focus change is not a loss of focus.
TEST_F(DateEntryTest, AMonthPickedFromTheOpenedListIsComputed) {
    openActive();
    enterDate(4, 12, 2000);
    QComboBox* month = date().Combo1();
    month->setFocus();
    month->showPopup();
    ASSERT_TRUE(month->view()->isVisible());
    month->view()->setCurrentIndex(month->model()->index(6, 0));
    QTest::keyClick(month->view(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(month->view()->isVisible());
    expectShowsDay(4, 7, 2000);

    month->setFocus();
    month->showPopup();
    const QModelIndex march = month->model()->index(2, 0);
    QTest::mouseClick(month->view()->viewport(), Qt::LeftButton, {},
                      month->view()->visualRect(march).center());
    QApplication::processEvents();
    expectShowsDay(4, 3, 2000);
}
