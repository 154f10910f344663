// "Find place": a town's coordinates as the location fields take them, the search waiting for a
// pause in typing, and the whole flow in the settings panel with real keys, read back from the file
// after Save.
#include "find_place_field.h"
#include "panel_fixture.h"
#include "shared_settings.h"
#include "zone_chooser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

/// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const PlaceCoordinates& c, std::ostream* os) {
    *os << (QStringList{c.latitudeDegrees, c.latitudeMinutes, c.northOrSouth, c.longitudeDegrees,
                        c.longitudeMinutes, c.westOrEast}
                .join('|')
                .toStdString());
}

namespace {

biteclock::Place placeAt(double latitude, double longitude) {
    biteclock::Place p;
    p.latitudeDeg = latitude;
    p.longitudeDeg = longitude;
    return p;
}

struct CoordinateCase {
    double latitude;
    double longitude;
    PlaceCoordinates expected;
};

// Degrees and minutes to the nearest minute; the hemisphere letters carry the sign.
const CoordinateCase kCoordinateCases[] = {
    // South Lake Tahoe as the place list holds it: 55.99' and 59.06' round to 56' and 59'.
    {38.93324, -119.98435, {" 38", " 56", "N", " 119", " 59", "W"}},
    // Sydney: south and east.
    {-33.86785, 151.20732, {" 33", " 52", "S", " 151", " 12", "E"}},
    // Rounding up into the next degree.
    {10.9999, -0.9999, {" 11", " 0", "N", " 1", " 0", "W"}},
    // Never the fields' excluded maximum: 180 0' and 90 0' are out of range.
    {89.9999, 179.9999, {" 89", " 59", "N", " 179", " 59", "E"}},
    {0, 0, {" 0", " 0", "N", " 0", " 0", "E"}},
};

TEST(PlaceCoordinates, WholeDegreesNearestMinuteAndLetters) {
    for (const CoordinateCase& c : kCoordinateCases) {
        SCOPED_TRACE(testing::Message() << c.latitude << " " << c.longitude);
        EXPECT_EQ(placeCoordinates(placeAt(c.latitude, c.longitude)), c.expected);
    }
}

TEST(FindPlaceField, SearchesOnceTypingPausesNotOnEveryKey) {
    int searches = 0;
    std::string lastQuery;
    FindPlaceField field(nullptr, [&](const std::string& query) {
        ++searches;
        lastQuery = query;
        biteclock::Place p = placeAt(1, 1);
        p.name = "Tahoe City";
        p.country = "United States";
        return std::vector<biteclock::Place>{p};
    });
    field.show();
    QTest::keyClicks(&field, QStringLiteral("Tahoe"));
    EXPECT_EQ(searches, 0);
    QTRY_COMPARE_WITH_TIMEOUT(searches, 1, 5 * FindPlaceField::kPauseMs);
    EXPECT_EQ(lastQuery, "Tahoe");
    QTest::qWait(2 * FindPlaceField::kPauseMs);
    EXPECT_EQ(searches, 1);
}

TEST(FindPlaceField, OffersAtMostTheLimitAndNothingForABlankQuery) {
    FindPlaceField field(nullptr, [](const std::string& query) {
        return std::vector<biteclock::Place>(query.empty() ? 0 : 40, placeAt(1, 1));
    });
    field.setText(QStringLiteral("Springfield"));
    field.searchNow();
    EXPECT_EQ(field.offers().size(), static_cast<std::size_t>(FindPlaceField::kMostOffers));
    field.setText(QStringLiteral("   "));
    field.searchNow();
    EXPECT_TRUE(field.offers().empty());
}

class FindPlaceFlowTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        SharedSettings s(store);
        s.setCurrentLocation(QStringLiteral("Home"));
        s.setLatitudeDegrees(QStringLiteral(" 40"));
        s.setLongitudeDegrees(QStringLiteral(" 74"));
        s.setGmt(QStringLiteral("-5"));
        open();
        panel->show();
        panel->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }

    QString mainFile(const QString& group, const QString& key) const {
        QSettings file(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Biteclock"),
                       SettingsStore::kMain);
        return file.value(group + QLatin1Char('/') + key, QStringLiteral("<missing>")).toString();
    }
};

