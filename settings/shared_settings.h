#pragma once

#include "settings_store.h"

#include <QString>
#include <QStringList>

/// The keys both programs read, application "Bitetray", section "Settings". Field values come back
/// as the texts the fields showed when they were written (" 39", "-5", "9.5"); booleans are
/// "True"/"False" and the check boxes "0"/"1".
class SharedSettings {
public:
    explicit SharedSettings(SettingsStore& store)
        : store_(store) {}

    QString currentLocation() const { return text(QStringLiteral("currentloc"), {}); }
    void setCurrentLocation(const QString& name) { setText(QStringLiteral("currentloc"), name); }

    bool moonNorth() const { return flag(QStringLiteral("moonorth"), true); }
    void setMoonNorth(bool on) { setFlag(QStringLiteral("moonorth"), on); }

    bool tipsShown() const { return flag(QStringLiteral("textipshow"), true); }
    void setTipsShown(bool on) { setFlag(QStringLiteral("textipshow"), on); }

    bool alarmOn() const { return flag(QStringLiteral("runalarm"), false); }
    void setAlarmOn(bool on) { setFlag(QStringLiteral("runalarm"), on); }

    bool showMoonIcon() const { return box(QStringLiteral("showmoon")); }
    void setShowMoonIcon(bool ticked) { setBox(QStringLiteral("showmoon"), ticked); }

    bool showFishIcon() const { return box(QStringLiteral("showfish")); }
    void setShowFishIcon(bool ticked) { setBox(QStringLiteral("showfish"), ticked); }

    bool followDaylight() const { return box(QStringLiteral("daylight")); }
    void setFollowDaylight(bool ticked) { setBox(QStringLiteral("daylight"), ticked); }

    QString dayType() const { return text(QStringLiteral("daytype"), QStringLiteral("All Days")); }
    void setDayType(const QString& type) { setText(QStringLiteral("daytype"), type); }

    QString daysInAdvance() const { return text(QStringLiteral("daysinadvance"), QStringLiteral("2")); }
    void setDaysInAdvance(const QString& days) { setText(QStringLiteral("daysinadvance"), days); }

    bool customZone() const { return flag(QStringLiteral("custom"), false); }
    void setCustomZone(bool custom) { setFlag(QStringLiteral("custom"), custom); }

    QString latitudeDegrees() const { return text(QStringLiteral("latdeg"), QStringLiteral("0")); }
    void setLatitudeDegrees(const QString& v) { setText(QStringLiteral("latdeg"), v); }
    QString latitudeMinutes() const { return text(QStringLiteral("latmin"), QStringLiteral("0")); }
    void setLatitudeMinutes(const QString& v) { setText(QStringLiteral("latmin"), v); }
    QString longitudeDegrees() const { return text(QStringLiteral("londeg"), QStringLiteral("0")); }
    void setLongitudeDegrees(const QString& v) { setText(QStringLiteral("londeg"), v); }
    QString longitudeMinutes() const { return text(QStringLiteral("lonmin"), QStringLiteral("0")); }
    void setLongitudeMinutes(const QString& v) { setText(QStringLiteral("lonmin"), v); }
    QString northOrSouth() const { return text(QStringLiteral("NorS"), QStringLiteral("N")); }
    void setNorthOrSouth(const QString& v) { setText(QStringLiteral("NorS"), v); }
    QString westOrEast() const { return text(QStringLiteral("WorE"), QStringLiteral("W")); }
    void setWestOrEast(const QString& v) { setText(QStringLiteral("WorE"), v); }

    /// The offset text as the settings panel loads it (missing: "0").
    QString gmt() const { return text(QStringLiteral("gmt"), QStringLiteral("0")); }
    /// The offset text as the daily computation reads it (missing: "13").
    QString computedGmt() const { return text(QStringLiteral("gmt"), QStringLiteral("13")); }
    /// The offset in hours as the daily computation reads it (missing: 13).
    double gmtHours() const;
    void setGmt(const QString& v) { setText(QStringLiteral("gmt"), v); }

    /// The IANA zone of the current place ("tz"), empty when none is stored: a place without one
    /// keeps its offset as before (the computer's zone, or one fixed "Custom" offset).
    QString zoneId() const { return text(QStringLiteral("tz"), {}); }
    /// Stores the zone; an empty one removes the key, so that a place without a zone is stored as before.
    void setZoneId(const QString& zone);

    bool plusSignShown() const { return flag(QStringLiteral("gmtv"), true); }
    void setPlusSignShown(bool shown) { setFlag(QStringLiteral("gmtv"), shown); }

    QString programFolder() const { return text(QStringLiteral("fishpath"), {}); }
    void setProgramFolder(const QString& folder) { setText(QStringLiteral("fishpath"), folder); }

    /// True when any of the current place's seven keys (coordinates, letters, offset) is stored.
    bool placeStored() const;
    /// The stored texts of the three keys that decide whether the tray companion starts at log-on
    /// ("showmoon", "showfish", "runalarm"), empty where missing: what a write-back compares to see
    /// whether the log-on entry needs rewriting.
    QStringList trayStartTexts() const;

    /// A stored number text read as the fields read it (leading number, 0 when there is none).
    static double numberOf(const QString& text);

private:
    QString text(const QString& key, const QString& fallback) const {
        return store_.read(SettingsStore::kShared, SettingsStore::kSettings, key, fallback);
    }
    void setText(const QString& key, const QString& value) {
        // Rewriting an unchanged value would only cost a file write.
        if (store_.read(SettingsStore::kShared, SettingsStore::kSettings, key, kMissing) != value) {
            store_.write(SettingsStore::kShared, SettingsStore::kSettings, key, value);
        }
    }
    bool flag(const QString& key, bool fallback) const {
        return SettingsStore::toBool(text(key, SettingsStore::boolText(fallback)), fallback);
    }
    void setFlag(const QString& key, bool on) { setText(key, SettingsStore::boolText(on)); }
    bool box(const QString& key) const { return SettingsStore::toBool(text(key, QStringLiteral("1")), true); }
    void setBox(const QString& key, bool ticked) {
        setText(key, ticked ? QStringLiteral("1") : QStringLiteral("0"));
    }

    static inline const QString kMissing = QStringLiteral("\x01missing");

    SettingsStore& store_;
};
