#include "shared_settings.h"

#include "number_text.h"

double SharedSettings::gmtHours() const {
    return numberOf(computedGmt());
}

void SharedSettings::setZoneId(const QString& zone) {
    if (zone.isEmpty()) {
        if (store_.contains(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("tz"))) {
            store_.removeKey(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("tz"));
        }
        return;
    }
    setText(QStringLiteral("tz"), zone);
}

bool SharedSettings::placeStored() const {
    for (const char* key : {"latdeg", "latmin", "NorS", "londeg", "lonmin", "WorE", "gmt"}) {
        if (store_.contains(SettingsStore::kShared, SettingsStore::kSettings, QLatin1String(key))) {
            return true;
        }
    }
    return false;
}

QStringList SharedSettings::trayStartTexts() const {
    QStringList texts;
    for (const char* key : {"showmoon", "showfish", "runalarm"}) {
        texts.append(text(QLatin1String(key), QString()));
    }
    return texts;
}

double SharedSettings::numberOf(const QString& text) {
    return biteclock::leadingNumber(text.toStdString());
}
