// The named locations: the list keys, the per-name sections, and names that hold slashes.
#include "location_catalogue.h"
#include "settings_fixture.h"

namespace {

using LocationCatalogueTest = EmptyStoreTest;

LocationFields sample(const char* degrees) {
    return {QString::fromLatin1(degrees), QStringLiteral(" 12"), QStringLiteral("N"),  QStringLiteral(" 80"),
            QStringLiteral(" 5"),         QStringLiteral("W"),   QStringLiteral("-5"), QString()};
}

TEST_F(LocationCatalogueTest, StoresTheListAndDropsKeysBeyondIt) {
    LocationCatalogue c(store);
    c.storeNames({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    EXPECT_EQ(c.names(), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    c.storeNames({QStringLiteral("A"), QStringLiteral("C")});
    EXPECT_EQ(c.names(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(store.read(SettingsStore::kMain, SettingsStore::kLocations, QStringLiteral("nlist")),
              QStringLiteral("2"));
    EXPECT_EQ(store.read(SettingsStore::kMain, SettingsStore::kLocations, QStringLiteral("place(2)")),
              QStringLiteral("C"));
    EXPECT_EQ(store.read(SettingsStore::kMain, SettingsStore::kLocations, QStringLiteral("place(3)"),
                         QStringLiteral("<gone>")),
              QStringLiteral("<gone>"));
}

TEST_F(LocationCatalogueTest, AZoneIsKeptUnderTzAndRemovedWhenTheLocationHasNoneAgain) {
    LocationCatalogue c(store);
    LocationFields zoned = sample(" 38");
    zoned.zone = QStringLiteral("America/Los_Angeles");
    c.writeEntry(QStringLiteral("Tahoe"), zoned);
    EXPECT_EQ(c.entry(QStringLiteral("Tahoe")), zoned);
    const QString section = SettingsStore::locationSection(QStringLiteral("Tahoe"));
    EXPECT_EQ(store.read(SettingsStore::kMain, section, QStringLiteral("tz")),
              QStringLiteral("America/Los_Angeles"));

    c.writeEntry(QStringLiteral("Tahoe"), sample(" 38"));
    EXPECT_FALSE(store.contains(SettingsStore::kMain, section, QStringLiteral("tz")));
    EXPECT_TRUE(c.entry(QStringLiteral("Tahoe")).zone.isEmpty());
}

TEST_F(LocationCatalogueTest, EntryKeysAreTheFieldTextsAndMissingOnesTakeTheCatalogueDefaults) {
    LocationCatalogue c(store);
    c.writeEntry(QStringLiteral("Home"), sample(" 39"));
    EXPECT_EQ(c.entry(QStringLiteral("Home")), sample(" 39"));
    EXPECT_TRUE(c.contains(QStringLiteral("Home")));
    const LocationFields none = c.entry(QStringLiteral("Unknown"));
    EXPECT_EQ(none.latitudeDegrees, QStringLiteral("0"));
    EXPECT_EQ(none.northOrSouth, QStringLiteral("S"));
    EXPECT_EQ(none.westOrEast, QStringLiteral("E"));
    EXPECT_EQ(none.gmt, QStringLiteral("13"));
}

TEST_F(LocationCatalogueTest, ANameWithSlashesNeverReachesAnotherSection) {
    LocationCatalogue c(store);
    c.writeEntry(QStringLiteral("Bass"), sample(" 10"));
    c.writeEntry(QStringLiteral("Bass/Lake"), sample(" 20"));
    c.writeEntry(QStringLiteral("..\\Bass"), sample(" 30"));
    c.storeNames({QStringLiteral("Bass"), QStringLiteral("Bass/Lake"), QStringLiteral("..\\Bass")});
    EXPECT_EQ(c.entry(QStringLiteral("Bass")), sample(" 10"));
    EXPECT_EQ(c.entry(QStringLiteral("Bass/Lake")), sample(" 20"));
    EXPECT_EQ(c.entry(QStringLiteral("..\\Bass")), sample(" 30"));

    EXPECT_TRUE(c.removeEntry(QStringLiteral("Bass/Lake")));
    EXPECT_TRUE(c.contains(QStringLiteral("Bass")));
    EXPECT_TRUE(c.contains(QStringLiteral("..\\Bass")));
    EXPECT_FALSE(c.contains(QStringLiteral("Bass/Lake")));
    EXPECT_EQ(c.names().size(), 3);
}

TEST_F(LocationCatalogueTest, RemovingAnEmptyOrUnknownNameRemovesNothing) {
    LocationCatalogue c(store);
    c.writeEntry(QStringLiteral("Home"), sample(" 39"));
    c.storeNames({QStringLiteral("Home")});
    EXPECT_FALSE(c.removeEntry(QString()));
    EXPECT_FALSE(c.removeEntry(QStringLiteral("Elsewhere")));
    EXPECT_EQ(c.names(), QStringList{QStringLiteral("Home")});
    EXPECT_TRUE(c.contains(QStringLiteral("Home")));
}

} // namespace
