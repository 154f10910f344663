#include "trip_log.h"

#include "almanac_day.h"
#include "clock_text.h"
#include "daily_refresh.h"
#include "entry_number.h"
#include "trip_date_check.h"
#include "vector_state.h"

#include <QDir>
#include <algorithm>
#include <string_view>
#include <utility>

namespace {

using biteclock::AlmanacDay;
using biteclock::DateSerial;

/// Minutes after midnight of an "hh:mm AMPM" period text; none for a blank period or "Can't Calc".
std::optional<int> periodMinutes(std::string_view text, const biteclock::ClockDesignators& designators) {
    const auto time = biteclock::readEventClockText(text, designators);
    return time ? std::optional<int>(time->hour * 60 + time->minute) : std::nullopt;
}

/// A context that computes dates as the main window does when it opens on them.
AlmanacDay placeContext(const TripPlace& place) {
    AlmanacDay day(biteclock::AlmanacFlavour::Main, place.designators);
    day.observer = place.observer;
    day.moonorth = place.moonNorth;
    day.dateOffsets = place.offsets;
    return day;
}

TripAlmanac computeAlmanac(AlmanacDay& day, const TripPlace& place, DateSerial date) {
    // Each date as from a new context (nothing kept from the date before), in its own offset.
    day.clearDayResults();
    day.JournalPhaseLabel = false;
    day.lookAhead = false;
    day.ShowPhaseLabels = true;
    if (place.offsets) {
        day.observer = biteclock::observerOnDate(place.observer, *place.offsets, date);
    }
    biteclock::moveToDate(day, date);
    biteclock::loadPhaseTableFor(day, date);
    day.calcmoon();
    day.AlmanacDate = date;
    day.majorminor();
    day.AlmanacDate = date;

    TripAlmanac a;
    a.moonAge = day.MoonAge;
    a.moonPictureId = day.MoonPictureId;
    a.rating = day.DayRating;
    a.ratingText = day.RatingText;
    a.upperMajor = day.main.Text4;
    a.lowerMajor = day.main.Text5;
    a.riseMinor = day.main.Text8;
    a.setMinor = day.main.Text7;
    a.upperMajorMinutes = periodMinutes(a.upperMajor, place.designators);
    a.lowerMajorMinutes = periodMinutes(a.lowerMajor, place.designators);
    a.riseMinorMinutes = periodMinutes(a.riseMinor, place.designators);
    a.setMinorMinutes = periodMinutes(a.setMinor, place.designators);
    a.utcOffsetHours = day.observer.zoneOffsetHours;
    return a;
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// The record of one file, without its almanac; none when the file is not there.
std::optional<TripRecord> readRecord(const JournalStore& store, int number) {
    JournalStore::ReadResult read = store.read(number);
    if (read.status == JournalStore::ReadStatus::Missing) {
        return std::nullopt;
    }
    TripRecord record;
    record.number = number;
    record.status = read.status;
    record.error = std::move(read.error);
    record.entry = std::move(read.entry);
    const biteclock::JournalEntry& e = record.entry;
    if (!e.day.empty()) {
        record.date = storedTripDate({fromUtf8(e.day), fromUtf8(e.month), fromUtf8(e.year)});
    }
    return record;
}

/// The entry numbers that have a file (or anything else under an entry's name), in order.
std::vector<int> entryNumbers(const QString& folder) {
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("jour*.dat")},
                               QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    std::vector<int> numbers;
    numbers.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) {
        // Only the names the journal writes: "jour007.dat" is not entry 7's file.
        const auto number = parseEntryNumber(name.mid(4, name.size() - 8));
        if (number && JournalStore::fileName(*number) == name) {
            numbers.push_back(*number);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

TripAlmanac tripAlmanac(const TripPlace& place, DateSerial date) {
    AlmanacDay day = placeContext(place);
    return computeAlmanac(day, place, date);
}

std::vector<TripRecord> readTripLog(const QString& folder, const TripPlace& place) {
    const JournalStore store(folder);
    std::vector<TripRecord> records;
    for (const int number : entryNumbers(folder)) {
        if (auto record = readRecord(store, number)) {
            records.push_back(std::move(*record));
        }
    }

    // The dates of a log repeat: each distinct date is computed once, in date order, so that the
    // context's tables and moon days carry over from one date to the next.
    std::vector<DateSerial> dates;
    for (const TripRecord& r : records) {
        if (r.date) {
            dates.push_back(*r.date);
        }
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    std::vector<TripAlmanac> almanacs;
    almanacs.reserve(dates.size());
    // Reading the folder can leave the vector registers in a state that slows every sine after it.
    releaseUpperVectorState();
    AlmanacDay day = placeContext(place);
    for (const DateSerial date : dates) {
        almanacs.push_back(computeAlmanac(day, place, date));
    }
    for (TripRecord& r : records) {
        if (r.date) {
            const auto at = std::lower_bound(dates.begin(), dates.end(), *r.date) - dates.begin();
            r.almanac = almanacs[static_cast<std::size_t>(at)];
        }
    }
    return records;
}

std::optional<TripRecord> readTrip(const QString& folder, int number, const TripPlace& place) {
    if (number < kFirstEntryNumber || number > kLastEntryNumber) {
        return std::nullopt;
    }
    auto record = readRecord(JournalStore(folder), number);
    if (record && record->date) {
        record->almanac = tripAlmanac(place, *record->date);
    }
    return record;
}

std::string tripStatusName(JournalStore::ReadStatus status) {
    switch (status) {
    case JournalStore::ReadStatus::Missing:
        return "missing";
    case JournalStore::ReadStatus::Read:
        return "read";
    case JournalStore::ReadStatus::Damaged:
        return "damaged";
    case JournalStore::ReadStatus::TooLarge:
        return "too large";
    case JournalStore::ReadStatus::Unreadable:
        return "unreadable";
    }
    return "unreadable";
}
