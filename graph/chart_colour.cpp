#include "chart_colour.h"

namespace chart_colour {

namespace {
constexpr int kLargest = 0xFFFFFF;
}

QString toHex(int packed) {
    return QString::number(packed, 16).toUpper();
}

QColor fromHex(const QString& hex) {
    bool ok = false;
    const qlonglong packed = hex.trimmed().toLongLong(&ok, 16);
    if (!ok || packed < 0 || packed > kLargest) {
        return fromPacked(kDefault);
    }
    return fromPacked(static_cast<int>(packed));
}

QColor fromPacked(int packed) {
    if (packed < 0 || packed > kLargest) {
        packed = kDefault;
    }
    // Split by bytes, not by digit positions: a blue part below 16 has fewer than six digits.
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

int toPacked(const QColor& colour) {
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

} // namespace chart_colour
