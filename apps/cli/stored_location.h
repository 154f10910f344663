#pragma once

#include "observer.h"

#include <optional>
#include <string>

class SettingsStore;

namespace biteclock::cli {

/// The current location as the window computes with it: the shared coordinate keys, with the
/// defaults of a store the window never wrote (0 N, 0 W, 13 hours).
ObserverLocation storedCurrentLocation(const SettingsStore& store);

/// A location saved under a name, or none when no such name is saved.
std::optional<ObserverLocation> savedLocation(const SettingsStore& store, const std::string& name);

/// Whether the Moon pictures are shown as seen from the northern hemisphere (default yes).
bool storedMoonNorth(const SettingsStore& store);

} // namespace biteclock::cli
