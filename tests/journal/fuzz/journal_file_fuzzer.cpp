// libFuzzer target for the journal file reader: any bytes must read without a crash, a hang or a
// sanitizer report, and whatever was read must survive being written and read again unchanged.
// Built and run by scripts/fuzz-journal.
#include "journal_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const biteclock::JournalFileRead read = biteclock::readJournalFile(bytes);
    if (read.items > size + 1) {
        std::abort();
    }
    const biteclock::JournalFileRead again =
        biteclock::readJournalFile(biteclock::writeJournalFile(read.entry));
    if (!(again.entry == read.entry) || !again.complete || again.items != biteclock::kJournalItemsPerEntry) {
        std::abort();
    }
    return 0;
}
