#pragma once

#include "calendar_layout.h"

#include <QString>

/// What the calendar page shows: the print window's five boxes and its paper text.
struct CalendarOptions {
    bool prediction = true; ///< the day's stars
    bool sunrise = false;
    bool moonrise = false;
    bool majorMinor = true; ///< the major and minor fishing times
    bool newFull = false;   ///< new and full moon symbols with their times
    QString paperText = kA4PaperText;

    friend bool operator==(const CalendarOptions&, const CalendarOptions&) = default;
};
