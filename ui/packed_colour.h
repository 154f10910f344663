#pragma once

#include <QColor>
#include <QtGlobal>
#include <optional>

/// Colours as the settings and the almanac keep them: one number, red + 256 x green + 65536 x blue.
namespace packed_colour {

inline constexpr qint64 kLargest = 0xFFFFFF;

/// The colour of a packed number: red the lowest byte, green the middle, blue the highest. None for
/// a number outside 0 to FFFFFF, which no colour packs to.
std::optional<QColor> toColour(qint64 packed);

/// The packed number of a colour (its alpha is dropped).
int fromColour(const QColor& colour);

} // namespace packed_colour
