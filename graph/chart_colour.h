#pragma once

#include <QColor>
#include <QString>

/// The chart background colour as the main window keeps it: the packed number (red + 256 x green +
/// 65536 x blue) written as hexadecimal digits. The stored default is MainSettings::kDefaultChartColour.
namespace chart_colour {

/// The packed number as upper-case hexadecimal digits, without leading zeros (658188 -> "A0B0C").
QString toHex(int packed);

/// The colour of hexadecimal digits: red the lowest byte, green the middle, blue the highest, however
/// many digits there are. Digits that are not hexadecimal, or a number above FFFFFF, give the default.
QColor fromHex(const QString& hex);

/// The colour of a packed number; the default for a number outside 0 to FFFFFF.
QColor fromPacked(qint64 packed);

/// The packed number of a colour.
int toPacked(const QColor& colour);

} // namespace chart_colour
