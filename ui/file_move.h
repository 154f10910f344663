#pragma once

#include <QString>

/// How moving a file went.
struct FileMoveResult {
    bool moved = false;
    bool targetTaken = false; ///< the new name was already taken: nothing was moved
    QString reason;           ///< why not: the system's text for the failure
};

/// Gives a file (or a link, as the link itself) a new name in the same file system, never replacing
/// anything: a new name that is taken, even by something made a moment before, leaves both as they
/// were. The file's bytes are not copied: the same file simply gets the new name.
FileMoveResult moveFileWithoutReplacing(const QString& from, const QString& to);
