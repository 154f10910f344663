#pragma once

#include "date_serial.h"

#include <QList>
#include <QString>
#include <optional>

/// A message the journal shows the user.
struct JournalNotice {
    enum class Icon { Information, Exclamation, Critical };

    QString title;
    QString text;
    Icon icon = Icon::Information;

    friend bool operator==(const JournalNotice&, const JournalNotice&) = default;
};

/// The trip date's three boxes.
struct TripDateFields {
    QString day;
    QString month;
    QString year;

    friend bool operator==(const TripDateFields&, const TripDateFields&) = default;
};

/// What checking a typed trip date gave.
struct TripDateCheck {
    enum class Box { None, Day, Month, Year };

    TripDateFields fields;                     ///< the boxes as they are to be shown afterwards
    QList<JournalNotice> notices;              ///< to show, in this order
    Box focus = Box::None;                     ///< the box the focus goes to
    std::optional<biteclock::DateSerial> date; ///< the trip's date when the check passed
};

/// Checks a typed trip date: the first empty box stops the check with its message; a two-digit year
/// takes the century of the current year (with a note); years are kept within 1901 to 2200; a day or
/// month out of range is emptied; a day that the month does not have is refused. Signs are dropped.
/// A box that does not hold a whole number counts as out of range (a year: not a date).
TripDateCheck checkTripDate(const TripDateFields& typed, int currentYear);

/// The date that stored boxes name, read quietly (no messages, no corrections): whole numbers,
/// signs dropped, a year from 1901 to 2200 and a real calendar day. None otherwise.
std::optional<biteclock::DateSerial> storedTripDate(const TripDateFields& fields);
