#include "stored_location.h"

#include "location_catalogue.h"
#include "shared_settings.h"

namespace {

double numberOf(const QString& text) {
    return SharedSettings::numberOf(text);
}

} // namespace

biteclock::ObserverLocation storedCurrentLocation(SettingsStore& store) {
    const SharedSettings shared(store);
    biteclock::ObserverLocation loc;
    loc.name = shared.currentLocation().toStdString();
    loc.latitudeDegrees = numberOf(shared.latitudeDegrees());
    loc.latitudeMinutes = numberOf(shared.latitudeMinutes());
    loc.northOrSouth = shared.northOrSouth().toStdString();
    loc.longitudeDegrees = numberOf(shared.longitudeDegrees());
    loc.longitudeMinutes = numberOf(shared.longitudeMinutes());
    loc.westOrEast = shared.westOrEast().toStdString();
    loc.gmtHours = shared.gmtHours();
    return loc;
}

std::optional<biteclock::ObserverLocation> storedLocation(SettingsStore& store, const QString& name) {
    LocationCatalogue catalogue(store);
    if (!catalogue.contains(name)) {
        return std::nullopt;
    }
    const LocationFields f = catalogue.entry(name);
    biteclock::ObserverLocation loc;
    loc.name = name.toStdString();
    loc.latitudeDegrees = numberOf(f.latitudeDegrees);
    loc.latitudeMinutes = numberOf(f.latitudeMinutes);
    loc.northOrSouth = f.northOrSouth.toStdString();
    loc.longitudeDegrees = numberOf(f.longitudeDegrees);
    loc.longitudeMinutes = numberOf(f.longitudeMinutes);
    loc.westOrEast = f.westOrEast.toStdString();
    loc.gmtHours = numberOf(f.gmt);
    return loc;
}
