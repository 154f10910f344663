#pragma once

#include "cli_options.h"
#include "date_offsets.h"
#include "observer.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace biteclock::cli {

/// Everything the command line's calendar page is made from.
struct CalendarFile {
    int year = 2000;
    int month = 1;
    CalendarBoxes boxes;
    bool letterPaper = false;
    Observer observer;
    /// Each day's offset when the place follows a zone; none for the observer's one offset.
    std::shared_ptr<const DateOffsets> dateOffsets;
    bool moonNorth = true;
    ObserverLocation legendPlace; ///< the place as the legend names it
    std::string zoneName;         ///< the legend's zone name ("Custom" for a typed offset)
    /// The PDF file, its name exactly as given (any bytes); "-" for standard output.
    std::string output;
};

/// Writes the page as a PDF file, whole or not at all, or to `standardOutput` when the output is "-".
/// A name taken by anything but a regular file (a folder, a pipe, a device) is refused. Needs a
/// running QGuiApplication (for the fonts). False with one line in `error`, safe for a terminal and
/// naming the file, when it could not be written.
bool writeCalendarFile(const CalendarFile& file, std::ostream& standardOutput, std::string& error);

} // namespace biteclock::cli
