// The companion's start-up, its icons, its two windows and their buttons, with a fixed clock and
// recording desktop services.
#include "daily_refresh.h"
#include "help_window.h"
#include "recording_services.h"
#include "recording_tray_backend.h"
#include "settings_store.h"
#include "tray_alarm_window.h"
#include "tray_autostart.h"
#include "tray_companion.h"
#include "tray_data_window.h"
#include "tray_icon_manager.h"
#include "tray_menu.h"
#include "tray_test_environment.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class CompanionTest : public ::testing::Test {
protected:
    void SetUp() override { trayTestApplication(); }

    void set(const QString& key, const QString& value) {
        store.write(SettingsStore::kShared, SettingsStore::kSettings, key, value);
    }
    QString stored(const QString& key) const {
        return store.read(SettingsStore::kShared, SettingsStore::kSettings, key, QStringLiteral("<missing>"));
    }
    /// Greenwich, so that the phase days are those of Universal Time.
    void storeGreenwich() {
        set(QStringLiteral("latdeg"), QStringLiteral(" 51"));
        set(QStringLiteral("latmin"), QStringLiteral(" 30"));
        set(QStringLiteral("NorS"), QStringLiteral("N"));
        set(QStringLiteral("londeg"), QStringLiteral(" 0"));
        set(QStringLiteral("lonmin"), QStringLiteral(" 0"));
        set(QStringLiteral("WorE"), QStringLiteral("E"));
        set(QStringLiteral("gmt"), QStringLiteral(" 0"));
    }
    void storeAlarm(const QString& dayType, const QString& days) {
        set(QStringLiteral("runalarm"), QStringLiteral("True"));
        set(QStringLiteral("daytype"), dayType);
        set(QStringLiteral("daysinadvance"), days);
    }
    TrayCompanion& start(const QString& trayExecutable = QString()) {
        companion =
            std::make_unique<TrayCompanion>(TrayServices{store, clock, backend, messages, launcher, help,
                                                         env.path(QStringLiteral("bin")), trayExecutable, 0});
        result = companion->start();
        return *companion;
    }
    QString field(const QString& name) const {
        const auto* edit = companion->dataWindow().findChild<QLineEdit*>(name);
        return edit ? edit->text() : QStringLiteral("<no field %1>").arg(name);
    }

    TrayTestEnvironment env;
    SettingsStore store;
    FixedClock clock{QDate(2024, 3, 15)};
    RecordingTrayBackend backend;
    RecordingMessageService messages;
    RecordingProcessLauncher launcher;
    RecordingHelpService help;
    std::unique_ptr<TrayCompanion> companion;
    TrayCompanion::StartResult result = TrayCompanion::StartResult::Ended;
};

// --- Start-up ---

TEST_F(CompanionTest, NothingWantedEndsAtOnceWithoutAnyWindowOrIcon) {
    set(QStringLiteral("showmoon"), QStringLiteral("0"));
    set(QStringLiteral("showfish"), QStringLiteral("0"));
    TrayCompanion& c = start();
    EXPECT_EQ(result, TrayCompanion::StartResult::Ended);
    EXPECT_EQ(c.hasEnded(), true);
    EXPECT_EQ(backend.calls, QStringList());
    EXPECT_EQ(c.dataWindow().isVisible(), false);
    EXPECT_EQ(c.alarmWindow().isVisible(), false);
    EXPECT_EQ(messages.messages.size(), 0);
}

TEST_F(CompanionTest, AnEmptyStoreShowsBothIconsAndTheDataWindow) {
    TrayCompanion& c = start();
    EXPECT_EQ(result, TrayCompanion::StartResult::Running);
    const TrayToday& t = c.today();
    EXPECT_EQ(
        backend.calls,
        QStringList({QStringLiteral("add Moon %1 Moon Age: %2 Days").arg(t.moonPictureId).arg(t.moonAge),
                     QStringLiteral("add Fish %1 Fishing Prediction: %2")
                         .arg(t.ratingIconId)
                         .arg(QString::fromStdString(t.ratingText))}));
    EXPECT_EQ(c.dataWindow().isVisible(), true);
    EXPECT_EQ(c.alarmWindow().isVisible(), false);
    EXPECT_EQ(c.dataWindow().moonIconBox(), true);
    EXPECT_EQ(c.dataWindow().fishIconBox(), true);
    EXPECT_EQ(c.dataWindow().displayEveryStart(), true);
    EXPECT_EQ(c.dataWindow().endIconsEnabled(), true);
    // Setting the boxes writes their values back.
    EXPECT_EQ(stored(QStringLiteral("showmoon")), QStringLiteral("1"));
    EXPECT_EQ(stored(QStringLiteral("showfish")), QStringLiteral("1"));
    EXPECT_EQ(backend.menu, &c.menu());
}

