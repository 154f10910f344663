// The location check: its messages, their order, the field each failure points at, and what it
// leaves in the fields.
#include "coordinate_check.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace {

const QString kTitle = QStringLiteral("Biteclock");

CoordinateFields valid() {
    return {QStringLiteral("Home"), QStringLiteral("40"), QStringLiteral("42"),
            QStringLiteral("74"),   QStringLiteral("0"),  QStringLiteral("-5")};
}

TEST(CoordinateCheck, AnEmptyNameStopsBeforeAnyOtherTest) {
    const CoordinateOutcome out = checkCoordinates({}, kTitle);
    EXPECT_FALSE(out.passed);
    ASSERT_EQ(out.messages.size(), 1);
    EXPECT_EQ(out.messages[0].title, kTitle);
    EXPECT_EQ(out.messages[0].icon, MessageService::Icon::Critical);
    EXPECT_EQ(
        out.messages[0].text,
        QStringLiteral("No name has been entered for your location. Please enter a name.\r\nIf this is the "
                       "first time you are using this program, please enter your location coordinates by "
                       "selecting  | Settings | Program Settings | on the menu bar"));
    EXPECT_FALSE(out.focus.has_value());
}

struct EmptyCase {
    CoordinateField emptied;
    CoordinateField focus;
    const char* name;
};

class EmptyField : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyField, NamesTheFieldTwiceAndFocusesItFirst) {
    CoordinateFields f = valid();
    switch (GetParam().emptied) {
    case CoordinateField::Gmt:
        f.gmt.clear();
        break;
    case CoordinateField::LatitudeDegrees:
        f.latitudeDegrees.clear();
        break;
    case CoordinateField::LongitudeDegrees:
        f.longitudeDegrees.clear();
        break;
    case CoordinateField::LongitudeMinutes:
        f.longitudeMinutes.clear();
        break;
    case CoordinateField::LatitudeMinutes:
        f.latitudeMinutes.clear();
        break;
    case CoordinateField::Name:
        break;
    }
    const CoordinateOutcome out = checkCoordinates(f, kTitle);
    const QString name = QLatin1String(GetParam().name);
    ASSERT_EQ(out.messages.size(), 1);
    EXPECT_EQ(out.messages[0].title, QStringLiteral(" Settings Entry Is Blank"));
    EXPECT_EQ(out.messages[0].text, QStringLiteral("No value was entered for ") + name +
                                        QStringLiteral(" Please re-enter the ") + name);
    EXPECT_EQ(out.focus, GetParam().focus);
    EXPECT_TRUE(out.focusBeforeMessages);
    EXPECT_FALSE(out.passed);
}

INSTANTIATE_TEST_SUITE_P(
    EachField, EmptyField,
    ::testing::Values(
        EmptyCase{CoordinateField::Gmt, CoordinateField::Gmt, "Time Zone."},
        EmptyCase{CoordinateField::LatitudeDegrees, CoordinateField::LatitudeDegrees, "Latitude Degrees."},
        EmptyCase{CoordinateField::LongitudeDegrees, CoordinateField::LongitudeDegrees, "Longitude Degrees."},
        EmptyCase{CoordinateField::LongitudeMinutes, CoordinateField::LongitudeMinutes, "Longitude minutes."},
        EmptyCase{CoordinateField::LatitudeMinutes, CoordinateField::LatitudeMinutes, "Latitude minutes."}));

TEST(CoordinateCheck, EmptyFieldsAreReportedInTheirOrderOneAtATime) {
    CoordinateFields f;
    f.name = QStringLiteral("Home");
    const CoordinateOutcome out = checkCoordinates(f, kTitle);
    ASSERT_EQ(out.messages.size(), 1);
    EXPECT_EQ(out.focus, CoordinateField::Gmt);
}

struct RangeCase {
    const char* latDeg;
    const char* lonDeg;
    const char* latMin;
    const char* lonMin;
    const char* gmt;
    bool passes;
    CoordinateField field;
    const char* message;
};

class RangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeTest, FirstFailureEmptiesItsFieldAndFocusesItAfterTheMessage) {
    const RangeCase& c = GetParam();
    const CoordinateFields f{QStringLiteral("Home"),  QLatin1String(c.latDeg), QLatin1String(c.latMin),
                             QLatin1String(c.lonDeg), QLatin1String(c.lonMin), QLatin1String(c.gmt)};
    const CoordinateOutcome out = checkCoordinates(f, kTitle);
    EXPECT_EQ(out.passed, c.passes);
    if (c.passes) {
        EXPECT_TRUE(out.messages.isEmpty());
        return;
    }
    ASSERT_EQ(out.messages.size(), 1);
    EXPECT_EQ(out.messages[0].title, kTitle);
    EXPECT_EQ(out.messages[0].text, QLatin1String(c.message));
    EXPECT_EQ(out.focus, c.field);
    EXPECT_FALSE(out.focusBeforeMessages);
    CoordinateFields expected = f;
    switch (c.field) {
    case CoordinateField::LatitudeDegrees:
        expected.latitudeDegrees.clear();
        break;
    case CoordinateField::LongitudeDegrees:
        expected.longitudeDegrees.clear();
        break;
    case CoordinateField::LatitudeMinutes:
        expected.latitudeMinutes.clear();
        break;
    case CoordinateField::LongitudeMinutes:
        expected.longitudeMinutes.clear();
        break;
    default:
        expected.gmt.clear();
        break;
    }
    EXPECT_EQ(out.fields, expected);
}

constexpr const char* kLat = "Latitude is greater than 89 degrees. Please re-enter latitude between 0-89";
constexpr const char* kLon = "Longitude is greater than 179 degrees. Please re-enter longitude between 0-179";
constexpr const char* kLatMin =
    "Latitude minutes is greater than 59. Please re-enter latitude minutes between 0 - 59";
constexpr const char* kLonMin =
    "Longitude minutes is greater than 59. Please re-enter longitude minutes between 0 - 59";
constexpr const char* kZone =
    "Time zone is not within GMT standard. Please re-enter time zone between -12 and +13";

INSTANTIATE_TEST_SUITE_P(
    Ranges, RangeTest,
    ::testing::Values(
        RangeCase{"90", "0", "0", "0", "0", false, CoordinateField::LatitudeDegrees, kLat},
        RangeCase{"95", "200", "0", "0", "0", false, CoordinateField::LatitudeDegrees, kLat},
        RangeCase{"89", "180", "0", "0", "0", false, CoordinateField::LongitudeDegrees, kLon},
        RangeCase{"89", "179", "60", "60", "0", false, CoordinateField::LatitudeMinutes, kLatMin},
        RangeCase{"89", "179", "59", "60", "0", false, CoordinateField::LongitudeMinutes, kLonMin},
        RangeCase{"1", "1", "1", "1", "13.5", false, CoordinateField::Gmt, kZone},
        RangeCase{"1", "1", "1", "1", "-12.5", false, CoordinateField::Gmt, kZone},
        RangeCase{"1", "1", "1", "1", "13", true, CoordinateField::Gmt, ""},
        RangeCase{"1", "1", "1", "1", "-12", true, CoordinateField::Gmt, ""},
        // "95abc" reads 95 as its leading number.
        RangeCase{"95abc", "1", "1", "1", "1", false, CoordinateField::LatitudeDegrees, kLat}));

