#include "cli_app.h"

#include "almanac_day.h"
#include "calendar_file.h"
#include "cli_options.h"
#include "custom_zone.h"
#include "date_offsets.h"
#include "day_record.h"
#include "day_span.h"
#include "fishing_calendar.h"
#include "ical_file.h"
#include "journal_command.h"
#include "phase_table.h"
#include "places_command.h"
#include "terminal_text.h"
#include "vector_state.h"
#include "version.h"
#include "zone_choice.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <ostream>
#include <type_traits>

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
    std::string zoneName;   ///< the window's zone field for it ("Custom" when typed)
    /// The offset of each date: the zone's with --tz or --place, else the one offset.
    std::shared_ptr<const DateOffsets> offsets;
    std::string zone;       ///< the IANA name with --tz or --place
    std::string placeLabel; ///< the town with --place
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

std::string degreesText(double degrees, double minutes, const std::string& letter) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f:%02.0f%s", degrees, minutes, letter.c_str());
    return text;
}

void reportProblem(const StoredValueProblem& p, const std::string& remedy, std::ostream& err) {
    err << "biteclock-cli: " << terminalSafe(p.file) << ": " << terminalSafe(p.key) << " is "
        << quotedForTerminal(p.text) << ", but Biteclock's settings panel takes " << p.rule
        << " there; correct it in the panel (" << remedy << ")\n";
}

void noteDefaults(const StoredPlace& place, std::ostream& err) {
    const ObserverLocation& l = place.location;
    char hours[32];
    std::snprintf(hours, sizeof hours, "%g", l.gmtHours);
    err << "biteclock-cli: no current location is stored in " << terminalSafe(place.file)
        << "; using the store's defaults: "
        << degreesText(l.latitudeDegrees, l.latitudeMinutes, l.northOrSouth) << " "
        << degreesText(l.longitudeDegrees, l.longitudeMinutes, l.westOrEast) << ", " << hours
        << " hours from Greenwich (give --lat, --lon and --gmt, or store a place in Biteclock)\n";
}

// The place the options start from: a saved location, or the stored current location unless the
// options give every value themselves. None after a line on `err`.
std::optional<StoredPlace> basePlace(const LocationOptions& options, bool offsetOnly,
                                     const CliEnvironment& env, std::ostream& err) {
    StoredPlace base;
    if (options.locationName) {
        const auto saved = env.savedPlace ? env.savedPlace(*options.locationName) : std::nullopt;
        if (!saved) {
            err << "biteclock-cli: --location: no saved location is named "
                << quotedForTerminal(*options.locationName) << "\n";
            return std::nullopt;
        }
        base = *saved;
        if (base.problem) {
            reportProblem(*base.problem, "or choose another --location", err);
            return std::nullopt;
        }
        return base;
    }
    const bool offsetGiven = options.gmtHours || options.zoneName;
    const bool allGiven = offsetGiven && (offsetOnly || (options.latitudeDeg && options.longitudeDeg));
    if (allGiven || !env.currentPlace) {
        return base;
    }
    base = env.currentPlace();
    if (base.problem) {
        reportProblem(*base.problem, offsetOnly ? "or give --gmt" : "or give --lat, --lon and --gmt", err);
        return std::nullopt;
    }
    if (base.defaults) {
        noteDefaults(base, err);
    }
    return base;
}

// The observer of a town found with --place: its exact coordinates and zone.
ResolvedObserver townObserver(const LocationOptions& options, const ZoneChoice& town,
                              const CliEnvironment& env) {
    ResolvedObserver r;
    r.place = *town.place;
    r.typed = true;
    r.zoneName = town.zone;
    r.observer = observerFromDegrees(*town.latitudeDeg, *town.longitudeDeg, 0);
    r.moonNorth = options.south ? false : (env.moonNorth ? env.moonNorth() : true);
    r.offsets = town.offsets;
    r.zone = town.zone;
    r.placeLabel = town.placeLabel;
    return r;
}

