#include "print_settings.h"

#include "settings_store.h"

namespace {

bool box(const SettingsStore& store, const QString& key, bool fallback) {
    const QString text = store.read(SettingsStore::kMain, SettingsStore::kSettings, key).trimmed();
    if (text == QLatin1String("1")) {
        return true;
    }
    if (text == QLatin1String("0")) {
        return false;
    }
    return fallback;
}

void setBox(SettingsStore& store, const QString& key, bool ticked) {
    store.write(SettingsStore::kMain, SettingsStore::kSettings, key,
                ticked ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace

CalendarOptions PrintSettings::load() const {
    const CalendarOptions defaults;
    CalendarOptions o;
    o.prediction = box(store_, QStringLiteral("Prediction"), defaults.prediction);
    o.sunrise = box(store_, QStringLiteral("Sunrise"), defaults.sunrise);
    o.moonrise = box(store_, QStringLiteral("Moonrise"), defaults.moonrise);
    o.majorMinor = box(store_, QStringLiteral("Majorminor"), defaults.majorMinor);
    o.newFull = box(store_, QStringLiteral("Newfull"), defaults.newFull);
    o.paperText = store_.read(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("Paper"),
                              defaults.paperText);
    return o;
}

void PrintSettings::save(const CalendarOptions& options) {
    setBox(store_, QStringLiteral("Prediction"), options.prediction);
    setBox(store_, QStringLiteral("Sunrise"), options.sunrise);
    setBox(store_, QStringLiteral("Moonrise"), options.moonrise);
    setBox(store_, QStringLiteral("Majorminor"), options.majorMinor);
    setBox(store_, QStringLiteral("Newfull"), options.newFull);
    store_.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("Paper"), options.paperText);
}
