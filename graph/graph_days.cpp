#include "graph_days.h"

#include <cmath>
#include <optional>

namespace {

std::optional<double> numberIn(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

GraphDaysChoice choose(const QString& text, double value) {
    if (value > kMaxGraphDays) {
        return {QString::number(kMaxGraphDays), kMaxGraphDays};
    }
    if (value < kMinGraphDays) {
        return {QString::number(kMinGraphDays), kMinGraphDays};
    }
    const double whole = std::round(value);
    const int days = static_cast<int>(whole);
    if (whole == value) {
        return {text, days};
    }
    return {QString::number(days), days};
}

} // namespace

GraphDaysChoice resolveGraphDays(const QString& fieldText, const QString& storedText) {
    if (const auto typed = numberIn(fieldText)) {
        return choose(fieldText, *typed);
    }
    if (const auto stored = numberIn(storedText)) {
        return choose(storedText, *stored);
    }
    return {QString::number(kDefaultGraphDays), kDefaultGraphDays};
}
