// The settings panel's named zones: choosing one from the zone list, today's offset there, going
// back to the offset alone, carrying the zone through Ok, the catalogue and Cancel, and a stored zone
// this computer does not know.
#include "location_catalogue.h"
#include "panel_fixture.h"
#include "shared_settings.h"
#include "spinner.h"
#include "zone_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSettings>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

/// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

/// A panel on its own over a store holding "Home" (New York, five hours behind Greenwich, the
/// computer's zone); the computer keeps Eastern standard time and today is 9 December 2026.
class PanelZoneTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        storeNewYorkHome(store);
    }
    QString saved(const QString& name, const char* key) const {
        return store.read(SettingsStore::kMain, SettingsStore::locationSection(name), QLatin1String(key),
                          QStringLiteral("<missing>"));
    }

    /// Chooses an entry of the zone list as the user would.
    void chooseFromList(const QString& entry) {
        const int index = panel->ZoneList->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        panel->ZoneList->setCurrentIndex(index);
        emit panel->ZoneList->activated(index);
    }
};

TEST_F(PanelZoneTest, APlaceWithoutAZoneLoadsAsBefore) {
    SettingsPanel& p = open();
    EXPECT_EQ(p.ZoneList->currentText(), ZoneChooser::kNoZone);
    EXPECT_EQ(p.zoneId(), QString());
    EXPECT_EQ(p.Text17->text(), QStringLiteral("-5"));
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Eastern Standard Time"));
    EXPECT_TRUE(p.Check3->isEnabled());
    EXPECT_FALSE(p.customZone());
    EXPECT_FALSE(p.hasUnstoredChanges());
}

TEST_F(PanelZoneTest, AChosenZoneShowsTodaysOffsetThereAndIsStoredOnOk) {
    SettingsPanel& p = open();
    chooseFromList(QStringLiteral("Australia/Adelaide"));
    // Adelaide keeps daylight time (10:30 ahead) in December.
    EXPECT_EQ(p.Text17->text(), QStringLiteral(" 10.5"));
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Australia/Adelaide"));
    EXPECT_TRUE(p.Text16->isEnabled());
    EXPECT_FALSE(p.Check3->isEnabled());
    EXPECT_TRUE(p.plusSignShown());
    EXPECT_TRUE(p.hasUnstoredChanges());
    EXPECT_EQ(shared("tz"), QStringLiteral("<missing>")) << "nothing is stored before Ok";

    p.Command4_Click();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(shared("tz"), QStringLiteral("Australia/Adelaide"));
    EXPECT_EQ(shared("gmt"), QStringLiteral(" 10.5"));
    // Programs that do not read the zone keep today's offset as a fixed one.
    EXPECT_EQ(shared("custom"), QStringLiteral("True"));
    EXPECT_FALSE(p.hasUnstoredChanges());
}

TEST_F(PanelZoneTest, AStoredZoneLoadsWithTheOffsetOfTheClocksDay) {
    SharedSettings(store).setZoneId(QStringLiteral("Australia/Adelaide"));
    SharedSettings(store).setGmt(QStringLiteral(" 10.5"));
    clock.set(QDate(2027, 7, 4));
    SettingsPanel& p = open();
    EXPECT_EQ(p.zoneId(), QStringLiteral("Australia/Adelaide"));
    EXPECT_EQ(p.ZoneList->currentText(), QStringLiteral("Australia/Adelaide"));
    // Standard time there in July: the stored offset of another day gives way to today's.
    EXPECT_EQ(p.Text17->text(), QStringLiteral(" 9.5"));
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Australia/Adelaide"));

    // Apply on the next day re-stores today's offset with the zone.
    p.Command2_Click();
    EXPECT_EQ(shared("gmt"), QStringLiteral(" 9.5"));
    EXPECT_EQ(shared("tz"), QStringLiteral("Australia/Adelaide"));
}

