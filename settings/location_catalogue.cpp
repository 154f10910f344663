#include "location_catalogue.h"

#include "number_text.h"

#include <cmath>

namespace {

QString placeKey(int n) {
    return QStringLiteral("place(%1)").arg(n);
}

} // namespace

QStringList LocationCatalogue::names() const {
    const QString count = store_.read(SettingsStore::kMain, SettingsStore::kLocations,
                                      QStringLiteral("nlist"), QStringLiteral("0"));
    const double n = biteclock::leadingNumber(count.toStdString());
    QStringList list;
    // A hand-edited count can be anything; the keys that exist bound it.
    const int last = n > 0 && n < 100000 ? static_cast<int>(std::floor(n)) : 0;
    for (int i = 1; i <= last; ++i) {
        list.append(store_.read(SettingsStore::kMain, SettingsStore::kLocations, placeKey(i), {}));
    }
    return list;
}

void LocationCatalogue::storeNames(const QStringList& names) {
    const int count = static_cast<int>(names.size());
    for (int i = 0; i < count; ++i) {
        store_.write(SettingsStore::kMain, SettingsStore::kLocations, placeKey(i + 1), names[i]);
    }
    store_.write(SettingsStore::kMain, SettingsStore::kLocations, QStringLiteral("nlist"),
                 QString::number(count));
    const QStringList keys = store_.keys(SettingsStore::kMain, SettingsStore::kLocations);
    for (const QString& key : keys) {
        if (!key.startsWith(QLatin1String("place(")) || !key.endsWith(QLatin1Char(')'))) {
            continue;
        }
        bool ok = false;
        const int n = key.mid(6, key.size() - 7).toInt(&ok);
        if (ok && n > count) {
            store_.removeKey(SettingsStore::kMain, SettingsStore::kLocations, key);
        }
    }
}

bool LocationCatalogue::contains(const QString& name) const {
    if (name.isEmpty()) {
        return false;
    }
    return !store_.keys(SettingsStore::kMain, SettingsStore::locationSection(name)).isEmpty();
}

LocationFields LocationCatalogue::entry(const QString& name) const {
    const QString section = SettingsStore::locationSection(name);
    const auto read = [&](const char* key, const char* fallback) {
        return store_.read(SettingsStore::kMain, section, QLatin1String(key), QLatin1String(fallback));
    };
    LocationFields f;
    f.latitudeDegrees = read("latdeg", "0");
    f.longitudeDegrees = read("londeg", "0");
    f.latitudeMinutes = read("latmin", "0");
    f.longitudeMinutes = read("lonmin", "0");
    f.northOrSouth = read("NorS", "S");
    f.westOrEast = read("WorE", "E");
    f.gmt = read("gmt", "13");
    f.zone = read("tz", "");
    return f;
}

void LocationCatalogue::writeEntry(const QString& name, const LocationFields& fields) {
    const QString section = SettingsStore::locationSection(name);
    const auto write = [&](const char* key, const QString& value) {
        store_.write(SettingsStore::kMain, section, QLatin1String(key), value);
    };
    write("latdeg", fields.latitudeDegrees);
    write("londeg", fields.longitudeDegrees);
    write("latmin", fields.latitudeMinutes);
    write("lonmin", fields.longitudeMinutes);
    write("gmt", fields.gmt);
    write("NorS", fields.northOrSouth);
    write("WorE", fields.westOrEast);
    if (!fields.zone.isEmpty()) {
        write("tz", fields.zone);
    } else if (store_.contains(SettingsStore::kMain, section, QStringLiteral("tz"))) {
        store_.removeKey(SettingsStore::kMain, section, QStringLiteral("tz"));
    }
}

bool LocationCatalogue::removeEntry(const QString& name) {
    if (!contains(name)) {
        return false;
    }
    store_.removeSection(SettingsStore::kMain, SettingsStore::locationSection(name));
    return true;
}
