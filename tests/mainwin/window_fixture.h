#pragma once

#include "daily_refresh.h"
#include "date_entry.h"
#include "main_window.h"
#include "new_york_home.h"
#include "prediction_chart.h"
#include "recording_file_chooser.h"
#include "recording_print_service.h"
#include "recording_services.h"
#include "settings_panel.h"
#include "shared_settings.h"
#include "spinner.h"
#include "stored_location.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

/// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

/// A main window over an empty store, recording its messages, help requests and started programs,
/// with an empty journal folder of its own; today is 15 March 2000 and the computer keeps Eastern time.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { clearSettingsFiles(); }

    void TearDown() override { window.reset(); }

    /// Stores "Home" at 40 42' N, 74 0' W, five hours behind Greenwich, as the panel would.
    void storeHome() { storeNewYorkHome(store); }

    MainWindow& open() {
        window = std::make_unique<MainWindow>(MainWindowServices{
            store, messages, help, launcher, clock, zones, QStringLiteral("/opt/biteclock"), nullptr,
            &printers, journalDir.path(), &files});
        window->show();
        return *window;
    }

    /// Opens the window and makes it the active one, so that focus changes send their events.
    MainWindow& openActive() {
        MainWindow& w = open();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }

    DateEntry& date() { return *window->dateEntry(); }
    SettingsPanel& panel() { return *window->settingsPanel(); }

    /// Types a date into the fields and presses Enter in the day field.
    void enterDate(int day, int month, int year) {
        date().Text1()->setText(QString::number(day));
        date().Combo1()->setCurrentIndex(month - 1);
        date().Text10()->setText(QString::number(year));
        date().Text1_KeyPress(Qt::Key_Return);
    }

    QString shared(const char* key) const {
        return store.read(SettingsStore::kShared, SettingsStore::kSettings, QLatin1String(key),
                          QStringLiteral("<missing>"));
    }
    QString mainKey(const char* key) const {
        return store.read(SettingsStore::kMain, SettingsStore::kSettings, QLatin1String(key),
                          QStringLiteral("<missing>"));
    }

    /// The day view's sun, Moon, period and phase fields hold what `fresh` computed.
    void expectDayViewShows(const biteclock::AlmanacDay& fresh) {
        const DayView& v = window->dayView();
        const auto q = [](const std::string& s) { return QString::fromStdString(s); };
        EXPECT_EQ(v.Text2->text(), q(fresh.main.Text2));
        EXPECT_EQ(v.Text32->text(), q(fresh.main.Text32));
        EXPECT_EQ(v.Text6->text(), q(fresh.main.Text6));
        EXPECT_EQ(v.Text21->text(), q(fresh.main.Text21));
        EXPECT_EQ(v.Text39->text(), q(fresh.main.Text39));
        EXPECT_EQ(v.Text4->text(), q(fresh.main.Text4));
        EXPECT_EQ(v.Text5->text(), q(fresh.main.Text5));
        EXPECT_EQ(v.Text7->text(), q(fresh.main.Text7));
        EXPECT_EQ(v.Text8->text(), q(fresh.main.Text8));
        EXPECT_EQ(v.Text9->text(), QString::number(fresh.MoonAge));
        EXPECT_EQ(v.moonPictureId(), fresh.MoonPictureId);
        EXPECT_EQ(v.Label14->isHidden(), !fresh.main.Label14.visible);
        if (fresh.main.Label14.visible) {
            EXPECT_EQ(v.Label14->text(), q(fresh.main.Label14.text));
            EXPECT_EQ(v.Label18->text(), q(fresh.main.Label18.text));
        }
    }

    /// The window shows what the command-line almanac prints for the stored place and this date:
    /// the daily refresh on a fresh context.
    void expectShowsDay(int day, int month, int year) {
        SCOPED_TRACE(testing::Message() << "expected " << day << "/" << month << "/" << year);
        EXPECT_EQ(date().Text1()->text().trimmed(), QString::number(day));
        EXPECT_EQ(date().Combo1()->currentIndex(), month - 1);
        EXPECT_EQ(date().Text10()->text(), QString::number(year));
        biteclock::AlmanacDay fresh;
        fresh.observer = biteclock::observerFrom(storedCurrentLocation(store));
        fresh.moonorth = SharedSettings(store).moonNorth();
        const biteclock::DateSerial d = biteclock::dateSerial(year, month, day);
        const auto rows = biteclock::refreshDay(fresh, d, window->graphDays(), window->monthFirst());
        expectDayViewShows(fresh);
        EXPECT_EQ(window->dayView().Label13->text(), QString::fromStdString(fresh.main.Label13));
        EXPECT_EQ(window->almanac().AlmanacDate, d);
        ASSERT_EQ(window->graphChart()->rowCount(), static_cast<int>(rows.size()));
        EXPECT_EQ(window->graphChart()->rows().front().label, QString::fromStdString(rows.front().label));
    }

    SettingsStore store;
    RecordingMessageService messages;
    RecordingHelpService help;
    RecordingProcessLauncher launcher;
    FixedClock clock{QDate(2000, 3, 15)};
    biteclock::FixedTimeZoneSource zones{easternZone(biteclock::TimeZoneInfo::State::Standard)};
    RecordingPrintService printers;
    RecordingFileChooser files;
    QTemporaryDir journalDir;
    std::unique_ptr<MainWindow> window;
};
