#include "alarm_grade.h"

AlarmGrade alarmGradeFor(const QString& dayType, int daysInAdvance) {
    if (dayType == QLatin1String("Excellent Days")) {
        return {100, daysInAdvance};
    }
    if (dayType == QLatin1String("Good & Excellent Days")) {
        return {66, daysInAdvance};
    }
    if (dayType == QLatin1String("Fair To Excellent Days")) {
        return {33, daysInAdvance};
    }
    if (dayType == QLatin1String("All Days")) {
        return {0, 1};
    }
    return {0, daysInAdvance};
}
