#pragma once

#include "cli_options.h"
#include "observer.h"

#include <string>

namespace biteclock::cli {

/// Everything the command line's calendar page is made from.
struct CalendarFile {
    int year = 2000;
    int month = 1;
    CalendarBoxes boxes;
    bool letterPaper = false;
    Observer observer;
    bool moonNorth = true;
    ObserverLocation legendPlace; ///< the place as the legend names it
    std::string zoneName;         ///< the legend's zone name ("Custom" for a typed offset)
    std::string output;           ///< the PDF file
};

/// Writes the page as a PDF file, whole or not at all. Needs a running QGuiApplication (for the
/// fonts). False with the reason in `error` when the file could not be written.
bool writeCalendarFile(const CalendarFile& file, std::string& error);

} // namespace biteclock::cli
