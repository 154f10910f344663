// Writing a file whole or not at all: a full disk, a device that fails part way, names that are not
// regular files, links, and names that are not UTF-8.
#include "file_size_limit.h"
#include "safe_file.h"
#include "tiny_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// Read by the name's own bytes: QFile would turn a name that is not UTF-8 into another one.
QByteArray contents(const QByteArray& nativePath) {
    std::ifstream in(nativePath.toStdString(), std::ios::binary);
    if (!in) {
        return "<unreadable>";
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return QByteArray::fromStdString(bytes.str());
}

QByteArray contents(const QString& path) {
    return contents(QFile::encodeName(path));
}

void writePlain(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// A device that takes `accepted` bytes and then fails, as a disk that fills up does.
class FailingDevice final : public QIODevice {
public:
    explicit FailingDevice(qint64 accepted)
        : accepted_(accepted) {
        open(QIODevice::WriteOnly);
    }
    QByteArray taken;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = accepted_ - taken.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on the test device"));
            return -1;
        }
        const qint64 n = std::min(room, size);
        taken.append(data, n);
        return n;
    }

private:
    qint64 accepted_;
};

class SafeFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    const QByteArray big = QByteArray(200 * 1024, 'x');
};

} // namespace

TEST_F(SafeFileTest, ANewFileAndAReplacedOneKeepingItsPermissions) {
    const mode_t previous = ::umask(022);
    const SafeFileResult first = writeFileSafely(path(QStringLiteral("a.txt")), QByteArrayView("first"));
    ::umask(previous);
    ASSERT_TRUE(first.written) << first.reason.toStdString();
    EXPECT_EQ(contents(path(QStringLiteral("a.txt"))), "first");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path(QStringLiteral("a.txt"))).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);

    ASSERT_EQ(::chmod(QFile::encodeName(path(QStringLiteral("a.txt"))).constData(), 0600), 0);
    ASSERT_TRUE(writeFileSafely(path(QStringLiteral("a.txt")), QByteArrayView("second")).written);
    EXPECT_EQ(contents(path(QStringLiteral("a.txt"))), "second");
    ASSERT_EQ(::stat(QFile::encodeName(path(QStringLiteral("a.txt"))).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("a.txt")});
}

TEST_F(SafeFileTest, ADeviceThatFailsPartWayIsReportedWithItsErrorString) {
    FailingDevice device(1000);
    QString reason;
    EXPECT_FALSE(writeAllAndFlush(device, big, reason));
    EXPECT_EQ(reason, QStringLiteral("No space left on the test device"));
    EXPECT_EQ(device.taken.size(), 1000);

    FailingDevice roomy(big.size());
    EXPECT_TRUE(writeAllAndFlush(roomy, big, reason));
    EXPECT_EQ(roomy.taken, big);
}

TEST_F(SafeFileTest, AFullTmpfsLeavesTheOldFileAndNoTemporaryFile) {
    const TinyTmpfs disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs the superuser)";
    }
    const QString target = disk.filePath(QStringLiteral("cal.pdf"));
    ASSERT_TRUE(writeFileSafely(target, QByteArrayView("the old calendar")).written);
    const SafeFileResult result = writeFileSafely(target, big);
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.notRegularFile);
    EXPECT_EQ(result.reason, QStringLiteral("No space left on device"));
    EXPECT_EQ(contents(target), "the old calendar");
    EXPECT_EQ(disk.entries(), QStringList{QStringLiteral("cal.pdf")});
    EXPECT_EQ(safeFileError(target, result),
              target + QStringLiteral(" could not be written: No space left on device"));
}

TEST_F(SafeFileTest, AFileSizeLimitActsAsAFullDiskAnywhere) {
    const QString target = path(QStringLiteral("entry.dat"));
    ASSERT_TRUE(writeFileSafely(target, QByteArrayView("old")).written);
    SafeFileResult result;
    {
        const FileSizeLimit limit(4096);
        result = writeFileSafely(target, big);
    }
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.reason, QStringLiteral("File too large"));
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("entry.dat")});
}

