#include "chart_colour.h"

#include "main_settings.h"
#include "packed_colour.h"

namespace chart_colour {

QString toHex(int packed) {
    return QString::number(packed, 16).toUpper();
}

QColor fromHex(const QString& hex) {
    bool ok = false;
    const qlonglong packed = hex.trimmed().toLongLong(&ok, 16);
    return fromPacked(ok ? packed : -1);
}

QColor fromPacked(qint64 packed) {
    static const QColor fallback = *packed_colour::toColour(MainSettings::kDefaultChartColour);
    return packed_colour::toColour(packed).value_or(fallback);
}

int toPacked(const QColor& colour) {
    return packed_colour::fromColour(colour);
}

} // namespace chart_colour
