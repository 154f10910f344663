// The companion's two windows as a user sees them: the fishing times under the same captions as in
// the main window, and a name for every control that assistive technology reads.
#include "accessible_names.h"
#include "alarm_view.h"
#include "daily_refresh.h"
#include "day_view.h"
#include "tray_alarm_window.h"
#include "tray_almanac.h"
#include "tray_data_window.h"
#include "tray_test_environment.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace {

struct GridCell {
    int row = -1;
    int column = -1;
};

std::optional<GridCell> captionCell(const QGridLayout& grid, const QString& caption) {
    for (int i = 0; i < grid.count(); ++i) {
        const auto* label = qobject_cast<QLabel*>(grid.itemAt(i)->widget());
        if (label != nullptr && label->text().compare(caption, Qt::CaseInsensitive) == 0) {
            GridCell cell;
            int rowSpan = 0;
            int columnSpan = 0;
            grid.getItemPosition(i, &cell.row, &cell.column, &rowSpan, &columnSpan);
            return cell;
        }
    }
    return std::nullopt;
}

/// The text of the field where a row caption (in column 0) and a column caption (in row 0) meet,
/// whichever way round the frame's grid puts them.
QString fieldUnder(const QGroupBox* frame, const QString& first, const QString& second) {
    const auto* grid = qobject_cast<const QGridLayout*>(frame->layout());
    if (grid == nullptr) {
        return QStringLiteral("<no grid>");
    }
    const std::optional<GridCell> a = captionCell(*grid, first);
    const std::optional<GridCell> b = captionCell(*grid, second);
    if (!a || !b) {
        return QStringLiteral("<no caption>");
    }
    const GridCell cell = a->column == 0 ? GridCell{a->row, b->column} : GridCell{b->row, a->column};
    QLayoutItem* item = grid->itemAtPosition(cell.row, cell.column);
    const auto* field = item != nullptr ? qobject_cast<QLineEdit*>(item->widget()) : nullptr;
    return field != nullptr ? field->text() : QStringLiteral("<no field>");
}

const QGroupBox* frameTitled(const QWidget& window, const QString& title) {
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (box->title() == title) {
            return box;
        }
    }
    return nullptr;
}

struct PeriodsDay {
    const char* name;
    double latitudeDeg;
    double longitudeDeg;
    double zoneOffsetHours;
    int year;
    int month;
    int day;
};

void PrintTo(const PeriodsDay& d, std::ostream* out) {
    *out << d.name;
}

class TrayFishingTimes : public ::testing::TestWithParam<PeriodsDay> {
protected:
    void SetUp() override { trayTestApplication(); }
};

// The same day in both programs: each of the four times stands under the same pair of captions.
TEST_P(TrayFishingTimes, StandUnderTheMainWindowsCaptions) {
    const PeriodsDay& d = GetParam();
    const biteclock::Observer observer =
        biteclock::observerFromDegrees(d.latitudeDeg, d.longitudeDeg, d.zoneOffsetHours);
    const biteclock::DateSerial date = biteclock::dateSerial(d.year, d.month, d.day);

    biteclock::AlmanacDay main(biteclock::AlmanacFlavour::Main);
    main.observer = observer;
    biteclock::refreshDay(main, date, 1, false);
    QWidget mainWindow;
    DayView view(&mainWindow);
    view.showTimes(main);

    biteclock::AlmanacDay tray(biteclock::AlmanacFlavour::Tray);
    tray.observer = observer;
    TrayDataWindow dataWindow;
    dataWindow.showToday(computeTrayToday(tray, date), QStringLiteral("today"));
    const QGroupBox* trayTimes = frameTitled(dataWindow, QStringLiteral("Fishing Times"));
    ASSERT_NE(trayTimes, nullptr);

    // A day whose two minor periods differ, or the check could not tell them apart.
    ASSERT_NE(main.main.Text7, main.main.Text8);
    for (const char* moon : {"Moon Above", "Moon Below"}) {
        for (const char* period : {"Major", "Minor"}) {
            const QString m = QString::fromLatin1(moon);
            const QString p = QString::fromLatin1(period);
            EXPECT_EQ(fieldUnder(trayTimes, m, p), fieldUnder(view.periodsFrame, m, p))
                << moon << " " << period;
        }
    }
    // The main window's own texts: the set minor with the Moon above, the rise minor with it below.
    EXPECT_EQ(fieldUnder(trayTimes, QStringLiteral("Moon Above"), QStringLiteral("Minor")),
              QString::fromStdString(main.main.Text7));
    EXPECT_EQ(fieldUnder(trayTimes, QStringLiteral("Moon Below"), QStringLiteral("Minor")),
              QString::fromStdString(main.main.Text8));
    EXPECT_EQ(fieldUnder(trayTimes, QStringLiteral("Moon Above"), QStringLiteral("Major")),
              QString::fromStdString(main.main.Text4));
}