TEST_F(SafeFileTest, AFileWrittenInPiecesAppearsOnlyWhenFinished) {
    const QString target = path(QStringLiteral("fishing.ics"));
    ASSERT_TRUE(writeFileSafely(target, QByteArrayView("the old calendar")).written);
    {
        SafeFileWriter writer(target);
        EXPECT_TRUE(writer.write(QByteArrayView("BEGIN:VCALENDAR\r\n")));
        EXPECT_TRUE(writer.write(QByteArrayView("END:VCALENDAR\r\n")));
        // Not finished: left behind, it is removed and the old file stays.
        EXPECT_EQ(entries(dir.path()).size(), 2);
        EXPECT_EQ(contents(target), "the old calendar");
    }
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("fishing.ics")});
    EXPECT_EQ(contents(target), "the old calendar");

    SafeFileWriter writer(target);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(writer.write(QByteArrayView("0123456789")));
    }
    ASSERT_TRUE(writer.finish().written);
    EXPECT_EQ(contents(target), QByteArray("0123456789").repeated(1000));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("fishing.ics")});

    // A piece that fails ends the writing; finishing then tells why and keeps the old file.
    SafeFileResult result;
    {
        const FileSizeLimit limit(4096);
        SafeFileWriter limited(target);
        EXPECT_TRUE(limited.write(QByteArrayView("small")));
        EXPECT_FALSE(limited.write(big));
        EXPECT_FALSE(limited.write(QByteArrayView("more")));
        result = limited.finish();
    }
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.reason, QStringLiteral("File too large"));
    EXPECT_EQ(contents(target), QByteArray("0123456789").repeated(1000));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("fishing.ics")});
}

TEST_F(SafeFileTest, NamesTakenByAnythingButARegularFileAreRefusedAndLeftAlone) {
    const QString fifo = path(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString folder = path(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString linkToFifo = path(QStringLiteral("link-to-fifo"));
    ASSERT_TRUE(QFile::link(fifo, linkToFifo));
    const QString dangling = path(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("nothing")), dangling));
    QStringList refused = {fifo, folder, linkToFifo, dangling};
    // A device node of its own (the null device's numbers), never one under /dev.
    const QString device = path(QStringLiteral("device"));
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        refused.append(device);
    }
    for (const QString& name : refused) {
        const SafeFileResult result = writeFileSafely(name, QByteArrayView("%PDF-"));
        EXPECT_FALSE(result.written) << name.toStdString();
        EXPECT_TRUE(result.notRegularFile) << name.toStdString();
        EXPECT_EQ(result.reason, QStringLiteral("It is not a regular file.")) << name.toStdString();
    }
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QFileInfo(linkToFifo).isSymLink());
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("nothing"))));
    EXPECT_TRUE(QDir(folder).isEmpty());
}

TEST_F(SafeFileTest, ALinkToAFileIsWrittenThroughAndStaysALink) {
    const QString real = path(QStringLiteral("real.pdf"));
    writePlain(real, "old");
    const QString link = path(QStringLiteral("link.pdf"));
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(writeFileSafely(link, QByteArrayView("new")).written);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contents(real), "new");
}

TEST_F(SafeFileTest, ANameThatIsNotUtf8IsWrittenByteForByte) {
    const QByteArray name = QFile::encodeName(dir.path()) + "/n\xff.pdf";
    ASSERT_TRUE(writeFileSafely(name, QByteArrayView("bytes")).written);
    EXPECT_EQ(contents(name), "bytes");
    struct stat info {};
    EXPECT_EQ(::stat(name.constData(), &info), 0) << "the file has exactly the name given";
    const QByteArray replaced = QFile::encodeName(dir.path()) + "/n\xef\xbf\xbd.pdf";
    EXPECT_NE(::stat(replaced.constData(), &info), 0) << "no file under a name with U+FFFD";
    ::unlink(name.constData()); // QTemporaryDir could not remove it by its name
}

TEST_F(SafeFileTest, AMissingFolderOrAnEmptyNameIsAFailureWithAReason) {
    const SafeFileResult missing =
        writeFileSafely(path(QStringLiteral("no/such/a.txt")), QByteArrayView("x"));
    EXPECT_FALSE(missing.written);
    EXPECT_EQ(missing.reason, QStringLiteral("No such file or directory"));
    const SafeFileResult empty = writeFileSafely(QByteArray(), QByteArrayView("x"));
    EXPECT_FALSE(empty.written);
    EXPECT_FALSE(empty.reason.isEmpty());
    EXPECT_TRUE(entries(dir.path()).isEmpty());
}
