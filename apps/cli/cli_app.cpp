#include "cli_app.h"

#include "almanac_day.h"
#include "calendar_file.h"
#include "cli_options.h"
#include "day_record.h"
#include "phase_table.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <type_traits>

#ifndef BITECLOCK_VERSION
#define BITECLOCK_VERSION "0.0.0"
#endif

namespace biteclock::cli {
namespace {

constexpr int kBadInput = 2;
constexpr int kWriteFailed = 1;
constexpr std::size_t kFlushBytes = 1 << 16;

struct ResolvedObserver {
    Observer observer;
    bool moonNorth = true;
    ObserverLocation place; ///< the place in degrees, minutes and hemisphere letters
    bool typed = false;     ///< any of it given on the command line
};

// Decimal degrees as whole degrees, minutes (to a hundredth) and a hemisphere letter.
void splitDegrees(double value, char positive, char negative, double& degrees, double& minutes,
                  std::string& letter) {
    const double magnitude = std::fabs(value);
    degrees = std::floor(magnitude);
    minutes = std::round((magnitude - degrees) * 6000) / 100;
    if (minutes >= 60) {
        degrees += 1;
        minutes = 0;
    }
    letter = std::string(1, value < 0 ? negative : positive);
}

std::optional<ResolvedObserver> resolveObserver(const LocationOptions& options, const CliEnvironment& env,
                                                std::ostream& err) {
    ObserverLocation base;
    if (options.locationName) {
        const auto saved = env.savedLocation ? env.savedLocation(*options.locationName) : std::nullopt;
        if (!saved) {
            err << "biteclock-cli: --location: no saved location is named '" << *options.locationName
                << "'\n";
            return std::nullopt;
        }
        base = *saved;
    } else if (env.currentLocation) {
        base = env.currentLocation();
    }
    Observer o = observerFrom(base);
    if (options.latitudeDeg || options.longitudeDeg || options.gmtHours) {
        o = observerFromDegrees(options.latitudeDeg.value_or(o.latitudeDeg),
                                options.longitudeDeg.value_or(o.longitudeDeg),
                                options.gmtHours.value_or(o.zoneOffsetHours));
    }
    ResolvedObserver r;
    r.place = base;
    r.typed = options.locationName || options.latitudeDeg || options.longitudeDeg || options.gmtHours;
    if (options.latitudeDeg) {
        splitDegrees(*options.latitudeDeg, 'N', 'S', r.place.latitudeDegrees, r.place.latitudeMinutes,
                     r.place.northOrSouth);
    }
    if (options.longitudeDeg) {
        splitDegrees(*options.longitudeDeg, 'E', 'W', r.place.longitudeDegrees, r.place.longitudeMinutes,
                     r.place.westOrEast);
    }
    if (options.gmtHours) {
        r.place.gmtHours = *options.gmtHours;
    }
    r.observer = o;
    r.moonNorth = options.south ? false : (env.moonNorth ? env.moonNorth() : true);
    return r;
}

bool flush(std::string& buffer, std::ostream& out) {
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    buffer.clear();
    return static_cast<bool>(out);
}

int finishOutput(std::string& buffer, std::ostream& out, std::ostream& err) {
    if (!flush(buffer, out) || !out.flush()) {
        err << "biteclock-cli: the output could not be written\n";
        return kWriteFailed;
    }
    return 0;
}

int runDay(const DayCommand& command, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
    const auto resolved = resolveObserver(command.location, env, err);
    if (!resolved) {
        return kBadInput;
    }
    const DateSerial date = command.date.value_or(env.today);
    const CalendarDate c = calendarDate(date);
    if (c.year < kFirstYear || c.year > kLastYear) {
        err << "biteclock-cli: --date: today lies outside 1901-01-01..2200-12-31; give --date\n";
        return kBadInput;
    }
    AlmanacDay day;
    day.observer = resolved->observer;
    day.moonorth = resolved->moonNorth;
    const DayRecord record = computeDayRecord(day, date);
    std::string buffer;
    switch (command.format) {
    case OutputFormat::Text:
        appendText(buffer, record);
        break;
    case OutputFormat::Json:
        appendJson(buffer, record);
        break;
    case OutputFormat::Csv:
        buffer += csvHeader();
        buffer += '\n';
        appendCsv(buffer, record);
        break;
    }
    return finishOutput(buffer, out, err);
}

int runRange(const RangeCommand& command, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
    const auto resolved = resolveObserver(command.location, env, err);
    if (!resolved) {
        return kBadInput;
    }
    AlmanacDay day;
    day.observer = resolved->observer;
    day.moonorth = resolved->moonNorth;
    std::string buffer;
    buffer.reserve(kFlushBytes + 1024);
    if (command.format == OutputFormat::Csv) {
        buffer += csvHeader();
        buffer += '\n';
    }
    for (int i = 0; i < command.days; ++i) {
        const DayRecord record = computeDayRecord(day, command.from + i);
        if (command.format == OutputFormat::Csv) {
            appendCsv(buffer, record);
        } else {
            appendJson(buffer, record);
        }
        if (buffer.size() >= kFlushBytes && !flush(buffer, out)) {
            err << "biteclock-cli: the output could not be written\n";
            return kWriteFailed;
        }
    }
    return finishOutput(buffer, out, err);
}

int runTable(const TableCommand& command, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
    const auto resolved = resolveObserver(command.location, env, err);
    if (!resolved) {
        return kBadInput;
    }
    const PhaseTable table = computePhaseTable(command.year, resolved->observer.zoneOffsetHours);
    std::string buffer;
    if (command.format == OutputFormat::Csv) {
        buffer += "slot,kind,date,time\n";
    }
    for (int i = 0; i < PhaseTable::kSlots; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const bool isNew = i % 2 == 0;
        const std::string kind = isNew ? "New Moon" : "Full Moon";
        const std::string date = isoDate(isNew ? *table.NewMoonDate[s] : *table.FullMoonDate[s]);
        const std::string& time = isNew ? table.NewMoonText[s] : table.FullMoonText[s];
        switch (command.format) {
        case OutputFormat::Text: {
            char line[96];
            std::snprintf(line, sizeof line, "%2d  %-9s  %s  %s\n", i, kind.c_str(), date.c_str(),
                          time.c_str());
            buffer += line;
            break;
        }
        case OutputFormat::Json:
            buffer += "{\"slot\":" + std::to_string(i) + ",\"kind\":";
            appendJsonString(buffer, kind);
            buffer += ",\"date\":";
            appendJsonString(buffer, date);
            buffer += ",\"time\":";
            appendJsonString(buffer, time);
            buffer += "}\n";
            break;
        case OutputFormat::Csv:
            buffer += std::to_string(i) + "," + kind + "," + date + ",";
            appendCsvField(buffer, time);
            buffer += '\n';
            break;
        }
    }
    return finishOutput(buffer, out, err);
}

int runCalendar(const CalendarCommand& command, std::ostream& err, const CliEnvironment& env) {
    const auto resolved = resolveObserver(command.location, env, err);
    if (!resolved) {
        return kBadInput;
    }
    CalendarFile file;
    file.year = command.year;
    file.month = command.month;
    file.boxes = command.with ? *command.with : (env.calendarBoxes ? env.calendarBoxes() : CalendarBoxes{});
    file.letterPaper = command.paper ? *command.paper == CalendarPaper::Letter
                                     : (env.letterPaper ? env.letterPaper() : false);
    file.observer = resolved->observer;
    file.moonNorth = resolved->moonNorth;
    file.legendPlace = resolved->place;
    file.zoneName = resolved->typed ? "Custom" : (env.zoneName ? env.zoneName() : std::string());
    file.output = command.output;
    std::string error;
    if (!writeCalendarFile(file, error)) {
        err << "biteclock-cli: " << error << '\n';
        return kWriteFailed;
    }
    return 0;
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment) {
    const ParsedCommand parsed = parseCommandLine(arguments);
    if (!parsed.command) {
        err << "biteclock-cli: " << parsed.error << '\n';
        return kBadInput;
    }
    return std::visit(
        [&](const auto& command) -> int {
            using T = std::decay_t<decltype(command)>;
            if constexpr (std::is_same_v<T, HelpCommand>) {
                std::string text = usageText();
                return finishOutput(text, out, err);
            } else if constexpr (std::is_same_v<T, VersionCommand>) {
                std::string text = std::string("biteclock-cli ") + BITECLOCK_VERSION + "\n";
                return finishOutput(text, out, err);
            } else if constexpr (std::is_same_v<T, DayCommand>) {
                return runDay(command, out, err, environment);
            } else if constexpr (std::is_same_v<T, RangeCommand>) {
                return runRange(command, out, err, environment);
            } else if constexpr (std::is_same_v<T, CalendarCommand>) {
                return runCalendar(command, err, environment);
            } else {
                return runTable(command, out, err, environment);
            }
        },
        *parsed.command);
}

} // namespace biteclock::cli
