#pragma once

#include "journal_entry.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace biteclock {

/// Files larger than this are read only this far.
inline constexpr std::size_t kJournalFileMaxBytes = 1024 * 1024;

/// What reading a journal file gave.
struct JournalFileRead {
    JournalEntry entry;    ///< the fields as far as the file reached
    std::size_t items = 0; ///< items read, labels included
    bool complete = false; ///< whole 28-item groups, and no quoted item left open at the end
};

/// A journal file: 13 CR LF lines of double-quoted, comma-separated items, the label of each line
/// first (see kJournalItems). A double quote inside a value is written as two; line breaks inside a
/// value are written as they are, inside its quotes. The text is encoded by encodeJournalText().
std::string writeJournalFile(const JournalEntry& entry);

/// Reads a journal file's bytes (decoded by decodeJournalText()) as a stream of items separated by
/// commas or line ends, 28 to a group, assigning the fields by position; labels are not checked.
/// Later groups overwrite earlier ones item by item, so the last group wins and a group cut short
/// keeps the earlier values of the fields it does not reach.
///
/// Items in double quotes keep everything inside them, line breaks included; two double quotes
/// stand for one. A quote that is neither doubled nor followed by the end of the item (blanks, then
/// a comma, a line end or the end of the file) is taken as part of the text, so that a file
/// written without doubling its quotes still reads. Unquoted items lose their surrounding blanks. Empty lines
/// between items are skipped. Any bytes are accepted; nothing is read past the end.
JournalFileRead readJournalFile(std::string_view bytes);

} // namespace biteclock
