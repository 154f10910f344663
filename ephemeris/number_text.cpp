#include "number_text.h"

#include <cctype>
#include <charconv>

namespace biteclock {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The number's characters with blanks removed, as far as they form a number; `rest` tells whether
// anything but blanks followed.
std::string numberPrefix(std::string_view text, bool& rest) {
    std::string compact;
    for (char c : text) {
        if (!isBlank(c)) {
            compact += c;
        }
    }
    std::size_t i = 0;
    std::string out;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        out += compact[i++];
    }
    bool digits = false;
    while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
        out += compact[i++];
        digits = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        out += compact[i++];
        while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
            out += compact[i++];
            digits = true;
        }
    }
    if (digits && i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) {
            exponent += compact[j++];
        }
        const std::size_t firstDigit = j;
        while (j < compact.size() && std::isdigit(static_cast<unsigned char>(compact[j])) &&
               j - firstDigit < 4) {
            exponent += compact[j++];
        }
        if (j > firstDigit) {
            out += exponent;
            i = j;
        }
    }
    rest = i < compact.size();
    if (!digits) {
        rest = true;
        return {};
    }
    return out;
}

} // namespace

double leadingNumber(std::string_view text) {
    bool rest = false;
    const std::string prefix = numberPrefix(text, rest);
    if (prefix.empty()) {
        return 0;
    }
    // from_chars reads the C form whatever the process locale is.
    const char* begin = prefix.data();
    if (*begin == '+') {
        ++begin;
    }
    double value = 0;
    const auto result = std::from_chars(begin, prefix.data() + prefix.size(), value);
    if (result.ec != std::errc{}) {
        return 0;
    }
    return value;
}

bool isNumberText(std::string_view text) {
    bool rest = false;
    const std::string prefix = numberPrefix(text, rest);
    if (prefix.empty() || rest) {
        return false;
    }
    // Blanks inside the number ("1 2") do not make a number.
    std::size_t first = text.find_first_not_of(" \t");
    std::size_t last = text.find_last_not_of(" \t");
    for (std::size_t i = first; i <= last; ++i) {
        if (isBlank(text[i])) {
            return false;
        }
    }
    return true;
}

} // namespace biteclock
