#pragma once

#include "observer.h"
#include "settings_store.h"
#include "time_zone.h"

#include <QString>
#include <optional>

/// A stored value that the settings panel's check refuses.
struct StoredValueFault {
    QString key;  ///< the key as the store names it ("latdeg"; "Settings\Locations\<name>\latdeg")
    QString text; ///< the stored text
    QString rule; ///< what the check takes there ("latitude degrees, a number from 0 to 89")
    QString file; ///< the settings file that holds the key
};

/// The texts of a place as the settings panel's fields hold them.
struct PlaceTexts {
    QString latitudeDegrees;
    QString latitudeMinutes;
    QString longitudeDegrees;
    QString longitudeMinutes;
    QString gmt;
};

/// The settings panel's check of a place's numbers, in the panel's order: every field filled, the
/// ranges on the numbers the fields start with (degrees 0 to 89 and 0 to 179, minutes 0 to 59, hours
/// -12 to 13), no negative coordinate, and every text wholly a number. The first refused field, or
/// none when the panel would store the place. `fault.file` is left empty.
std::optional<StoredValueFault> checkPlaceTexts(const PlaceTexts& texts);

/// The place a program computes with when it follows the main window.
struct RefreshPlace {
    biteclock::ObserverLocation location;
    /// What the window's zone field shows: the computer's zone name, or "Custom" for a typed offset.
    QString zoneName;
    /// Not one coordinate key and no location name is stored: the place is the store's defaults.
    bool defaults = false;
    /// A stored value the panel refuses; `location` is then not to be used.
    std::optional<StoredValueFault> fault;
};

/// The current location as the main window's daily refresh computes with it. With a location name
/// stored the refresh loads the panel, checks it and stores it before it computes: the coordinates
/// are taken as whole degrees and minutes, and with "custom" False the offset is the computer's
/// current one (daylight saving as the "daylight" box says), not the stored "gmt". Without a name the
/// check stops at the name and the refresh computes with the stored values as they are (missing ones
/// give 0, "N", "W" and 13 hours); they must still pass the same check here, since the window would
/// only compute nonsense from them.
RefreshPlace refreshPlace(SettingsStore& store, const biteclock::TimeZoneSource& zones);

/// A saved location as the panel takes it when it is chosen and stored; none when no location of
/// that name is saved. Missing keys give 0, "S", "E" and 13 hours. Its zone name is "Custom".
std::optional<RefreshPlace> savedPlace(SettingsStore& store, const QString& name);
