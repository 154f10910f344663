// How each program finds the others: in the build tree when run from it, beside itself when installed.
#include "program_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProgramPathsTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return QDir::cleanPath(root.filePath(relative)); }

    // A file at `relative`, executable or not.
    void makeFile(const QString& relative, bool executable = true) const {
        const QString file = path(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("#!/bin/sh\n");
        out.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable) {
            permissions |= QFile::ExeOwner;
        }
        ASSERT_TRUE(out.setPermissions(permissions));
    }

    QTemporaryDir root;
};

TEST_F(ProgramPathsTest, TheBuiltProgramsFindOneAnotherInThisBuildTree) {
    const QString main = QFileInfo(QStringLiteral(BITECLOCK_MAIN_PROGRAM)).path();
    const QString tray = QFileInfo(QStringLiteral(BITECLOCK_TRAY_PROGRAM)).path();
    EXPECT_EQ(siblingProgramPath(Program::Bitetray, main), QStringLiteral(BITECLOCK_TRAY_PROGRAM));
    EXPECT_EQ(siblingProgramPath(Program::Biteclock, tray), QStringLiteral(BITECLOCK_MAIN_PROGRAM));
    EXPECT_EQ(siblingProgramPath(Program::Cli, main), QStringLiteral(BITECLOCK_CLI_PROGRAM));
}

TEST_F(ProgramPathsTest, InstalledProgramsAreFoundBesideTheRunningOne) {
    makeFile(QStringLiteral("usr/bin/Biteclock"));
    makeFile(QStringLiteral("usr/bin/Bitetray"));
    makeFile(QStringLiteral("usr/bin/biteclock-cli"));
    EXPECT_EQ(siblingProgramPath(Program::Bitetray, path(QStringLiteral("usr/bin"))),
              path(QStringLiteral("usr/bin/Bitetray")));
    EXPECT_EQ(siblingProgramPath(Program::Biteclock, path(QStringLiteral("usr/bin"))),
              path(QStringLiteral("usr/bin/Biteclock")));
    EXPECT_EQ(siblingProgramPath(Program::Cli, path(QStringLiteral("usr/bin/"))),
              path(QStringLiteral("usr/bin/biteclock-cli")));
}

TEST_F(ProgramPathsTest, TheBuildTreeWinsOverACopyBesideTheRunningProgram) {
    makeFile(QStringLiteral("apps/biteclock/Bitetray"));
    makeFile(QStringLiteral("apps/tray/Bitetray"));
    EXPECT_EQ(siblingProgramPath(Program::Bitetray, path(QStringLiteral("apps/biteclock"))),
              path(QStringLiteral("apps/tray/Bitetray")));
}

TEST_F(ProgramPathsTest, OnlyAnExecutableFileCounts) {
    makeFile(QStringLiteral("apps/tray/Bitetray"), false);
    makeFile(QStringLiteral("apps/biteclock/Bitetray"), false);
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("bin/Biteclock"))));
    EXPECT_EQ(siblingProgramPath(Program::Bitetray, path(QStringLiteral("apps/biteclock"))), QString());
    EXPECT_EQ(siblingProgramPath(Program::Biteclock, path(QStringLiteral("bin"))), QString());
}

TEST_F(ProgramPathsTest, NothingIsFoundFromAFolderWithoutThePrograms) {
    EXPECT_EQ(siblingProgramPath(Program::Bitetray, path(QStringLiteral("missing"))), QString());
    // An empty folder would otherwise mean the working folder.
    makeFile(QStringLiteral("Bitetray"));
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root.path()));
    EXPECT_EQ(siblingProgramPath(Program::Bitetray, QString()), QString());
    QDir::setCurrent(working);
}

} // namespace