INSTANTIATE_TEST_SUITE_P(Days, TrayFishingTimes,
                         ::testing::Values(PeriodsDay{"NewYorkMidsummer", 40.7, -74.0, -4, 2000, 6, 21},
                                           PeriodsDay{"SydneyJanuary", -33.87, 151.2, 11, 2024, 1, 26},
                                           PeriodsDay{"GreenwichFullMoon", 51.5, 0, 0, 2024, 3, 25}));

TrayToday greenwichToday() {
    biteclock::AlmanacDay tray(biteclock::AlmanacFlavour::Tray);
    tray.observer = biteclock::observerFromDegrees(51.5, 0, 0);
    return computeTrayToday(tray, biteclock::dateSerial(2024, 3, 25));
}

TEST(TrayWindowNames, EveryControlOfTheDataWindowHasItsOwnAccessibleName) {
    trayTestApplication();
    TrayDataWindow window;
    window.showToday(greenwichToday(), QStringLiteral("25 March 2024"));
    const QList<AccessibleControl> controls = accessibleControls(&window);
    // Ten times and values, two pictures, the new or full moon and the grade, three boxes and two
    // buttons.
    EXPECT_EQ(controls.size(), 19);
    const NamingFaults faults = namingFaults(controls);
    EXPECT_EQ(faults.unnamed, QStringList());
    EXPECT_EQ(faults.repeated, QStringList());
    // The two "Rise:" captions name nothing: the fields say which rise they show.
    EXPECT_EQ(accessibleNameOf(window.findChild<QLineEdit*>(QStringLiteral("Text2"))),
              QStringLiteral("Moonrise"));
    EXPECT_EQ(accessibleNameOf(window.findChild<QLineEdit*>(QStringLiteral("sunrise"))),
              QStringLiteral("Sunrise"));
    EXPECT_EQ(accessibleNameOf(window.findChild<QLabel*>(QStringLiteral("grade"))),
              QStringLiteral("Fishing prediction: ") + QString::fromStdString(greenwichToday().ratingText));
}

TEST(TrayWindowNames, EveryControlOfTheAlarmWindowHasItsOwnAccessibleName) {
    trayTestApplication();
    TrayAlarmWindow window;
    EXPECT_EQ(namingFaults(accessibleControls(&window)).unnamed, QStringList())
        << "named before a day is shown";

    AlarmDay day;
    day.daysAhead = 3;
    day.date = biteclock::dateSerial(2024, 3, 28);
    day.dayRating = 100;
    day.ratingText = "Excellent";
    day.ratingColour = "65280";
    day.ratingIconId = 201;
    window.showView(alarmViewFor(day, 104));
    const QList<AccessibleControl> controls = accessibleControls(&window);
    // The title, the heading, the count and its word, the date, the grade, two pictures, the box and
    // three buttons.
    EXPECT_EQ(controls.size(), 12);
    const NamingFaults faults = namingFaults(controls);
    EXPECT_EQ(faults.unnamed, QStringList());
    EXPECT_EQ(faults.repeated, QStringList());
    EXPECT_EQ(accessibleNameOf(window.findChild<QLabel*>(QStringLiteral("count"))),
              QStringLiteral("Fishing time in: 3 Days"));

    day.daysAhead = 0;
    window.showView(alarmViewFor(day, 104));
    EXPECT_EQ(accessibleNameOf(window.findChild<QLabel*>(QStringLiteral("count"))),
              QStringLiteral("Fishing time in: Today"));
}

} // namespace
