#include "packed_colour.h"

namespace packed_colour {

std::optional<QColor> toColour(qint64 packed) {
    if (packed < 0 || packed > kLargest) {
        return std::nullopt;
    }
    // Split by bytes, not by decimal or hexadecimal digit positions: a small blue part gives fewer
    // digits.
    const int value = static_cast<int>(packed);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int fromColour(const QColor& colour) {
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

} // namespace packed_colour
