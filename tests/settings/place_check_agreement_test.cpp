// The command line refuses exactly the stored places that the settings panel refuses: the panel's
// own check and checkPlaceTexts() are run over the same texts, one field and two fields at a time.
#include "coordinate_check.h"
#include "number_text.h"
#include "refresh_place.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

const QStringList kTexts = {QString(),
                            QStringLiteral("0"),
                            QStringLiteral(" 39"),
                            QStringLiteral("39.7"),
                            QStringLiteral("59"),
                            QStringLiteral("60"),
                            QStringLiteral("89"),
                            QStringLiteral("90"),
                            QStringLiteral("179"),
                            QStringLiteral("180"),
                            QStringLiteral("13"),
                            QStringLiteral("13.5"),
                            QStringLiteral("-12"),
                            QStringLiteral("-12.5"),
                            QStringLiteral("-1"),
                            QStringLiteral("-0"),
                            QStringLiteral("+5"),
                            QStringLiteral(".5"),
                            QStringLiteral("5."),
                            QStringLiteral("1a"),
                            QStringLiteral("abc"),
                            QStringLiteral("1 2"),
                            QStringLiteral("1e308"),
                            QStringLiteral("1e400"),
                            QStringLiteral("-1e300"),
                            QStringLiteral(" 7 ")};

constexpr int kFields = 5;

QString& field(PlaceTexts& t, int i) {
    QString* fields[kFields] = {&t.latitudeDegrees, &t.latitudeMinutes, &t.longitudeDegrees,
                                &t.longitudeMinutes, &t.gmt};
    return *fields[i];
}

void expectAgreement(const PlaceTexts& t) {
    const CoordinateOutcome panel =
        checkCoordinates({QStringLiteral("Home"), t.latitudeDegrees, t.latitudeMinutes, t.longitudeDegrees,
                          t.longitudeMinutes, t.gmt},
                         QStringLiteral("Biteclock"));
    const auto fault = checkPlaceTexts(t);
    const std::string shown =
        (t.latitudeDegrees + QLatin1Char('|') + t.latitudeMinutes + QLatin1Char('|') + t.longitudeDegrees +
         QLatin1Char('|') + t.longitudeMinutes + QLatin1Char('|') + t.gmt)
            .toStdString();
    ASSERT_EQ(panel.passed, !fault.has_value()) << shown;
    if (panel.passed) {
        // What the panel stores is what the place is computed with.
        EXPECT_EQ(biteclock::leadingNumber(panel.fields.latitudeDegrees.toStdString()),
                  std::floor(biteclock::leadingNumber(t.latitudeDegrees.toStdString())))
            << shown;
        EXPECT_EQ(panel.offsetHours, biteclock::leadingNumber(t.gmt.toStdString())) << shown;
    }
}

TEST(PlaceCheckAgreement, OneFieldAtATime) {
    for (int i = 0; i < kFields; ++i) {
        for (const QString& text : kTexts) {
            PlaceTexts t{QStringLiteral("40"), QStringLiteral("42"), QStringLiteral("74"),
                         QStringLiteral("0"), QStringLiteral("-5")};
            field(t, i) = text;
            expectAgreement(t);
        }
    }
}

TEST(PlaceCheckAgreement, TwoFieldsAtATime) {
    for (int i = 0; i < kFields; ++i) {
        for (int j = i + 1; j < kFields; ++j) {
            for (const QString& a : kTexts) {
                for (const QString& b : kTexts) {
                    PlaceTexts t{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                 QStringLiteral("0"), QStringLiteral("0")};
                    field(t, i) = a;
                    field(t, j) = b;
                    expectAgreement(t);
                }
            }
        }
    }
}

} // namespace
