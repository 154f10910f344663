#include "tray_texts.h"

#include "packed_colour.h"

#include <QString>

QString trayDateText(biteclock::DateSerial date) {
    const biteclock::CalendarDate c = biteclock::calendarDate(date);
    // The December entry of the month names carries a leading blank; a date reads without it.
    const std::string_view name = biteclock::monthName(c.month);
    const QString month = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).trimmed();
    return QStringLiteral("%1 %2 %3").arg(c.day).arg(month).arg(c.year);
}

QColor colourFromNumberText(const std::string& text) {
    bool ok = false;
    const long long value = QString::fromStdString(text).trimmed().toLongLong(&ok);
    return (ok ? packed_colour::toColour(value) : std::nullopt).value_or(QColor(Qt::black));
}
