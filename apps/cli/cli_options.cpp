#include "cli_options.h"

#include "journal_options.h"
#include "number_options.h"
#include "option_reader.h"
#include "terminal_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace biteclock::cli {
namespace {

std::optional<OutputFormat> parseFormat(const std::string& text) {
    if (text == "text") {
        return OutputFormat::Text;
    }
    if (text == "json") {
        return OutputFormat::Json;
    }
    if (text == "csv") {
        return OutputFormat::Csv;
    }
    return std::nullopt;
}

std::string quoted(const std::string& text) {
    return quotedForTerminal(text);
}

// A comma-separated list of names, each setting its flag; false at a name that has none (an empty
// one included).
bool readFlagList(const std::string& text, std::initializer_list<std::pair<std::string_view, bool*>> flags) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view name = std::string_view(text).substr(start, comma - start);
        const auto flag =
            std::find_if(flags.begin(), flags.end(), [name](const auto& f) { return f.first == name; });
        if (flag == flags.end()) {
            return false;
        }
        *flag->second = true;
        start = comma + 1;
    }
    return true;
}

} // namespace

bool readLocationOption(OptionReader& reader, const std::string& option, LocationOptions& location,
                        bool offsetOnly) {
    if (option == "--gmt") {
        if (const auto v = reader.value(option)) {
            const auto hours = parseNumber(*v);
            if (!hours || *hours < -12 || *hours > 13) {
                reader.fail(
                    "--gmt: expected hours east of Greenwich from -12 to 13 (fractions allowed), got " +
                    quoted(*v));
            } else {
                location.gmtHours = hours;
            }
        }
        return true;
    }
    if (option == "--tz") {
        if (auto v = reader.filledValue(
                option, "--tz: expected a time zone name such as America/New_York, or local")) {
            location.zoneName = std::move(v);
        }
        return true;
    }
    if (option == "--place") {
        if (auto v = reader.filledValue(option, "--place: expected the name of a town", " \t,")) {
            location.placeQuery = std::move(v);
        }
        return true;
    }
    if (offsetOnly) {
        return false;
    }
    if (option == "--lat") {
        if (const auto v = reader.value(option)) {
            location.latitudeDeg = parseLatitude(*v);
            if (!location.latitudeDeg) {
                reader.fail(
                    "--lat: expected decimal degrees above -90 and below 90 (north positive) or DD:MM "
                    "with N or S, got " +
                    quoted(*v));
            }
        }
        return true;
    }
    if (option == "--lon") {
        if (const auto v = reader.value(option)) {
            location.longitudeDeg = parseLongitude(*v);
            if (!location.longitudeDeg) {
                reader.fail(
                    "--lon: expected decimal degrees above -180 and below 180 (east positive) or DDD:MM "
                    "with E or W, got " +
                    quoted(*v));
            }
        }
        return true;
    }
    if (option == "--location") {
        if (auto v = reader.filledValue(option, "--location: expected the name of a saved location")) {
            location.locationName = std::move(v);
        }
        return true;
    }
    if (option == "--south") {
        location.south = true;
        return true;
    }
    return false;
}

bool readFormatOption(OptionReader& reader, const std::string& option, OutputFormat& format, bool allowText) {
    if (option != "--format") {
        return false;
    }
    if (const auto v = reader.value(option)) {
        const auto f = parseFormat(*v);
        if (!f || (!allowText && *f == OutputFormat::Text)) {
            reader.fail(allowText ? "--format: expected text, json or csv, got " + quoted(*v)
                                  : "--format: expected json or csv, got " + quoted(*v));
        } else {
            format = *f;
        }
    }
    return true;
}

namespace {

std::optional<DateSerial> readDate(OptionReader& reader, const std::string& option) {
    const auto v = reader.value(option);
    if (!v) {
        return std::nullopt;
    }
    const auto date = parseIsoDate(*v);
    if (!date) {
        reader.fail(option + ": expected a date YYYY-MM-DD from 1901-01-01 to 2200-12-31, got " + quoted(*v));
    }
    return date;
}

// Options that each give the offset or the place, given together.
std::string locationConflict(const LocationOptions& l) {
    if (l.placeQuery && (l.latitudeDeg || l.longitudeDeg || l.gmtHours || l.zoneName || l.locationName)) {
        return "--place gives the coordinates and the zone itself; leave out --lat, --lon, --gmt, --tz and "
               "--location";
    }
    if (l.zoneName && l.gmtHours) {
        return "--tz and --gmt both give the offset from Greenwich; give one of them";
    }
    return {};
}

} // namespace

