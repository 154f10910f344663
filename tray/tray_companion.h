#pragma once

#include "almanac_day.h"
#include "time_zone.h"
#include "tray_almanac.h"
#include "tray_settings.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class Clock;
class HelpService;
class MessageService;
class ProcessLauncher;
class QTimer;
class SettingsStore;
class TrayAlarmWindow;
class TrayDataWindow;
class TrayIconBackend;
class TrayIconManager;
class TrayMenu;

/// What the companion works with.
struct TrayServices {
    SettingsStore& store;
    const Clock& clock;
    TrayIconBackend& icons;
    MessageService& messages;
    ProcessLauncher& launcher;
    HelpService& help;
    QString ownFolder; ///< the companion's own folder, where it looks for the main program
    QString
        trayExecutable; ///< the companion's executable, for its log-on entry; empty: leave the entry alone
    int trayWaitMs = 0; ///< how long to wait at start-up for a notification area that is not there yet
    /// The computer's zone; none: every date takes the stored offset.
    const biteclock::TimeZoneSource* zones = nullptr;
};

/// Bitetray: computes today's almanac once at start-up, puts the Moon and fish icons into the
/// notification area, raises the good-day alarm, and answers the icons' menu and its two windows.
class TrayCompanion final : public QObject {
    Q_OBJECT

public:
    enum class StartResult { Ended, Running };

    explicit TrayCompanion(TrayServices services, QObject* parent = nullptr);
    ~TrayCompanion() override;

    /// Reads the settings, computes today, adds the wanted icons, runs the alarm and shows the data
    /// window when asked for. Ended when nothing is wanted or nothing can be shown.
    StartResult start();
    bool hasEnded() const { return ended_; }

    const TrayToday& today() const { return today_; }
    /// The good day the alarm found at start-up, if it fired.
    const std::optional<AlarmDay>& alarmDay() const { return alarmDay_; }

    TrayDataWindow& dataWindow() { return *dataWindow_; }
    TrayAlarmWindow& alarmWindow() { return *alarmWindow_; }
    TrayMenu& menu() { return *menu_; }
    const TrayIconManager& iconManager() const { return *iconManager_; }

    /// The menu's entries.
    void showData();
    void runBiteclock();
    void showAbout();
    void endIcons();

    /// The tips the icons carry.
    QString moonTip() const;
    QString fishTip() const;

signals:
    /// The companion has removed its icons and wants to end.
    void ended();

private:
    void connectWindows();
    void applyMoonBox(bool checked);
    void applyFishBox(bool checked);
    void moonBoxClicked(bool checked);
    void fishBoxClicked(bool checked);
    void addWantedIcons();
    void hideData();
    void alarmOk();
    void deactivateAlarm(bool checked);
    void checkForTray();
    void tellNoTray();
    void updateAutostart();
    bool anyIconShown() const;
    void endIfIdle();
    void end();

    TrayServices services_;
    TraySettings settings_;
    biteclock::AlmanacDay day_;
    TrayToday today_;
    std::optional<AlarmDay> alarmDay_;
    std::unique_ptr<TrayIconManager> iconManager_;
    std::unique_ptr<TrayMenu> menu_;
    std::unique_ptr<TrayDataWindow> dataWindow_;
    std::unique_ptr<TrayAlarmWindow> alarmWindow_;
    QTimer* trayWait_ = nullptr;
    int trayWaitedMs_ = 0;
    bool ended_ = false;
};
