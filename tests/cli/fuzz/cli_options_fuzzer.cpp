// libFuzzer target for the command line's argument parser. The input is the argument list, the
// arguments separated by zero bytes. Any arguments must parse without a crash, a hang or a sanitizer
// report; a refusal must be one line with nothing a terminal would act on; and whatever is accepted
// must lie within the ranges the commands promise. Built and run by scripts/fuzz.
#include "cli_options.h"
#include "date_serial.h"
#include "terminal_text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace biteclock;
using namespace biteclock::cli;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Valid UTF-8 without a control character: what may reach a terminal.
bool isSafeLine(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            if (b < 0x20 || b == 0x7F) {
                return false;
            }
            ++i;
            continue;
        }
        const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (length == 0 || b > 0xF4 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        // C1 controls (U+0080 to U+009F) are encoded C2 80 to C2 9F.
        if (b == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            return false;
        }
        i += length;
    }
    return true;
}

void checkLocation(const LocationOptions& l) {
    if (l.latitudeDeg) {
        require(std::isfinite(*l.latitudeDeg) && std::fabs(*l.latitudeDeg) < 90);
    }
    if (l.longitudeDeg) {
        require(std::isfinite(*l.longitudeDeg) && std::fabs(*l.longitudeDeg) < 180);
    }
    if (l.gmtHours) {
        require(std::isfinite(*l.gmtHours) && *l.gmtHours >= -12 && *l.gmtHours <= 13);
    }
    if (l.locationName) {
        require(!l.locationName->empty());
    }
}

void checkDate(DateSerial date) {
    require(date >= dateSerial(kFirstYear, 1, 1) && date <= dateSerial(kLastYear, 12, 31));
}

void checkCommand(const Command& command) {
    if (const auto* day = std::get_if<DayCommand>(&command)) {
        checkLocation(day->location);
        if (day->date) {
            checkDate(*day->date);
        }
    } else if (const auto* range = std::get_if<RangeCommand>(&command)) {
        checkLocation(range->location);
        checkDate(range->from);
        require(range->days >= 1);
        checkDate(range->from + range->days - 1);
        require(range->format != OutputFormat::Text);
    } else if (const auto* table = std::get_if<TableCommand>(&command)) {
        require(!table->location.latitudeDeg && !table->location.longitudeDeg);
        checkLocation(table->location);
        require(table->year >= kFirstYear && table->year <= kLastYear);
    } else if (const auto* calendar = std::get_if<CalendarCommand>(&command)) {
        checkLocation(calendar->location);
        require(calendar->year >= kFirstYear && calendar->year <= kLastYear);
        require(calendar->month >= 1 && calendar->month <= 12);
        require(!calendar->output.empty());
    } else if (const auto* journal = std::get_if<JournalCommand>(&command)) {
        checkLocation(journal->location);
        require(!journal->folder || !journal->folder->empty());
        if (journal->action == JournalCommand::Action::Export) {
            require(!journal->output.empty());
        }
        if (journal->action == JournalCommand::Action::Stats) {
            require(journal->format != OutputFormat::Csv);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    arguments.push_back(current);

    const ParsedCommand parsed = parseCommandLine(arguments);
    if (parsed.command) {
        require(parsed.error.empty());
        checkCommand(*parsed.command);
    } else {
        require(!parsed.error.empty());
        require(isSafeLine(parsed.error));
    }
    for (const std::string& argument : arguments) {
        require(isSafeLine(terminalSafe(argument)));
    }
    return 0;
}
