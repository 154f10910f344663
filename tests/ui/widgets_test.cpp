// The shared widgets and services under the main window: the spinner, the computer's zone and the
// numbered pictures.
#include "help_window.h"
#include "icon_provider.h"
#include "qt_time_zone_source.h"
#include "spinner.h"

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Spinner, StepsItsFieldWithinTheRangeAndWrapsWhenAsked) {
    QLineEdit field;
    Spinner spinner;
    spinner.setBuddy(&field);
    spinner.setRange(-1, 90);
    QSignalSpy changed(&spinner, &Spinner::changed);
    QSignalSpy up(&spinner, &Spinner::upClicked);

    field.setText(QStringLiteral(" 89"));
    spinner.stepUp();
    EXPECT_EQ(field.text(), QStringLiteral("90"));
    spinner.stepUp(); // at the top without wrapping: nothing changes
    EXPECT_EQ(field.text(), QStringLiteral("90"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(up.count(), 2);

    spinner.setWrapping(true);
    spinner.stepUp();
    EXPECT_EQ(field.text(), QStringLiteral("-1"));
    spinner.stepDown();
    EXPECT_EQ(field.text(), QStringLiteral("90"));

    field.setText(QStringLiteral("45.7abc")); // a typed value steps from its whole leading number
    spinner.stepDown();
    EXPECT_EQ(field.text(), QStringLiteral("44"));
    field.setText(QStringLiteral("400")); // out of range: held at the end first
    spinner.stepDown();
    EXPECT_EQ(field.text(), QStringLiteral("89"));
}

TEST(Spinner, WithoutAFieldItOnlyReportsClicksAndArrowKeys) {
    Spinner spinner;
    QSignalSpy up(&spinner, &Spinner::upClicked);
    QSignalSpy down(&spinner, &Spinner::downClicked);
    QSignalSpy changed(&spinner, &Spinner::changed);
    spinner.stepUp();
    QTest::keyClick(&spinner, Qt::Key_Down);
    EXPECT_EQ(up.count(), 1);
    EXPECT_EQ(down.count(), 1);
    EXPECT_EQ(changed.count(), 0);
}

TEST(QtTimeZoneSource, ReadsAZoneWithDaylightRulesInBothStates) {
    const QTimeZone newYork("America/New_York");
    ASSERT_TRUE(newYork.isValid());
    const auto summer =
        QtTimeZoneSource(newYork, QDateTime(QDate(2000, 7, 1), QTime(12, 0), Qt::UTC)).current();
    ASSERT_TRUE(summer.has_value());
    EXPECT_EQ(summer->biasMinutes, 300);
    EXPECT_EQ(summer->daylightBiasMinutes, -60);
    EXPECT_EQ(summer->state, biteclock::TimeZoneInfo::State::Daylight);
    const auto winter =
        QtTimeZoneSource(newYork, QDateTime(QDate(2000, 1, 15), QTime(12, 0), Qt::UTC)).current();
    ASSERT_TRUE(winter.has_value());
    EXPECT_EQ(winter->state, biteclock::TimeZoneInfo::State::Standard);
    EXPECT_EQ(winter->daylightBiasMinutes, -60);
    EXPECT_NE(winter->standardName, winter->daylightName);

    // With the daylight box ticked the summer offset includes the shift; unticked it does not.
    const QtTimeZoneSource source(newYork, QDateTime(QDate(2000, 7, 1), QTime(12, 0), Qt::UTC));
    EXPECT_EQ(biteclock::queryTimeZone(source, true).offsetMinutes, -240);
    EXPECT_EQ(biteclock::queryTimeZone(source, false).offsetMinutes, -300);
    EXPECT_EQ(biteclock::queryTimeZone(source, false).name, summer->standardName);
}

TEST(QtTimeZoneSource, ZonesWithoutDaylightRulesAndHalfHourZones) {
    const auto utc =
        QtTimeZoneSource(QTimeZone("UTC"), QDateTime(QDate(2000, 7, 1), QTime(0, 0), Qt::UTC)).current();
    ASSERT_TRUE(utc.has_value());
    EXPECT_EQ(utc->biasMinutes, 0);
    EXPECT_EQ(utc->state, biteclock::TimeZoneInfo::State::NoDaylightRules);
    const QtTimeZoneSource kolkata(QTimeZone("Asia/Kolkata"),
                                   QDateTime(QDate(2000, 7, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(biteclock::queryTimeZone(kolkata, true).hours, 5.5);
    EXPECT_FALSE(QtTimeZoneSource(QTimeZone()).current().has_value());
}

TEST(IconProvider, EveryNumberedPictureDrawsAndOthersDoNot) {
    for (int id = 100; id <= 111; ++id) {
        EXPECT_FALSE(IconProvider::pixmap(id, QSize(32, 32)).isNull()) << id;
    }
    for (int id = 201; id <= 204; ++id) {
        EXPECT_FALSE(IconProvider::pixmap(id, QSize(32, 32)).isNull()) << id;
    }
    for (int id : {99, 112, 200, 205, 0, -1}) {
        EXPECT_TRUE(IconProvider::pixmap(id, QSize(32, 32)).isNull()) << id;
        EXPECT_TRUE(IconProvider::icon(id).isNull()) << id;
    }
    EXPECT_EQ(IconProvider::pixmap(103, QSize(96, 96), 2.0).size(), QSize(192, 192));
}

// The brightness of the left and right halves of a picture.
std::pair<long, long> halves(int id) {
    const QImage image = IconProvider::pixmap(id, QSize(64, 64)).toImage();
    long left = 0;
    long right = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            (x < image.width() / 2 ? left : right) += grey;
        }
    }
    return {left, right};
}

TEST(IconProvider, WaxingPicturesAreLitOnTheRightAndTheirMirrorsOnTheLeft) {
    for (int id = 101; id <= 105; ++id) {
        const auto [left, right] = halves(id);
        EXPECT_GT(right, left) << id;
        const auto [mirrorLeft, mirrorRight] = halves(212 - id);
        EXPECT_GT(mirrorLeft, mirrorRight) << 212 - id;
    }
    EXPECT_GT(halves(106).first, halves(100).first);
}

TEST(HelpWindowService, OpensTheContentsOrTheSettingsTopic) {
    EXPECT_EQ(HelpWindowService::pageOf(10), QStringLiteral("qrc:/help/settings.html"));
    EXPECT_EQ(HelpWindowService::pageOf(0), QStringLiteral("qrc:/help/index.html"));
    HelpWindowService help;
    help.showTopic(10);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
}

} // namespace
