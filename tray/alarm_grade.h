#pragma once

#include <QString>

/// What the good-day alarm waits for.
struct AlarmGrade {
    int minimumPoints = 0; ///< the rating points (0, 33, 66, 100) a day must reach
    int daysAhead = 0;     ///< the last day examined, in days after today (today is day 0)

    friend bool operator==(const AlarmGrade&, const AlarmGrade&) = default;
};

/// The grade of a stored "daytype" text: "Excellent Days" 100, "Good & Excellent Days" 66,
/// "Fair To Excellent Days" 33, each looking `daysInAdvance` days ahead; "All Days" 0 looking one
/// day ahead; any other text 0 looking `daysInAdvance` days ahead.
AlarmGrade alarmGradeFor(const QString& dayType, int daysInAdvance);
