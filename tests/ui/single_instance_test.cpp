// One running copy: a later copy hands over to the first and ends.
#include "single_instance.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <gtest/gtest.h>

namespace {

/// Runs a later copy's hand-over on its own thread while this one answers, as two processes would.
bool handOverFromAnotherCopy(const QString& socket) {
    std::future<bool> done =
        std::async(std::launch::async, [socket] { return SingleInstance(socket).handOver(); });
    while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
    return done.get();
}

TEST(SingleInstanceTest, ALaterCopyAsksTheFirstToComeForward) {
    QTemporaryDir dir;
    const QString socket = dir.filePath(QStringLiteral("Biteclock.socket"));
    SingleInstance first(socket);
    EXPECT_FALSE(first.handOver(200)); // nobody runs yet
    ASSERT_TRUE(first.listen());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    EXPECT_TRUE(handOverFromAnotherCopy(socket));
    EXPECT_EQ(raised.count(), 1);
    EXPECT_TRUE(handOverFromAnotherCopy(socket));
    EXPECT_EQ(raised.count(), 2);
}

TEST(SingleInstanceTest, ASocketNobodyAnswersOnIsReplaced) {
    QTemporaryDir dir;
    const QString socket = dir.filePath(QStringLiteral("Biteclock.socket"));
    {
        // A copy that ended without closing its socket, or one that accepts and never answers.
        QLocalServer stale;
        ASSERT_TRUE(stale.listen(socket));
        SingleInstance later(socket);
        EXPECT_FALSE(later.handOver(300));
    }
    SingleInstance next(socket);
    ASSERT_TRUE(next.listen());
    QSignalSpy raised(&next, &SingleInstance::raiseRequested);
    EXPECT_TRUE(handOverFromAnotherCopy(socket));
    EXPECT_EQ(raised.count(), 1);
}

TEST(SingleInstanceTest, TheSocketIsTheUsersOwnInTheRuntimeFolder) {
    const QString path = SingleInstance::defaultSocketPath(QStringLiteral("Biteclock"));
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/')))
        << path.toStdString();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Biteclock.socket")));
}

TEST(SingleInstanceTest, ASecondStartOfTheProgramEndsAndTheFirstRunsOn) {
    const QString socket = SingleInstance::defaultSocketPath(QStringLiteral("Biteclock"));
    QProcess first;
    first.start(QStringLiteral(BITECLOCK_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted());
    for (int i = 0; i < 200 && !QFileInfo::exists(socket); ++i) {
        QTest::qWait(25);
    }
    ASSERT_TRUE(QFileInfo::exists(socket));

    QProcess second;
    second.start(QStringLiteral(BITECLOCK_PROGRAM), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished();
    }
}

} // namespace
