#include "entry_number.h"

std::optional<int> parseEntryNumber(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 10) {
        return std::nullopt;
    }
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
        if (value > kLastEntryNumber) {
            return std::nullopt;
        }
    }
    if (value < kFirstEntryNumber) {
        return std::nullopt;
    }
    return value;
}
