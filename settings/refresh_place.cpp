#include "refresh_place.h"

#include "custom_zone.h"
#include "location_catalogue.h"
#include "number_print.h"
#include "number_text.h"
#include "shared_settings.h"
#include "stored_location.h"

#include <cmath>

namespace {

double leading(const QString& text) {
    return biteclock::leadingNumber(text.toStdString());
}

bool strict(const QString& text) {
    return biteclock::isNumberText(text.toStdString());
}

struct Field {
    const QString PlaceTexts::*text;
    const char* key;
    const char* rule;
    double lowest;
    double highest;
};

constexpr Field kLatitudeDegrees{&PlaceTexts::latitudeDegrees, "latdeg",
                                 "latitude degrees, a number from 0 to 89", 0, 89};
constexpr Field kLatitudeMinutes{&PlaceTexts::latitudeMinutes, "latmin",
                                 "latitude minutes, a number from 0 to 59", 0, 59};
constexpr Field kLongitudeDegrees{&PlaceTexts::longitudeDegrees, "londeg",
                                  "longitude degrees, a number from 0 to 179", 0, 179};
constexpr Field kLongitudeMinutes{&PlaceTexts::longitudeMinutes, "lonmin",
                                  "longitude minutes, a number from 0 to 59", 0, 59};
constexpr Field kGmt{&PlaceTexts::gmt, "gmt", "hours from Greenwich, a number from -12 to 13", -12, 13};

StoredValueFault faultOf(const PlaceTexts& texts, const Field& field) {
    return {QLatin1String(field.key), texts.*field.text, QLatin1String(field.rule), {}};
}

// A whole number as the panel writes it back and the refresh reads it again.
double stored(double value) {
    return leading(printNumber(value));
}

// The coordinates as the panel stores them after a passed check: whole degrees and minutes.
void takeWholeCoordinates(const PlaceTexts& texts, biteclock::ObserverLocation& location) {
    location.latitudeDegrees = stored(std::floor(leading(texts.latitudeDegrees)));
    location.latitudeMinutes = stored(std::floor(leading(texts.latitudeMinutes)));
    location.longitudeDegrees = stored(std::floor(leading(texts.longitudeDegrees)));
    location.longitudeMinutes = stored(std::floor(leading(texts.longitudeMinutes)));
    location.gmtHours = stored(leading(texts.gmt));
}

} // namespace

std::optional<StoredValueFault> checkPlaceTexts(const PlaceTexts& texts) {
    // The panel's own order, so that the field named is the one the panel would point at.
    for (const Field* f :
         {&kGmt, &kLatitudeDegrees, &kLongitudeDegrees, &kLongitudeMinutes, &kLatitudeMinutes}) {
        if ((texts.*(f->text)).isEmpty()) {
            return faultOf(texts, *f);
        }
    }
    for (const Field* f :
         {&kLatitudeDegrees, &kLongitudeDegrees, &kLatitudeMinutes, &kLongitudeMinutes, &kGmt}) {
        const double value = leading(texts.*(f->text));
        if (value > f->highest || (f == &kGmt && value < f->lowest)) {
            return faultOf(texts, *f);
        }
    }
    for (const Field* f : {&kLongitudeMinutes, &kLatitudeMinutes, &kLongitudeDegrees, &kLatitudeDegrees}) {
        if (leading(texts.*(f->text)) < 0) {
            return faultOf(texts, *f);
        }
    }
    for (const Field* f :
         {&kLatitudeDegrees, &kLatitudeMinutes, &kLongitudeMinutes, &kLongitudeDegrees, &kGmt}) {
        if (!strict(texts.*(f->text))) {
            return faultOf(texts, *f);
        }
    }
    return std::nullopt;
}

RefreshPlace refreshPlace(SettingsStore& store, const biteclock::TimeZoneSource& zones) {
    const SharedSettings shared(store);
    const QString file = store.fileName(SettingsStore::kShared);
    const bool custom = shared.customZone();
    const biteclock::ZoneQuery zone = biteclock::queryTimeZone(zones, shared.followDaylight());
    RefreshPlace place;

    if (shared.currentLocation().isEmpty()) {
        // The panel's check stops at the missing name and stores nothing; the refresh computes with
        // the store as it is, an offset of 13 hours when none is stored.
        place.fault =
            checkPlaceTexts({shared.latitudeDegrees(), shared.latitudeMinutes(), shared.longitudeDegrees(),
                             shared.longitudeMinutes(), shared.computedGmt()});
        place.location = storedCurrentLocation(store);
        place.zoneName = custom ? QString::fromLatin1(kCustomZoneName) : QString::fromStdString(zone.name);
        place.defaults = !shared.placeStored();
    } else {
        // With "custom" False the panel shows the computer's offset in place of the stored one.
        const PlaceTexts texts{shared.latitudeDegrees(), shared.latitudeMinutes(), shared.longitudeDegrees(),
                               shared.longitudeMinutes(), custom ? shared.gmt() : printNumber(zone.hours)};
        place.fault = checkPlaceTexts(texts);
        if (place.fault && !custom && place.fault->key == kGmt.key) {
            place.fault->key = QStringLiteral("the computer's offset (\"custom\" is False)");
        }
        place.location.name = shared.currentLocation().toStdString();
        takeWholeCoordinates(texts, place.location);
        place.location.northOrSouth = shared.northOrSouth().toStdString();
        place.location.westOrEast = shared.westOrEast().toStdString();
        // The panel marks the offset as the computer's own exactly when the numbers are equal.
        place.zoneName = place.location.gmtHours == zone.hours ? QString::fromStdString(zone.name)
                                                               : QString::fromLatin1(kCustomZoneName);
    }
    if (place.fault) {
        place.fault->file = file;
    }
    return place;
}

std::optional<RefreshPlace> savedPlace(SettingsStore& store, const QString& name) {
    const LocationCatalogue catalogue(store);
    if (!catalogue.contains(name)) {
        return std::nullopt;
    }
    const LocationFields f = catalogue.entry(name);
    const PlaceTexts texts{f.latitudeDegrees, f.latitudeMinutes, f.longitudeDegrees, f.longitudeMinutes,
                           f.gmt};
    RefreshPlace place;
    place.fault = checkPlaceTexts(texts);
    if (place.fault) {
        place.fault->key = SettingsStore::locationSection(name) + QLatin1Char('\\') + place.fault->key;
        place.fault->file = store.fileName(SettingsStore::kMain);
    }
    place.location.name = name.toStdString();
    takeWholeCoordinates(texts, place.location);
    place.location.northOrSouth = f.northOrSouth.toStdString();
    place.location.westOrEast = f.westOrEast.toStdString();
    place.zoneName = QString::fromLatin1(kCustomZoneName);
    return place;
}