TEST_F(FindPlaceFlowTest, TypingTahoeOffersSouthLakeTahoeAndChoosingItFillsThePanelOnly) {
    const QString label = QStringLiteral("South Lake Tahoe, California, United States");
    FindPlaceField* find = panel->FindPlace;
    find->setFocus();
    QTest::keyClicks(find, QStringLiteral("Tahoe"));
    QAbstractItemView* popup = find->offerList()->popup();
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 5000);
    const QModelIndexList offered =
        popup->model()->match(popup->model()->index(0, 0), Qt::DisplayRole, label, 1, Qt::MatchExactly);
    ASSERT_EQ(offered.size(), 1);

    // Down to the town's offer, then Enter, as the user would.
    for (int i = 0; i <= offered.front().row(); ++i) {
        QTest::keyClick(popup, Qt::Key_Down);
    }
    QTest::keyClick(popup, Qt::Key_Return);

    EXPECT_EQ(panel->Combo3->currentText(), QStringLiteral("South Lake Tahoe"));
    EXPECT_EQ(panel->Text30->text(), QStringLiteral(" 38"));
    EXPECT_EQ(panel->Text20->text(), QStringLiteral(" 56"));
    EXPECT_EQ(panel->Text40->text(), QStringLiteral("N"));
    EXPECT_EQ(panel->Text15->text(), QStringLiteral(" 119"));
    EXPECT_EQ(panel->Text14->text(), QStringLiteral(" 59"));
    EXPECT_EQ(panel->Text13->text(), QStringLiteral("W"));
    EXPECT_EQ(panel->zoneId(), QStringLiteral("America/Los_Angeles"));
    EXPECT_EQ(panel->ZoneList->currentText(), QStringLiteral("America/Los_Angeles"));
    EXPECT_EQ(panel->Text17->text(), QStringLiteral("-8"));
    EXPECT_EQ(panel->Text16->text(), QStringLiteral("America/Los_Angeles"));
    EXPECT_TRUE(panel->hasUnstoredChanges());
    // Nothing stored by the choice itself.
    EXPECT_EQ(shared("currentloc"), QStringLiteral("Home"));
    EXPECT_EQ(shared("tz"), QStringLiteral("<missing>"));
    EXPECT_EQ(mainFile(QStringLiteral("Settings/Locations"), QStringLiteral("nlist")),
              QStringLiteral("<missing>"));

    panel->Command8_Click();
    const QString section = QStringLiteral("Settings/Locations/South Lake Tahoe");
    EXPECT_EQ(mainFile(QStringLiteral("Settings/Locations"), QStringLiteral("place(1)")),
              QStringLiteral("South Lake Tahoe"));
    EXPECT_EQ(mainFile(section, QStringLiteral("latdeg")), QStringLiteral(" 38"));
    EXPECT_EQ(mainFile(section, QStringLiteral("latmin")), QStringLiteral(" 56"));
    EXPECT_EQ(mainFile(section, QStringLiteral("NorS")), QStringLiteral("N"));
    EXPECT_EQ(mainFile(section, QStringLiteral("londeg")), QStringLiteral(" 119"));
    EXPECT_EQ(mainFile(section, QStringLiteral("lonmin")), QStringLiteral(" 59"));
    EXPECT_EQ(mainFile(section, QStringLiteral("WorE")), QStringLiteral("W"));
    EXPECT_EQ(mainFile(section, QStringLiteral("gmt")), QStringLiteral("-8"));
    EXPECT_EQ(mainFile(section, QStringLiteral("tz")), QStringLiteral("America/Los_Angeles"));

    panel->Command4_Click();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(shared("currentloc"), QStringLiteral("South Lake Tahoe"));
    EXPECT_EQ(shared("tz"), QStringLiteral("America/Los_Angeles"));
    EXPECT_EQ(shared("gmt"), QStringLiteral("-8"));
}

TEST_F(FindPlaceFlowTest, TheNewControlsHaveNamesAndStandInTheKeyboardOrder) {
    EXPECT_EQ(panel->FindPlace->accessibleName(), QStringLiteral("Find place"));
    EXPECT_EQ(panel->ZoneList->accessibleName(), QStringLiteral("Named time zone"));
    panel->Text17->setFocus();
    QTest::keyClick(panel->Text17, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == panel->ZoneList || focus == panel->ZoneList->lineEdit());
    panel->Check1->setFocus();
    QTest::keyClick(panel->Check1, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), panel->FindPlace);
}

} // namespace

namespace {

TEST_F(FindPlaceFlowTest, AZoneIsFoundByPartOfItsNameAndChosenWithKeys) {
    QLineEdit* search = panel->ZoneList->lineEdit();
    search->setFocus();
    search->selectAll();
    QTest::keyClicks(search, QStringLiteral("adelai"));
    QAbstractItemView* popup = panel->ZoneList->completer()->popup();
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 5000);
    EXPECT_EQ(popup->model()->rowCount(), 1);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(panel->zoneId(), QStringLiteral("Australia/Adelaide"));
    EXPECT_EQ(panel->Text17->text(), QStringLiteral(" 10.5"));
    EXPECT_EQ(panel->Text16->text(), QStringLiteral("Australia/Adelaide"));

    // A search left unfinished does not change the zone, and the field shows the zone again.
    search->selectAll();
    QTest::keyClicks(search, QStringLiteral("nowhere"));
    panel->Text30->setFocus();
    EXPECT_EQ(panel->zoneId(), QStringLiteral("Australia/Adelaide"));
    EXPECT_EQ(panel->ZoneList->currentText(), QStringLiteral("Australia/Adelaide"));
}

} // namespace
