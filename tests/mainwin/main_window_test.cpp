// The main window's start-up, its refresh on activation, the menu actions and what a restart keeps.
#include "activation_watcher.h"
#include "version.h"
#include "window_fixture.h"

#include <QDialog>
#include <QWindow>

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, FirstStartWithAnEmptyStore) {
    MainWindow& w = open();
    EXPECT_EQ(date().Text1()->text(), QStringLiteral("15"));
    EXPECT_EQ(date().Combo1()->currentText(), QStringLiteral("March"));
    EXPECT_EQ(date().Text10()->text(), QStringLiteral("2000"));
    EXPECT_EQ(date().Label10()->text(), QStringLiteral("Wednesday"));
    EXPECT_TRUE(date().Command7()->isHidden());

    // Month first: the month list at the left, then the day and its spinner.
    EXPECT_TRUE(w.monthFirst());
    EXPECT_EQ(date().Combo1()->x(), date().twips(135));
    EXPECT_EQ(date().Text1()->x(), date().twips(1845));
    EXPECT_EQ(date().UpDown1()->x(), date().twips(2250));
    EXPECT_EQ(mainKey("daterep"), QStringLiteral("False"));

    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Biteclock"));
    EXPECT_EQ(messages.messages[0].icon, MessageService::Icon::Critical);
    EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("No name has been entered")));

    // Nothing of the panel is stored while the location has no name, but the program folder is.
    EXPECT_EQ(shared("latdeg"), QStringLiteral("<missing>"));
    EXPECT_EQ(shared("fishpath"), QStringLiteral("/opt/biteclock"));

    EXPECT_EQ(w.graphDays(), 15);
    EXPECT_EQ(w.graphChart()->rowCount(), 15);
    EXPECT_EQ(w.chartStyle(), 1);
    EXPECT_EQ(w.chartColourHex(), QStringLiteral("C08000"));
    EXPECT_EQ(w.graphChart()->backdropColour(), QColor(0, 128, 192));
    EXPECT_EQ(w.refreshCount(), 1);
    // The empty store computes for latitude and longitude 0 and an offset of 13 hours.
    expectShowsDay(15, 3, 2000);
}

TEST_F(MainWindowTest, DefaultsAreWrittenBackOnceTheLocationHasAName) {
    open();
    panel().Combo3->setEditText(QStringLiteral("Home"));
    panel().Command2_Click();
    EXPECT_EQ(shared("runalarm"), QStringLiteral("False"));
    EXPECT_EQ(shared("showmoon"), QStringLiteral("1"));
    EXPECT_EQ(shared("showfish"), QStringLiteral("1"));
    EXPECT_EQ(shared("daytype"), QStringLiteral("All Days"));
    EXPECT_EQ(shared("daysinadvance"), QStringLiteral("2"));
    EXPECT_EQ(shared("latdeg"), QStringLiteral(" 0"));
    EXPECT_EQ(shared("latmin"), QStringLiteral(" 0"));
    EXPECT_EQ(shared("londeg"), QStringLiteral(" 0"));
    EXPECT_EQ(shared("lonmin"), QStringLiteral(" 0"));
    EXPECT_EQ(shared("NorS"), QStringLiteral("N"));
    EXPECT_EQ(shared("WorE"), QStringLiteral("W"));
    // The computer's zone replaces the offset: five hours behind, so no "+" sign.
    EXPECT_EQ(shared("gmt"), QStringLiteral("-5"));
    EXPECT_EQ(shared("gmtv"), QStringLiteral("False"));
    EXPECT_EQ(shared("daylight"), QStringLiteral("1"));
    EXPECT_EQ(shared("custom"), QStringLiteral("False"));
    EXPECT_EQ(shared("currentloc"), QStringLiteral("Home"));
    EXPECT_EQ(panel().Text16->text(), QStringLiteral("Eastern Standard Time"));
    expectShowsDay(15, 3, 2000);
}

TEST_F(MainWindowTest, ReturningFromAnotherProgramWindowRefreshesButDialogsAndOtherProgramsDoNot) {
    storeHome();
    MainWindow& w = open();
    ASSERT_EQ(w.refreshCount(), 1);
    ActivationWatcher& watcher = *w.activationWatcher();
    QWindow* own = w.windowHandle();
    ASSERT_NE(own, nullptr);

    // Another program had the focus.
    watcher.focusWindowChanged(nullptr);
    watcher.focusWindowChanged(own);
    EXPECT_EQ(w.refreshCount(), 1);

    // A message box or another dialog of the program.
    QDialog box;
    box.setModal(true);
    box.show();
    watcher.focusWindowChanged(box.windowHandle());
    watcher.focusWindowChanged(own);
    EXPECT_EQ(w.refreshCount(), 1);

    // Another window of the program (the journal, the help window...): the day is computed again,
    // from what the store now holds.
    SharedSettings(store).setLatitudeDegrees(QStringLiteral(" 60"));
    QWidget other;
    other.show();
    watcher.focusWindowChanged(other.windowHandle());
    watcher.focusWindowChanged(own);
    EXPECT_EQ(w.refreshCount(), 2);
    EXPECT_EQ(panel().Text30->text(), QStringLiteral(" 60"));
    expectShowsDay(15, 3, 2000);
}