std::optional<ResolvedObserver> resolveObserverWithLibraries(const LocationOptions& options,
                                                             const CliEnvironment& env, std::ostream& err,
                                                             bool offsetOnly) {
    const auto zone = chooseZone(options, err);
    if (!zone) {
        return std::nullopt;
    }
    if (zone->place) {
        return townObserver(options, *zone, env);
    }
    const auto place = basePlace(options, offsetOnly, env, err);
    if (!place) {
        return std::nullopt;
    }
    const ObserverLocation& base = place->location;
    Observer o = observerFrom(base);
    if (options.latitudeDeg || options.longitudeDeg || options.gmtHours) {
        o = observerFromDegrees(options.latitudeDeg.value_or(o.latitudeDeg),
                                options.longitudeDeg.value_or(o.longitudeDeg),
                                options.gmtHours.value_or(o.zoneOffsetHours));
    }
    ResolvedObserver r;
    r.place = base;
    r.typed = options.locationName || options.latitudeDeg || options.longitudeDeg || options.gmtHours ||
              options.zoneName;
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
    r.zoneName = r.typed ? std::string(kCustomZoneName) : place->zoneName;
    r.observer = o;
    r.moonNorth = options.south ? false : (env.moonNorth ? env.moonNorth() : true);
    r.offsets = zone->offsets ? zone->offsets : std::make_shared<const FixedDateOffsets>(o.zoneOffsetHours);
    r.zone = zone->zone;
    return r;
}

// The observer and its offsets. Reading the settings and the zone rules runs library code that can
// leave the processor's vector state slowing every sine after it; the days are computed after this.
std::optional<ResolvedObserver> resolveObserver(const LocationOptions& options, const CliEnvironment& env,
                                                std::ostream& err, bool offsetOnly = false) {
    auto resolved = resolveObserverWithLibraries(options, env, err, offsetOnly);
    releaseUpperVectorState();
    return resolved;
}

SpanPlace spanPlace(const ResolvedObserver& resolved) {
    return SpanPlace{resolved.observer, resolved.moonNorth, resolved.zone, resolved.placeLabel};
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
    const DateSerial date = command.date.value_or(env.today);
    const CalendarDate c = calendarDate(date);
    if (c.year < kFirstYear || c.year > kLastYear) {
        err << "biteclock-cli: --date: today lies outside 1901-01-01..2200-12-31; give --date\n";
        return kBadInput;
    }
    const auto resolved = resolveObserver(command.location, env, err);
    if (!resolved) {
        return kBadInput;
    }
    AlmanacDay day;
    day.moonorth = resolved->moonNorth;
    // A day as the window computes it with the offset of that date; the record's texts point into
    // `place` and `day`.
    const SpanPlace place = spanPlace(*resolved);
    const DayRecord record = placedDayRecord(day, place, resolved->offsets->offsetHours(date), date);
    std::string buffer;
    switch (command.format) {
    case OutputFormat::Text:
        appendText(buffer, record);
        break;
    case OutputFormat::Json:
        appendJson(buffer, record);
        break;
    case OutputFormat::Csv:
        buffer += csvHeader(!resolved->zone.empty());
        buffer += '\n';
        appendCsv(buffer, record);
        break;
    }
    return finishOutput(buffer, out, err);
}

int jobsOrCores(int jobs) {
    return jobs > 0 ? jobs : availableCores();
}

int runRange(const RangeCommand& command, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
    const auto resolved = resolveObserver(command.location, env, err);
    if (!resolved) {
        return kBadInput;
    }
    std::string buffer;
    buffer.reserve(kFlushBytes + 1024);
    const bool csv = command.format == OutputFormat::Csv;
    if (csv) {
        buffer += csvHeader(!resolved->zone.empty());
        buffer += '\n';
    }
    const DayFormatter format = csv ? DayFormatter(appendCsv) : DayFormatter(appendJson);
    const bool written = formatDaySpan(spanPlace(*resolved), *resolved->offsets, command.from, command.days,
                                       jobsOrCores(command.jobs), format, [&](std::string& block) {
                                           buffer += block;
                                           return buffer.size() < kFlushBytes || flush(buffer, out);
                                       });
    if (!written) {
        err << "biteclock-cli: the output could not be written\n";
        return kWriteFailed;
    }
    return finishOutput(buffer, out, err);
}

int runIcal(const IcalCommand& command, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
    const auto resolved = resolveObserver(command.location, env, err);
    if (!resolved) {
        return kBadInput;
    }
    IcalFile file;
    file.request.place = spanPlace(*resolved);
    file.request.from = command.from;
    file.request.days = command.days;
    file.request.locationText = !resolved->placeLabel.empty()   ? resolved->placeLabel
                                : command.location.locationName ? *command.location.locationName
                                                                : coordinatesText(resolved->observer);
    file.request.kinds = CalendarEventKinds{command.periods, command.goodDays, command.phases};
    file.request.minimumRating = command.minimumRating;
    file.request.stampUtcSeconds = env.nowUtcSeconds;
    file.request.jobs = jobsOrCores(command.jobs);
    file.offsets = resolved->offsets;
    file.output = command.output;
    std::string error;
    if (!writeIcalFile(file, out, error)) {
        err << "biteclock-cli: " << error << '\n';
        return kWriteFailed;
    }
    return 0;
}

