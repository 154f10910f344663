#pragma once

// The settings panel on its own over the sandboxed store, recording its messages and help; the
// computer keeps Eastern standard time and today is 9 December 2026.
#include "new_york_home.h"
#include "recording_services.h"
#include "settings_panel.h"
#include "settings_store.h"

#include <QDate>
#include <gtest/gtest.h>
#include <memory>

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { clearSettingsFiles(); }

    /// Makes the panel and loads it from the store, as the main window does when it opens it.
    SettingsPanel& open() {
        panel = std::make_unique<SettingsPanel>(
            SettingsPanel::Services{store, messages, help, zones, QStringLiteral("Biteclock"), &clock});
        panel->fillLocationList();
        panel->settings();
        return *panel;
    }

    /// A key of the shared settings file's [Settings] section, "<missing>" when it has none.
    QString shared(const char* key) const {
        return store.read(SettingsStore::kShared, SettingsStore::kSettings, QLatin1String(key),
                          QStringLiteral("<missing>"));
    }

    SettingsStore store;
    RecordingMessageService messages;
    RecordingHelpService help;
    FixedClock clock{QDate(2026, 12, 9)};
    biteclock::FixedTimeZoneSource zones{easternZone()};
    std::unique_ptr<SettingsPanel> panel;
};
