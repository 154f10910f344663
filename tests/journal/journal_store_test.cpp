#include "file_bytes.h"
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

using test_files::contents;
using test_files::writeBytes;

JournalEntry trip(const std::string& notes) {
    JournalEntry e;
    e.day = "12";
    e.month = "3";
    e.year = "1999";
    e.notes = notes;
    e.windDirection = "North";
    return e;
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

// --- Deleting and undoing ---

namespace {

// Bytes no writer of the journal would make: Windows-1252, a cut-off quote, a NUL and no line end.
const QByteArray kOddBytes("\"Date:\",\"1\",\"2\",\"1999\"\r\n\"Notes:\",\"caf\xE9 \"\"x\0y", 36);

} // namespace

TEST_F(JournalStoreTest, DeleteMovesTheFileByteForByteIntoTheDeletedFolder) {
    ASSERT_TRUE(QDir().mkpath(folder));
    writeBytes(store.filePath(4), kOddBytes);
    const auto moved = store.moveToDeleted(4);
    ASSERT_TRUE(moved.moved) << moved.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(store.filePath(4)));
    EXPECT_EQ(moved.deletedPath, folder + QStringLiteral("/deleted/jour4.dat"));
    EXPECT_EQ(contents(moved.deletedPath), kOddBytes);
    EXPECT_EQ(store.read(4).status, Status::Missing);
    EXPECT_EQ(store.lastEntryNumber(), 0) << "the deleted folder's files are not entries";
}

TEST_F(JournalStoreTest, UndoPutsTheSameBytesBackUnderTheEntrysNumber) {
    ASSERT_TRUE(QDir().mkpath(folder));
    writeBytes(store.filePath(4), kOddBytes);
    const auto moved = store.moveToDeleted(4);
    ASSERT_TRUE(moved.moved);
    const auto restored = store.restoreDeleted(4, moved.deletedPath);
    ASSERT_TRUE(restored.moved) << restored.error.toStdString();
    EXPECT_EQ(contents(store.filePath(4)), kOddBytes);
    EXPECT_FALSE(QFileInfo::exists(moved.deletedPath));
}

// Deleting entry 3 three times (saved again in between) keeps all three files, each under its own name.
TEST_F(JournalStoreTest, ANameTakenInTheDeletedFolderGetsAnotherOne) {
    QStringList paths;
    for (const char* notes : {"first", "second", "third"}) {
        ASSERT_TRUE(store.save(3, trip(notes)).saved);
        const auto moved = store.moveToDeleted(3);
        ASSERT_TRUE(moved.moved) << moved.error.toStdString();
        paths << moved.deletedPath;
    }
    EXPECT_EQ(paths, (QStringList{folder + QStringLiteral("/deleted/jour3.dat"),
                                  folder + QStringLiteral("/deleted/jour3-2.dat"),
                                  folder + QStringLiteral("/deleted/jour3-3.dat")}));
    EXPECT_EQ(store.read(3).status, Status::Missing);
    const QStringList notes{QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(biteclock::readJournalFile(contents(paths[i]).toStdString()).entry.notes,
                  notes[i].toStdString());
    }
    // The second one back: the others stay where they are.
    ASSERT_TRUE(store.restoreDeleted(3, paths[1]).moved);
    EXPECT_EQ(store.read(3).entry.notes, "second");
    EXPECT_TRUE(QFileInfo::exists(paths[0]));
    EXPECT_TRUE(QFileInfo::exists(paths[2]));
}

TEST_F(JournalStoreTest, UndoIsRefusedWhenTheNumberHasAFileAgain) {
    ASSERT_TRUE(store.save(2, trip("deleted one")).saved);
    const auto moved = store.moveToDeleted(2);
    ASSERT_TRUE(moved.moved);
    ASSERT_TRUE(store.save(2, trip("new one")).saved);
    const QByteArray newer = contents(store.filePath(2));
    const QByteArray older = contents(moved.deletedPath);

    const auto restored = store.restoreDeleted(2, moved.deletedPath);
    EXPECT_FALSE(restored.moved);
    EXPECT_TRUE(restored.error.contains(QStringLiteral("has a file again"))) << restored.error.toStdString();
    EXPECT_EQ(contents(store.filePath(2)), newer);
    EXPECT_EQ(contents(moved.deletedPath), older);
}

// Undo brings back only what delete put away: nothing from elsewhere is moved into the journal.
TEST_F(JournalStoreTest, UndoTakesOnlyFilesOfTheDeletedFolder) {
    ASSERT_TRUE(store.save(1, trip("kept")).saved);
    const QString outside = temp.path() + QStringLiteral("/elsewhere.dat");
    writeBytes(outside, "\"Date:\"");
    for (const QString& path :
         {outside, folder + QStringLiteral("/jour1.dat"), folder + QStringLiteral("/deleted/../jour1.dat"),
          folder + QStringLiteral("/deleted/missing.dat"), folder + QStringLiteral("/deleted")}) {
        const auto restored = store.restoreDeleted(5, path);
        EXPECT_FALSE(restored.moved) << path.toStdString();
        EXPECT_FALSE(restored.error.isEmpty());
    }
    EXPECT_TRUE(QFileInfo::exists(outside));
    EXPECT_EQ(store.read(5).status, Status::Missing);
    EXPECT_EQ(store.read(1).entry.notes, "kept");
}

TEST_F(JournalStoreTest, DeletingWhatIsNotThereOrNotAFileIsRefused) {
    const auto none = store.moveToDeleted(9);
    EXPECT_FALSE(none.moved);
    EXPECT_FALSE(none.error.isEmpty());
    ASSERT_TRUE(QDir().mkpath(store.filePath(6)));
    const auto folderEntry = store.moveToDeleted(6);
    EXPECT_FALSE(folderEntry.moved);
    EXPECT_TRUE(QFileInfo(store.filePath(6)).isDir());
}

// A deleted folder that cannot be made (a file holds its name) leaves the entry where it is.
TEST_F(JournalStoreTest, DeleteFailsWholeWhenTheDeletedFolderCannotBeMade) {
    ASSERT_TRUE(store.save(1, trip("stays")).saved);
    writeBytes(store.deletedFolder(), "not a folder");
    const auto moved = store.moveToDeleted(1);
    EXPECT_FALSE(moved.moved);
    EXPECT_FALSE(moved.error.isEmpty());
    EXPECT_EQ(store.read(1).entry.notes, "stays");
}
