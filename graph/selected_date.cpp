#include "selected_date.h"

#include "daily_refresh.h"

QString selectedDateText(biteclock::DateSerial date, bool monthFirst) {
    const biteclock::CalendarDate calendar = biteclock::calendarDate(date);
    return QString::fromStdString(biteclock::graphRowLabel(date, monthFirst)) + QLatin1Char('/') +
           QString::number(calendar.year).rightJustified(4, QLatin1Char('0'));
}
