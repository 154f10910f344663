#include "ical_file.h"

#include "calendar_zone.h"
#include "safe_file.h"
#include "terminal_text.h"
#include "vector_state.h"

#include <ostream>

namespace biteclock::cli {

bool writeIcalFile(const IcalFile& file, std::ostream& standardOutput, std::string& error) {
    const FishingCalendarRequest request = withZoneOf(file.request, *file.offsets);
    releaseUpperVectorState();
    if (file.output == "-") {
        long events = 0;
        const bool written = writeFishingCalendar(
            request, *file.offsets,
            [&standardOutput](std::string& block) {
                standardOutput.write(block.data(), static_cast<std::streamsize>(block.size()));
                return static_cast<bool>(standardOutput);
            },
            events);
        if (!written || !standardOutput.flush()) {
            error = "the output could not be written";
            return false;
        }
        return true;
    }
    // Written as it is made, into a new file that takes the name only once it is complete.
    SafeFileWriter writer(QByteArray::fromStdString(file.output));
    long events = 0;
    writeFishingCalendar(
        request, *file.offsets,
        [&writer](std::string& block) {
            return writer.write(QByteArrayView(block.data(), static_cast<qsizetype>(block.size())));
        },
        events);
    const SafeFileResult written = writer.finish();
    if (!written.written) {
        error = terminalSafe(file.output) +
                " could not be written: " + terminalSafe(written.reason.toStdString());
        return false;
    }
    return true;
}

} // namespace biteclock::cli
