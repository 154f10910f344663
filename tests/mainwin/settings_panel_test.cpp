// The settings panel: loading, the check with its messages and focus, the catalogue's Save and
// Delete, the coordinate spinners and the offset row.
#include "location_catalogue.h"
#include "spinner.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

class SettingsPanelTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        storeHome();
        open();
        messages.messages.clear();
    }

    QStringList listEntries() {
        QStringList entries;
        for (int i = 0; i < panel().Combo3->count(); ++i) {
            entries.append(panel().Combo3->itemText(i));
        }
        return entries;
    }

    QString location(const QString& name, const char* key) const {
        return store.read(SettingsStore::kMain, SettingsStore::locationSection(name), QLatin1String(key),
                          QStringLiteral("<missing>"));
    }
    QString list(const char* key) const {
        return store.read(SettingsStore::kMain, SettingsStore::kLocations, QLatin1String(key),
                          QStringLiteral("<missing>"));
    }

    void save(const QString& name) {
        panel().Combo3->setEditText(name);
        panel().Command8_Click();
    }
};

TEST_F(SettingsPanelTest, LoadsTheStoreAndTheComputerZone) {
    EXPECT_TRUE(panel().Option2->isChecked());
    EXPECT_FALSE(panel().alarmFrame->isEnabled());
    EXPECT_FALSE(panel().Combo2->isEnabled());
    EXPECT_TRUE(panel().Check1->isChecked());
    EXPECT_TRUE(panel().Check3->isChecked());
    EXPECT_EQ(panel().Combo2->currentText(), QStringLiteral("All Days"));
    EXPECT_EQ(panel().Text12->text(), QStringLiteral("2"));
    EXPECT_EQ(panel().Combo3->currentText(), QStringLiteral("Home"));
    EXPECT_EQ(panel().Text30->text(), QStringLiteral(" 40"));
    EXPECT_EQ(panel().Text17->text(), QStringLiteral("-5"));
    EXPECT_EQ(panel().Text16->text(), QStringLiteral("Eastern Standard Time"));
    EXPECT_FALSE(panel().plusSignShown());
    EXPECT_EQ(listEntries(), QStringList{QStringLiteral("New Location")});
}

TEST_F(SettingsPanelTest, OutOfRangeLatitudeIsEmptiedFocusedAndNothingIsStored) {
    panel().Text30->setText(QStringLiteral("90"));
    panel().Text20->setText(QStringLiteral("10"));
    EXPECT_FALSE(panel().checklatlon());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("Latitude is greater than 89 degrees. Please re-enter latitude between 0-89"));
    EXPECT_EQ(panel().Text30->text(), QString());
    EXPECT_EQ(window->focusWidget(), panel().Text30);
    EXPECT_EQ(shared("latdeg"), QStringLiteral(" 40"));
    EXPECT_EQ(shared("latmin"), QStringLiteral(" 42"));
}

TEST_F(SettingsPanelTest, AnEmptyFieldIsFocusedAndNamedInTheMessage) {
    panel().Text14->clear();
    EXPECT_FALSE(panel().checklatlon());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral(" Settings Entry Is Blank"));
    EXPECT_EQ(
        messages.messages[0].text,
        QStringLiteral("No value was entered for Longitude minutes. Please re-enter the Longitude minutes."));
    EXPECT_EQ(window->focusWidget(), panel().Text14);
}

TEST_F(SettingsPanelTest, NegativeMinutesAreTurnedPositiveAndStoredOnlyByTheNextCheck) {
    panel().Text20->setText(QStringLiteral("-5"));
    EXPECT_FALSE(panel().checklatlon());
    EXPECT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(panel().Text20->text(), QStringLiteral(" 5"));
    EXPECT_EQ(shared("latmin"), QStringLiteral(" 42"));
    EXPECT_TRUE(panel().checklatlon());
    EXPECT_EQ(shared("latmin"), QStringLiteral(" 5"));
}

TEST_F(SettingsPanelTest, FractionalDegreesAreStoredWhole) {
    panel().Text30->setText(QStringLiteral("39.7"));
    EXPECT_TRUE(panel().checklatlon());
    EXPECT_EQ(shared("latdeg"), QStringLiteral(" 39"));
    EXPECT_EQ(panel().Text30->text(), QStringLiteral(" 39"));
}

