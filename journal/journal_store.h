#pragma once

#include "journal_entry.h"

#include <QString>

/// The journal folder: one file per entry, "jour" + number + ".dat". File names are only ever
/// built from entry numbers 1 to 32767, so nothing outside the folder is read or written.
class JournalStore {
public:
    /// How reading an entry went.
    enum class ReadStatus {
        Missing,    ///< no such file: the normal end of the journal
        Read,       ///< read whole
        Damaged,    ///< read as far as it goes (cut short, or not a journal file)
        TooLarge,   ///< larger than 1 MB; its first megabyte was read
        Unreadable, ///< there but cannot be opened or read
    };

    struct ReadResult {
        ReadStatus status = ReadStatus::Missing;
        biteclock::JournalEntry entry;
        QString error; ///< why an unreadable file could not be read
    };

    struct SaveResult {
        bool saved = false;
        QString error; ///< why not
    };

    struct MoveResult {
        bool moved = false;
        QString error;       ///< why not
        QString deletedPath; ///< where the file now lies in the deleted folder
    };

    explicit JournalStore(QString folder);

    /// "journal" in the user's data folder for this program.
    static QString defaultFolder();

    const QString& folder() const { return folder_; }
    /// The file of an entry number (1 to 32767).
    QString filePath(int number) const;
    /// "jour" + number + ".dat".
    static QString fileName(int number);

    ReadResult read(int number) const;
    /// Writes the entry to a temporary file in the folder and renames it over the entry's file, so
    /// that the old file stays whole until the new one is complete. Creates the folder when missing.
    SaveResult save(int number, const biteclock::JournalEntry& entry) const;
    /// The highest entry number that has a file; 0 when there is none.
    int lastEntryNumber() const;

    /// "deleted" inside the journal folder.
    QString deletedFolder() const;
    /// Moves the entry's file, byte for byte, into "deleted" inside the journal folder (made when
    /// missing); a name already taken there gets a distinct name ("jour5-2.dat", "jour5-3.dat"...).
    /// Nothing is destroyed: no file is ever replaced.
    MoveResult moveToDeleted(int number) const;
    /// Moves a file moveToDeleted put away back to its entry number; refused (error) when that number
    /// has a file again, or when the path does not name a file directly inside the deleted folder.
    MoveResult restoreDeleted(int number, const QString& deletedPath) const;

private:
    QString folder_;
};