TEST_F(PanelZoneTest, QuarterHourAndWesternZonesShowTheirSign) {
    SettingsPanel& p = open();
    chooseFromList(QStringLiteral("Asia/Kathmandu"));
    EXPECT_EQ(p.Text17->text(), QStringLiteral(" 5.75"));
    EXPECT_TRUE(p.plusSignShown());
    chooseFromList(QStringLiteral("America/Los_Angeles"));
    EXPECT_EQ(p.Text17->text(), QStringLiteral("-8"));
    EXPECT_FALSE(p.plusSignShown());
    EXPECT_EQ(p.Text16->text(), QStringLiteral("America/Los_Angeles"));
}

TEST_F(PanelZoneTest, AZoneBeyondThirteenHoursIsRefusedAndThePanelKeepsItsZone) {
    SettingsPanel& p = open();
    chooseFromList(QStringLiteral("Australia/Adelaide"));
    chooseFromList(QStringLiteral("Pacific/Kiritimati")); // 14 hours ahead
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].icon, MessageService::Icon::Exclamation);
    EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("Pacific/Kiritimati is 14 hours")))
        << messages.messages[0].text.toStdString();
    EXPECT_EQ(p.zoneId(), QStringLiteral("Australia/Adelaide"));
    EXPECT_EQ(p.ZoneList->currentText(), QStringLiteral("Australia/Adelaide"));
    EXPECT_EQ(p.Text17->text(), QStringLiteral(" 10.5"));
}

TEST_F(PanelZoneTest, TheFirstEntryGoesBackToTheOffsetAloneAndRemovesTheKey) {
    SharedSettings(store).setZoneId(QStringLiteral("America/New_York"));
    SettingsPanel& p = open();
    EXPECT_EQ(p.Text17->text(), QStringLiteral("-5"));
    EXPECT_EQ(p.Text16->text(), QStringLiteral("America/New_York"));

    chooseFromList(ZoneChooser::kNoZone);
    // The offset is the computer's own again: its zone name and the daylight box come back.
    EXPECT_EQ(p.zoneId(), QString());
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Eastern Standard Time"));
    EXPECT_TRUE(p.Check3->isEnabled());
    EXPECT_FALSE(p.customZone());
    p.Command4_Click();
    EXPECT_EQ(shared("tz"), QStringLiteral("<missing>"));
    EXPECT_EQ(shared("custom"), QStringLiteral("False"));
    EXPECT_EQ(shared("gmt"), QStringLiteral("-5"));

    chooseFromList(QStringLiteral("Australia/Adelaide"));
    chooseFromList(ZoneChooser::kNoZone);
    // Adelaide's offset is not the computer's: it stays as a custom one.
    EXPECT_EQ(p.Text17->text(), QStringLiteral(" 10.5"));
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Custom"));
    EXPECT_FALSE(p.Check3->isEnabled());
    EXPECT_TRUE(p.customZone());
}

TEST_F(PanelZoneTest, SteppingOrTypingTheOffsetDropsTheZone) {
    SettingsPanel& p = open();
    chooseFromList(QStringLiteral("Australia/Adelaide"));
    emit p.UpDown11->upClicked();
    EXPECT_EQ(p.zoneId(), QString());
    EXPECT_EQ(p.ZoneList->currentText(), ZoneChooser::kNoZone);
    EXPECT_EQ(p.Text17->text(), QStringLiteral(" 11"));
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Custom"));

    chooseFromList(QStringLiteral("Australia/Adelaide"));
    p.Text17->setFocus();
    p.Text17->selectAll();
    p.Text17->insert(QStringLiteral("3")); // as typed: textEdited
    emit p.Text17->textEdited(p.Text17->text());
    EXPECT_EQ(p.zoneId(), QString());
    p.Command4_Click();
    EXPECT_EQ(shared("tz"), QStringLiteral("<missing>"));
    EXPECT_EQ(shared("gmt"), QStringLiteral(" 3"));
}

TEST_F(PanelZoneTest, CancelForgetsAChosenZone) {
    SettingsPanel& p = open();
    chooseFromList(QStringLiteral("Australia/Adelaide"));
    p.Command5_Click();
    EXPECT_EQ(p.zoneId(), QString());
    EXPECT_EQ(p.ZoneList->currentText(), ZoneChooser::kNoZone);
    EXPECT_EQ(p.Text17->text(), QStringLiteral("-5"));
    EXPECT_EQ(shared("tz"), QStringLiteral("<missing>"));
    EXPECT_FALSE(p.hasUnstoredChanges());
}