TEST_F(CompanionTest, DisplayFormZeroKeepsTheDataWindowHidden) {
    set(QStringLiteral("displayform"), QStringLiteral("0"));
    TrayCompanion& c = start();
    EXPECT_EQ(result, TrayCompanion::StartResult::Running);
    EXPECT_EQ(c.dataWindow().isVisible(), false);
    EXPECT_EQ(backend.calls.size(), 2);
}

TEST_F(CompanionTest, OnlyTheWantedIconIsAdded) {
    set(QStringLiteral("showmoon"), QStringLiteral("0"));
    TrayCompanion& c = start();
    ASSERT_EQ(backend.calls.size(), 1);
    EXPECT_EQ(backend.calls.first().startsWith(QStringLiteral("add Fish ")), true);
    EXPECT_EQ(c.iconManager().moonShown(), false);
    EXPECT_EQ(c.dataWindow().endIconsEnabled(), true);
    EXPECT_EQ(stored(QStringLiteral("showmoon")), QStringLiteral("0"));
}

TEST_F(CompanionTest, TheDataWindowShowsWhatTheMainWindowShowsForTheStoredPlace) {
    set(QStringLiteral("latdeg"), QStringLiteral(" 33"));
    set(QStringLiteral("latmin"), QStringLiteral(" 52"));
    set(QStringLiteral("NorS"), QStringLiteral("S"));
    set(QStringLiteral("londeg"), QStringLiteral(" 151"));
    set(QStringLiteral("lonmin"), QStringLiteral(" 12"));
    set(QStringLiteral("WorE"), QStringLiteral("E"));
    set(QStringLiteral("gmt"), QStringLiteral(" 11"));
    clock.set(QDate(2024, 1, 26));
    TrayCompanion& c = start();

    biteclock::AlmanacDay main(biteclock::AlmanacFlavour::Main);
    main.observer = biteclock::observerFromDegrees(-(33 + 52 / 60.0), 151 + 12 / 60.0, 11);
    refreshDay(main, biteclock::dateSerial(2024, 1, 26), 1, false);
    auto q = [](const std::string& s) { return QString::fromStdString(s); };

    EXPECT_EQ(field(QStringLiteral("sunrise")), q(main.main.Text2));
    EXPECT_EQ(field(QStringLiteral("sunset")), q(main.main.Text32));
    EXPECT_EQ(field(QStringLiteral("dayLength")), q(main.main.Text6));
    EXPECT_EQ(field(QStringLiteral("Text2")), q(main.main.Text21));
    EXPECT_EQ(field(QStringLiteral("Text3")), q(main.main.Text39));
    EXPECT_EQ(field(QStringLiteral("Text4")), q(main.main.Text4));
    EXPECT_EQ(field(QStringLiteral("Text8")), q(main.main.Text8));
    EXPECT_EQ(field(QStringLiteral("Text5")), q(main.main.Text5));
    EXPECT_EQ(field(QStringLiteral("Text7")), q(main.main.Text7));
    EXPECT_EQ(field(QStringLiteral("moonAge")), QString::number(main.MoonAge));
    EXPECT_EQ(c.dataWindow().findChild<QLabel*>(QStringLiteral("grade"))->text(), q(main.RatingText));
    EXPECT_EQ(c.today().moonPictureId, main.MoonPictureId);
    EXPECT_EQ(c.moonTip(), QStringLiteral("Moon Age: %1 Days").arg(main.MoonAge));
    EXPECT_EQ(c.fishTip(), QStringLiteral("Fishing Prediction: ") + q(main.RatingText));
}

