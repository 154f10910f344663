// The companion's log-on entry.
#include "file_size_limit.h"
#include "tray_autostart.h"
#include "tray_test_environment.h"

#include <QDir>
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

TEST_F(TrayAutostartTest, AFailedWriteNamesTheFileAndKeepsTheOldEntry) {
    ASSERT_EQ(updateTrayAutostart(true, true, false, QStringLiteral("/usr/bin/Bitetray")), true);
    const QString before = readFile(trayAutostartPath());
    QString error;
    {
        // A longer entry than the file size limit allows: as on a full disk.
        const FileSizeLimit limit(64);
        EXPECT_EQ(updateTrayAutostart(true, true, false, QStringLiteral("/opt/a/much/longer/path/Bitetray"),
                                      &error),
                  false);
    }
    EXPECT_EQ(error, trayAutostartPath() + QStringLiteral(" could not be written: File too large"))
        << error.toStdString();
    EXPECT_EQ(readFile(trayAutostartPath()), before);
    EXPECT_EQ(QDir(QFileInfo(trayAutostartPath()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Bitetray.desktop")});
}

TEST_F(TrayAutostartTest, AFolderUnderTheEntrysNameIsNotReplaced) {
    ASSERT_TRUE(QDir().mkpath(trayAutostartPath()));
    QString error;
    EXPECT_EQ(updateTrayAutostart(false, true, false, QStringLiteral("/usr/bin/Bitetray"), &error), false);
    EXPECT_EQ(error,
              trayAutostartPath() + QStringLiteral(" could not be written: It is not a regular file."));
    EXPECT_TRUE(QFileInfo(trayAutostartPath()).isDir());
}

} // namespace
