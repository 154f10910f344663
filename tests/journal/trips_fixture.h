#pragma once

// A journal folder of generated trips in a temporary folder, and the place their dates are computed
// for, for the trips list's tests.
#include "date_serial.h"
#include "file_bytes.h"
#include "journal_file.h"
#include "trip_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

/// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace trips_test {

using test_files::contents;
using test_files::writeBytes;

/// One trip as a test writes it.
struct Trip {
    int day = 0, month = 0, year = 0;
    std::string catchRating = {};
    std::string quantity = {};
    std::string tripTime = {};
    std::string notes = {};
    std::string temperature = {};
};

inline biteclock::JournalEntry entryOf(const Trip& t) {
    biteclock::JournalEntry e;
    if (t.day != 0) {
        e.day = std::to_string(t.day);
        e.month = std::to_string(t.month);
        e.year = std::to_string(t.year);
    }
    e.catchRating = t.catchRating;
    e.quantity = t.quantity;
    e.tripTime = t.tripTime;
    e.notes = t.notes;
    e.temperature = t.temperature;
    return e;
}

class TripsFolderTest : public ::testing::Test {
protected:
    TripsFolderTest() {
        // London, on Greenwich time all year.
        place.observer = biteclock::observerFromDegrees(51.5, -0.1, 0);
    }

    QString filePath(int number) const { return folder + QStringLiteral("/jour%1.dat").arg(number); }

    void writeTrip(int number, const Trip& trip) {
        writeBytes(filePath(number), QByteArray::fromStdString(biteclock::writeJournalFile(entryOf(trip))));
    }

    /// A year of trips: entry n on the n-th sixth day of 2024 from 3 January, with catches, quantities,
    /// trip times and notes that vary with n.
    void writeYearOfTrips(int count = 60) {
        static const char* const kCatches[] = {"Poor", "Fair", "Good", "Excellent", "slow, not good"};
        static const char* const kTimes[] = {"06:00 - 09:30", "5pm - 8pm", "3 hrs", "04:30-07:00", ""};
        for (int n = 1; n <= count; ++n) {
            const biteclock::CalendarDate d =
                biteclock::calendarDate(biteclock::dateSerial(2024, 1, 3) + (n - 1) * 6);
            Trip trip;
            trip.day = d.day;
            trip.month = d.month;
            trip.year = d.year;
            trip.catchRating = kCatches[n % 5];
            trip.quantity = n % 4 == 0 ? "none" : std::to_string(n % 9) + " fish";
            trip.tripTime = kTimes[n % 5];
            trip.notes = "Trip " + std::to_string(n) + "\r\nbait: " + (n % 2 == 0 ? "worms" : "lures");
            trip.temperature = std::to_string(10 + n % 12) + "C";
            writeTrip(n, trip);
        }
    }

    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/journal");
    TripPlace place;
};

} // namespace trips_test