TEST_F(SettingsPanelTest, LettersInAFieldStopTheCheckWithNothingStored) {
    panel().Text14->setText(QStringLiteral("1a"));
    panel().Text30->setText(QStringLiteral("41"));
    EXPECT_FALSE(panel().checklatlon());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral(" Invalid Characters Used"));
    EXPECT_EQ(shared("lonmin"), QStringLiteral(" 0"));
    EXPECT_EQ(shared("latdeg"), QStringLiteral(" 40"));
}

TEST_F(SettingsPanelTest, ApplyStoresTheAlarmChoiceAndCancelStoresNothing) {
    panel().Option1->click();
    EXPECT_TRUE(panel().Combo2->isEnabled());
    panel().Combo2->setCurrentIndex(0);
    panel().Command2_Click();
    EXPECT_EQ(shared("runalarm"), QStringLiteral("True"));
    EXPECT_EQ(shared("daytype"), QStringLiteral("Excellent Days"));
    EXPECT_TRUE(panel().Option1->isChecked()); // reloaded from the store by the refresh

    panel().Option2->click();
    EXPECT_FALSE(panel().Combo2->isEnabled());
    panel().Text30->setText(QStringLiteral(" 12"));
    panel().Command5_Click();
    EXPECT_EQ(shared("runalarm"), QStringLiteral("True"));
    EXPECT_EQ(shared("latdeg"), QStringLiteral(" 40"));
    window->Activateform();
    EXPECT_TRUE(panel().Option1->isChecked());
    EXPECT_EQ(panel().Text30->text(), QStringLiteral(" 40"));

    panel().Option2->click();
    panel().Command4_Click();
    EXPECT_EQ(shared("runalarm"), QStringLiteral("False"));
    EXPECT_TRUE(panel().Command2->isEnabled());
}

TEST_F(SettingsPanelTest, SaveAddsNewNamesOnlyAndWritesTheFieldsAsTheyRead) {
    panel().Text30->setText(QStringLiteral("33.5"));
    save(QStringLiteral("Reef"));
    EXPECT_EQ(listEntries(), (QStringList{QStringLiteral("New Location"), QStringLiteral("Reef")}));
    EXPECT_EQ(list("nlist"), QStringLiteral("1"));
    EXPECT_EQ(list("place(1)"), QStringLiteral("Reef"));
    EXPECT_EQ(location(QStringLiteral("Reef"), "latdeg"), QStringLiteral("33.5"));
    EXPECT_EQ(location(QStringLiteral("Reef"), "latmin"), QStringLiteral(" 42"));
    EXPECT_EQ(location(QStringLiteral("Reef"), "NorS"), QStringLiteral("N"));
    EXPECT_EQ(location(QStringLiteral("Reef"), "londeg"), QStringLiteral(" 74"));
    EXPECT_EQ(location(QStringLiteral("Reef"), "lonmin"), QStringLiteral(" 0"));
    EXPECT_EQ(location(QStringLiteral("Reef"), "WorE"), QStringLiteral("W"));
    EXPECT_EQ(location(QStringLiteral("Reef"), "gmt"), QStringLiteral("-5"));
    // Saving neither validates nor makes the place current.
    EXPECT_EQ(shared("latdeg"), QStringLiteral(" 40"));
    EXPECT_EQ(shared("currentloc"), QStringLiteral("Home"));

    panel().Text30->setText(QStringLiteral(" 34"));
    save(QStringLiteral("Reef"));
    EXPECT_EQ(listEntries().size(), 2);
    EXPECT_EQ(location(QStringLiteral("Reef"), "latdeg"), QStringLiteral(" 34"));

    save(QStringLiteral("New Location"));
    EXPECT_EQ(listEntries().size(), 2);
    EXPECT_EQ(location(QStringLiteral("New Location"), "latdeg"), QStringLiteral(" 34"));
    EXPECT_EQ(list("nlist"), QStringLiteral("1"));

    save(QString()); // no name: refused with a note, nothing written into the list's own section
    EXPECT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(list("latdeg"), QStringLiteral("<missing>"));
    EXPECT_EQ(list("nlist"), QStringLiteral("1"));
}

