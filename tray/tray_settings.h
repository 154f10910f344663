#pragma once

#include "observer.h"
#include "place_offsets.h"

#include <QString>

class SettingsStore;

/// The companion's view of the shared "Bitetray" settings: typed reads with the companion's own
/// defaults (which differ from the main program's for the place and the alarm), and the keys of its
/// own that it writes back. The alarm switch, which the main program's panel writes too, is written
/// through SharedSettings.
class TraySettings {
public:
    explicit TraySettings(SettingsStore& store)
        : store_(store) {}

    /// "textipshow": field tips on (default true).
    bool tipsShown() const;
    /// "moonorth": Moon pictures as seen from the northern hemisphere (default true).
    bool moonNorth() const;
    /// "showmoon": the Moon icon is wanted (default true).
    bool showMoon() const;
    /// "showfish": the fish icon is wanted (default true).
    bool showFish() const;
    /// "runalarm": the good-day alarm is on (default off).
    bool alarmOn() const;
    /// "fishpath": the main program's folder as stored; when nothing is stored, defaultFishPath().
    QString fishPath() const;
    /// The folder the running companion was started from: where Biteclock is installed beside it,
    /// or the build folder when it runs from a build (where the main program is found in the build
    /// tree). Needs the application object.
    static QString defaultFishPath();
    /// "displayform": show the data window at start-up (default true).
    bool displayForm() const;
    /// "daytype": the alarm grade text (default "0", which the grade table reads as any day).
    QString dayType() const;
    /// "daysinadvance": how many days past today the alarm looks (default 0, never negative).
    int daysInAdvance() const;
    /// The stored place: "latdeg", "latmin", "NorS", "londeg", "lonmin", "WorE", "gmt"; defaults
    /// -39 degrees "N" (39 degrees south), 150 degrees "W", 13 hours east of Greenwich.
    biteclock::ObserverLocation location() const;
    /// The stored place's zone ("tz", "custom", "daylight") with location()'s offset.
    PlaceZone zone() const;
    /// "traynotice": the user has been told that the desktop has no notification area.
    bool noTrayNoticeGiven() const;

    void setShowMoon(bool wanted);
    void setShowFish(bool wanted);
    void setDisplayForm(bool shown);
    void setNoTrayNoticeGiven();

private:
    QString text(const QString& key, const QString& defaultValue) const;
    bool flag(const QString& key, bool defaultValue) const;
    double number(const QString& key, double defaultValue) const;
    void write(const QString& key, const QString& value);

    SettingsStore& store_;
};
