#include "tray_texts.h"

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
    if (!ok || value < 0 || value > 0xFFFFFF) {
        return Qt::black;
    }
    const int packed = static_cast<int>(value);
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}
