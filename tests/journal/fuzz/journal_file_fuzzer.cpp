// libFuzzer target for the journal file reader: any bytes must read without a crash, a hang or a
// sanitizer report, and whatever was read must survive being written and read again unchanged. The
// fields read are then given to the trips list's readers of trip times, catches and quantities,
// whose results must stay within their documented ranges.
// Built and run by scripts/fuzz-journal.
#include "journal_file.h"
#include "trip_catch.h"
#include "trip_time_span.h"

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
    for (const biteclock::JournalItem& item : biteclock::kJournalItems) {
        if (item.field == nullptr) {
            continue;
        }
        const std::string& text = read.entry.*item.field;
        if (const auto span = tripTimeSpan(text);
            span &&
            (span->startMinutes < 0 || span->startMinutes >= 24 * 60 ||
             span->endMinutes <= span->startMinutes || span->endMinutes > span->startMinutes + 24 * 60)) {
            std::abort();
        }
        if (const auto quantity = fishQuantity(text); quantity && !(*quantity >= 0)) {
            std::abort();
        }
        static_cast<void>(isGoodCatch(text));
    }
    const biteclock::JournalFileRead again =
        biteclock::readJournalFile(biteclock::writeJournalFile(read.entry));
    if (!(again.entry == read.entry) || !again.complete || again.items != biteclock::kJournalItemsPerEntry) {
        std::abort();
    }
    return 0;
}
