// The companion's day in its own offset when the computer's zone has daylight saving.
#include "qt_time_zone_source.h"
#include "recording_services.h"
#include "recording_tray_backend.h"
#include "settings_store.h"
#include "tray_companion.h"
#include "tray_test_environment.h"

#include <QTimeZone>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

class TrayZoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        trayTestApplication();
        for (const auto& [key, value] : {std::pair{"latdeg", " 40"},
                                         {"latmin", " 42"},
                                         {"NorS", "N"},
                                         {"londeg", " 74"},
                                         {"lonmin", " 0"},
                                         {"WorE", "W"},
                                         {"gmt", "-5"},
                                         {"showmoon", "1"},
                                         {"showfish", "1"}}) {
            store.write(SettingsStore::kShared, SettingsStore::kSettings, QString::fromLatin1(key),
                        QString::fromLatin1(value));
        }
    }

    const TrayToday& startOn(const biteclock::TimeZoneSource* computer) {
        companion = std::make_unique<TrayCompanion>(TrayServices{store,
                                                                 clock,
                                                                 backend,
                                                                 messages,
                                                                 launcher,
                                                                 help,
                                                                 env.path(QStringLiteral("bin")),
                                                                 {},
                                                                 0,
                                                                 computer});
        companion->start();
        return companion->today();
    }

    static TrayToday aloneAt(double hours) {
        biteclock::AlmanacDay day(biteclock::AlmanacFlavour::Tray);
        day.observer = biteclock::observerFromDegrees(40.7, -74.0, hours);
        return computeTrayToday(day, biteclock::dateSerial(2027, 7, 4));
    }

    static auto fields(const TrayToday& t) {
        const biteclock::TrayWindowFields& f = t.fields;
        return std::tuple(f.sunrise, f.sunset, f.dayLength, f.Text2, f.Text3, f.Text4, f.Text5, f.Text7,
                          f.Text8, f.Label14, t.moonPictureId, t.dayRating);
    }

    TrayTestEnvironment env;
    SettingsStore store;
    // The "gmt" stored in winter; the companion starts on a summer day.
    FixedClock clock{QDate(2027, 7, 4)};
    RecordingTrayBackend backend;
    RecordingMessageService messages;
    RecordingProcessLauncher launcher;
    RecordingHelpService help;
    std::unique_ptr<TrayCompanion> companion;
    QtTimeZoneSource newYork{QTimeZone("America/New_York"),
                             QDateTime(QDate(2026, 12, 9), QTime(17, 0), Qt::UTC)};
};

} // namespace

TEST_F(TrayZoneTest, TodayTakesItsOwnOffsetInTheComputersZone) {
    const TrayToday& today = startOn(&newYork);
    EXPECT_EQ(today.fields.sunrise, "05:30 AM");
    EXPECT_EQ(fields(today), fields(aloneAt(-4)));
}

TEST_F(TrayZoneTest, CustomTheUntickedBoxOrNoZoneKeepTheStoredOffset) {
    EXPECT_EQ(fields(startOn(nullptr)), fields(aloneAt(-5)));
    store.write(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("daylight"),
                QStringLiteral("0"));
    EXPECT_EQ(fields(startOn(&newYork)), fields(aloneAt(-5)));
    store.write(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("daylight"),
                QStringLiteral("1"));
    store.write(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("custom"),
                QStringLiteral("True"));
    EXPECT_EQ(fields(startOn(&newYork)), fields(aloneAt(-5)));
}

TEST_F(TrayZoneTest, APlacesOwnZoneWinsOverTheComputers) {
    store.write(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("tz"),
                QStringLiteral("America/Chicago"));
    EXPECT_EQ(fields(startOn(&newYork)), fields(aloneAt(-5))); // Chicago's summer offset
    store.write(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("tz"),
                QStringLiteral("Nowhere/Atlantis"));
    EXPECT_EQ(fields(startOn(&newYork)), fields(aloneAt(-5))) << "unknown: the stored offset";
}
