#pragma once

#include <string_view>

/// What the readers of a trip's typed fields (catch, quantity, trip time) share.
namespace trip_text {

/// A blank or a tab.
inline bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

/// The text without the blanks and tabs at either end.
inline std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace trip_text
