#include "daily_refresh.h"

namespace biteclock {

void loadPhaseTableFor(AlmanacDay& day, DateSerial date) {
    const CalendarDate c = calendarDate(date);
    day.AlmanacDate = dateSerial(tableYearFor(c), c.month, c.day);
    day.calcmoontime();
    day.AlmanacDate = date;
}

bool followsZone(const AlmanacDay& day) {
    return day.dateOffsets && day.dateOffsets->varies();
}

void moveToDate(AlmanacDay& day, DateSerial date) {
    day.AlmanacDate = date;
    if (!followsZone(day)) {
        return;
    }
    const double hours = day.dateOffsets->offsetHours(date);
    if (hours != day.observer.zoneOffsetHours) {
        day.observer = observerFromDegrees(day.observer.latitudeDeg, day.observer.longitudeDeg, hours);
    }
    if (day.phases.zoneOffsetHours != hours) {
        loadPhaseTableFor(day, date);
    }
}

void returnToDate(AlmanacDay& day, DateSerial date) {
    moveToDate(day, date);
    if (followsZone(day)) {
        loadPhaseTableFor(day, date);
    }
}

std::string graphRowLabel(DateSerial date, bool monthFirst) {
    const CalendarDate c = calendarDate(date);
    const std::string day = std::to_string(c.day);
    const std::string month = std::to_string(c.month);
    return monthFirst ? month + "/" + day : day + "/" + month;
}

std::vector<GraphRow> graphRows(AlmanacDay& day, DateSerial first, int days, bool monthFirst) {
    std::vector<GraphRow> rows;
    rows.reserve(days > 0 ? static_cast<std::size_t>(days) : 0);
    for (int i = 1; i <= days; ++i) {
        moveToDate(day, first + (i - 1));
        day.calcmoon();
        rows.push_back({day.AlmanacDate, graphRowLabel(day.AlmanacDate, monthFirst), day.DayRating});
    }
    return rows;
}

std::vector<GraphRow> refreshDay(AlmanacDay& day, DateSerial displayed, int graphDays, bool monthFirst) {
    day.ShowPhaseLabels = true;
    moveToDate(day, displayed);
    loadPhaseTableFor(day, displayed);
    std::vector<GraphRow> rows = graphRows(day, displayed, graphDays, monthFirst);

    returnToDate(day, displayed);
    day.calcmoon();
    day.Sunriseset();
    day.AlmanacDate = displayed;
    day.lundist();
    day.majorminor();
    day.AlmanacDate = displayed;
    return rows;
}

std::vector<GraphRow> recomputeEnteredDay(AlmanacDay& day, DateSerial entered, int graphDays,
                                          bool monthFirst) {
    moveToDate(day, entered);
    std::vector<GraphRow> rows = graphRows(day, entered, graphDays, monthFirst);
    returnToDate(day, entered);
    const CalendarDate c = calendarDate(entered);
    if (tableYearFor(c) != c.year) {
        loadPhaseTableFor(day, entered);
    }
    day.AlmanacDate = entered;
    day.calcmoon();
    day.AlmanacDate = entered;
    day.Sunriseset();
    day.AlmanacDate = entered;
    day.majorminor();
    // The periods leave the context on the next day.
    day.AlmanacDate = entered;
    return rows;
}

} // namespace biteclock
