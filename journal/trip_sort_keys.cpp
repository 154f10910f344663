#include "trip_sort_keys.h"

#include "trip_text.h"
#include "trip_time_span.h"

#include <array>
#include <cctype>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

using trip_text::isBlank;
using trip_text::trimmed;

/// Digits with an optional fraction at the start of `text`; `used` is how many characters they take.
std::optional<double> unsignedNumber(std::string_view text, std::size_t& used) {
    std::size_t at = 0;
    double value = 0;
    bool anyDigit = false;
    // A count no one types would only lose precision; the sort needs no more than this.
    constexpr std::size_t kMaxDigits = 15;
    std::size_t digits = 0;
    while (at < text.size() && isDigit(text[at])) {
        if (digits++ < kMaxDigits) {
            value = value * 10 + (text[at] - '0');
        } else {
            value *= 10;
        }
        anyDigit = true;
        ++at;
    }
    if (at + 1 < text.size() && (text[at] == '.' || text[at] == ',') && isDigit(text[at + 1])) {
        ++at;
        double scale = 0.1;
        while (at < text.size() && isDigit(text[at])) {
            value += (text[at] - '0') * scale;
            scale /= 10;
            anyDigit = true;
            ++at;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    used = at;
    return value;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<double> leadingNumber(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    std::size_t used = 0;
    const std::optional<double> value = unsignedNumber(text, used);
    if (!value) {
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

std::optional<double> tripLengthMinutes(std::string_view tripTime) {
    if (const auto span = tripTimeSpan(tripTime)) {
        return span->endMinutes - span->startMinutes;
    }
    const std::string_view text = trimmed(tripTime);
    std::size_t used = 0;
    const std::optional<double> number = unsignedNumber(text, used);
    if (!number) {
        return std::nullopt;
    }
    std::string_view rest = text.substr(used);
    if (rest.size() >= 3 && rest[0] == ':' && isDigit(rest[1]) && isDigit(rest[2]) &&
        (rest.size() == 3 || !isDigit(rest[3]))) {
        return *number * 60 + (rest[1] - '0') * 10 + (rest[2] - '0');
    }
    rest = trimmed(rest);
    if (!rest.empty() && (rest.front() == 'm' || rest.front() == 'M')) {
        return *number;
    }
    return *number * 60;
}

std::optional<int> catchGrade(std::string_view rating) {
    static constexpr std::array<std::string_view, 4> kGrades{"Poor", "Fair", "Good", "Excellent"};
    const std::string_view text = trimmed(rating);
    for (std::size_t i = 0; i < kGrades.size(); ++i) {
        if (equalsIgnoringCase(text, kGrades[i])) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}
