#pragma once

#include "settings_store.h"
#include "shared_settings.h"

/// Stores the place the window benchmarks compute for: "Home", 40 42 N 74 00 W, five hours west.
inline void storeNewYorkHome(SettingsStore& store) {
    SharedSettings s(store);
    s.setCurrentLocation(QStringLiteral("Home"));
    s.setLatitudeDegrees(QStringLiteral(" 40"));
    s.setLatitudeMinutes(QStringLiteral(" 42"));
    s.setLongitudeDegrees(QStringLiteral(" 74"));
    s.setLongitudeMinutes(QStringLiteral(" 0"));
    s.setGmt(QStringLiteral("-5"));
}
