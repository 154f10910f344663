#pragma once

#include "almanac_day.h"
#include "date_serial.h"

#include <string>
#include <string_view>

namespace biteclock {

/// One day as the main window shows it, in the command line's fields. The texts are views into
/// the almanac context that computed the day and stay valid until it computes again.
struct DayRecord {
    DateSerial serial = 0;
    std::string date; ///< YYYY-MM-DD
    std::string_view weekday;
    std::string_view season; ///< "Equinox", "Solstice" or ""
    std::string_view sunrise;
    std::string_view sunset;
    std::string_view dayLength;
    std::string_view moonrise;
    std::string_view moonset;
    std::string_view upperMajor;
    std::string_view lowerMajor;
    std::string_view riseMinor;
    std::string_view setMinor;
    int moonAge = 0;
    int moonPicture = 0;
    int rating = 0;
    std::string_view ratingText;
    long ratingColour = 0;
    std::string_view phaseEvent;     ///< "New Moon", "Full Moon" or ""
    std::string_view phaseEventTime; ///< the event's clock text or ""
    long distanceKm = 0;
    double utcOffsetHours = 0; ///< the offset the day was computed with, hours east
    std::string_view zone;     ///< the zone's IANA name with --tz or --place, else empty
    std::string_view place;    ///< the town's label with --place, else empty
};

/// Computes a day as the window shows it when it opens on that date. `day` keeps its table and
/// caches between calls (its results are cleared first); its observer and moonorth are used.
DayRecord computeDayRecord(AlmanacDay& day, DateSerial date);

/// "YYYY-MM-DD".
std::string isoDate(DateSerial serial);

/// The field names, in output order; "zone" last when the rows name one.
std::string csvHeader(bool withZone = false);

/// An offset in hours as the shortest decimal that reads back to it ("-4", "5.75").
void appendHours(std::string& out, double hours);

void appendJson(std::string& out, const DayRecord& r);
void appendCsv(std::string& out, const DayRecord& r);
void appendText(std::string& out, const DayRecord& r);

/// JSON string escaping (quotes, backslashes, control characters).
void appendJsonString(std::string& out, std::string_view text);
/// A CSV field, quoted when it holds a comma, a quote, a line break or blanks or tabs at either end.
void appendCsvField(std::string& out, std::string_view text);

} // namespace biteclock
