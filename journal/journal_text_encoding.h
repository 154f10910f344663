#pragma once

#include <string>
#include <string_view>

namespace biteclock {

/// Journal files are 8-bit text. They are written in Windows-1252, one byte a character, whenever
/// every character of the entry has a place in it; an entry holding
/// any other character (Greek, Chinese, emoji...) is written in UTF-8 instead, so that nothing typed
/// is ever lost. The reader tells the two apart: a file that is valid UTF-8 and holds at least one
/// byte above 127 is UTF-8, any other file is Windows-1252. The writer never produces a
/// Windows-1252 file that would pass for UTF-8: it switches to UTF-8 for such an entry, so its own
/// files always read back as written.

/// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

/// The UTF-8 text of a file's bytes, decoded as described above. The five bytes Windows-1252 leaves
/// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number.
std::string decodeJournalText(std::string_view bytes);

/// The bytes to store for a UTF-8 text, encoded as described above. Text that is not valid UTF-8 is
/// stored unchanged.
std::string encodeJournalText(std::string_view utf8);

} // namespace biteclock
