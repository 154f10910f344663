#pragma once

#include "clock_text.h"
#include "date_offsets.h"
#include "date_serial.h"
#include "journal_entry.h"
#include "journal_store.h"
#include "observer.h"

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

/// The almanac of a trip's date at the place the list is computed for, as the main window shows it.
struct TripAlmanac {
    int moonAge = 0;                                         ///< whole days since the last new moon
    int moonPictureId = 100;                                 ///< 100 to 111
    int rating = 0;                                          ///< 0, 33, 66 or 100
    std::string ratingText;                                  ///< "Poor", "Fair", "Good", "Excellent"
    std::string upperMajor, lowerMajor, riseMinor, setMinor; ///< the four period texts as the day shows them
    /// The same four period times in minutes after midnight (0 to 1439); none where the day shows
    /// the period blank or "Can't Calc".
    std::optional<int> upperMajorMinutes, lowerMajorMinutes, riseMinorMinutes, setMinorMinutes;
    double utcOffsetHours = 0; ///< the offset the date was computed in, hours east

    friend bool operator==(const TripAlmanac&, const TripAlmanac&) = default;
};

/// One journal file as the trips list shows it.
struct TripRecord {
    int number = 0; ///< entry number: the file jour<number>.dat
    JournalStore::ReadStatus status = JournalStore::ReadStatus::Read; ///< Read, Damaged, TooLarge, Unreadable
    QString error;                             ///< why an unreadable file could not be read
    biteclock::JournalEntry entry;             ///< the fields as far as the file was read
    std::optional<biteclock::DateSerial> date; ///< when day, month and year read as a date 1901-2200
    std::optional<TripAlmanac> almanac;        ///< for a trip with a date
};

/// Where the almanac of each trip's date is computed: the current location.
struct TripPlace {
    biteclock::Observer observer; ///< each date takes its own offset from `offsets`
    /// The offset of each date; none computes every date at the observer's own offset. A zone's
    /// offsets are used from the calling thread only.
    std::shared_ptr<const biteclock::DateOffsets> offsets;
    bool moonNorth = true;
    biteclock::ClockDesignators designators; ///< the AM and PM of the period texts
};

/// Every jour<N>.dat file in the folder (N 1 to 32767), in entry-number order, damaged ones included.
/// Files are only read, never written. A folder that does not exist has no trips. Each distinct date
/// is computed once.
std::vector<TripRecord> readTripLog(const QString& folder, const TripPlace& place);
/// One entry again (after a save in the journal window); none when it has no file.
std::optional<TripRecord> readTrip(const QString& folder, int number, const TripPlace& place);

/// The almanac of one date (1901 to 2200) at the place, as the main window shows that date.
TripAlmanac tripAlmanac(const TripPlace& place, biteclock::DateSerial date);

/// "read", "damaged", "too large" or "unreadable".
std::string tripStatusName(JournalStore::ReadStatus status);