TEST_F(CompanionTest, TheCaptionBecomesTodaysDateWhenTheWindowIsActivated) {
    storeGreenwich();
    TrayCompanion& c = start();
    EXPECT_EQ(c.dataWindow().windowTitle(), QStringLiteral("Current Date Moon & Fish Data"));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&c.dataWindow(), &activate);
    EXPECT_EQ(c.dataWindow().windowTitle(), QStringLiteral("15 March 2024 Moon & Fish Data"));
}

TEST_F(CompanionTest, TipsFollowTheStoredSwitch) {
    TrayCompanion& on = start();
    EXPECT_EQ(on.dataWindow().hideButton()->toolTip(),
              QStringLiteral("Hides this form, but continues to display icons"));
    EXPECT_EQ(on.alarmWindow().deactivateCheck()->toolTip(),
              QStringLiteral("Checking this box will ensure that this form will not be seen at Start up"));
    set(QStringLiteral("textipshow"), QStringLiteral("False"));
    TrayCompanion& off = start();
    EXPECT_EQ(off.dataWindow().hideButton()->toolTip(), QString());
    EXPECT_EQ(off.dataWindow().endIconsButton()->toolTip(), QString());
    EXPECT_EQ(off.alarmWindow().deactivateCheck()->toolTip(), QString());
}

// --- The alarm ---

TEST_F(CompanionTest, AllDaysFiresForTodayWithToAndDay) {
    storeGreenwich();
    storeAlarm(QStringLiteral("All Days"), QStringLiteral(" 7"));
    TrayCompanion& c = start();
    ASSERT_EQ(c.alarmDay().has_value(), true);
    EXPECT_EQ(c.alarmDay()->daysAhead, 0);
    EXPECT_EQ(c.alarmWindow().isVisible(), true);
    EXPECT_EQ(c.alarmWindow().windowTitle(), QStringLiteral(" Biteclock Alarm"));
    EXPECT_EQ(c.alarmWindow().headingText(), QStringLiteral("It's Biteclock:"));
    EXPECT_EQ(c.alarmWindow().countText(), QStringLiteral("To"));
    EXPECT_EQ(c.alarmWindow().unitText(), QStringLiteral("day"));
    EXPECT_EQ(c.alarmWindow().unitColour(), QColor(255, 0, 0));
    EXPECT_EQ(c.alarmWindow().dateText(), QStringLiteral("15 March 2024"));
    // After an alarm the data window waits for "&Ok".
    EXPECT_EQ(c.dataWindow().isVisible(), false);
}

TEST_F(CompanionTest, TheAlarmCountsTheDaysToTheGoodDay) {
    // 15 March 2024: the next "Excellent" day at Greenwich is the 22nd, three days before the full moon.
    storeGreenwich();
    storeAlarm(QStringLiteral("Excellent Days"), QStringLiteral(" 10"));
    TrayCompanion& c = start();
    ASSERT_EQ(c.alarmDay().has_value(), true);
    EXPECT_EQ(c.alarmWindow().headingText(), QStringLiteral("It's Fishing time in:"));
    EXPECT_EQ(c.alarmWindow().countText(), QStringLiteral("7"));
    EXPECT_EQ(c.alarmWindow().unitText(), QStringLiteral("Days"));
    EXPECT_EQ(c.alarmWindow().dateText(), QStringLiteral("22 March 2024"));
    EXPECT_EQ(c.alarmWindow().gradeText(), QStringLiteral("Excellent"));
    // The icons keep today's prediction, not the good day's.
    EXPECT_EQ(c.fishTip(), QStringLiteral("Fishing Prediction: Fair"));
}

TEST_F(CompanionTest, OneDayAheadSaysDay) {
    storeGreenwich();
    clock.set(QDate(2024, 3, 21));
    storeAlarm(QStringLiteral("Excellent Days"), QStringLiteral(" 3"));
    TrayCompanion& c = start();
    EXPECT_EQ(c.alarmWindow().countText(), QStringLiteral("1"));
    EXPECT_EQ(c.alarmWindow().unitText(), QStringLiteral("Day"));
    EXPECT_NE(c.alarmWindow().unitColour(), QColor(255, 0, 0));
}

TEST_F(CompanionTest, ExcellentDaysWithNoDaysAheadLooksAtTodayOnly) {
    // 10 March 2024 is the new moon ("Good"); the 11th is "Excellent".
    storeGreenwich();
    clock.set(QDate(2024, 3, 10));
    storeAlarm(QStringLiteral("Excellent Days"), QStringLiteral("0"));
    TrayCompanion& c = start();
    EXPECT_EQ(c.alarmDay().has_value(), false);
    EXPECT_EQ(c.alarmWindow().isVisible(), false);
    EXPECT_EQ(c.dataWindow().isVisible(), true);
}

