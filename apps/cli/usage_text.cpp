#include "cli_options.h"

namespace biteclock::cli {

std::string usageText() {
    return R"(Usage: biteclock-cli COMMAND [OPTIONS]

Solunar fishing almanac: sun and moon times, fishing periods and the day's prediction.

Commands:
  day    [--date YYYY-MM-DD] [LOCATION] [--format text|json|csv]
         One day, as the Biteclock window shows it (today when no date is given).
  range  --from YYYY-MM-DD --days N [LOCATION] [--format json|csv] [--jobs N]
         N consecutive days, one JSON object (JSON Lines) or CSV row per day.
  ical   --from YYYY-MM-DD --days N [LOCATION] [--events periods,days,phases]
         [--grade fair|good|excellent] [--output FILE.ics|-] [--jobs N]
         The span's fishing times as an iCalendar file for any calendar program (standard
         output without --output; a file is written whole or not at all). periods: each major
         and minor period the day shows, from its time for two hours (a period's time is the
         start of its window, which is centred on the Moon's estimated passage overhead or
         underfoot, or on moonrise or moonset); days: an all-day event for each day whose
         prediction reaches --grade (good when not given); phases: the new and full moons. All
         three when --events is not given. With --tz or --place the times are local, with the
         zone's description; otherwise they are given in UTC. Each event keeps its identity
         (place, date and kind), so importing the span again updates the events instead of
         adding them twice.
  table  --year Y [--gmt H | --tz ZONE | --place NAME] [--format text|json|csv]
         The 31 new and full moons that start at the first new moon of year Y; with --tz or
         --place each in the offset of its own date.
  calendar --month YYYY-MM --output FILE.pdf [--paper a4|letter]
           [--with prediction,sun,moon,periods,phases] [LOCATION]
         The month's printed calendar page as a landscape PDF file (--output - writes it to
         standard output). Without --paper and --with the choices last used in Biteclock's print
         window are taken; --with none prints the day numbers only. With --tz or --place each
         day in its own offset; the legend gives the offset of the month's first day.
  places NAME [--format text|json]
         The towns whose name contains NAME (accents optional), best first: name, state,
         country, latitude, longitude, zone and population. "NAME, PART" keeps the towns whose
         state or country contains PART ("Portland, Maine").
  journal list [--format text|json|csv] [--folder DIR] [LOCATION]
         Every entry of Biteclock's fishing journal with the almanac of its date at the place:
         moon age, prediction and the four fishing periods. Damaged and unreadable entry files
         are listed as such. JSON is one object per entry (JSON Lines).
  journal export --output FILE.csv|- [--folder DIR] [LOCATION]
         The same as CSV (UTF-8, CR LF line ends, a header row): every field of the entry files
         plus the almanac of each date. The file appears only once it is complete.
  journal stats [--format text|json] [--folder DIR] [LOCATION]
         Trips, good catches and the average quantity of fish by the prediction of the date, by
         the Moon's phase, and by whether the trip time (such as 06:00-10:00 or 6am-10am) meets a
         major or minor period. Groups of fewer than 5 trips are marked.
         DIR is Biteclock's journal folder when not given.

Location (whatever is not given comes from the current location stored by Biteclock, as
its window computes with it):
  --lat L          latitude, decimal degrees north positive (40.7, -33.87) or DD:MM with N/S (40:30S)
  --lon L          longitude, decimal degrees east positive (-74, 151.2) or DDD:MM with E/W (74:00W)
  --gmt H          hours east of Greenwich, -12 to 13, fractions allowed (-4, 9.5)
  --tz ZONE        a time zone instead of --gmt: an IANA name (America/New_York) or local, the
                   computer's zone; each date is computed in its own offset (below)
  --place NAME     the best match of "places NAME": its coordinates and zone (instead of --lat,
                   --lon, --gmt, --tz and --location)
  --location NAME  a location saved in Biteclock
  --south          show the Moon pictures as seen from the southern hemisphere

A date's offset in a zone is the zone's offset from Greenwich at 12:00 noon local time that day,
and all of the day's times are given in it: on the two days a year when the clocks change, times
before the change are shown in the day's noon offset. JSON and CSV give it as utc_offset (hours
east) and, with --tz or --place, the zone's name as zone.

range and ical compute long spans on every core (--jobs N: on N threads); the output is the same,
byte for byte, at any number of threads. The events' time stamp is the time of the export, or
SOURCE_DATE_EPOCH when that is set.

Numbers are written plainly: at most one sign, digits and an optional fraction (-4, 9.5).
Dates run from 1901-01-01 to 2200-12-31.
  --help           this text
  --version        the version

Exit codes: 0 done; 1 the output or the file could not be written; 2 bad input (an option, or a
stored value that Biteclock's settings panel refuses). Each problem is one line on standard
error; after bad input nothing is written to standard output.
)";
}

} // namespace biteclock::cli
