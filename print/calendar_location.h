#pragma once

#include "custom_zone.h"
#include "observer.h"

#include <QString>

class SettingsStore;

/// The place as the calendar's legend names it: the coordinate texts as they are stored, the
/// offset from Greenwich as the main window's offset field shows it, and its zone-name field.
struct CalendarLocation {
    static inline const QString kCustomZone = QString::fromLatin1(kCustomZoneName);

    QString latitudeDegrees = QStringLiteral("0");
    QString latitudeMinutes = QStringLiteral("0");
    QString northOrSouth = QStringLiteral("N");
    QString longitudeDegrees = QStringLiteral("0");
    QString longitudeMinutes = QStringLiteral("0");
    QString westOrEast = QStringLiteral("W");
    QString gmtText = QStringLiteral("0");
    QString zoneName;

    /// The offset is typed by the user rather than the computer's zone.
    bool customZone() const { return zoneName == kCustomZone; }

    /// "Location: Lat: 39.  57' N   Lon: ..." as the legend prints it.
    QString line() const;
};

/// The current location's coordinate texts from application "Bitetray", section "Settings"
/// (missing ones give 0, "N" and "W"), with the main window's offset and zone texts.
CalendarLocation storedCalendarLocation(SettingsStore& store, const QString& gmtText,
                                        const QString& zoneName);

/// The texts of a location known only by its numbers, printed as the fields print them.
CalendarLocation calendarLocationOf(const biteclock::ObserverLocation& location, const QString& zoneName);
