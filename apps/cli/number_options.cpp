#include "number_options.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace biteclock::cli {
namespace {

// The one number form every option takes: at most one sign, digits, and an optional fraction of
// one or more digits ("-4", "+9.5", "0.25"); no blanks, exponents, "inf" or "nan".
bool isPlainNumber(std::string_view text, bool signAllowed, bool fractionAllowed) {
    std::size_t i = 0;
    if (signAllowed && i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const auto digitsFrom = [&text](std::size_t at) {
        std::size_t end = at;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
            ++end;
        }
        return end;
    };
    const std::size_t whole = digitsFrom(i);
    if (whole == i) {
        return false;
    }
    i = whole;
    if (i < text.size() && text[i] == '.' && fractionAllowed) {
        const std::size_t fraction = digitsFrom(i + 1);
        if (fraction == i + 1) {
            return false;
        }
        i = fraction;
    }
    return i == text.size();
}

std::optional<double> readNumber(std::string_view text, bool signAllowed) {
    if (!isPlainNumber(text, signAllowed, true)) {
        return std::nullopt;
    }
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (*begin == '+') {
        ++begin;
    }
    double value = 0;
    const auto result = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (result.ec != std::errc{} || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    return readNumber(text, true);
}

namespace {

std::optional<int> readWhole(std::string_view text, bool signAllowed) {
    if (!isPlainNumber(text, signAllowed, false)) {
        return std::nullopt;
    }
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (*begin == '+') {
        ++begin;
    }
    int value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<int> parseWhole(std::string_view text) {
    return readWhole(text, true);
}

// The digits of a date's part, nothing else.
std::optional<int> parseDigits(std::string_view text) {
    return readWhole(text, false);
}

namespace {

// "DD:MM" followed by one of two hemisphere letters; the second letter negates. Both parts are
// unsigned: the letter alone carries the sign.
std::optional<double> parseDegreesMinutes(const std::string& text, char positive, char negative,
                                          int maxDegrees) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || text.size() < colon + 3) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (letter != positive && letter != negative) {
        return std::nullopt;
    }
    const std::string_view view(text);
    const auto degrees = parseDigits(view.substr(0, colon));
    const auto minutes = readNumber(view.substr(colon + 1, text.size() - colon - 2), false);
    if (!degrees || !minutes || *degrees > maxDegrees || *minutes >= 60) {
        return std::nullopt;
    }
    // The minutes are added to the degrees as the settings keep them; the letter carries the sign.
    const double value = *degrees + *minutes / 60;
    return letter == negative ? -value : value;
}

} // namespace

std::optional<double> parseAngle(const std::string& text, char positive, char negative, double limit) {
    if (text.find(':') != std::string::npos) {
        const auto value = parseDegreesMinutes(text, positive, negative, static_cast<int>(limit) - 1);
        if (value && std::fabs(*value) < limit) {
            return value;
        }
        return std::nullopt;
    }
    const auto value = parseNumber(text);
    if (!value || std::fabs(*value) >= limit) {
        return std::nullopt;
    }
    return value;
}

} // namespace biteclock::cli
