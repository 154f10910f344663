#pragma once

#include <QColor>
#include <QString>

/// The chart background colour, packed as red + 256 x green + 65536 x blue.
namespace chart_colour {

inline constexpr int kDefault = 12615680; // red 0, green 128, blue 192

/// The packed number as upper-case hexadecimal digits, without leading zeros (658188 -> "A0B0C").
QString toHex(int packed);

/// The colour of hexadecimal digits: red the lowest byte, green the middle, blue the highest, however
/// many digits there are. Digits that are not hexadecimal, or a number above FFFFFF, give the default.
QColor fromHex(const QString& hex);

/// The colour of a packed number; the default for a number outside 0 to FFFFFF.
QColor fromPacked(int packed);

/// The packed number of a colour.
int toPacked(const QColor& colour);

} // namespace chart_colour
