#pragma once

#include "date_serial.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace biteclock::cli {

enum class OutputFormat { Text, Json, Csv };

/// Where the observer comes from: coordinates given on the command line, a saved location, or
/// (for whatever is not given) the stored current location.
struct LocationOptions {
    std::optional<double> latitudeDeg;  ///< north positive, above -90 and below 90
    std::optional<double> longitudeDeg; ///< east positive, above -180 and below 180
    std::optional<double> gmtHours;     ///< -12 to 13, east positive
    std::optional<std::string> locationName;
    /// An IANA zone name or "local" (the computer's zone): each date in its own offset.
    std::optional<std::string> zoneName;
    /// A town to look up: the best match's coordinates and zone.
    std::optional<std::string> placeQuery;
    bool south = false; ///< Moon pictures as seen from the southern hemisphere
};

struct DayCommand {
    std::optional<DateSerial> date; ///< today when not given
    LocationOptions location;
    OutputFormat format = OutputFormat::Text;
};

struct RangeCommand {
    DateSerial from = 0;
    int days = 1;
    LocationOptions location;
    OutputFormat format = OutputFormat::Json; ///< JSON Lines
    int jobs = 0;                             ///< threads to compute on; 0 for every core
};

/// A span of fishing times as an iCalendar file.
struct IcalCommand {
    DateSerial from = 0;
    int days = 1;
    LocationOptions location;
    bool periods = true;      ///< the major and minor periods
    bool goodDays = true;     ///< an all-day event for each day reaching `minimumRating`
    bool phases = true;       ///< new and full moons
    int minimumRating = 66;   ///< 33 fair, 66 good, 100 excellent
    std::string output = "-"; ///< a file name, or "-" for the standard output
    int jobs = 0;             ///< threads to compute on; 0 for every core
};

struct TableCommand {
    int year = 2000;
    LocationOptions location; ///< only the offset is used
    OutputFormat format = OutputFormat::Text;
};

/// The data boxes of the printed calendar.
struct CalendarBoxes {
    bool prediction = true;
    bool sun = false;
    bool moon = false;
    bool periods = true;
    bool phases = false;

    friend bool operator==(const CalendarBoxes&, const CalendarBoxes&) = default;
};

enum class CalendarPaper { A4, Letter };

/// One month's calendar page written to a PDF file.
struct CalendarCommand {
    int year = 2000;
    int month = 1;
    std::optional<CalendarPaper> paper; ///< the stored paper when not given
    std::optional<CalendarBoxes> with;  ///< the stored boxes when not given
    LocationOptions location;
    std::string output;
};

/// The towns matching a name, best first.
struct PlacesCommand {
    std::string query;
    OutputFormat format = OutputFormat::Text; ///< text or JSON Lines
};

/// The trips of Biteclock's fishing journal, each with the almanac of its date at the place.
struct JournalCommand {
    enum class Action { List, Export, Stats };
    Action action = Action::List;
    OutputFormat format = OutputFormat::Text; ///< list: text, json or csv; stats: text or json
    std::optional<std::string> folder;        ///< Biteclock's own journal folder when not given
    std::string output;                       ///< export: the CSV file, "-" for standard output
    LocationOptions location;
};

struct HelpCommand {};
struct VersionCommand {};

using Command = std::variant<DayCommand, RangeCommand, TableCommand, CalendarCommand, PlacesCommand,
                             IcalCommand, JournalCommand, HelpCommand, VersionCommand>;

/// A parsed command line, or one line saying what was wrong.
struct ParsedCommand {
    std::optional<Command> command;
    std::string error;
};

/// Parses the arguments after the program name.
ParsedCommand parseCommandLine(const std::vector<std::string>& arguments);

/// A latitude as decimal degrees (north positive) or "DD:MM" with "N" or "S"; none when malformed
/// or not below 90 degrees either way.
std::optional<double> parseLatitude(const std::string& text);
/// A longitude as decimal degrees (east positive) or "DDD:MM" with "E" or "W"; below 180 either way.
std::optional<double> parseLongitude(const std::string& text);
/// A date "YYYY-MM-DD" from 1901-01-01 to 2200-12-31.
std::optional<DateSerial> parseIsoDate(const std::string& text);

/// A month "YYYY-MM" from 1901-01 to 2200-12, as {year, month}.
std::optional<std::pair<int, int>> parseIsoMonth(const std::string& text);
/// A comma-separated list of prediction, sun, moon, periods and phases (or "none").
std::optional<CalendarBoxes> parseCalendarBoxes(const std::string& text);

/// The text of --help.
std::string usageText();

} // namespace biteclock::cli
