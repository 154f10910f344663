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

TEST_F(MainProgramPathTest, TheStoredDefaultFallsBackToTheCompanionsFolder) {
    makeProgram(env.path(QStringLiteral("tray/Biteclock")));
    EXPECT_EQ(
        mainProgramFolder(QStringLiteral("c:\\program files\\Biteclock"), env.path(QStringLiteral("tray"))),
        env.path(QStringLiteral("tray")));
    EXPECT_EQ(
        mainProgramPath(QStringLiteral("c:\\program files\\Biteclock"), env.path(QStringLiteral("tray"))),
        env.path(QStringLiteral("tray/Biteclock")));
    EXPECT_EQ(mainProgramPath(QString(), env.path(QStringLiteral("tray"))),
              env.path(QStringLiteral("tray/Biteclock")));
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
