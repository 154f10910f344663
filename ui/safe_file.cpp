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

// The bytes into the open temporary file, flushed and synced; false with the reason.
bool fillTemporary(int fd, QByteArrayView bytes, QString& reason) {
    {
        // Unbuffered: a write cut short by a full disk returns the bytes it took without an error,
        // and only the next write, made at once by writeAllAndFlush(), tells why.
        QFile file;
        if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
            reason = file.errorString();
            return false;
        }
        if (!writeAllAndFlush(file, bytes, reason)) {
            return false;
        }
    }
    // A file system that cannot sync this file (EINVAL) has nothing more to write out.
    if (::fdatasync(fd) != 0 && errno != EINVAL) {
        reason = systemError(errno);
        return false;
    }
    return true;
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

SafeFileResult writeFileSafely(const QByteArray& nativePath, QByteArrayView bytes) {
    SafeFileResult result;
    if (nativePath.isEmpty() || nativePath.contains('\0')) {
        result.reason = QStringLiteral("The file name is empty or holds a zero byte.");
        return result;
    }
    QByteArray target = nativePath;
    bool replacing = false;
    mode_t mode = 0;
    struct stat entry {};
    if (::lstat(target.constData(), &entry) == 0) {
        struct stat file {};
        if (::stat(target.constData(), &file) != 0 || !S_ISREG(file.st_mode)) {
            result.notRegularFile = true;
            result.reason = QStringLiteral("It is not a regular file.");
            return result;
        }
        if (S_ISLNK(entry.st_mode)) {
            const std::unique_ptr<char, decltype(&std::free)> real(::realpath(target.constData(), nullptr),
                                                                   &std::free);
            if (!real) {
                result.reason = systemError(errno);
                return result;
            }
            target = QByteArray(real.get());
        }
        replacing = true;
        mode = file.st_mode & 0777;
    } else if (errno != ENOENT) {
        result.reason = systemError(errno);
        return result;
    }

    QByteArray temporary;
    const int fd = openTemporary(target, temporary);
    if (fd < 0) {
        result.reason = systemError(errno);
        return result;
    }
    if (replacing) {
        // As QSaveFile does: the replaced file keeps its permissions where they can be set.
        static_cast<void>(::fchmod(fd, mode));
    }
    QString reason;
    bool ok = fillTemporary(fd, bytes, reason);
    if (::close(fd) != 0 && errno != EINTR && ok) {
        ok = false;
        reason = systemError(errno);
    }
    if (ok && ::rename(temporary.constData(), target.constData()) != 0) {
        ok = false;
        reason = systemError(errno);
    }
    if (!ok) {
        ::unlink(temporary.constData());
        result.reason = reason;
        return result;
    }
    result.written = true;
    return result;
}

SafeFileResult writeFileSafely(const QString& path, QByteArrayView bytes) {
    return writeFileSafely(QFile::encodeName(path), bytes);
}

QString safeFileError(const QString& path, const SafeFileResult& result) {
    return QStringLiteral("%1 could not be written: %2").arg(path, result.reason);
}
