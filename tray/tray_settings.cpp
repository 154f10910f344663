#include "tray_settings.h"

#include "number_text.h"
#include "settings_store.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// A hand-edited look-ahead can never make the companion compute for more than a year at start-up.
constexpr int kMaxDaysInAdvance = 366;

QString checkText(bool checked) {
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString TraySettings::text(const QString& key, const QString& defaultValue) const {
    return store_.read(SettingsStore::kShared, SettingsStore::kSettings, key, defaultValue);
}

bool TraySettings::flag(const QString& key, bool defaultValue) const {
    return SettingsStore::toBool(text(key, SettingsStore::boolText(defaultValue)), defaultValue);
}

double TraySettings::number(const QString& key, double defaultValue) const {
    const QString stored = text(key, QString());
    if (stored.isNull()) {
        return defaultValue;
    }
    const double value = biteclock::leadingNumber(stored.toStdString());
    return std::isfinite(value) ? value : 0;
}

void TraySettings::write(const QString& key, const QString& value) {
    store_.write(SettingsStore::kShared, SettingsStore::kSettings, key, value);
}

bool TraySettings::tipsShown() const {
    return flag(QStringLiteral("textipshow"), true);
}

bool TraySettings::moonNorth() const {
    return flag(QStringLiteral("moonorth"), true);
}

bool TraySettings::showMoon() const {
    return flag(QStringLiteral("showmoon"), true);
}

bool TraySettings::showFish() const {
    return flag(QStringLiteral("showfish"), true);
}

bool TraySettings::alarmOn() const {
    return flag(QStringLiteral("runalarm"), false);
}

QString TraySettings::fishPath() const {
    return text(QStringLiteral("fishpath"), defaultFishPath());
}

QString TraySettings::defaultFishPath() {
    return QCoreApplication::applicationDirPath();
}

bool TraySettings::displayForm() const {
    return flag(QStringLiteral("displayform"), true);
}

QString TraySettings::dayType() const {
    return text(QStringLiteral("daytype"), QStringLiteral("0"));
}

int TraySettings::daysInAdvance() const {
    const double days = number(QStringLiteral("daysinadvance"), 0);
    return static_cast<int>(std::clamp(std::trunc(days), 0.0, static_cast<double>(kMaxDaysInAdvance)));
}

biteclock::ObserverLocation TraySettings::location() const {
    biteclock::ObserverLocation l;
    l.latitudeDegrees = number(QStringLiteral("latdeg"), -39);
    l.latitudeMinutes = number(QStringLiteral("latmin"), 0);
    l.northOrSouth = text(QStringLiteral("NorS"), QStringLiteral("N")).toStdString();
    l.longitudeDegrees = number(QStringLiteral("londeg"), 150);
    l.longitudeMinutes = number(QStringLiteral("lonmin"), 0);
    l.westOrEast = text(QStringLiteral("WorE"), QStringLiteral("W")).toStdString();
    l.gmtHours = number(QStringLiteral("gmt"), 13);
    return l;
}

PlaceZone TraySettings::zone() const {
    return storedPlaceZone(store_, location().gmtHours);
}

bool TraySettings::noTrayNoticeGiven() const {
    return flag(QStringLiteral("traynotice"), false);
}

void TraySettings::setShowMoon(bool wanted) {
    write(QStringLiteral("showmoon"), checkText(wanted));
}

void TraySettings::setShowFish(bool wanted) {
    write(QStringLiteral("showfish"), checkText(wanted));
}

void TraySettings::setDisplayForm(bool shown) {
    write(QStringLiteral("displayform"), checkText(shown));
}

void TraySettings::setNoTrayNoticeGiven() {
    write(QStringLiteral("traynotice"), SettingsStore::boolText(true));
}
