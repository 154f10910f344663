#pragma once

#include "date_serial.h"

#include <QColor>
#include <QString>
#include <string>

/// A date as the companion shows it: day, month name, year ("14 March 2024").
QString trayDateText(biteclock::DateSerial date);

/// The colour of a packed colour number (red + 256 * green + 65536 * blue) kept as decimal text;
/// black when the text is not a colour number.
QColor colourFromNumberText(const std::string& text);

/// A text the almanac wrote, for a widget.
inline QString fromAlmanac(const std::string& text) {
    return QString::fromStdString(text);
}
