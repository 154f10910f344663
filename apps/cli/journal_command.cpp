#include "journal_command.h"

#include "day_record.h"
#include "safe_file.h"
#include "terminal_text.h"
#include "trip_csv.h"

#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <cstdio>
#include <ostream>

namespace biteclock::cli {
namespace {

constexpr int kWriteFailed = 1;
constexpr int kBadInput = 2;

std::string trimmedBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string rightAligned(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

void appendNumber(std::string& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string statusNote(const TripRecord& trip) {
    if (trip.status == JournalStore::ReadStatus::Read) {
        return {};
    }
    std::string note = "[" + tripStatusName(trip.status);
    if (!trip.error.isEmpty()) {
        note += ": " + terminalSafe(trip.error.toStdString());
    }
    return note + "]";
}

struct FieldOfEntry {
    const char* key;
    std::string JournalEntry::*field;
};

constexpr FieldOfEntry kEntryFields[] = {
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

void appendKey(std::string& out, const char* key) {
    out += ",\"";
    out += key;
    out += "\":";
}

void appendTextOrNull(std::string& out, const char* key, const std::optional<std::string>& text) {
    appendKey(out, key);
    if (text) {
        appendJsonString(out, *text);
    } else {
        out += "null";
    }
}

void appendNumberOrNull(std::string& out, const char* key, const std::optional<double>& value) {
    appendKey(out, key);
    if (value) {
        appendNumber(out, *value);
    } else {
        out += "null";
    }
}

void appendGroupsText(std::string& out, const std::string& title, const std::vector<TripGroup>& groups) {
    out += padded(title, 16) + "  Trips  Good catch  Avg fish\n";
    for (const TripGroup& g : groups) {
        std::string share = "-";
        if (const auto s = g.goodCatchShare()) {
            char text[16];
            std::snprintf(text, sizeof text, "%.0f%%", *s * 100);
            share = text;
        }
        std::string average = "-";
        if (const auto a = g.averageQuantity()) {
            char text[32];
            std::snprintf(text, sizeof text, "%.1f", *a);
            average = text;
        }
        out += padded(g.name, 16) + "  " + rightAligned(std::to_string(g.trips), 5) + "  " +
               rightAligned(share, 10) + "  " + rightAligned(average, 8);
        if (g.tooFew()) {
            out += "  (fewer than " + std::to_string(TripGroup::kFewTrips) + " trips)";
        }
        out += '\n';
    }
}

void appendGroupsJson(std::string& out, const char* key, const std::vector<TripGroup>& groups) {
    appendKey(out, key);
    out += '[';
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const TripGroup& g = groups[i];
        out += i == 0 ? "{\"name\":" : ",{\"name\":";
        appendJsonString(out, g.name);
        out += ",\"trips\":" + std::to_string(g.trips);
        out += ",\"good_catches\":" + std::to_string(g.goodCatches);
        appendNumberOrNull(out, "good_catch_share", g.goodCatchShare());
        out += ",\"with_quantity\":" + std::to_string(g.withQuantity);
        appendKey(out, "quantity_sum");
        appendNumber(out, g.quantitySum);
        appendNumberOrNull(out, "average_quantity", g.averageQuantity());
        out += g.tooFew() ? ",\"too_few\":true}" : ",\"too_few\":false}";
    }
    out += ']';
}

int writeStandardOutput(const std::string& text, std::ostream& out, std::ostream& err) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out.flush()) {
        err << "biteclock-cli: the output could not be written\n";
        return kWriteFailed;
    }
    return 0;
}

} // namespace

std::string journalListText(const std::vector<TripRecord>& trips) {
    std::string out = "Entry  Date        Day  Age  Prediction  Major above  Major below  Minor rise  Minor "
                      "set   Catch       "
                      "Fish    Trip time\n";
    for (const TripRecord& trip : trips) {
        std::string line = rightAligned(std::to_string(trip.number), 5) + "  ";
        if (trip.date) {
            line +=
                isoDate(*trip.date) + "  " + std::string(weekdayName(weekdayNumber(*trip.date)).substr(0, 3));
        } else {
            line += padded("no date", 15);
        }
        line += "  ";
        if (const auto& a = trip.almanac) {
            line += rightAligned(std::to_string(a->moonAge), 3) + "  " + padded(a->ratingText, 10) + "  " +
                    padded(trimmedBlanks(a->upperMajor), 11) + "  " +
                    padded(trimmedBlanks(a->lowerMajor), 11) + "  " +
                    padded(trimmedBlanks(a->riseMinor), 10) + "  " + padded(trimmedBlanks(a->setMinor), 10);
        } else {
            line += std::string(3 + 2 + 10 + 2 + 11 + 2 + 11 + 2 + 10 + 2 + 10, ' ');
        }
        line += "  " + padded(terminalSafe(trip.entry.catchRating), 10) + "  " +
                padded(terminalSafe(trip.entry.quantity), 6) + "  " + terminalSafe(trip.entry.tripTime);
        const std::string note = statusNote(trip);
        if (!note.empty()) {
            line += "  " + note;
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        out += line + '\n';
    }
    return out;
}

std::string journalListJson(const std::vector<TripRecord>& trips) {
    std::string out;
    for (const TripRecord& trip : trips) {
        out += "{\"entry\":" + std::to_string(trip.number);
        appendKey(out, "status");
        appendJsonString(out, tripStatusName(trip.status));
        appendKey(out, "error");
        appendJsonString(out, trip.error.toStdString());
        const auto& a = trip.almanac;
        appendTextOrNull(out, "date", trip.date ? std::optional(isoDate(*trip.date)) : std::nullopt);
        appendTextOrNull(out, "weekday",
                         trip.date ? std::optional(std::string(weekdayName(weekdayNumber(*trip.date))))
                                   : std::nullopt);
        appendNumberOrNull(out, "moon_age", a ? std::optional<double>(a->moonAge) : std::nullopt);
        appendNumberOrNull(out, "moon_picture", a ? std::optional<double>(a->moonPictureId) : std::nullopt);
        appendNumberOrNull(out, "rating", a ? std::optional<double>(a->rating) : std::nullopt);
        appendTextOrNull(out, "prediction", a ? std::optional(a->ratingText) : std::nullopt);
        appendTextOrNull(out, "upper_major", a ? std::optional(trimmedBlanks(a->upperMajor)) : std::nullopt);
        appendTextOrNull(out, "lower_major", a ? std::optional(trimmedBlanks(a->lowerMajor)) : std::nullopt);
        appendTextOrNull(out, "rise_minor", a ? std::optional(trimmedBlanks(a->riseMinor)) : std::nullopt);
        appendTextOrNull(out, "set_minor", a ? std::optional(trimmedBlanks(a->setMinor)) : std::nullopt);
        appendNumberOrNull(out, "utc_offset", a ? std::optional(a->utcOffsetHours) : std::nullopt);
        for (const FieldOfEntry& f : kEntryFields) {
            appendKey(out, f.key);
            appendJsonString(out, trip.entry.*f.field);
        }
        out += "}\n";
    }
    return out;
}

std::string journalStatsText(const TripStats& stats) {
    std::string out =
        "Trips: " + std::to_string(stats.trips) + " (" + std::to_string(stats.dated) + " with a date)\n\n";
    appendGroupsText(out, "By prediction", stats.byGrade);
    out += '\n';
    appendGroupsText(out, "By Moon phase", stats.byPhase);
    out += '\n';
    appendGroupsText(out, "By trip time", stats.byPeriod);
    return out;
}

std::string journalStatsJson(const TripStats& stats) {
    std::string out = "{\"trips\":" + std::to_string(stats.trips);
    out += ",\"dated\":" + std::to_string(stats.dated);
    appendGroupsJson(out, "by_grade", stats.byGrade);
    appendGroupsJson(out, "by_phase", stats.byPhase);
    appendGroupsJson(out, "by_period", stats.byPeriod);
    out += "}\n";
    return out;
}

int runJournal(const JournalCommand& command, const std::string& folderName,
               const std::function<std::optional<TripPlace>()>& place, std::ostream& out, std::ostream& err) {
    const QString folder = QFile::decodeName(QByteArray::fromStdString(folderName));
    const QFileInfo info(folder);
    if (command.folder && !info.isDir()) {
        err << "biteclock-cli: --folder: " << quotedForTerminal(folderName) << " is not a folder\n";
        return kBadInput;
    }
    if (info.isDir() && (!info.isReadable() || !info.isExecutable())) {
        err << "biteclock-cli: the journal folder " << quotedForTerminal(folderName) << " cannot be read\n";
        return kBadInput;
    }

    const auto at = place();
    if (!at) {
        return kBadInput;
    }
    const std::vector<TripRecord> trips = readTripLog(folder, *at);
    switch (command.action) {
    case JournalCommand::Action::List:
        switch (command.format) {
        case OutputFormat::Text:
            if (trips.empty()) {
                return writeStandardOutput("No journal entries in " + terminalSafe(folderName) + "\n", out,
                                           err);
            }
            return writeStandardOutput(journalListText(trips), out, err);
        case OutputFormat::Json:
            return writeStandardOutput(journalListJson(trips), out, err);
        case OutputFormat::Csv:
            return writeStandardOutput(tripsCsv(trips), out, err);
        }
        break;
    case JournalCommand::Action::Stats: {
        const TripStats stats = tripStats(trips);
        return writeStandardOutput(command.format == OutputFormat::Json ? journalStatsJson(stats)
                                                                        : journalStatsText(stats),
                                   out, err);
    }
    case JournalCommand::Action::Export: {
        const std::string csv = tripsCsv(trips);
        if (command.output == "-") {
            return writeStandardOutput(csv, out, err);
        }
        // The name's own bytes: a name that is not UTF-8 must not be turned into another one.
        const SafeFileResult written =
            writeFileSafely(QByteArray::fromStdString(command.output),
                            QByteArrayView(csv.data(), static_cast<qsizetype>(csv.size())));
        if (!written.written) {
            err << "biteclock-cli: " << terminalSafe(command.output)
                << " could not be written: " << terminalSafe(written.reason.toStdString()) << '\n';
            return kWriteFailed;
        }
        return 0;
    }
    }
    return 0;
}

} // namespace biteclock::cli
