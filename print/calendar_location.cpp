#include "calendar_location.h"

#include "number_print.h"
#include "settings_store.h"

namespace {

QString shared(const SettingsStore& store, const char* key, const QString& fallback) {
    return store.read(SettingsStore::kShared, SettingsStore::kSettings, QString::fromLatin1(key), fallback);
}

} // namespace

QString CalendarLocation::line() const {
    return QStringLiteral("Location: Lat: ") + latitudeDegrees + QStringLiteral(". ") + latitudeMinutes +
           QStringLiteral("' ") + northOrSouth + QStringLiteral("   Lon: ") + longitudeDegrees +
           QStringLiteral(". ") + longitudeMinutes + QStringLiteral("' ") + westOrEast +
           QStringLiteral("  Gmt: ") + gmtText + QStringLiteral(" hrs  ") + zoneName;
}

CalendarLocation storedCalendarLocation(const SettingsStore& store, const QString& gmtText,
                                        const QString& zoneName) {
    const CalendarLocation defaults;
    CalendarLocation l;
    l.latitudeDegrees = shared(store, "latdeg", defaults.latitudeDegrees);
    l.longitudeDegrees = shared(store, "londeg", defaults.longitudeDegrees);
    l.latitudeMinutes = shared(store, "latmin", defaults.latitudeMinutes);
    l.longitudeMinutes = shared(store, "lonmin", defaults.longitudeMinutes);
    l.northOrSouth = shared(store, "NorS", defaults.northOrSouth);
    l.westOrEast = shared(store, "WorE", defaults.westOrEast);
    l.gmtText = gmtText;
    l.zoneName = zoneName;
    return l;
}

CalendarLocation calendarLocationOf(const biteclock::ObserverLocation& location, const QString& zoneName) {
    CalendarLocation l;
    l.latitudeDegrees = printNumber(location.latitudeDegrees);
    l.latitudeMinutes = printNumber(location.latitudeMinutes);
    l.northOrSouth = QString::fromStdString(location.northOrSouth);
    l.longitudeDegrees = printNumber(location.longitudeDegrees);
    l.longitudeMinutes = printNumber(location.longitudeMinutes);
    l.westOrEast = QString::fromStdString(location.westOrEast);
    l.gmtText = printNumber(location.gmtHours);
    l.zoneName = zoneName;
    return l;
}