TEST_F(CompanionTest, JanuaryRatesFromThePreviousYearsTable) {
    // 11 January 2024 is a new moon at Greenwich: with the wrong table it would not be found.
    storeGreenwich();
    clock.set(QDate(2024, 1, 11));
    storeAlarm(QStringLiteral("Good & Excellent Days"), QStringLiteral("0"));
    TrayCompanion& c = start();
    EXPECT_EQ(c.today().moonPictureId, 100);
    EXPECT_EQ(c.today().moonAge, 0);
    ASSERT_EQ(c.alarmDay().has_value(), true);
    EXPECT_EQ(c.alarmDay()->daysAhead, 0);
    EXPECT_EQ(c.dataWindow()
                  .findChild<QLabel*>(QStringLiteral("Label14"))
                  ->text()
                  .startsWith(QStringLiteral("New Moon:  ")),
              true);
}

TEST_F(CompanionTest, OkShowsTheDataWindowWhenItsBoxIsChecked) {
    storeAlarm(QStringLiteral("All Days"), QStringLiteral("1"));
    TrayCompanion& c = start();
    c.alarmWindow().okButton()->click();
    EXPECT_EQ(c.alarmWindow().isVisible(), false);
    EXPECT_EQ(c.dataWindow().isVisible(), true);
    EXPECT_EQ(c.hasEnded(), false);
}

TEST_F(CompanionTest, OkLeavesOnlyTheIconsWhenTheDataWindowIsNotWanted) {
    storeAlarm(QStringLiteral("All Days"), QStringLiteral("1"));
    set(QStringLiteral("displayform"), QStringLiteral("0"));
    TrayCompanion& c = start();
    c.alarmWindow().okButton()->click();
    EXPECT_EQ(c.alarmWindow().isVisible(), false);
    EXPECT_EQ(c.dataWindow().isVisible(), false);
    EXPECT_EQ(c.hasEnded(), false);
}

TEST_F(CompanionTest, OkEndsWhenNoIconIsWanted) {
    set(QStringLiteral("showmoon"), QStringLiteral("0"));
    set(QStringLiteral("showfish"), QStringLiteral("0"));
    storeAlarm(QStringLiteral("All Days"), QStringLiteral("1"));
    TrayCompanion& c = start();
    EXPECT_EQ(result, TrayCompanion::StartResult::Running);
    QSignalSpy ended(&c, &TrayCompanion::ended);
    c.alarmWindow().okButton()->click();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(c.dataWindow().isVisible(), false);
}

TEST_F(CompanionTest, ClosingTheAlarmWindowIsOk) {
    storeAlarm(QStringLiteral("All Days"), QStringLiteral("1"));
    TrayCompanion& c = start();
    c.alarmWindow().close();
    EXPECT_EQ(c.alarmWindow().isVisible(), false);
    EXPECT_EQ(c.dataWindow().isVisible(), true);
}

TEST_F(CompanionTest, DeactivateWritesTheAlarmSwitch) {
    storeAlarm(QStringLiteral("All Days"), QStringLiteral("1"));
    TrayCompanion& c = start();
    c.alarmWindow().deactivateCheck()->click();
    EXPECT_EQ(stored(QStringLiteral("runalarm")), QStringLiteral("False"));
    c.alarmWindow().deactivateCheck()->click();
    EXPECT_EQ(stored(QStringLiteral("runalarm")), QStringLiteral("True"));
}

TEST_F(CompanionTest, TheTitleFlashesBetweenBlueAndRed) {
    storeAlarm(QStringLiteral("All Days"), QStringLiteral("1"));
    TrayCompanion& c = start();
    TrayAlarmWindow& w = c.alarmWindow();
    EXPECT_EQ(w.flashing(), true);
    EXPECT_EQ(w.titleColour(), QColor(0, 0, 255));
    w.flash();
    EXPECT_EQ(w.titleColour(), QColor(255, 0, 0));
    w.flash();
    EXPECT_EQ(w.titleColour(), QColor(0, 0, 255));
    w.okButton()->click();
    EXPECT_EQ(w.flashing(), false);
}

