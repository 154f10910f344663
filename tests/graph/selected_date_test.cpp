// The date texts of the graph: row labels and the selected point's date.
#include "daily_refresh.h"
#include "date_serial.h"
#include "selected_date.h"

#include <gtest/gtest.h>

namespace {

using biteclock::dateSerial;

TEST(SelectedDate, FifthPointFromTheTwentyEighthOfFebruary2001) {
    const biteclock::DateSerial first = dateSerial(2001, 2, 28);
    EXPECT_EQ(selectedDateText(first + 4, false).toStdString(), "4/3/2001");
    EXPECT_EQ(selectedDateText(first + 4, true).toStdString(), "3/4/2001");
}

TEST(SelectedDate, NoLeadingZerosAndFourDigitYears) {
    EXPECT_EQ(selectedDateText(dateSerial(2000, 3, 5), false).toStdString(), "5/3/2000");
    EXPECT_EQ(selectedDateText(dateSerial(2000, 3, 15), true).toStdString(), "3/15/2000");
    EXPECT_EQ(selectedDateText(dateSerial(1901, 1, 1), false).toStdString(), "1/1/1901");
    EXPECT_EQ(selectedDateText(dateSerial(2200, 12, 31), true).toStdString(), "12/31/2200");
}

TEST(SelectedDate, LeapDayAndTheTurnOfTheYear) {
    EXPECT_EQ(selectedDateText(dateSerial(2000, 2, 28) + 1, false).toStdString(), "29/2/2000");
    EXPECT_EQ(selectedDateText(dateSerial(2001, 2, 28) + 1, false).toStdString(), "1/3/2001");
    EXPECT_EQ(selectedDateText(dateSerial(1999, 12, 31) + 1, true).toStdString(), "1/1/2000");
}

TEST(RowLabel, BothDateOrders) {
    EXPECT_EQ(biteclock::graphRowLabel(dateSerial(2000, 3, 15), false), "15/3");
    EXPECT_EQ(biteclock::graphRowLabel(dateSerial(2000, 3, 15), true), "3/15");
    EXPECT_EQ(biteclock::graphRowLabel(dateSerial(2001, 3, 4), false), "4/3");
    EXPECT_EQ(biteclock::graphRowLabel(dateSerial(2001, 3, 4), true), "3/4");
}

} // namespace
