#include "file_bytes.h"
#include "file_move.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using test_files::contents;

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(FileMove, TheFileTakesTheNewNameWithItsBytes) {
    QTemporaryDir dir;
    const QString from = dir.filePath(QStringLiteral("a"));
    const QString to = dir.filePath(QStringLiteral("b"));
    const QByteArray bytes("one\0two\xff", 8);
    ASSERT_TRUE(write(from, bytes));
    const auto moved = moveFileWithoutReplacing(from, to);
    EXPECT_TRUE(moved.moved) << moved.reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(from));
    EXPECT_EQ(contents(to), bytes);
}

TEST(FileMove, ATakenNameIsNeverReplaced) {
    QTemporaryDir dir;
    const QString from = dir.filePath(QStringLiteral("a"));
    const QString to = dir.filePath(QStringLiteral("b"));
    ASSERT_TRUE(write(from, "mine"));
    ASSERT_TRUE(write(to, "theirs"));
    const auto moved = moveFileWithoutReplacing(from, to);
    EXPECT_FALSE(moved.moved);
    EXPECT_TRUE(moved.targetTaken);
    EXPECT_EQ(contents(from), "mine");
    EXPECT_EQ(contents(to), "theirs");

    // Nor a folder, nor a link that points nowhere.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("c")));
    EXPECT_FALSE(moveFileWithoutReplacing(from, dir.filePath(QStringLiteral("c"))).moved);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nowhere")), dir.filePath(QStringLiteral("d"))));
    EXPECT_TRUE(moveFileWithoutReplacing(from, dir.filePath(QStringLiteral("d"))).targetTaken);
    EXPECT_EQ(contents(from), "mine");
}

TEST(FileMove, AMissingFileGivesTheSystemsReason) {
    QTemporaryDir dir;
    const auto moved =
        moveFileWithoutReplacing(dir.filePath(QStringLiteral("none")), dir.filePath(QStringLiteral("b")));
    EXPECT_FALSE(moved.moved);
    EXPECT_FALSE(moved.targetTaken);
    EXPECT_FALSE(moved.reason.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("b"))));
}