TEST(CoordinateCheck, NegativeValuesAreReportedAndTurnedPositiveButNotAccepted) {
    CoordinateFields f = valid();
    f.latitudeMinutes = QStringLiteral("-5");
    f.longitudeDegrees = QStringLiteral("-74");
    const CoordinateOutcome out = checkCoordinates(f, kTitle);
    EXPECT_FALSE(out.passed);
    ASSERT_EQ(out.messages.size(), 1);
    EXPECT_EQ(out.messages[0].title, QStringLiteral(" Negative Values - Use (N or S) or (W or E)"));
    EXPECT_EQ(
        out.messages[0].text,
        QStringLiteral("Negative values for latitude and longitude are not valid.\rSome publications may "
                       "represent latitude & longitude as negative values. Usually the Southern Hemisphere "
                       "and longitudes West of Greenwich are represented this way.\rPlease use the (N or S) "
                       "or (W or E) settings to correct this problem."));
    EXPECT_EQ(out.fields.latitudeMinutes, QStringLiteral(" 5"));
    EXPECT_EQ(out.fields.longitudeDegrees, QStringLiteral(" 74"));
    EXPECT_EQ(out.fields.latitudeDegrees, QStringLiteral(" 40"));
    EXPECT_EQ(out.fields.longitudeMinutes, QStringLiteral(" 0"));
}

TEST(CoordinateCheck, ANegativeFieldWithLettersStopsAtTheInvalidCharacterMessage) {
    CoordinateFields f = valid();
    f.latitudeDegrees = QStringLiteral("-4x");
    const CoordinateOutcome out = checkCoordinates(f, kTitle);
    ASSERT_EQ(out.messages.size(), 2);
    EXPECT_EQ(out.messages[1].title, QStringLiteral(" Invalid Characters Used"));
    EXPECT_EQ(out.messages[1].text, QStringLiteral("Please use only Numeric characters in these boxes. "));
    // Longitude minutes, latitude minutes and longitude degrees were rewritten before the failure.
    EXPECT_EQ(out.fields.longitudeMinutes, QStringLiteral(" 0"));
    EXPECT_EQ(out.fields.latitudeMinutes, QStringLiteral(" 42"));
    EXPECT_EQ(out.fields.longitudeDegrees, QStringLiteral(" 74"));
    EXPECT_EQ(out.fields.latitudeDegrees, QStringLiteral("-4x"));
}

TEST(CoordinateCheck, FractionsBecomeWholeNumbersWithTheLeadingBlank) {
    CoordinateFields f = valid();
    f.latitudeDegrees = QStringLiteral("39.7");
    f.longitudeMinutes = QStringLiteral(" 7.99");
    const CoordinateOutcome out = checkCoordinates(f, kTitle);
    EXPECT_TRUE(out.passed);
    EXPECT_EQ(out.fields.latitudeDegrees, QStringLiteral(" 39"));
    EXPECT_EQ(out.fields.longitudeMinutes, QStringLiteral(" 7"));
    EXPECT_EQ(out.fields.latitudeMinutes, QStringLiteral(" 42"));
    EXPECT_EQ(out.offsetHours, -5.0);
}

TEST(CoordinateCheck, LettersAfterADigitPassTheRangeButNotTheNumberTest) {
    CoordinateFields f = valid();
    f.longitudeMinutes = QStringLiteral("1a");
    const CoordinateOutcome out = checkCoordinates(f, kTitle);
    EXPECT_FALSE(out.passed);
    ASSERT_EQ(out.messages.size(), 1);
    EXPECT_EQ(out.messages[0].title, QStringLiteral(" Invalid Characters Used"));
    EXPECT_EQ(out.fields.latitudeDegrees, QStringLiteral(" 40")); // rewritten before the failure
    EXPECT_EQ(out.fields.longitudeMinutes, QStringLiteral("1a"));
}

TEST(CoordinateCheck, AnOffsetThatIsNoNumberFailsLast) {
    CoordinateFields f = valid();
    f.gmt = QStringLiteral("5h");
    const CoordinateOutcome out = checkCoordinates(f, kTitle);
    EXPECT_FALSE(out.passed);
    ASSERT_EQ(out.messages.size(), 1);
    EXPECT_EQ(out.messages[0].title, QStringLiteral(" Invalid Characters Used"));
}

} // namespace
