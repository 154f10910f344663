#pragma once

#include "observer.h"
#include "settings_store.h"

#include <QString>
#include <optional>

/// The current location as the daily computation reads it from application "Bitetray": missing
/// coordinates give 0, "N", "W" and an offset of 13 hours. The name is the stored "currentloc".
biteclock::ObserverLocation storedCurrentLocation(SettingsStore& store);

/// A saved location of the catalogue by name, with the catalogue's defaults (0, "S", "E", 13); none
/// when no location of that name is saved.
std::optional<biteclock::ObserverLocation> storedLocation(SettingsStore& store, const QString& name);
