// The companion's log-on entry.
#include "tray_autostart.h"
#include "tray_test_environment.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return QStringLiteral("<unreadable>");
    }
    return QString::fromUtf8(file.readAll());
}

class TrayAutostartTest : public ::testing::Test {
protected:
    TrayTestEnvironment env;
};

TEST_F(TrayAutostartTest, LivesInTheUsersAutostartFolder) {
    EXPECT_EQ(trayAutostartPath(), env.path(QStringLiteral("config/autostart/Bitetray.desktop")));
}

TEST_F(TrayAutostartTest, AnyIconOrTheAlarmInstallsTheEntry) {
    for (const auto& [moon, fish, alarm] :
         {std::tuple{true, false, false}, std::tuple{false, true, false}, std::tuple{false, false, true}}) {
        QFile::remove(trayAutostartPath());
        EXPECT_EQ(updateTrayAutostart(moon, fish, alarm, QStringLiteral("/opt/biteclock/Bitetray")), true);
        EXPECT_EQ(readFile(trayAutostartPath()),
                  QStringLiteral("[Desktop Entry]\n"
                                 "Type=Application\n"
                                 "Name=Bitetray\n"
                                 "Comment=Moon phase and fishing prediction in "
                                 "the notification area\n"
                                 "Exec=/opt/biteclock/Bitetray\n"
                                 "Terminal=false\n"
                                 "X-GNOME-Autostart-enabled=true\n"));
    }
}

TEST_F(TrayAutostartTest, NothingWantedRemovesTheEntry) {
    ASSERT_EQ(updateTrayAutostart(true, true, false, QStringLiteral("/usr/bin/Bitetray")), true);
    ASSERT_EQ(QFileInfo::exists(trayAutostartPath()), true);
    EXPECT_EQ(updateTrayAutostart(false, false, false, QStringLiteral("/usr/bin/Bitetray")), true);
    EXPECT_EQ(QFileInfo::exists(trayAutostartPath()), false);
    // Removing an entry that is not there is no failure.
    EXPECT_EQ(updateTrayAutostart(false, false, false, QStringLiteral("/usr/bin/Bitetray")), true);
}

TEST_F(TrayAutostartTest, ExecQuotesPathsWithBlanksAndSpecialCharacters) {
    EXPECT_EQ(
        trayAutostartEntry(QStringLiteral("/home/ann/My Apps/Bitetray")).section(QLatin1Char('\n'), 4, 4),
        QStringLiteral("Exec=\"/home/ann/My Apps/Bitetray\""));
    EXPECT_EQ(trayAutostartEntry(QStringLiteral("/opt/$x/100%/a\"b")).section(QLatin1Char('\n'), 4, 4),
              QStringLiteral("Exec=\"/opt/\\\\$x/100%%/a\\\\\"b\""));
}

TEST_F(TrayAutostartTest, ANewlineInThePathCannotAddLinesToTheEntry) {
    const QString entry = trayAutostartEntry(QStringLiteral("/tmp/a\nHidden=true/Bitetray"));
    EXPECT_EQ(entry.count(QLatin1Char('\n')), 7);
    EXPECT_EQ(entry.contains(QStringLiteral("\nHidden=true")), false);
}

} // namespace
