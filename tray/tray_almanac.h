#pragma once

#include "alarm_grade.h"
#include "almanac_day.h"

#include <cstdint>
#include <optional>
#include <string>

/// Today's values as the companion shows them: the data window's texts, and the phase and
/// prediction that the icons and the alarm window's Moon picture use.
struct TrayToday {
    biteclock::DateSerial date = 0;
    biteclock::TrayWindowFields fields;
    std::int16_t moonPictureId = 100; ///< 100 to 111
    std::int16_t moonAge = 0;         ///< whole days since the last new moon
    std::int16_t dayRating = 0;       ///< 0, 33, 66 or 100
    std::string ratingText;           ///< "Poor" ... "Excellent"
    std::string ratingColour;         ///< decimal colour number
    std::int16_t ratingIconId = 204;  ///< 201 to 204
};

/// Computes a day once for the companion's context (tray flavour): the new and full moon table of
/// the date's year (in January the previous year's), phase and rating, sunrise and sunset, moonrise
/// and moonset and the fishing periods. Leaves AlmanacDate on the date.
TrayToday computeTrayToday(biteclock::AlmanacDay& day, biteclock::DateSerial today);

/// The first day that reaches the alarm's grade.
struct AlarmDay {
    int daysAhead = 0; ///< 0 for today
    biteclock::DateSerial date = 0;
    std::int16_t dayRating = 0;
    std::string ratingText;
    std::string ratingColour;
    std::int16_t ratingIconId = 204;
};

/// Rates today and the following days up to grade.daysAhead inclusive with the look-ahead flag set
/// (the data window's caption is left alone) and returns the first whose rating reaches the grade;
/// none when no day does or the days run past the almanac's last year. Expects the table that
/// computeTrayToday() left; restores AlmanacDate to today and clears the flag.
std::optional<AlarmDay> findAlarmDay(biteclock::AlmanacDay& day, biteclock::DateSerial today,
                                     const AlarmGrade& grade);
