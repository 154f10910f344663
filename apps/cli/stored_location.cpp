#include "stored_location.h"

#include "number_text.h"
#include "settings_store.h"

namespace biteclock::cli {
namespace {

double numberAt(const SettingsStore& store, const QString& application, const QString& section,
                const char* key, const char* defaultValue) {
    return leadingNumber(
        store.read(application, section, QString::fromLatin1(key), QString::fromLatin1(defaultValue))
            .toStdString());
}

std::string textAt(const SettingsStore& store, const QString& application, const QString& section,
                   const char* key, const char* defaultValue) {
    return store.read(application, section, QString::fromLatin1(key), QString::fromLatin1(defaultValue))
        .trimmed()
        .toStdString();
}

} // namespace

ObserverLocation storedCurrentLocation(const SettingsStore& store) {
    const QString& app = SettingsStore::kShared;
    const QString& section = SettingsStore::kSettings;
    ObserverLocation l;
    l.name = textAt(store, app, section, "currentloc", "");
    l.latitudeDegrees = numberAt(store, app, section, "latdeg", "0");
    l.latitudeMinutes = numberAt(store, app, section, "latmin", "0");
    l.northOrSouth = textAt(store, app, section, "NorS", "N");
    l.longitudeDegrees = numberAt(store, app, section, "londeg", "0");
    l.longitudeMinutes = numberAt(store, app, section, "lonmin", "0");
    l.westOrEast = textAt(store, app, section, "WorE", "W");
    l.gmtHours = numberAt(store, app, section, "gmt", "13");
    return l;
}

std::optional<ObserverLocation> savedLocation(const SettingsStore& store, const std::string& name) {
    const QString& app = SettingsStore::kMain;
    const QString wanted = QString::fromStdString(name);
    const int count = static_cast<int>(numberAt(store, app, SettingsStore::kLocations, "nlist", "0"));
    bool listed = false;
    for (int n = 1; n <= count && !listed; ++n) {
        listed = store.read(app, SettingsStore::kLocations, QStringLiteral("place(%1)").arg(n)) == wanted;
    }
    if (!listed) {
        return std::nullopt;
    }
    const QString section = SettingsStore::locationSection(wanted);
    ObserverLocation l;
    l.name = name;
    l.latitudeDegrees = numberAt(store, app, section, "latdeg", "0");
    l.latitudeMinutes = numberAt(store, app, section, "latmin", "0");
    l.northOrSouth = textAt(store, app, section, "NorS", "S");
    l.longitudeDegrees = numberAt(store, app, section, "londeg", "0");
    l.longitudeMinutes = numberAt(store, app, section, "lonmin", "0");
    l.westOrEast = textAt(store, app, section, "WorE", "E");
    l.gmtHours = numberAt(store, app, section, "gmt", "13");
    return l;
}

bool storedMoonNorth(const SettingsStore& store) {
    return SettingsStore::toBool(
        store.read(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("moonorth")), true);
}

} // namespace biteclock::cli
