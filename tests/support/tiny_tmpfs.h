#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <sys/mount.h>

/// A file system of 64 KB mounted on a temporary folder while it lives: the real thing for a full
/// disk. Mounting needs the superuser (or a user namespace); mounted() says whether it worked, and
/// tests skip when it did not.
class TinyTmpfs {
public:
    TinyTmpfs() {
        const QByteArray where = QFile::encodeName(dir_.path());
        mounted_ = dir_.isValid() && ::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TinyTmpfs() {
        if (mounted_) {
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
        }
    }
    TinyTmpfs(const TinyTmpfs&) = delete;
    TinyTmpfs& operator=(const TinyTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    QString path() const { return dir_.path(); }
    /// The names in the folder, hidden ones included (a temporary file would be one).
    QStringList entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};