TEST_F(MainWindowTest, RestartKeepsWindowStateDateOrderAndChartSettings) {
    storeHome();
    store.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("Chartcolor"),
                QStringLiteral("255"));
    store.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("graphstyle"),
                QStringLiteral("6"));
    MainWindow& first = open();
    first.mnudaterep_Click();
    EXPECT_FALSE(first.monthFirst());
    EXPECT_EQ(mainKey("daterep"), QStringLiteral("True"));
    EXPECT_EQ(date().Text1()->x(), date().twips(150));
    EXPECT_EQ(date().Combo1()->x(), date().twips(900));
    EXPECT_EQ(date().UpDown1()->x(), date().twips(560));
    first.showMaximized();
    first.close();
    EXPECT_EQ(mainKey("winstate"), QStringLiteral("2"));
    EXPECT_EQ(mainKey("graphstyle"), QStringLiteral("6"));

    window.reset();
    MainWindow& second = open();
    EXPECT_FALSE(second.monthFirst());
    EXPECT_EQ(date().Text1()->x(), date().twips(150));
    EXPECT_TRUE(second.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(second.chartStyle(), 6);
    EXPECT_EQ(second.chartColourHex(), QStringLiteral("FF"));
    EXPECT_EQ(second.graphChart()->backdropColour(), QColor(255, 0, 0));
    // Day first: the graph rows read day/month.
    EXPECT_EQ(second.graphChart()->rows().front().label, QStringLiteral("15/3"));
    second.mnudaterep_Click();
    EXPECT_EQ(second.graphChart()->rows().front().label, QStringLiteral("3/15"));
    EXPECT_EQ(mainKey("daterep"), QStringLiteral("False"));
}

TEST_F(MainWindowTest, ReverseMoonImageMirrorsThePictureAndIsStored) {
    storeHome();
    MainWindow& w = open();
    enterDate(12, 3, 2000); // a waxing Moon, six days after the new moon
    const int north = w.dayView().moonPictureId();
    ASSERT_GT(north, 100);
    ASSERT_LT(north, 106);
    w.mnurevmoon_Click();
    EXPECT_EQ(w.dayView().moonPictureId(), 212 - north);
    EXPECT_EQ(shared("moonorth"), QStringLiteral("False"));
    expectShowsDay(12, 3, 2000);
    w.mnurevmoon_Click();
    EXPECT_EQ(w.dayView().moonPictureId(), north);
    EXPECT_EQ(shared("moonorth"), QStringLiteral("True"));
}

TEST_F(MainWindowTest, HelpAboutAndTheSettingsPanelPlace) {
    storeHome();
    MainWindow& w = open();
    w.mnuhelptopics_Click();
    panel().Command6_Click();
    EXPECT_EQ(help.requests, (QList<int>{0, 10}));

    messages.messages.clear();
    w.mnuabout_Click();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].icon, MessageService::Icon::Information);
    // The version the build was configured with, not a stand-in.
    EXPECT_TRUE(messages.messages[0].text.startsWith(
        QStringLiteral("Biteclock %1\n").arg(QLatin1String(biteclock::kVersion))))
        << messages.messages[0].text.toStdString();
    EXPECT_STRNE(biteclock::kVersion, "0.0.0");

    w.mnualarm_Click();
    EXPECT_FALSE(w.mnualarm->isEnabled());
    EXPECT_TRUE(w.settingsPanelOpen());
    EXPECT_FALSE(w.graphChart()->isVisible());
    EXPECT_TRUE(panel().isVisible());
    panel().Command5_Click();
    EXPECT_TRUE(w.mnualarm->isEnabled());
    EXPECT_FALSE(w.settingsPanelOpen());
    EXPECT_TRUE(w.graphChart()->isVisible());
    EXPECT_FALSE(panel().isVisible());

    w.mnuregional_Click(); // starts a region tool when one is installed; never reports
    EXPECT_LE(launcher.started.size(), 1);
    EXPECT_TRUE(messages.messages.size() == 1);
}

} // namespace