TEST_F(CompanionTest, RunAndHelpInTheAlarmWindow) {
    storeAlarm(QStringLiteral("All Days"), QStringLiteral("1"));
    // Stored, so that the default (the installed folder) does not depend on this machine.
    set(QStringLiteral("fishpath"), env.path(QStringLiteral("bin")));
    TrayCompanion& c = start();
    c.alarmWindow().runButton()->click();
    c.alarmWindow().helpButton()->click();
    EXPECT_EQ(launcher.started,
              QStringList({QDir(env.path(QStringLiteral("bin"))).filePath(QStringLiteral("Biteclock"))}));
    // The alarm's Help opens the manual's page on the companion, not its first page.
    EXPECT_EQ(help.requests, QList<int>({help_topic::kTray}));
}

// --- The data window's boxes and buttons ---

TEST_F(CompanionTest, TheIconBoxesAddAndRemoveTheirIcons) {
    TrayCompanion& c = start(env.path(QStringLiteral("bin/Bitetray")));
    backend.calls.clear();
    c.dataWindow().moonIconCheck()->click();
    EXPECT_EQ(backend.calls, QStringList({QStringLiteral("remove Moon")}));
    EXPECT_EQ(stored(QStringLiteral("showmoon")), QStringLiteral("0"));
    EXPECT_EQ(c.dataWindow().endIconsEnabled(), true);

    c.dataWindow().fishIconCheck()->click();
    EXPECT_EQ(backend.calls, QStringList({QStringLiteral("remove Moon"), QStringLiteral("remove Fish")}));
    EXPECT_EQ(stored(QStringLiteral("showfish")), QStringLiteral("0"));
    EXPECT_EQ(c.dataWindow().endIconsEnabled(), false);
    // Nothing is wanted any more: no log-on entry.
    EXPECT_EQ(QFileInfo::exists(trayAutostartPath()), false);

    c.dataWindow().moonIconCheck()->click();
    EXPECT_EQ(backend.calls.last(),
              QStringLiteral("add Moon %1 %2").arg(c.today().moonPictureId).arg(c.moonTip()));
    EXPECT_EQ(c.dataWindow().endIconsEnabled(), true);
    EXPECT_EQ(QFileInfo::exists(trayAutostartPath()), true);
}

TEST_F(CompanionTest, TheStartUpBoxWritesDisplayForm) {
    TrayCompanion& c = start();
    c.dataWindow().displayEveryStartCheck()->click();
    EXPECT_EQ(stored(QStringLiteral("displayform")), QStringLiteral("0"));
    c.dataWindow().displayEveryStartCheck()->click();
    EXPECT_EQ(stored(QStringLiteral("displayform")), QStringLiteral("1"));
}

TEST_F(CompanionTest, HideKeepsTheIcons) {
    TrayCompanion& c = start();
    backend.calls.clear();
    c.dataWindow().hideButton()->click();
    EXPECT_EQ(c.dataWindow().isVisible(), false);
    EXPECT_EQ(c.hasEnded(), false);
    EXPECT_EQ(backend.calls, QStringList());
}

TEST_F(CompanionTest, HideWithoutAnyIconEndsInsteadOfLeavingNothingToComeBackTo) {
    TrayCompanion& c = start();
    c.dataWindow().moonIconCheck()->click();
    c.dataWindow().fishIconCheck()->click();
    c.dataWindow().hideButton()->click();
    EXPECT_EQ(c.hasEnded(), true);
}