int runTable(const TableCommand& command, std::ostream& out, std::ostream& err, const CliEnvironment& env) {
    const auto resolved = resolveObserver(command.location, env, err, true);
    if (!resolved) {
        return kBadInput;
    }
    // Each new and full moon in the offset of its own date (one offset for all without a zone).
    const auto table = zonedPhaseTable(command.year, *resolved->offsets);
    const std::string& zone = resolved->zone;
    std::string buffer;
    if (command.format == OutputFormat::Csv) {
        buffer += zone.empty() ? "slot,kind,date,time,utc_offset\n" : "slot,kind,date,time,utc_offset,zone\n";
    }
    for (int i = 0; i < PhaseTable::kSlots; ++i) {
        const ZonedPhaseEvent& event = table[static_cast<std::size_t>(i)];
        const std::string kind = event.isNew ? "New Moon" : "Full Moon";
        const std::string date = isoDate(event.date);
        const std::string& time = event.text;
        switch (command.format) {
        case OutputFormat::Text: {
            char line[96];
            std::snprintf(line, sizeof line, "%2d  %-9s  %s  %s", i, kind.c_str(), date.c_str(),
                          time.c_str());
            buffer += line;
            if (!zone.empty()) {
                buffer += event.offsetHours < 0 ? "  UTC" : "  UTC+";
                appendHours(buffer, event.offsetHours);
            }
            buffer += '\n';
            break;
        }
        case OutputFormat::Json:
            buffer += "{\"slot\":" + std::to_string(i) + ",\"kind\":";
            appendJsonString(buffer, kind);
            buffer += ",\"date\":";
            appendJsonString(buffer, date);
            buffer += ",\"time\":";
            appendJsonString(buffer, time);
            buffer += ",\"utc_offset\":";
            appendHours(buffer, event.offsetHours);
            if (!zone.empty()) {
                buffer += ",\"zone\":";
                appendJsonString(buffer, zone);
            }
            buffer += "}\n";
            break;
        case OutputFormat::Csv:
            buffer += std::to_string(i) + "," + kind + "," + date + ",";
            appendCsvField(buffer, time);
            buffer += ',';
            appendHours(buffer, event.offsetHours);
            if (!zone.empty()) {
                buffer += ',';
                appendCsvField(buffer, zone);
            }
            buffer += '\n';
            break;
        }
    }
    return finishOutput(buffer, out, err);
}

int runCalendar(const CalendarCommand& command, std::ostream& out, std::ostream& err,
                const CliEnvironment& env) {
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
    file.zoneName = resolved->zoneName;
    if (resolved->offsets->varies()) {
        // The legend names the zone and the offset the month starts in; each cell takes its own.
        const double firstDayHours =
            resolved->offsets->offsetHours(dateSerial(command.year, command.month, 1));
        file.observer = observerOnDate(resolved->observer, *resolved->offsets,
                                       dateSerial(command.year, command.month, 1));
        file.dateOffsets = resolved->offsets;
        file.legendPlace.gmtHours = firstDayHours;
        file.zoneName = resolved->zone;
    }
    file.output = command.output;
    std::string error;
    if (!writeCalendarFile(file, out, error)) {
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
                std::string text = std::string("biteclock-cli ") + kVersion + "\n";
                return finishOutput(text, out, err);
            } else if constexpr (std::is_same_v<T, DayCommand>) {
                return runDay(command, out, err, environment);
            } else if constexpr (std::is_same_v<T, RangeCommand>) {
                return runRange(command, out, err, environment);
            } else if constexpr (std::is_same_v<T, IcalCommand>) {
                return runIcal(command, out, err, environment);
            } else if constexpr (std::is_same_v<T, CalendarCommand>) {
                return runCalendar(command, out, err, environment);
            } else if constexpr (std::is_same_v<T, JournalCommand>) {
                const auto place = [&]() -> std::optional<TripPlace> {
                    const auto resolved = resolveObserver(command.location, environment, err);
                    if (!resolved) {
                        return std::nullopt;
                    }
                    return TripPlace{resolved->observer, resolved->offsets, resolved->moonNorth, {}};
                };
                const std::string folder = command.folder              ? *command.folder
                                           : environment.journalFolder ? environment.journalFolder()
                                                                       : std::string();
                return runJournal(command, folder, place, out, err);
            } else if constexpr (std::is_same_v<T, PlacesCommand>) {
                std::string text;
                if (!appendPlaces(command, text, err)) {
                    return kBadInput;
                }
                return finishOutput(text, out, err);
            } else {
                return runTable(command, out, err, environment);
            }
        },
        *parsed.command);
}

} // namespace biteclock::cli
