#pragma once

#include "date_serial.h"
#include "journal_entry.h"
#include "journal_file.h"
#include "journal_store.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <array>
#include <random>
#include <string>
#include <vector>

/// One generated trip: its entry number, its date and what the file holds.
struct GeneratedTrip {
    int number = 0;
    biteclock::DateSerial date = 0;
    biteclock::JournalEntry entry;
};

/// Trips whose dates repeat (a log goes back to the same days), spread over the almanac's years with
/// January dates, the first and last days of the range and the first days of 1901 among them, and
/// catches, quantities and trip times of every form the statistics read (and some they do not).
/// The same seed gives the same trips.
inline std::vector<GeneratedTrip> generatedTrips(int count, unsigned seed = 7) {
    static const std::array<const char*, 8> kCatches{
        "Poor", "Fair", "Good", "Excellent", "great day", "not good", "", "pretty good, 3 keepers"};
    static const std::array<const char*, 8> kQuantities{"12", "3 fish", "", "none", "2.5", "a few", "0", "7"};
    static const std::array<const char*, 8> kTripTimes{
        "06:00-10:00", "6am-10am", "6:30 AM - 9 PM", "4 hours", "2130-0100", "10-2pm", "", "3-4"};
    static const std::array<const char*, 5> kNotes{"Calm", "Said \"hello\", then left",
                                                   "Line one\r\nline two, with a comma", " blank first",
                                                   "Café at the ramp"};
    std::mt19937 random(seed);
    const biteclock::DateSerial first = biteclock::dateSerial(1901, 1, 1);
    const biteclock::DateSerial last = biteclock::dateSerial(2200, 12, 31);
    std::uniform_int_distribution<biteclock::DateSerial> anyDate(first, last);
    const std::array<biteclock::DateSerial, 8> edges{
        first,
        biteclock::dateSerial(1901, 1, 24),
        biteclock::dateSerial(2000, 1, 6),
        biteclock::dateSerial(2000, 1, 21),
        biteclock::dateSerial(2024, 1, 1),
        biteclock::dateSerial(1999, 12, 31),
        biteclock::dateSerial(2200, 12, 1),
        last,
    };
    std::vector<GeneratedTrip> trips;
    std::vector<biteclock::DateSerial> used;
    for (int i = 0; i < count; ++i) {
        biteclock::DateSerial date = 0;
        if (static_cast<std::size_t>(i) < edges.size()) {
            date = edges[static_cast<std::size_t>(i)];
        } else if (!used.empty() && random() % 3 == 0) {
            date = used[random() % used.size()];
        } else {
            date = anyDate(random);
        }
        used.push_back(date);
        const biteclock::CalendarDate c = biteclock::calendarDate(date);
        GeneratedTrip trip;
        trip.number = i + 1;
        trip.date = date;
        biteclock::JournalEntry& e = trip.entry;
        e.day = std::to_string(c.day);
        e.month = std::to_string(c.month);
        e.year = std::to_string(c.year);
        e.catchRating = kCatches[random() % kCatches.size()];
        e.quantity = kQuantities[random() % kQuantities.size()];
        e.tripTime = kTripTimes[random() % kTripTimes.size()];
        e.notes = kNotes[random() % kNotes.size()];
        e.windDirection = "North West";
        e.tideState = "Rising 2/3";
        e.temperature = std::to_string(10 + i % 15);
        e.position1 = "36 51.5 S";
        e.position2 = "174 45.8 E";
        e.bestTime = "7:15am";
        trips.push_back(std::move(trip));
    }
    return trips;
}

/// Writes each trip as its journal file, as the journal window writes it (without the window's
/// syncing to the disk, so that thousands are written quickly). False when a file could not be.
inline bool writeTrips(const QString& folder, const std::vector<GeneratedTrip>& trips) {
    if (!QDir().mkpath(folder)) {
        return false;
    }
    const JournalStore store(folder);
    for (const GeneratedTrip& trip : trips) {
        QFile file(store.filePath(trip.number));
        const std::string bytes = biteclock::writeJournalFile(trip.entry);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                                                    static_cast<qint64>(bytes.size())) {
            return false;
        }
    }
    return true;
}
