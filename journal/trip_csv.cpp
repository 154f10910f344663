#include "trip_csv.h"

#include "date_serial.h"
#include "day_record.h"

#include <string_view>

namespace {

constexpr const char* kTripColumns[] = {
    "entry",  "status",     "error",       "date",        "weekday",    "moon_age",
    "rating", "prediction", "upper_major", "lower_major", "rise_minor", "set_minor",
};

/// A period text without the blanks of a period the day does not have.
std::string_view periodField(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::vector<std::string> tripsCsvColumns() {
    std::vector<std::string> columns(std::begin(kTripColumns), std::end(kTripColumns));
    for (const TripFileColumn& column : kTripFileColumns) {
        columns.emplace_back(column.name);
    }
    return columns;
}

std::string tripsCsv(const std::vector<TripRecord>& trips) {
    std::string out;
    const std::vector<std::string> columns = tripsCsvColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        out += i == 0 ? "" : ",";
        out += columns[i];
    }
    out += "\r\n";
    for (const TripRecord& trip : trips) {
        out += std::to_string(trip.number);
        out += ',';
        biteclock::appendCsvField(out, tripStatusName(trip.status));
        out += ',';
        biteclock::appendCsvField(out, trip.error.toStdString());
        out += ',';
        if (trip.date) {
            out += biteclock::isoDate(*trip.date);
            out += ',';
            out += biteclock::weekdayName(biteclock::weekdayNumber(*trip.date));
        } else {
            out += ',';
        }
        out += ',';
        if (const auto& a = trip.almanac) {
            out += std::to_string(a->moonAge) + ',' + std::to_string(a->rating) + ',';
            biteclock::appendCsvField(out, a->ratingText);
            for (const std::string* period : {&a->upperMajor, &a->lowerMajor, &a->riseMinor, &a->setMinor}) {
                out += ',';
                biteclock::appendCsvField(out, periodField(*period));
            }
        } else {
            out += ",,,,,,";
        }
        for (const TripFileColumn& column : kTripFileColumns) {
            out += ',';
            biteclock::appendCsvField(out, trip.entry.*column.field);
        }
        out += "\r\n";
    }
    return out;
}
