// Where "Run Biteclock" looks for the main program.
#include "main_program_path.h"
#include "tray_test_environment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class MainProgramPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QDir().mkpath(env.path(QStringLiteral("main"))), true);
        ASSERT_EQ(QDir().mkpath(env.path(QStringLiteral("tray"))), true);
    }

    static void makeProgram(const QString& path) {
        QFile file(path);
        ASSERT_EQ(file.open(QIODevice::WriteOnly), true);
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    TrayTestEnvironment env;
};

TEST_F(MainProgramPathTest, TheStoredFolderComesFirst) {
    makeProgram(env.path(QStringLiteral("main/Biteclock")));
    makeProgram(env.path(QStringLiteral("tray/Biteclock")));
    EXPECT_EQ(mainProgramPath(env.path(QStringLiteral("main")), env.path(QStringLiteral("tray"))),
              env.path(QStringLiteral("main/Biteclock")));
}

TEST_F(MainProgramPathTest, ARelativeOrMissingStoredFolderFallsBackToTheCompanionsFolder) {
    makeProgram(env.path(QStringLiteral("tray/Biteclock")));
    const QString tray = env.path(QStringLiteral("tray"));
    // A relative text would depend on the folder the companion was started in: refused even where
    // it names an existing folder ("main" from the test's own folder).
    const QString startedIn = QDir::currentPath();
    ASSERT_EQ(QDir::setCurrent(env.path(QString())), true);
    for (const QString& stored :
         {QStringLiteral("main"), env.path(QStringLiteral("gone")), QString(), QStringLiteral("   ")}) {
        EXPECT_EQ(mainProgramFolder(stored, tray), tray) << stored.toStdString();
        EXPECT_EQ(mainProgramPath(stored, tray), env.path(QStringLiteral("tray/Biteclock")))
            << stored.toStdString();
    }
    QDir::setCurrent(startedIn);
}

TEST_F(MainProgramPathTest, AStoredFolderWithoutTheProgramFallsBackToTheCompanionsFolder) {
    makeProgram(env.path(QStringLiteral("tray/Biteclock")));
    EXPECT_EQ(mainProgramPath(env.path(QStringLiteral("main")), env.path(QStringLiteral("tray"))),
              env.path(QStringLiteral("tray/Biteclock")));
}

TEST_F(MainProgramPathTest, NoProgramAnywhereNamesTheStoredFolder) {
    EXPECT_EQ(mainProgramPath(env.path(QStringLiteral("main")), env.path(QStringLiteral("tray"))),
              env.path(QStringLiteral("main/Biteclock")));
}

} // namespace