TEST_F(SettingsPanelTest, DeleteTheSecondOfThreeRenumbersTheList) {
    save(QStringLiteral("A"));
    save(QStringLiteral("B"));
    save(QStringLiteral("C"));
    panel().Combo3->setEditText(QStringLiteral("B"));
    panel().Command9_Click();
    EXPECT_EQ(listEntries(),
              (QStringList{QStringLiteral("New Location"), QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(list("nlist"), QStringLiteral("2"));
    EXPECT_EQ(list("place(1)"), QStringLiteral("A"));
    EXPECT_EQ(list("place(2)"), QStringLiteral("C"));
    EXPECT_EQ(list("place(3)"), QStringLiteral("<missing>"));
    EXPECT_EQ(location(QStringLiteral("B"), "latdeg"), QStringLiteral("<missing>"));
    EXPECT_EQ(location(QStringLiteral("A"), "latdeg"), QStringLiteral(" 40"));
    EXPECT_EQ(shared("currentloc"), QStringLiteral("Home")); // names remain
}

TEST_F(SettingsPanelTest, DeleteWithoutANameOrOnTheFixedEntryDeletesNothing) {
    save(QStringLiteral("A"));
    panel().Combo3->setEditText(QString());
    panel().Command9_Click();
    panel().Combo3->setEditText(QStringLiteral("New Location"));
    panel().Command9_Click();
    panel().Combo3->setEditText(QStringLiteral("Unsaved"));
    panel().Command9_Click();
    EXPECT_EQ(listEntries(), (QStringList{QStringLiteral("New Location"), QStringLiteral("A")}));
    EXPECT_EQ(list("nlist"), QStringLiteral("1"));
    EXPECT_EQ(location(QStringLiteral("A"), "latdeg"), QStringLiteral(" 40"));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SettingsPanelTest, ANameWithASlashKeepsToItsOwnSection) {
    panel().Text30->setText(QStringLiteral(" 10"));
    save(QStringLiteral("Bass"));
    panel().Text30->setText(QStringLiteral(" 20"));
    save(QStringLiteral("Bass/Lake"));
    panel().Combo3->setEditText(QStringLiteral("Bass/Lake"));
    panel().Command9_Click();
    EXPECT_EQ(location(QStringLiteral("Bass"), "latdeg"), QStringLiteral(" 10"));
    EXPECT_EQ(listEntries(), (QStringList{QStringLiteral("New Location"), QStringLiteral("Bass")}));

    // After a restart the list reads the same.
    window.reset();
    open();
    EXPECT_EQ(listEntries(), (QStringList{QStringLiteral("New Location"), QStringLiteral("Bass")}));
}

TEST_F(SettingsPanelTest, DeletingTheLastNameClearsTheCurrentLocation) {
    save(QStringLiteral("Only"));
    panel().Combo3->setEditText(QStringLiteral("Only"));
    panel().Command9_Click();
    EXPECT_EQ(list("nlist"), QStringLiteral("0"));
    EXPECT_EQ(shared("currentloc"), QString());
}

TEST_F(SettingsPanelTest, ChoosingASavedPlaceFillsTheFieldsWithTheCatalogueDefaults) {
    store.write(SettingsStore::kMain, SettingsStore::locationSection(QStringLiteral("Sparse")),
                QStringLiteral("latdeg"), QStringLiteral(" 33"));
    LocationCatalogue(store).storeNames({QStringLiteral("Sparse")});
    panel().fillLocationList();
    panel().Combo3->setCurrentIndex(1);
    panel().Combo3_Click(1);
    EXPECT_EQ(panel().Text30->text(), QStringLiteral(" 33"));
    EXPECT_EQ(panel().Text40->text(), QStringLiteral("S"));
    EXPECT_EQ(panel().Text13->text(), QStringLiteral("E"));
    EXPECT_EQ(panel().Text17->text(), QStringLiteral(" 13"));
    EXPECT_TRUE(panel().customZone());
    EXPECT_EQ(panel().Text16->text(), QStringLiteral("Custom"));
    EXPECT_FALSE(panel().Check3->isEnabled());
    EXPECT_TRUE(panel().plusSignShown());

    panel().Combo3_Click(0); // "New Location" empties the name, the fields stay
    EXPECT_EQ(panel().Combo3->currentText(), QString());
    EXPECT_EQ(panel().Text30->text(), QStringLiteral(" 33"));
}

TEST_F(SettingsPanelTest, CoordinateSpinnersWrapAtTheirEnds) {
    panel().Text30->setText(QStringLiteral("89"));
    panel().UpDown9->stepUp();
    EXPECT_EQ(panel().Text30->text(), QStringLiteral("0"));
    panel().UpDown9->stepDown();
    EXPECT_EQ(panel().Text30->text(), QStringLiteral("89"));
    panel().Text20->setText(QStringLiteral("59"));
    panel().UpDown6->stepUp();
    EXPECT_EQ(panel().Text20->text(), QStringLiteral("0"));
    panel().UpDown6->stepDown();
    EXPECT_EQ(panel().Text20->text(), QStringLiteral("59"));
    panel().Text15->setText(QStringLiteral("179"));
    panel().UpDown7->stepUp();
    EXPECT_EQ(panel().Text15->text(), QStringLiteral("0"));
    panel().UpDown7->stepDown();
    EXPECT_EQ(panel().Text15->text(), QStringLiteral("179"));
    panel().Text14->setText(QStringLiteral("0"));
    panel().UpDown8->stepDown();
    EXPECT_EQ(panel().Text14->text(), QStringLiteral("59"));
    EXPECT_EQ(window->focusWidget(), panel().UpDown8);

    panel().UpDown10->stepUp();
    EXPECT_EQ(panel().Text40->text(), QStringLiteral("S"));
    panel().UpDown10->stepDown();
    EXPECT_EQ(panel().Text40->text(), QStringLiteral("N"));
    panel().UpDown5->stepUp();
    EXPECT_EQ(panel().Text13->text(), QStringLiteral("E"));
    panel().Text13->setText(QStringLiteral("X"));
    panel().UpDown5->stepUp();
    EXPECT_EQ(panel().Text13->text(), QStringLiteral("W"));
}

TEST_F(SettingsPanelTest, OffsetStepsInHalfHoursAndWrapsAtTheEnds) {
    panel().Text17->setText(QStringLiteral("-12"));
    panel().UpDown11->stepDown();
    EXPECT_EQ(panel().Text17->text(), QStringLiteral("13"));
    EXPECT_TRUE(panel().customZone());
    EXPECT_EQ(panel().Text16->text(), QStringLiteral("Custom"));
    EXPECT_TRUE(panel().plusSignShown());
    panel().UpDown11->stepUp();
    EXPECT_EQ(panel().Text17->text(), QStringLiteral("-12"));
    EXPECT_FALSE(panel().plusSignShown());

    panel().Text17->setText(QStringLiteral("-5.5"));
    panel().UpDown11->stepUp();
    EXPECT_EQ(panel().Text17->text(), QStringLiteral("-5"));
    EXPECT_FALSE(panel().customZone());
    EXPECT_EQ(panel().Text16->text(), QStringLiteral("Eastern Standard Time"));
    EXPECT_TRUE(panel().Check3->isEnabled());

    panel().Text17->setText(QStringLiteral("9.5"));
    emit panel().Text17->returnPressed();
    EXPECT_EQ(panel().Text17->text(), QStringLiteral(" 9.5"));
    EXPECT_TRUE(panel().customZone());
    EXPECT_TRUE(panel().plusSignShown());
}

TEST_F(SettingsPanelTest, DaylightBoxFollowsTheComputerInDaylightTime) {
    zones = biteclock::FixedTimeZoneSource(easternZone(biteclock::TimeZoneInfo::State::Daylight));
    window->Activateform();
    EXPECT_EQ(panel().Text17->text(), QStringLiteral("-4"));
    EXPECT_EQ(panel().Text16->text(), QStringLiteral("Eastern Daylight Time"));
    EXPECT_EQ(shared("gmt"), QStringLiteral("-4"));
    panel().Check3->click();
    EXPECT_EQ(panel().Text17->text(), QStringLiteral("-5"));
    EXPECT_EQ(panel().Text16->text(), QStringLiteral("Eastern Standard Time"));
}

TEST_F(SettingsPanelTest, ACustomOffsetIsKeptByTheRefreshes) {
    SharedSettings(store).setCustomZone(true);
    SharedSettings(store).setGmt(QStringLiteral(" 9.5"));
    window->Activateform();
    EXPECT_EQ(panel().Text16->text(), QStringLiteral("Custom"));
    EXPECT_FALSE(panel().Text16->isEnabled());
    EXPECT_FALSE(panel().Check3->isEnabled());
    EXPECT_EQ(shared("gmt"), QStringLiteral(" 9.5"));
    EXPECT_EQ(shared("custom"), QStringLiteral("True"));
    EXPECT_EQ(window->almanac().observer.zoneOffsetHours, 9.5);
}

} // namespace