ParsedCommand finish(const OptionReader& reader, Command command) {
    if (reader.helpWanted()) {
        return {HelpCommand{}, {}};
    }
    if (!reader.error().empty()) {
        return {std::nullopt, reader.error()};
    }
    const std::string conflict = std::visit(
        [](const auto& c) -> std::string {
            if constexpr (requires { c.location; }) {
                return locationConflict(c.location);
            } else {
                return {};
            }
        },
        command);
    if (!conflict.empty()) {
        return {std::nullopt, conflict};
    }
    return {std::move(command), {}};
}

namespace {

ParsedCommand parseDay(const std::vector<std::string>& arguments) {
    DayCommand day;
    OptionReader reader(arguments, 1);
    while (!reader.done()) {
        const std::string option = reader.take();
        if (reader.help(option)) {
            break;
        }
        if (option == "--date") {
            day.date = readDate(reader, option);
        } else if (!readLocationOption(reader, option, day.location, false) &&
                   !readFormatOption(reader, option, day.format, true)) {
            reader.fail("day: unknown option " + quoted(option) + " (see --help)");
        }
    }
    return finish(reader, day);
}

// --from and --days, shared by the commands over a span of days; false when `option` is neither.
struct SpanOptions {
    std::optional<DateSerial> from;
    std::optional<int> days;
    std::optional<int> jobs;
};

bool readSpanOption(OptionReader& reader, const std::string& option, SpanOptions& span) {
    if (option == "--from") {
        span.from = readDate(reader, option);
        return true;
    }
    if (option == "--days" || option == "--jobs") {
        if (const auto v = reader.value(option)) {
            const auto number = parseWhole(*v);
            if (!number || *number < 1) {
                reader.fail(option == "--days"
                                ? "--days: expected a whole number of days, 1 or more, got " + quoted(*v)
                                : "--jobs: expected a whole number of threads, 1 or more, got " + quoted(*v));
            } else {
                (option == "--days" ? span.days : span.jobs) = number;
            }
        }
        return true;
    }
    return false;
}

// The span's own checks once every option is read: "" when it is complete and within the almanac.
std::string spanProblem(const std::string& command, const SpanOptions& span) {
    if (!span.from) {
        return command + ": --from YYYY-MM-DD is required";
    }
    if (!span.days) {
        return command + ": --days N is required";
    }
    const DateSerial last = dateSerial(kLastYear, 12, 31);
    if (static_cast<long long>(*span.from) + *span.days - 1 > last) {
        return "--days: the range would run past 2200-12-31; from that --from date it takes at most " +
               std::to_string(last - *span.from + 1) + " days";
    }
    return {};
}

// The span into the command once every option is read; the problem when it is incomplete.
template <typename SpanCommand>
std::string takeSpan(const std::string& command, const SpanOptions& span, SpanCommand& into) {
    std::string problem = spanProblem(command, span);
    if (problem.empty()) {
        into.from = *span.from;
        into.days = *span.days;
        into.jobs = span.jobs.value_or(0);
    }
    return problem;
}

ParsedCommand parseRange(const std::vector<std::string>& arguments) {
    RangeCommand range;
    SpanOptions span;
    OptionReader reader(arguments, 1);
    while (!reader.done()) {
        const std::string option = reader.take();
        if (reader.help(option)) {
            break;
        }
        if (!readSpanOption(reader, option, span) &&
            !readLocationOption(reader, option, range.location, false) &&
            !readFormatOption(reader, option, range.format, false)) {
            reader.fail("range: unknown option " + quoted(option) + " (see --help)");
        }
    }
    if (reader.error().empty() && !reader.helpWanted()) {
        if (std::string problem = takeSpan("range", span, range); !problem.empty()) {
            return {std::nullopt, std::move(problem)};
        }
    }
    return finish(reader, range);
}

// "periods,days,phases" in any order and number.
bool parseIcalEvents(const std::string& text, IcalCommand& ical) {
    ical.periods = ical.goodDays = ical.phases = false;
    return readFlagList(text,
                        {{"periods", &ical.periods}, {"days", &ical.goodDays}, {"phases", &ical.phases}});
}

ParsedCommand parseIcal(const std::vector<std::string>& arguments) {
    IcalCommand ical;
    SpanOptions span;
    OptionReader reader(arguments, 1);
    while (!reader.done()) {
        const std::string option = reader.take();
        if (reader.help(option)) {
            break;
        }
        if (option == "--events") {
            if (const auto v = reader.value(option); v && !parseIcalEvents(*v, ical)) {
                reader.fail("--events: expected a comma-separated list of periods, days and phases, got " +
                            quoted(*v));
            }
        } else if (option == "--grade") {
            if (const auto v = reader.value(option)) {
                if (*v == "fair" || *v == "good" || *v == "excellent") {
                    ical.minimumRating = *v == "fair" ? 33 : *v == "good" ? 66 : 100;
                } else {
                    reader.fail("--grade: expected fair, good or excellent, got " + quoted(*v));
                }
            }
        } else if (option == "--output" || option == "-o") {
            if (auto v = reader.filledValue(
                    option,
                    option + ": expected the name of the .ics file to write, or - for the standard output")) {
                ical.output = std::move(*v);
            }
        } else if (!readSpanOption(reader, option, span) &&
                   !readLocationOption(reader, option, ical.location, false)) {
            reader.fail("ical: unknown option " + quoted(option) + " (see --help)");
        }
    }
    if (reader.error().empty() && !reader.helpWanted()) {
        if (std::string problem = takeSpan("ical", span, ical); !problem.empty()) {
            return {std::nullopt, std::move(problem)};
        }
    }
    return finish(reader, ical);
}

ParsedCommand parseTable(const std::vector<std::string>& arguments) {
    TableCommand table;
    std::optional<int> year;
    OptionReader reader(arguments, 1);
    while (!reader.done()) {
        const std::string option = reader.take();
        if (reader.help(option)) {
            break;
        }
        if (option == "--year") {
            if (const auto v = reader.value(option)) {
                year = parseWhole(*v);
                if (!year || *year < kFirstYear || *year > kLastYear) {
                    reader.fail("--year: expected a year from 1901 to 2200, got " + quoted(*v));
                }
            }
        } else if (!readLocationOption(reader, option, table.location, true) &&
                   !readFormatOption(reader, option, table.format, true)) {
            reader.fail("table: unknown option " + quoted(option) + " (see --help)");
        }
    }
    if (reader.error().empty() && !reader.helpWanted() && !year) {
        return {std::nullopt, "table: --year Y is required"};
    }
    table.year = year.value_or(kFirstYear);
    return finish(reader, table);
}

ParsedCommand parseCalendar(const std::vector<std::string>& arguments) {
    CalendarCommand calendar;
    std::pair<int, int> month{0, 0}; // year and month; 0 until given
    std::optional<std::string> output;
    OptionReader reader(arguments, 1);
    while (!reader.done()) {
        const std::string option = reader.take();
        if (reader.help(option)) {
            break;
        }
        if (option == "--month") {
            if (const auto v = reader.value(option)) {
                const auto parsed = parseIsoMonth(*v);
                if (parsed) {
                    month = *parsed;
                } else {
                    reader.fail("--month: expected a month YYYY-MM from 1901-01 to 2200-12, got " +
                                quoted(*v));
                }
            }
        } else if (option == "--paper") {
            if (const auto v = reader.value(option)) {
                if (*v == "a4" || *v == "A4") {
                    calendar.paper = CalendarPaper::A4;
                } else if (*v == "letter" || *v == "Letter") {
                    calendar.paper = CalendarPaper::Letter;
                } else {
                    reader.fail("--paper: expected a4 or letter, got " + quoted(*v));
                }
            }
        } else if (option == "--with") {
            if (const auto v = reader.value(option)) {
                calendar.with = parseCalendarBoxes(*v);
                if (!calendar.with) {
                    reader.fail(
                        "--with: expected a comma-separated list of prediction, sun, moon, periods and "
                        "phases (or none), got " +
                        quoted(*v));
                }
            }
        } else if (option == "--output" || option == "-o") {
            if (auto v =
                    reader.filledValue(option, option + ": expected the name of the PDF file to write")) {
                output = std::move(v);
            }
        } else if (!readLocationOption(reader, option, calendar.location, false)) {
            reader.fail("calendar: unknown option " + quoted(option) + " (see --help)");
        }
    }
    if (reader.error().empty() && !reader.helpWanted()) {
        if (month.second == 0) {
            return {std::nullopt, "calendar: --month YYYY-MM is required"};
        }
        if (!output) {
            return {std::nullopt, "calendar: --output FILE.pdf is required"};
        }
        calendar.year = month.first;
        calendar.month = month.second;
        calendar.output = *output;
    }
    return finish(reader, calendar);
}

ParsedCommand parsePlaces(const std::vector<std::string>& arguments) {
    PlacesCommand places;
    std::optional<std::string> query;
    OptionReader reader(arguments, 1);
    while (!reader.done()) {
        const std::string option = reader.take();
        if (reader.help(option)) {
            break;
        }
        if (option == "--format") {
            readFormatOption(reader, option, places.format, true);
            if (places.format == OutputFormat::Csv) {
                reader.fail("--format: expected text or json, got " + quoted("csv"));
            }
        } else if (option.starts_with("--")) {
            reader.fail("places: unknown option " + quoted(option) + " (see --help)");
        } else if (query) {
            reader.fail("places: one name only; put a name of several words in quotes, got " +
                        quoted(option));
        } else {
            query = option;
        }
    }
    if (reader.error().empty() && !reader.helpWanted()) {
        if (!query || query->find_first_not_of(" \t,") == std::string::npos) {
            return {std::nullopt, "places: the name of a town is required (places QUERY)"};
        }
        places.query = *query;
    }
    return finish(reader, places);
}

} // namespace

