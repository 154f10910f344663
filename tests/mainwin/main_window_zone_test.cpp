// The window in the computer's zone, or in a place's own zone: each date in its own offset.
#include "qt_time_zone_source.h"
#include "window_fixture.h"

#include <QTimeZone>

namespace {

using biteclock::DateSerial;
using biteclock::dateSerial;

/// A window on 9 December 2026 on a computer that keeps New York time, with "Home" stored as the
/// panel stores it in winter (five hours behind Greenwich, the daylight box ticked).
class ZonedWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        clock.set(QDate(2026, 12, 9));
        storeHome();
    }

    MainWindow& openOn(const biteclock::TimeZoneSource& computer) {
        window = std::make_unique<MainWindow>(MainWindowServices{store, messages, help, launcher, clock,
                                                                 computer, QStringLiteral("/opt/biteclock"),
                                                                 nullptr, &printers, journalDir.path()});
        window->show();
        return *window;
    }
    MainWindow& openInNewYork() { return openOn(newYork); }

    /// The stored place at `hours`, alone: what `biteclock-cli day --gmt hours` computes.
    biteclock::AlmanacDay aloneAt(DateSerial d, double hours) {
        biteclock::AlmanacDay fresh;
        fresh.observer = biteclock::observerOnDate(biteclock::observerFrom(storedCurrentLocation(store)),
                                                   biteclock::FixedDateOffsets(hours), d);
        fresh.moonorth = SharedSettings(store).moonNorth();
        fresh.clearDayResults();
        biteclock::refreshDay(fresh, d, 0, false);
        return fresh;
    }

    /// Every field of the shown day equals the day alone at `hours`.
    void expectShownAt(DateSerial d, double hours) {
        SCOPED_TRACE(testing::Message() << "offset " << hours);
        const biteclock::AlmanacDay fresh = aloneAt(d, hours);
        expectDayViewShows(fresh);
        EXPECT_EQ(window->almanac().DayRating, fresh.DayRating);
    }

    void storeZone(const char* zone, const char* gmt) {
        SharedSettings s(store);
        s.setZoneId(QString::fromLatin1(zone));
        s.setCustomZone(true);
        s.setGmt(QString::fromLatin1(gmt));
    }

    QtTimeZoneSource newYork{QTimeZone("America/New_York"),
                             QDateTime(QDate(2026, 12, 9), QTime(17, 0), Qt::UTC)};
};

TEST_F(ZonedWindowTest, FourthOfJulySeenInDecemberHasItsSummerTimes) {
    openInNewYork();
    expectShownAt(dateSerial(2026, 12, 9), -5);
    EXPECT_EQ(shared("gmt"), QStringLiteral("-5")) << "the store keeps today's offset";

    enterDate(4, 7, 2027);
    EXPECT_EQ(window->dayView().Text2->text(), QStringLiteral("05:30 AM"));
    expectShownAt(dateSerial(2027, 7, 4), -4);

    // The daily refresh of a displayed summer day too (the window coming back to the front).
    window->Activateform();
    expectShownAt(dateSerial(2027, 7, 4), -4);
    EXPECT_EQ(shared("gmt"), QStringLiteral("-5"));

    enterDate(20, 1, 2027);
    expectShownAt(dateSerial(2027, 1, 20), -5);
}

TEST_F(ZonedWindowTest, GraphAcrossTheSpringChangeRatesEachRowInItsOffset) {
    MainSettings(store).setGraphDaysText(QStringLiteral("40"));
    openInNewYork();
    enterDate(1, 3, 2028); // 2028's change is on 12 March
    const auto check = [this] {
        const QList<PredictionChart::Row>& rows = window->graphChart()->rows();
        ASSERT_EQ(rows.size(), 40);
        for (int i = 0; i < rows.size(); ++i) {
            const DateSerial d = dateSerial(2028, 3, 1) + i;
            EXPECT_EQ(rows[i].value, aloneAt(d, d < dateSerial(2028, 3, 12) ? -5 : -4).DayRating)
                << rows[i].label.toStdString();
        }
    };
    check();
    expectShownAt(dateSerial(2028, 3, 1), -5);
    window->Activateform();
    check();
    // A changed number of days redraws the rows on the table as it stands.
    window->Text11->setText(QStringLiteral("40"));
    window->Text11_KeyPress(Qt::Key_Return);
    check();
    expectShownAt(dateSerial(2028, 3, 1), -5);
}

TEST_F(ZonedWindowTest, AnAdelaideLocationKeepsAdelaidesRulesOnANewYorkComputer) {
    SharedSettings s(store);
    s.setLatitudeDegrees(QStringLiteral(" 34"));
    s.setNorthOrSouth(QStringLiteral("S"));
    s.setLongitudeDegrees(QStringLiteral(" 138"));
    s.setLongitudeMinutes(QStringLiteral(" 36"));
    s.setWestOrEast(QStringLiteral("E"));
    storeZone("Australia/Adelaide", "10.5");
    openInNewYork();
    expectShownAt(dateSerial(2026, 12, 9), 10.5);
    enterDate(4, 7, 2027);
    expectShownAt(dateSerial(2027, 7, 4), 9.5);
}

TEST_F(ZonedWindowTest, CustomOrAnUntickedBoxKeepsOneOffsetForEveryDate) {
    // A typed offset (one the computer's zone does not have today: an offset equal to it is the
    // computer's own, as the panel has always taken it).
    SharedSettings(store).setCustomZone(true);
    SharedSettings(store).setGmt(QStringLiteral("-6"));
    openInNewYork();
    enterDate(4, 7, 2027);
    expectShownAt(dateSerial(2027, 7, 4), -6);
    EXPECT_EQ(shared("custom"), QStringLiteral("True"));
    window.reset();

    SharedSettings(store).setCustomZone(false);
    SharedSettings(store).setGmt(QStringLiteral("-5"));
    SharedSettings(store).setFollowDaylight(false);
    openInNewYork();
    enterDate(4, 7, 2027);
    EXPECT_EQ(window->dayView().Text2->text(), QStringLiteral("04:30 AM"));
    expectShownAt(dateSerial(2027, 7, 4), -5);
}

TEST_F(ZonedWindowTest, AComputerWhoseRulesCannotBeAskedKeepsOneOffset) {
    // The tests' usual stand-in knows today's offset only.
    openOn(zones);
    enterDate(4, 7, 2027);
    expectShownAt(dateSerial(2027, 7, 4), -5);
}

TEST_F(ZonedWindowTest, AnUnknownStoredZoneFallsBackToTheStoredOffset) {
    storeZone("Nowhere/Atlantis", "-5");
    openInNewYork();
    enterDate(4, 7, 2027);
    expectShownAt(dateSerial(2027, 7, 4), -5);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(shared("tz"), QStringLiteral("Nowhere/Atlantis")) << "the store is left as it was";
}

} // namespace
