#pragma once

#include "trip_log.h"

#include <string>
#include <vector>

/// A field of the journal file by its column name.
struct TripFileColumn {
    const char* name;
    std::string biteclock::JournalEntry::*field;
};

/// The journal file's fields in file order, by the names the CSV and JSON give them.
inline constexpr TripFileColumn kTripFileColumns[] = {
    {"day", &biteclock::JournalEntry::day},
    {"month", &biteclock::JournalEntry::month},
    {"year", &biteclock::JournalEntry::year},
    {"notes", &biteclock::JournalEntry::notes},
    {"temperature", &biteclock::JournalEntry::temperature},
    {"trip_time", &biteclock::JournalEntry::tripTime},
    {"tide_type", &biteclock::JournalEntry::tideType},
    {"wind_strength", &biteclock::JournalEntry::windStrength},
    {"quantity", &biteclock::JournalEntry::quantity},
    {"wind", &biteclock::JournalEntry::windDirection},
    {"tide", &biteclock::JournalEntry::tideState},
    {"catch", &biteclock::JournalEntry::catchRating},
    {"position_1", &biteclock::JournalEntry::position1},
    {"position_2", &biteclock::JournalEntry::position2},
    {"best_time", &biteclock::JournalEntry::bestTime},
};

/// RFC 4180 CSV (UTF-8, CR LF, a header row) of the records: the entry number and the file's status,
/// the ISO date, weekday, moon age, prediction and the four period times of the date (empty where the
/// date has none), then every field of the file in file order. Fields holding a comma, a double quote,
/// a line break or blanks at either end are quoted, their quotes doubled; line breaks inside a field
/// are kept as they are.
std::string tripsCsv(const std::vector<TripRecord>& trips);

/// The header row's names, in column order.
std::vector<std::string> tripsCsvColumns();