TEST_F(PanelZoneTest, TheCatalogueSavesAndLoadsTheZone) {
    SettingsPanel& p = open();
    p.Combo3->setEditText(QStringLiteral("Adelaide"));
    chooseFromList(QStringLiteral("Australia/Adelaide"));
    p.Command8_Click();
    EXPECT_EQ(saved(QStringLiteral("Adelaide"), "tz"), QStringLiteral("Australia/Adelaide"));
    EXPECT_EQ(saved(QStringLiteral("Adelaide"), "gmt"), QStringLiteral(" 10.5"));
    p.Combo3->setEditText(QStringLiteral("Plain"));
    chooseFromList(ZoneChooser::kNoZone);
    p.Command8_Click();
    EXPECT_EQ(saved(QStringLiteral("Plain"), "tz"), QStringLiteral("<missing>"));

    p.Combo3_Click(p.Combo3->findText(QStringLiteral("Adelaide")));
    EXPECT_EQ(p.zoneId(), QStringLiteral("Australia/Adelaide"));
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Australia/Adelaide"));
    p.Combo3_Click(p.Combo3->findText(QStringLiteral("Plain")));
    EXPECT_EQ(p.zoneId(), QString());
    EXPECT_EQ(p.ZoneList->currentText(), ZoneChooser::kNoZone);
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Custom")); // 10.5 is not the computer's offset

    p.Combo3->setEditText(QStringLiteral("Adelaide"));
    p.Command9_Click();
    EXPECT_EQ(saved(QStringLiteral("Adelaide"), "tz"), QStringLiteral("<missing>"));
}

TEST_F(PanelZoneTest, AnUnknownStoredZoneKeepsTheStoredOffset) {
    SharedSettings(store).setZoneId(QStringLiteral("Mars/Olympus_Mons"));
    SharedSettings(store).setGmt(QStringLiteral(" 2"));
    SharedSettings(store).setCustomZone(true);
    SettingsPanel& p = open();
    EXPECT_EQ(p.zoneId(), QString());
    EXPECT_EQ(p.ZoneList->currentText(), ZoneChooser::kNoZone);
    EXPECT_EQ(p.Text17->text(), QStringLiteral(" 2"));
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Custom"));
    // Ok keeps the name as stored (a newer zone database may know it) beside the offset in use.
    p.Command4_Click();
    EXPECT_EQ(shared("tz"), QStringLiteral("Mars/Olympus_Mons"));
    EXPECT_EQ(shared("gmt"), QStringLiteral(" 2"));
    // Choosing the offset alone is the user's own choice: then the name goes.
    p.ZoneList->setZoneId(QString());
    p.chooseZone(QString());
    p.Command4_Click();
    EXPECT_EQ(shared("tz"), QStringLiteral("<missing>"));

    LocationCatalogue(store).storeNames({QStringLiteral("Odd")});
    LocationCatalogue(store).writeEntry(QStringLiteral("Odd"),
                                        {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("N"),
                                         QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("E"),
                                         QStringLiteral("-5"), QStringLiteral("Nowhere/At_All")});
    p.fillLocationList();
    ASSERT_EQ(p.Combo3->findText(QStringLiteral("Odd")), 1);
    p.Combo3_Click(1);
    EXPECT_EQ(p.zoneId(), QString());
    EXPECT_EQ(p.Text17->text(), QStringLiteral("-5"));
    EXPECT_EQ(p.Text16->text(), QStringLiteral("Eastern Standard Time"));
}

TEST_F(PanelZoneTest, TheZoneListFiltersByAnyPartOfTheName) {
    SettingsPanel& p = open();
    QCompleter* c = p.ZoneList->completer();
    c->setCompletionPrefix(QStringLiteral("adel"));
    QStringList offered;
    for (int i = 0; c->setCurrentRow(i); ++i) {
        offered.append(c->currentCompletion());
    }
    EXPECT_TRUE(offered.contains(QStringLiteral("Australia/Adelaide"))) << offered.join(' ').toStdString();
    EXPECT_FALSE(offered.contains(QStringLiteral("Europe/Paris")));
}

} // namespace
