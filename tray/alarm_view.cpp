#include "alarm_view.h"

#include "tray_texts.h"

AlarmView alarmViewFor(const AlarmDay& day, int todayMoonPictureId) {
    AlarmView v;
    if (day.daysAhead == 0) {
        v.heading = QStringLiteral("It's Biteclock:");
        v.count = QStringLiteral("To");
        v.unit = QStringLiteral("day");
        v.unitRed = true;
    } else {
        v.heading = QStringLiteral("It's Fishing time in:");
        v.count = QString::number(day.daysAhead);
        v.unit = day.daysAhead == 1 ? QStringLiteral("Day") : QStringLiteral("Days");
    }
    v.dateText = trayDateText(day.date);
    v.gradeText = fromAlmanac(day.ratingText);
    v.gradeColour = colourFromNumberText(day.ratingColour);
    v.fishPictureId = day.ratingIconId;
    v.moonPictureId = todayMoonPictureId;
    return v;
}
