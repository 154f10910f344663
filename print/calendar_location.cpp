#include "calendar_location.h"

#include "number_print.h"
#include "shared_settings.h"

QString CalendarLocation::line() const {
    return QStringLiteral("Location: Lat: ") + latitudeDegrees + QStringLiteral(". ") + latitudeMinutes +
           QStringLiteral("' ") + northOrSouth + QStringLiteral("   Lon: ") + longitudeDegrees +
           QStringLiteral(". ") + longitudeMinutes + QStringLiteral("' ") + westOrEast +
           QStringLiteral("  Gmt: ") + gmtText + QStringLiteral(" hrs  ") + zoneName;
}

CalendarLocation storedCalendarLocation(SettingsStore& store, const QString& gmtText,
                                        const QString& zoneName) {
    const SharedSettings shared(store);
    CalendarLocation l;
    l.latitudeDegrees = shared.latitudeDegrees();
    l.longitudeDegrees = shared.longitudeDegrees();
    l.latitudeMinutes = shared.latitudeMinutes();
    l.longitudeMinutes = shared.longitudeMinutes();
    l.northOrSouth = shared.northOrSouth();
    l.westOrEast = shared.westOrEast();
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
