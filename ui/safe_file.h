#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

/// How writing a file went.
struct SafeFileResult {
    bool written = false;
    /// The name belongs to a folder, a pipe, a device or a link to one: refused before anything was
    /// written.
    bool notRegularFile = false;
    /// Why it was not written: the system's text for the failure (the device's errorString()).
    QString reason;
};

/// A file written in pieces, whole or not at all (see writeFileSafely): the pieces go to a new file
/// beside the target, and only finish() puts it in the target's place. An unfinished writer, when
/// it is destroyed, removes its new file and leaves the target as it was.
class SafeFileWriter {
public:
    explicit SafeFileWriter(QByteArray nativePath);
    explicit SafeFileWriter(const QString& path);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    /// Appends a piece; false once any piece could not be written (why is told by finish()).
    bool write(QByteArrayView bytes);
    /// Syncs the new file to the disk and renames it over the target; after any failure the new
    /// file is removed instead. Call once.
    SafeFileResult finish();

private:
    void discard();

    QByteArray target_;
    QByteArray temporary_;
    int fd_ = -1;
    SafeFileResult result_;
    bool failed_ = false;
};

/// Writes `bytes` as the file `nativePath` (the file system's own bytes, kept exactly as given) whole or
/// not at all. The bytes go to a new file in the same folder, which is flushed and synced to the disk
/// and only then renamed over the old file; after any failure the new file is removed and the old one
/// is left as it was. A name that is taken by anything but a regular file is refused, so that a pipe or
/// a device is never replaced by a file. A link to a regular file is written through: the file it
/// points to is replaced and the link stays. A new file gets the usual permissions (0666 less the
/// umask); a replaced file keeps its own.
SafeFileResult writeFileSafely(const QByteArray& nativePath, QByteArrayView bytes);
/// The same for a name held as text (encoded as the file system expects).
SafeFileResult writeFileSafely(const QString& path, QByteArrayView bytes);

/// The one line a program shows for a failed write: "<path> could not be written: <reason>".
QString safeFileError(const QString& path, const SafeFileResult& result);

/// Writes every byte to an open device and flushes a file device's buffer, so that a full disk is
/// noticed here rather than lost later. False with the device's errorString() in `reason` when a write
/// or the flush fails.
bool writeAllAndFlush(QIODevice& device, QByteArrayView bytes, QString& reason);
