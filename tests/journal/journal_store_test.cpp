#include "file_size_limit.h"
#include "journal_file.h"
#include "journal_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using biteclock::JournalEntry;
using Status = JournalStore::ReadStatus;

namespace {

JournalEntry trip(const std::string& notes) {
    JournalEntry e;
    e.day = "12";
    e.month = "3";
    e.year = "1999";
    e.notes = notes;
    e.windDirection = "North";
    return e;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class JournalStoreTest : public ::testing::Test {
protected:
    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/journal");
    JournalStore store{folder};
};

} // namespace

// --- Names ---

TEST_F(JournalStoreTest, FilesAreNamedJourNumberDat) {
    EXPECT_EQ(JournalStore::fileName(1), QStringLiteral("jour1.dat"));
    EXPECT_EQ(JournalStore::fileName(32767), QStringLiteral("jour32767.dat"));
    EXPECT_EQ(store.filePath(2), folder + QStringLiteral("/jour2.dat"));
}

// --- Saving and reading ---

TEST_F(JournalStoreTest, SaveCreatesTheFolderAndWritesTheFile) {
    const auto saved = store.save(1, trip("first"));
    EXPECT_TRUE(saved.saved) << saved.error.toStdString();
    const std::string expected = biteclock::writeJournalFile(trip("first"));
    EXPECT_EQ(contents(store.filePath(1)), QByteArray::fromStdString(expected));
}

TEST_F(JournalStoreTest, ReadGivesBackWhatWasSaved) {
    ASSERT_TRUE(store.save(3, trip("a \"quoted\", two-line\r\nnote \xC3\xA9")).saved);
    const auto read = store.read(3);
    EXPECT_EQ(read.status, Status::Read);
    EXPECT_EQ(read.entry, trip("a \"quoted\", two-line\r\nnote \xC3\xA9"));
}

TEST_F(JournalStoreTest, SaveReplacesTheWholeFile) {
    ASSERT_TRUE(store.save(1, trip(std::string(5000, 'x'))).saved);
    ASSERT_TRUE(store.save(1, trip("short")).saved);
    EXPECT_EQ(contents(store.filePath(1)),
              QByteArray::fromStdString(biteclock::writeJournalFile(trip("short"))));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("jour1.dat")});
}

TEST_F(JournalStoreTest, MissingFileIsTheEndOfTheJournal) {
    EXPECT_EQ(store.read(1).status, Status::Missing);
    EXPECT_EQ(store.lastEntryNumber(), 0);
}

TEST_F(JournalStoreTest, LastEntryNumberCountsOnlyEntryFiles) {
    ASSERT_TRUE(store.save(2, trip("")).saved);
    ASSERT_TRUE(store.save(10, trip("")).saved);
    writeBytes(folder + QStringLiteral("/jour077.dat"), "x");
    writeBytes(folder + QStringLiteral("/jour99999.dat"), "x");
    writeBytes(folder + QStringLiteral("/journal.dat"), "x");
    EXPECT_EQ(store.lastEntryNumber(), 10);
}

// --- Files that are not what they should be ---

TEST_F(JournalStoreTest, TruncatedFileReadsAsFarAsItGoesAndIsLeftAlone) {
    QDir().mkpath(folder);
    const QByteArray cut = QByteArray::fromStdString(biteclock::writeJournalFile(trip("kept"))).left(60);
    writeBytes(store.filePath(1), cut);
    const auto read = store.read(1);
    EXPECT_EQ(read.status, Status::Damaged);
    EXPECT_EQ(read.entry.day, "12");
    EXPECT_EQ(read.entry.notes, "kept");
    EXPECT_EQ(contents(store.filePath(1)), cut);
}

TEST_F(JournalStoreTest, HugeFileIsReadOnlyToOneMegabyte) {
    QDir().mkpath(folder);
    QByteArray huge = QByteArray::fromStdString(biteclock::writeJournalFile(trip("start")));
    huge += QByteArray(3 * 1024 * 1024, 'z');
    writeBytes(store.filePath(4), huge);
    const auto read = store.read(4);
    EXPECT_EQ(read.status, Status::TooLarge);
    EXPECT_EQ(read.entry.notes, "start");
    EXPECT_EQ(contents(store.filePath(4)).size(), huge.size());
}

TEST_F(JournalStoreTest, FolderUnderTheEntrysNameIsUnreadable) {
    QDir().mkpath(store.filePath(5));
    const auto read = store.read(5);
    EXPECT_EQ(read.status, Status::Unreadable);
    EXPECT_FALSE(read.error.isEmpty());
}

TEST_F(JournalStoreTest, OlderWindows1252FileReads) {
    QDir().mkpath(folder);
    writeBytes(store.filePath(1), "\"Date:\",\"1\",\"2\",\"1998\"\r\n\"Notes:\",\"18\xB0 caf\xE9\"\r\n");
    const auto read = store.read(1);
    EXPECT_EQ(read.entry.notes, "18\xC2\xB0 caf\xC3\xA9");
}

// --- Failures ---

TEST_F(JournalStoreTest, FolderThatCannotBeCreatedIsReported) {
    writeBytes(temp.path() + QStringLiteral("/blocker"), "x");
    const JournalStore blocked(temp.path() + QStringLiteral("/blocker/journal"));
    const auto saved = blocked.save(1, trip("lost?"));
    EXPECT_FALSE(saved.saved);
    EXPECT_FALSE(saved.error.isEmpty());
}

TEST_F(JournalStoreTest, FullDiskDuringSaveLeavesThePreviousVersionWhole) {
    ASSERT_TRUE(store.save(1, trip("the old trip")).saved);
    const QByteArray before = contents(store.filePath(1));
    JournalStore::SaveResult saved;
    {
        const FileSizeLimit limit(200);
        saved = store.save(1, trip(std::string(4000, 'n')));
    }
    EXPECT_FALSE(saved.saved);
    EXPECT_FALSE(saved.error.isEmpty());
    EXPECT_EQ(contents(store.filePath(1)), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("jour1.dat")})
        << "no temporary file is left behind";
}
