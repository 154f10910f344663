#include "file_move.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

FileMoveResult failure(int code) {
    FileMoveResult result;
    result.targetTaken = code == EEXIST;
    result.reason = QString::fromLocal8Bit(std::strerror(code));
    return result;
}

} // namespace

FileMoveResult moveFileWithoutReplacing(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
        return {true, false, {}};
    }
    const int renameError = errno;
    // File systems without the no-replace rename: a second name, which is refused when taken, and
    // then the first name removed.
    if (renameError != EINVAL && renameError != ENOSYS && renameError != ENOTSUP) {
        return failure(renameError);
    }
    if (::link(source.constData(), target.constData()) != 0) {
        return failure(errno);
    }
    if (::unlink(source.constData()) != 0) {
        const int unlinkError = errno;
        ::unlink(target.constData());
        return failure(unlinkError);
    }
    return {true, false, {}};
}