TEST_F(CompanionTest, ClosingHidesWhileAnIconIsShownAndEndsOtherwise) {
    TrayCompanion& c = start();
    c.dataWindow().close();
    EXPECT_EQ(c.dataWindow().isVisible(), false);
    EXPECT_EQ(c.hasEnded(), false);

    c.showData();
    c.dataWindow().moonIconCheck()->click();
    c.dataWindow().fishIconCheck()->click();
    QSignalSpy ended(&c, &TrayCompanion::ended);
    c.dataWindow().close();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(CompanionTest, EndIconsRemovesBothIconsAndEnds) {
    TrayCompanion& c = start();
    QSignalSpy ended(&c, &TrayCompanion::ended);
    backend.calls.clear();
    c.dataWindow().endIconsButton()->click();
    EXPECT_EQ(backend.calls, QStringList({QStringLiteral("remove Moon"), QStringLiteral("remove Fish")}));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(c.dataWindow().isVisible(), false);
}

// --- The icons' menu ---

TEST_F(CompanionTest, TheMenuFollowsTheDataWindow) {
    TrayCompanion& c = start();
    emit c.menu().aboutToShow();
    EXPECT_EQ(c.menu().showDataAction()->isEnabled(), false);
    EXPECT_EQ(c.menu().defaultAction(), c.menu().runBiteclockAction());

    c.dataWindow().hideButton()->click();
    emit c.menu().aboutToShow();
    EXPECT_EQ(c.menu().showDataAction()->isEnabled(), true);
    EXPECT_EQ(c.menu().defaultAction(), c.menu().showDataAction());

    c.menu().showDataAction()->trigger();
    EXPECT_EQ(c.dataWindow().isVisible(), true);
}

TEST_F(CompanionTest, MenuRunBiteclockStartsTheStoredProgram) {
    const QString folder = env.path(QStringLiteral("main"));
    ASSERT_EQ(QDir().mkpath(folder), true);
    QFile program(QDir(folder).filePath(QStringLiteral("Biteclock")));
    ASSERT_EQ(program.open(QIODevice::WriteOnly), true);
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    set(QStringLiteral("fishpath"), folder);

    TrayCompanion& c = start();
    c.menu().runBiteclockAction()->trigger();
    EXPECT_EQ(launcher.started, QStringList({QDir(folder).filePath(QStringLiteral("Biteclock"))}));
    EXPECT_EQ(messages.messages.size(), 0);
}

TEST_F(CompanionTest, AFailedStartOfBiteclockIsReported) {
    launcher.succeed = false;
    TrayCompanion& c = start();
    c.menu().runBiteclockAction()->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.first().title, QStringLiteral("Bitetray"));
    EXPECT_EQ(messages.messages.first().text.startsWith(QStringLiteral("Biteclock could not be started:")),
              true);
}

TEST_F(CompanionTest, MenuAboutAndEndIcons) {
    TrayCompanion& c = start();
    c.menu().aboutAction()->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.first().title, QStringLiteral("About Bitetray"));
    EXPECT_EQ(messages.messages.first().icon, MessageService::Icon::Information);

    QSignalSpy ended(&c, &TrayCompanion::ended);
    c.menu().endIconsAction()->trigger();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(c.iconManager().moonShown(), false);
    EXPECT_EQ(c.iconManager().fishShown(), false);
}

// --- A desktop without a notification area ---

TEST_F(CompanionTest, NoTrayIsToldOnceAndTheDataWindowStillShows) {
    backend.available = false;
    TrayCompanion& first = start();
    EXPECT_EQ(backend.calls, QStringList());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.first().title, QStringLiteral("Bitetray"));
    EXPECT_EQ(messages.messages.first().text.contains(QStringLiteral("Show Moon Phase Icon")), true);
    EXPECT_EQ(first.dataWindow().isVisible(), true);
    EXPECT_EQ(first.hasEnded(), false);
    // Without icons, closing the data window ends the companion.
    first.dataWindow().close();
    EXPECT_EQ(first.hasEnded(), true);

    start();
    EXPECT_EQ(messages.messages.size(), 1);
}

TEST_F(CompanionTest, NoTrayStillRunsTheAlarm) {
    backend.available = false;
    set(QStringLiteral("displayform"), QStringLiteral("0"));
    storeAlarm(QStringLiteral("All Days"), QStringLiteral("1"));
    TrayCompanion& c = start();
    EXPECT_EQ(result, TrayCompanion::StartResult::Running);
    EXPECT_EQ(c.alarmWindow().isVisible(), true);
    EXPECT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.first().text.contains(QStringLiteral("alarm still works")), true);
    // Nothing is left to show after "&Ok".
    c.alarmWindow().okButton()->click();
    EXPECT_EQ(c.hasEnded(), true);
}

TEST_F(CompanionTest, NoTrayAndNothingToShowEnds) {
    backend.available = false;
    set(QStringLiteral("displayform"), QStringLiteral("0"));
    start();
    EXPECT_EQ(result, TrayCompanion::StartResult::Ended);
}

} // namespace