std::optional<std::pair<int, int>> parseIsoMonth(const std::string& text) {
    if (text.size() != 7 || text[4] != '-') {
        return std::nullopt;
    }
    const auto year = parseDigits(text.substr(0, 4));
    const auto month = parseDigits(text.substr(5, 2));
    if (!year || !month || *year < kFirstYear || *year > kLastYear || *month < 1 || *month > 12) {
        return std::nullopt;
    }
    return std::pair{*year, *month};
}

std::optional<CalendarBoxes> parseCalendarBoxes(const std::string& text) {
    CalendarBoxes boxes{false, false, false, false, false};
    if (text == "none") {
        return boxes;
    }
    if (!readFlagList(text, {{"prediction", &boxes.prediction},
                             {"sun", &boxes.sun},
                             {"moon", &boxes.moon},
                             {"periods", &boxes.periods},
                             {"phases", &boxes.phases}})) {
        return std::nullopt;
    }
    return boxes;
}

std::optional<double> parseLatitude(const std::string& text) {
    return parseAngle(text, 'N', 'S', 90);
}

std::optional<double> parseLongitude(const std::string& text) {
    return parseAngle(text, 'E', 'W', 180);
}

std::optional<DateSerial> parseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = parseDigits(text.substr(0, 4));
    const auto month = parseDigits(text.substr(5, 2));
    const auto day = parseDigits(text.substr(8, 2));
    if (!year || !month || !day || *year < kFirstYear || *year > kLastYear ||
        !isValidDate(*year, *month, *day)) {
        return std::nullopt;
    }
    return dateSerial(*year, *month, *day);
}

ParsedCommand parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return {std::nullopt,
                "a command is missing: day, range, ical, table, calendar, places or journal (see --help)"};
    }
    const std::string& command = arguments.front();
    if (command == "--help" || command == "-h" || command == "help") {
        return {HelpCommand{}, {}};
    }
    if (command == "--version") {
        if (arguments.size() > 1) {
            return {std::nullopt, "--version takes nothing after it, got " + quoted(arguments[1])};
        }
        return {VersionCommand{}, {}};
    }
    if (command == "day") {
        return parseDay(arguments);
    }
    if (command == "range") {
        return parseRange(arguments);
    }
    if (command == "table") {
        return parseTable(arguments);
    }
    if (command == "calendar") {
        return parseCalendar(arguments);
    }
    if (command == "places") {
        return parsePlaces(arguments);
    }
    if (command == "ical") {
        return parseIcal(arguments);
    }
    if (command == "journal") {
        return parseJournal(arguments);
    }
    return {std::nullopt, "unknown command " + quoted(command) +
                              ": expected day, range, ical, table, calendar, places or journal (see --help)"};
}

} // namespace biteclock::cli
