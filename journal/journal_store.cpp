#include "journal_store.h"

#include "entry_number.h"
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
