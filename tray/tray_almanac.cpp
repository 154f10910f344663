#include "tray_almanac.h"

#include "daily_refresh.h"

using namespace biteclock;

TrayToday computeTrayToday(AlmanacDay& day, DateSerial today) {
    day.lookAhead = false;
    moveToDate(day, today);
    loadPhaseTableFor(day, today);

    day.calcmoon();
    day.Sunriseset();
    day.moonriseset();
    // majorminor reads the flags of its own three runs only.
    day.nomoon = kFalse;
    day.nomoonset = kFalse;
    day.special = kFalse;
    day.majorminor();
    day.AlmanacDate = today;

    TrayToday t;
    t.date = today;
    t.fields = day.tray;
    t.moonPictureId = day.MoonPictureId;
    t.moonAge = day.MoonAge;
    t.dayRating = day.DayRating;
    t.ratingText = day.RatingText;
    t.ratingColour = day.RatingColour;
    t.ratingIconId = day.RatingIconId;
    return t;
}

std::optional<AlarmDay> findAlarmDay(AlmanacDay& day, DateSerial today, const AlarmGrade& grade) {
    const DateSerial lastDate = dateSerial(kLastYear, 12, 31);
    std::optional<AlarmDay> found;
    day.lookAhead = true;
    for (int i = 0; i <= grade.daysAhead && today + i <= lastDate; ++i) {
        moveToDate(day, today + i);
        day.calcmoon();
        if (day.DayRating >= grade.minimumPoints) {
            found = AlarmDay{
                i, day.AlmanacDate, day.DayRating, day.RatingText, day.RatingColour, day.RatingIconId};
            break;
        }
    }
    day.lookAhead = false;
    // A look-ahead day in another offset took its own table: today's goes back.
    returnToDate(day, today);
    return found;
}
