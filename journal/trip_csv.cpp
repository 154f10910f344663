#include "trip_csv.h"

#include "date_serial.h"

#include <string_view>

namespace {

using biteclock::JournalEntry;

struct FileColumn {
    const char* name;
    std::string JournalEntry::*field;
};

// The file's fields in file order.
constexpr FileColumn kFileColumns[] = {
    {"day", &JournalEntry::day},
    {"month", &JournalEntry::month},
    {"year", &JournalEntry::year},
    {"notes", &JournalEntry::notes},
    {"temperature", &JournalEntry::temperature},
    {"trip_time", &JournalEntry::tripTime},
    {"tide_type", &JournalEntry::tideType},
    {"wind_strength", &JournalEntry::windStrength},
    {"quantity", &JournalEntry::quantity},
    {"wind", &JournalEntry::windDirection},
    {"tide", &JournalEntry::tideState},
    {"catch", &JournalEntry::catchRating},
    {"position_1", &JournalEntry::position1},
    {"position_2", &JournalEntry::position2},
    {"best_time", &JournalEntry::bestTime},
};

constexpr const char* kTripColumns[] = {
    "entry",  "status",     "error",       "date",        "weekday",    "moon_age",
    "rating", "prediction", "upper_major", "lower_major", "rise_minor", "set_minor",
};

void appendField(std::string& out, std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' ||
                                          text.back() == '\t'));
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

/// A period text without the blanks of a period the day does not have.
std::string_view periodField(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string isoDate(biteclock::DateSerial serial) {
    const biteclock::CalendarDate c = biteclock::calendarDate(serial);
    char text[16];
    const int year = c.year;
    text[0] = static_cast<char>('0' + year / 1000 % 10);
    text[1] = static_cast<char>('0' + year / 100 % 10);
    text[2] = static_cast<char>('0' + year / 10 % 10);
    text[3] = static_cast<char>('0' + year % 10);
    text[4] = '-';
    text[5] = static_cast<char>('0' + c.month / 10);
    text[6] = static_cast<char>('0' + c.month % 10);
    text[7] = '-';
    text[8] = static_cast<char>('0' + c.day / 10);
    text[9] = static_cast<char>('0' + c.day % 10);
    return std::string(text, 10);
}

} // namespace

std::vector<std::string> tripsCsvColumns() {
    std::vector<std::string> columns(std::begin(kTripColumns), std::end(kTripColumns));
    for (const FileColumn& column : kFileColumns) {
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
        appendField(out, tripStatusName(trip.status));
        out += ',';
        appendField(out, trip.error.toStdString());
        out += ',';
        if (trip.date) {
            out += isoDate(*trip.date);
            out += ',';
            out += biteclock::weekdayName(biteclock::weekdayNumber(*trip.date));
        } else {
            out += ',';
        }
        out += ',';
        if (const auto& a = trip.almanac) {
            out += std::to_string(a->moonAge) + ',' + std::to_string(a->rating) + ',';
            appendField(out, a->ratingText);
            for (const std::string* period : {&a->upperMajor, &a->lowerMajor, &a->riseMinor, &a->setMinor}) {
                out += ',';
                appendField(out, periodField(*period));
            }
        } else {
            out += ",,,,,,";
        }
        for (const FileColumn& column : kFileColumns) {
            out += ',';
            appendField(out, trip.entry.*column.field);
        }
        out += "\r\n";
    }
    return out;
}
