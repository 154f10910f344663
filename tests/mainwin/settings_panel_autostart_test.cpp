// The settings panel keeps the tray companion's log-on entry in step with the icons and the alarm.
#include "tray_autostart.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

class SettingsPanelAutostartTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Every window test runs with XDG_CONFIG_HOME in its temporary folder.
        ASSERT_TRUE(
            trayAutostartPath().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME") + QLatin1Char('/')));
        ASSERT_FALSE(trayAutostartPath().startsWith(QDir::homePath() + QStringLiteral("/.config/")));
        QFile::remove(trayAutostartPath());
    }

    void storeTrayChoice(const char* moon, const char* fish, const char* alarm) {
        for (const auto& [key, value] :
             {std::pair{"showmoon", moon}, {"showfish", fish}, {"runalarm", alarm}}) {
            store.write(SettingsStore::kShared, SettingsStore::kSettings, QLatin1String(key),
                        QLatin1String(value));
        }
    }

    static void writeOldEntry() {
        QDir().mkpath(QFileInfo(trayAutostartPath()).absolutePath());
        QFile file(trayAutostartPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old entry\n");
    }

    static QString entryText() {
        QFile file(trayAutostartPath());
        if (!file.open(QIODevice::ReadOnly)) {
            return QStringLiteral("<missing>");
        }
        return QString::fromUtf8(file.readAll());
    }
};

TEST_F(SettingsPanelAutostartTest, RefreshesWithTheSameChoiceLeaveTheEntryAlone) {
    storeHome();
    storeTrayChoice("1", "1", "False");
    writeOldEntry();
    MainWindow& w = open();
    panel().Command2_Click();
    EXPECT_EQ(w.refreshCount(), 2);
    EXPECT_EQ(entryText(), QStringLiteral("old entry\n"));
}

TEST_F(SettingsPanelAutostartTest, NoIconsAndNoAlarmRemoveTheEntry) {
    storeHome();
    storeTrayChoice("1", "1", "True");
    writeOldEntry();
    open();
    EXPECT_EQ(entryText(), QStringLiteral("old entry\n"));
    panel().Check1->setChecked(false);
    panel().Check2->setChecked(false);
    panel().Option2->click();
    panel().Command2_Click();
    EXPECT_EQ(shared("showmoon"), QStringLiteral("0"));
    EXPECT_EQ(shared("showfish"), QStringLiteral("0"));
    EXPECT_EQ(shared("runalarm"), QStringLiteral("False"));
    EXPECT_FALSE(QFileInfo::exists(trayAutostartPath()));
}

TEST_F(SettingsPanelAutostartTest, TickingOneIconWritesTheEntry) {
    storeHome();
    storeTrayChoice("0", "0", "False");
    open();
    EXPECT_FALSE(QFileInfo::exists(trayAutostartPath()));
    panel().Check2->setChecked(true);
    panel().Command4_Click();
    EXPECT_EQ(shared("showfish"), QStringLiteral("1"));
    EXPECT_EQ(entryText(), trayAutostartEntry(trayExecutableFrom(QCoreApplication::applicationDirPath())));
}

TEST_F(SettingsPanelAutostartTest, TheAlarmAloneWritesTheEntry) {
    storeHome();
    storeTrayChoice("0", "0", "False");
    open();
    panel().Option1->click();
    panel().Command2_Click();
    EXPECT_EQ(shared("runalarm"), QStringLiteral("True"));
    EXPECT_TRUE(entryText().startsWith(QStringLiteral("[Desktop Entry]\n")));
}

TEST_F(SettingsPanelAutostartTest, AFirstStoreOfThePanelWritesTheEntry) {
    storeHome();
    open();
    // Nothing of the three was stored before: the defaults show both icons.
    EXPECT_EQ(shared("showmoon"), QStringLiteral("1"));
    EXPECT_TRUE(entryText().startsWith(QStringLiteral("[Desktop Entry]\n")));
}

TEST(TrayExecutable, BuildTreeThenProgramFolderThenTheSearchPath) {
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("apps/biteclock"));
    ASSERT_TRUE(QDir().mkpath(program));
    EXPECT_EQ(trayExecutableFrom(program), QStringLiteral("Bitetray"));

    QFile beside(program + QStringLiteral("/Bitetray"));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    ASSERT_TRUE(beside.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(trayExecutableFrom(program), program + QStringLiteral("/Bitetray"));

    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("apps/tray"))));
    QFile built(root.filePath(QStringLiteral("apps/tray/Bitetray")));
    ASSERT_TRUE(built.open(QIODevice::WriteOnly));
    built.close();
    ASSERT_TRUE(built.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(trayExecutableFrom(program), root.filePath(QStringLiteral("apps/tray/Bitetray")));
}

} // namespace
