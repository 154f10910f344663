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
    const FishingCalendarText text = fishingCalendarText(request, *file.offsets);
    // The name's own bytes: a name that is not UTF-8 must not be turned into another one.
    const SafeFileResult written =
        writeFileSafely(QByteArray::fromStdString(file.output),
                        QByteArrayView(text.text.data(), static_cast<qsizetype>(text.text.size())));
    if (!written.written) {
        error = terminalSafe(file.output) +
                " could not be written: " + terminalSafe(written.reason.toStdString());
        return false;
    }
    return true;
}

} // namespace biteclock::cli
