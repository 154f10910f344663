#include "journal_store.h"

#include "entry_number.h"
#include "file_move.h"
#include "journal_file.h"
#include "safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

JournalStore::JournalStore(QString folder)
    : folder_(std::move(folder)) {}

QString JournalStore::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/journal");
}

QString JournalStore::fileName(int number) {
    return QStringLiteral("jour%1.dat").arg(number);
}

QString JournalStore::filePath(int number) const {
    return QDir(folder_).filePath(fileName(number));
}

JournalStore::ReadResult JournalStore::read(int number) const {
    ReadResult result;
    const QFileInfo info(filePath(number));
    if (!info.exists()) {
        return result;
    }
    result.status = ReadStatus::Unreadable;
    // A folder, a pipe or a device under the entry's name would block or make no sense.
    if (!info.isFile()) {
        result.error = QStringLiteral("It is not an ordinary file.");
        return result;
    }
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(biteclock::kJournalFileMaxBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    const bool tooLarge = static_cast<std::size_t>(bytes.size()) > biteclock::kJournalFileMaxBytes;
    const qsizetype used = tooLarge ? static_cast<qsizetype>(biteclock::kJournalFileMaxBytes) : bytes.size();
    const biteclock::JournalFileRead read =
        biteclock::readJournalFile(std::string_view(bytes.constData(), static_cast<std::size_t>(used)));
    result.entry = read.entry;
    if (tooLarge) {
        result.status = ReadStatus::TooLarge;
    } else {
        result.status = read.complete ? ReadStatus::Read : ReadStatus::Damaged;
    }
    return result;
}

JournalStore::SaveResult JournalStore::save(int number, const biteclock::JournalEntry& entry) const {
    SaveResult result;
    if (!QDir().mkpath(folder_)) {
        result.error = QStringLiteral("The folder could not be created.");
        return result;
    }
    const std::string bytes = biteclock::writeJournalFile(entry);
    const SafeFileResult written =
        writeFileSafely(filePath(number), QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!written.written) {
        result.error = written.reason;
        return result;
    }
    result.saved = true;
    return result;
}

int JournalStore::lastEntryNumber() const {
    const QStringList names =
        QDir(folder_).entryList({QStringLiteral("jour*.dat")}, QDir::Files | QDir::NoDotAndDotDot);
    int last = 0;
    for (const QString& name : names) {
        const QString digits = name.mid(4, name.size() - 8);
        // Only the names this program writes count: "jour007.dat" is not entry 7's file.
        if (const auto number = parseEntryNumber(digits); number && fileName(*number) == name) {
            last = std::max(last, *number);
        }
    }
    return last;
}

QString JournalStore::deletedFolder() const {
    return QDir(folder_).filePath(QStringLiteral("deleted"));
}

namespace {

/// The name a put-away file takes: the entry's own name, then "jour5-2.dat", "jour5-3.dat"...
QString deletedName(int number, int attempt) {
    if (attempt == 1) {
        return JournalStore::fileName(number);
    }
    return QStringLiteral("jour%1-%2.dat").arg(number).arg(attempt);
}

// Names tried before giving up: a folder with this many put-away copies of one entry is not one the
// program made.
constexpr int kMaxDeletedNames = 10000;

bool nameTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

JournalStore::MoveResult JournalStore::moveToDeleted(int number) const {
    MoveResult result;
    const QFileInfo info(filePath(number));
    if (!nameTaken(info.filePath())) {
        result.error = QStringLiteral("Entry %1 has no file.").arg(number);
        return result;
    }
    if (info.isDir()) {
        result.error = QStringLiteral("%1 is a folder, not an entry file.").arg(info.filePath());
        return result;
    }
    const QString deleted = deletedFolder();
    if (!QDir().mkpath(deleted)) {
        result.error = QStringLiteral("The folder %1 could not be created.").arg(deleted);
        return result;
    }
    for (int attempt = 1; attempt <= kMaxDeletedNames; ++attempt) {
        const QString target = QDir(deleted).filePath(deletedName(number, attempt));
        if (nameTaken(target)) {
            continue;
        }
        const FileMoveResult move = moveFileWithoutReplacing(info.filePath(), target);
        if (move.moved) {
            result.moved = true;
            result.deletedPath = target;
            return result;
        }
        // Taken since the test above: the next name.
        if (!move.targetTaken) {
            result.error = move.reason;
            return result;
        }
    }
    result.error =
        QStringLiteral("The folder %1 has no free name left for entry %2.").arg(deleted).arg(number);
    return result;
}

JournalStore::MoveResult JournalStore::restoreDeleted(int number, const QString& deletedPath) const {
    MoveResult result;
    const QFileInfo put(deletedPath);
    // Only what moveToDeleted put away comes back: a file directly inside the deleted folder.
    const QString putFolder = QFileInfo(put.absolutePath()).canonicalFilePath();
    if (putFolder.isEmpty() || putFolder != QFileInfo(deletedFolder()).canonicalFilePath() || put.isDir() ||
        !nameTaken(put.filePath())) {
        result.error = QStringLiteral("%1 is not a file in the journal's deleted folder.").arg(deletedPath);
        return result;
    }
    const QString target = filePath(number);
    const QString again = QStringLiteral("Entry %1 has a file again; it was not replaced.").arg(number);
    if (nameTaken(target)) {
        result.error = again;
        return result;
    }
    const FileMoveResult move = moveFileWithoutReplacing(put.filePath(), target);
    if (!move.moved) {
        result.error = move.targetTaken ? again : move.reason;
        return result;
    }
    result.moved = true;
    result.deletedPath = put.filePath();
    return result;
}
