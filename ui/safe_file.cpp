#include "safe_file.h"

#include <QFile>
#include <QFileDevice>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// QSaveFile does the same steps, but it only takes a name held as text: a name that is not valid
// UTF-8 cannot be held in one, and a command line must write exactly the name it was given. So the
// steps are taken here on the file system's own bytes.

namespace {

// The longest part of the target's name kept in the temporary name, so that the temporary name
// stays within the file system's limit for one name.
constexpr qsizetype kKeptNameBytes = 64;
constexpr int kTemporaryAttempts = 100;

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// A new file beside the target, open for writing; -1 with errno set when none could be made.
int openTemporary(const QByteArray& target, QByteArray& name) {
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray base = target.mid(slash + 1).left(kKeptNameBytes);
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        name = folder + '.' + base + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16) +
               ".part";
        // 0666: the kernel takes the umask off, as for any new file.
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

} // namespace

bool writeAllAndFlush(QIODevice& device, QByteArrayView bytes, QString& reason) {
    const char* data = bytes.data();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = device.write(data, left);
        if (written <= 0) {
            reason = device.errorString();
            return false;
        }
        data += written;
        left -= written;
    }
    // A buffered file device reports a full disk only when its buffer goes out.
    if (auto* file = qobject_cast<QFileDevice*>(&device); file && !file->flush()) {
        reason = file->errorString();
        return false;
    }
    return true;
}

SafeFileWriter::SafeFileWriter(const QString& path)
    : SafeFileWriter(QFile::encodeName(path)) {}

SafeFileWriter::SafeFileWriter(QByteArray nativePath)
    : target_(std::move(nativePath)) {
    failed_ = true;
    if (target_.isEmpty() || target_.contains('\0')) {
        result_.reason = QStringLiteral("The file name is empty or holds a zero byte.");
        return;
    }
    bool replacing = false;
    mode_t mode = 0;
    struct stat entry {};
    if (::lstat(target_.constData(), &entry) == 0) {
        struct stat file {};
        if (::stat(target_.constData(), &file) != 0 || !S_ISREG(file.st_mode)) {
            result_.notRegularFile = true;
            result_.reason = QStringLiteral("It is not a regular file.");
            return;
        }
        if (S_ISLNK(entry.st_mode)) {
            const std::unique_ptr<char, decltype(&std::free)> real(::realpath(target_.constData(), nullptr),
                                                                   &std::free);
            if (!real) {
                result_.reason = systemError(errno);
                return;
            }
            target_ = QByteArray(real.get());
        }
        replacing = true;
        mode = file.st_mode & 0777;
    } else if (errno != ENOENT) {
        result_.reason = systemError(errno);
        return;
    }
    fd_ = openTemporary(target_, temporary_);
    if (fd_ < 0) {
        result_.reason = systemError(errno);
        return;
    }
    if (replacing) {
        // As QSaveFile does: the replaced file keeps its permissions where they can be set.
        static_cast<void>(::fchmod(fd_, mode));
    }
    failed_ = false;
}

SafeFileWriter::~SafeFileWriter() {
    discard();
}

void SafeFileWriter::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(temporary_.constData());
    }
}

bool SafeFileWriter::write(QByteArrayView bytes) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    // A write cut short by a full disk returns the bytes it took without an error; the next one,
    // made at once, tells why.
    while (!failed_ && left > 0) {
        const ssize_t written = ::write(fd_, data, static_cast<std::size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            failed_ = true;
            result_.reason = systemError(written < 0 ? errno : ENOSPC);
            break;
        }
        data += written;
        left -= written;
    }
    return !failed_;
}

SafeFileResult SafeFileWriter::finish() {
    if (failed_) {
        discard();
        return result_;
    }
    // A file system that cannot sync this file (EINVAL) has nothing more to write out.
    bool ok = ::fdatasync(fd_) == 0 || errno == EINVAL;
    QString reason = ok ? QString() : systemError(errno);
    if (::close(fd_) != 0 && errno != EINTR && ok) {
        ok = false;
        reason = systemError(errno);
    }
    fd_ = -1;
    if (ok && ::rename(temporary_.constData(), target_.constData()) != 0) {
        ok = false;
        reason = systemError(errno);
    }
    failed_ = true; // finished: nothing more is written
    if (!ok) {
        ::unlink(temporary_.constData());
        result_.reason = reason;
        return result_;
    }
    result_.written = true;
    return result_;
}

SafeFileResult writeFileSafely(const QByteArray& nativePath, QByteArrayView bytes) {
    SafeFileWriter writer(nativePath);
    writer.write(bytes);
    return writer.finish();
}

SafeFileResult writeFileSafely(const QString& path, QByteArrayView bytes) {
    return writeFileSafely(QFile::encodeName(path), bytes);
}

QString safeFileError(const QString& path, const SafeFileResult& result) {
    return QStringLiteral("%1 could not be written: %2").arg(path, result.reason);
}
