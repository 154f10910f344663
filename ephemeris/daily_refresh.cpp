#include "daily_refresh.h"

namespace biteclock {

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
        day.AlmanacDate = first + (i - 1);
        day.calcmoon();
        rows.push_back({day.AlmanacDate, graphRowLabel(day.AlmanacDate, monthFirst), day.DayRating});
    }
    return rows;
}

std::vector<GraphRow> refreshDay(AlmanacDay& day, DateSerial displayed, int graphDays, bool monthFirst) {
    day.ShowPhaseLabels = true;
    day.AlmanacDate = displayed;
    day.calcmoontime();
    const CalendarDate shown = calendarDate(displayed);
    if (shown.month == 1) {
        day.AlmanacDate = dateSerial(shown.year - 1, shown.month, shown.day);
        day.calcmoontime();
        day.AlmanacDate = displayed;
    }
    std::vector<GraphRow> rows = graphRows(day, displayed, graphDays, monthFirst);

    day.AlmanacDate = displayed;
    day.calcmoon();
    day.Sunriseset();
    day.AlmanacDate = displayed;
    day.lundist();
    day.majorminor();
    day.AlmanacDate = displayed;
    return rows;
}

} // namespace biteclock
