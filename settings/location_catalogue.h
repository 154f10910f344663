#pragma once

#include "settings_store.h"

#include <QString>
#include <QStringList>

/// The seven texts of one saved location, and its zone when it has one,, exactly as the panel's fields showed
/// them.
struct LocationFields {
    QString latitudeDegrees;
    QString latitudeMinutes;
    QString northOrSouth;
    QString longitudeDegrees;
    QString longitudeMinutes;
    QString westOrEast;
    QString gmt;
    QString zone = {}; ///< an IANA zone name ("tz"), empty for a location kept at its offset

    friend bool operator==(const LocationFields&, const LocationFields&) = default;
};

/// The named locations, application "Biteclock": the list in section "Settings\Locations\" ("nlist"
/// and "place(1)" ... "place(n)") and one section per name below it.
class LocationCatalogue {
public:
    /// The fixed first entry of the location list; never a stored name.
    static inline const QString kNewLocation = QStringLiteral("New Location");

    explicit LocationCatalogue(SettingsStore& store)
        : store_(store) {}

    /// The stored names in list order.
    QStringList names() const;
    /// Stores the names as the list: "place(1)" ... "place(n)", "nlist" = n, and no "place(" key beyond.
    void storeNames(const QStringList& names);

    /// True when the name has a section of its own.
    bool contains(const QString& name) const;
    /// A saved location's fields; missing keys give 0, "S", "E" and 13.
    LocationFields entry(const QString& name) const;
    /// Writes the seven keys of a name, and "tz" when the location has a zone (removed when it has none).
    void writeEntry(const QString& name, const LocationFields& fields);
    /// Removes a name's section; false (and nothing removed) when the name has none. An empty name
    /// is refused: its section would be the whole catalogue.
    bool removeEntry(const QString& name);

private:
    SettingsStore& store_;
};
