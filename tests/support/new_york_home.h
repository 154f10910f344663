#pragma once

#include "settings_store.h"
#include "shared_settings.h"
#include "time_zone.h"

#include <QSettings>

/// Empties both settings files of the sandboxed home, so that each test starts from a first start.
inline void clearSettingsFiles() {
    for (const QString& application : {SettingsStore::kShared, SettingsStore::kMain}) {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Biteclock"), application);
        s.clear();
        s.sync();
    }
}

/// Stores "Home" at 40 42' N, 74 0' W, five hours behind Greenwich, as the settings panel would.
inline void storeNewYorkHome(SettingsStore& store) {
    SharedSettings s(store);
    s.setCurrentLocation(QStringLiteral("Home"));
    s.setLatitudeDegrees(QStringLiteral(" 40"));
    s.setLatitudeMinutes(QStringLiteral(" 42"));
    s.setNorthOrSouth(QStringLiteral("N"));
    s.setLongitudeDegrees(QStringLiteral(" 74"));
    s.setLongitudeMinutes(QStringLiteral(" 0"));
    s.setWestOrEast(QStringLiteral("W"));
    s.setGmt(QStringLiteral("-5"));
}

/// Eastern time: 300 minutes behind, one hour of daylight saving, in the given state.
inline biteclock::TimeZoneInfo
easternZone(biteclock::TimeZoneInfo::State state = biteclock::TimeZoneInfo::State::Standard) {
    biteclock::TimeZoneInfo z;
    z.biasMinutes = 300;
    z.standardBiasMinutes = 0;
    z.daylightBiasMinutes = -60;
    z.standardName = "Eastern Standard Time";
    z.daylightName = "Eastern Daylight Time";
    z.state = state;
    return z;
}
