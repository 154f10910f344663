// The print window's stored choices, the paper layouts and the legend's location line.
#include "calendar_layout.h"
#include "calendar_location.h"
#include "number_print.h"
#include "print_settings.h"
#include "settings_store.h"

#include <gtest/gtest.h>

namespace {

class PrintSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.removeSection(SettingsStore::kMain, SettingsStore::kSettings);
        store.removeSection(SettingsStore::kShared, SettingsStore::kSettings);
    }
    QString stored(const char* key) const {
        return store.read(SettingsStore::kMain, SettingsStore::kSettings, QString::fromLatin1(key),
                          QStringLiteral("<missing>"));
    }
    SettingsStore store;
};

} // namespace

TEST_F(PrintSettingsTest, AnEmptyStoreGivesPredictionAndPeriodsOnA4) {
    const CalendarOptions o = PrintSettings(store).load();
    EXPECT_EQ(o.prediction, true);
    EXPECT_EQ(o.sunrise, false);
    EXPECT_EQ(o.moonrise, false);
    EXPECT_EQ(o.majorMinor, true);
    EXPECT_EQ(o.newFull, false);
    EXPECT_EQ(o.paperText, QStringLiteral("A4  (210 mm x 297 mm )"));
}

TEST_F(PrintSettingsTest, SavingWritesTheBoxesAsOneAndZeroAndThePaperText) {
    CalendarOptions o;
    o.prediction = false;
    o.sunrise = true;
    o.moonrise = true;
    o.majorMinor = false;
    o.newFull = true;
    o.paperText = kLetterPaperText;
    PrintSettings(store).save(o);
    EXPECT_EQ(stored("Prediction"), QStringLiteral("0"));
    EXPECT_EQ(stored("Sunrise"), QStringLiteral("1"));
    EXPECT_EQ(stored("Moonrise"), QStringLiteral("1"));
    EXPECT_EQ(stored("Majorminor"), QStringLiteral("0"));
    EXPECT_EQ(stored("Newfull"), QStringLiteral("1"));
    EXPECT_EQ(stored("Paper"), QStringLiteral("US Letter ( 8 1/2 in x 11 in )"));
    EXPECT_EQ(PrintSettings(store).load(), o);
}

TEST_F(PrintSettingsTest, ABoxValueOtherThanZeroOrOneGivesTheDefault) {
    store.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("Prediction"),
                QStringLiteral("yes"));
    store.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("Sunrise"),
                QStringLiteral("2"));
    const CalendarOptions o = PrintSettings(store).load();
    EXPECT_EQ(o.prediction, true);
    EXPECT_EQ(o.sunrise, false);
}

TEST(CalendarLayout, OnlyTheExactLetterTextGivesTheLetterLayout) {
    const CalendarLayout letter = calendarLayoutFor(QStringLiteral("US Letter ( 8 1/2 in x 11 in )"));
    EXPECT_EQ(letter.paper, PaperSize::Letter);
    EXPECT_EQ(letter.weekdayStops, (std::array<int, 6>{12, 23, 34, 45, 56, 67}));
    EXPECT_EQ(letter.title, 24);
    EXPECT_EQ(letter.legendSymbol, 124);
    EXPECT_EQ(letter.legendExplanation, 135);
    EXPECT_EQ(letter.location, 54);
    EXPECT_EQ(letter.customLocation, 62);
    EXPECT_EQ(letter.programLine, 53);
    for (const QString& other :
         {kA4PaperText, QStringLiteral("US Letter (8 1/2 in x 11 in)"), QStringLiteral("Legal"), QString()}) {
        const CalendarLayout a4 = calendarLayoutFor(other);
        EXPECT_EQ(a4.paper, PaperSize::A4) << other.toStdString();
        EXPECT_EQ(a4.weekdayStops, (std::array<int, 6>{13, 25, 37, 49, 61, 73}));
        EXPECT_EQ(a4.title, 27);
        EXPECT_EQ(a4.legendSymbol, 134);
        EXPECT_EQ(a4.legendExplanation, 145);
        EXPECT_EQ(a4.location, 64);
        EXPECT_EQ(a4.customLocation, 72);
        EXPECT_EQ(a4.programLine, 63);
    }
}

TEST_F(PrintSettingsTest, TheLocationLineTakesTheStoredTextsAsTheyStand) {
    const auto write = [this](const char* key, const char* value) {
        store.write(SettingsStore::kShared, SettingsStore::kSettings, QString::fromLatin1(key),
                    QString::fromLatin1(value));
    };
    write("latdeg", " 39");
    write("latmin", " 57");
    write("NorS", "N");
    write("londeg", " 75");
    write("lonmin", " 10");
    write("WorE", "W");
    const CalendarLocation l = storedCalendarLocation(store, QStringLiteral("-5"), QStringLiteral("Eastern"));
    EXPECT_EQ(l.line(),
              QStringLiteral("Location: Lat:  39.  57' N   Lon:  75.  10' W  Gmt: -5 hrs  Eastern"));
    EXPECT_EQ(l.customZone(), false);
}

TEST_F(PrintSettingsTest, AnEmptyStoreNamesZeroNorthZeroWest) {
    const CalendarLocation l = storedCalendarLocation(store, QStringLiteral(" 0"), QStringLiteral("Custom"));
    EXPECT_EQ(l.line(), QStringLiteral("Location: Lat: 0. 0' N   Lon: 0. 0' W  Gmt:  0 hrs  Custom"));
    EXPECT_EQ(l.customZone(), true);
}

TEST(CalendarLocation, NumbersArePrintedAsTheFieldsPrintThem) {
    biteclock::ObserverLocation place;
    place.latitudeDegrees = 33;
    place.latitudeMinutes = 52;
    place.northOrSouth = "S";
    place.longitudeDegrees = 151;
    place.longitudeMinutes = 12.5;
    place.westOrEast = "E";
    place.gmtHours = 9.5;
    EXPECT_EQ(calendarLocationOf(place, QStringLiteral("Custom")).line(),
              QStringLiteral("Location: Lat:  33.  52' S   Lon:  151.  12.5' E  Gmt:  9.5 hrs  Custom"));
    EXPECT_EQ(printNumber(-5), QStringLiteral("-5"));
    EXPECT_EQ(printNumber(0), QStringLiteral(" 0"));
    EXPECT_EQ(printNumber(-0.0), QStringLiteral(" 0"));
}
