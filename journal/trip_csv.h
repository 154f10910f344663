#pragma once

#include "trip_log.h"

#include <string>
#include <vector>

/// RFC 4180 CSV (UTF-8, CR LF, a header row) of the records: the entry number and the file's status,
/// the ISO date, weekday, moon age, prediction and the four period times of the date (empty where the
/// date has none), then every field of the file in file order. Fields holding a comma, a double quote,
/// a line break or blanks at either end are quoted, their quotes doubled; line breaks inside a field
/// are kept as they are.
std::string tripsCsv(const std::vector<TripRecord>& trips);

/// The header row's names, in column order.
std::vector<std::string> tripsCsvColumns();
