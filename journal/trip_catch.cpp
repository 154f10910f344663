#include "trip_catch.h"

#include "trip_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string>
#include <vector>

namespace {

constexpr std::array<std::string_view, 13> kGoodWords{
    "good",    "great",   "excellent", "superb", "outstanding", "fantastic", "brilliant",
    "awesome", "amazing", "terrific",  "epic",   "bumper",      "best",
};

constexpr std::array<std::string_view, 4> kNegations{"not", "no", "never", "hardly"};

constexpr std::array<std::string_view, 5> kNoFish{"none", "nil", "zero", "nothing", "no fish"};

template <std::size_t N> bool contains(const std::array<std::string_view, N>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

/// The text's words of letters (and apostrophes, so that "isn't" stays one word), lower case.
std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalpha(c) || (c == '\'' && !word.empty())) {
            word += static_cast<char>(std::tolower(c));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) {
        words.push_back(std::move(word));
    }
    return words;
}

using trip_text::isBlank;
using trip_text::trimmed;

bool onlyWords(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return std::isalpha(c) || isBlank(ch) || c >= 0x80;
    });
}

constexpr std::size_t kMaxWholeDigits = 9;

} // namespace

bool isGoodCatch(std::string_view catchRating) {
    const std::vector<std::string> words = wordsOf(catchRating);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (contains(kGoodWords, words[i]) && (i == 0 || !contains(kNegations, words[i - 1]))) {
            return true;
        }
    }
    return false;
}

std::optional<double> fishQuantity(std::string_view quantity) {
    const std::string_view text = trimmed(quantity);
    if (onlyWords(text)) {
        std::string phrase;
        for (const std::string& word : wordsOf(text)) {
            phrase += phrase.empty() ? word : " " + word;
        }
        if (contains(kNoFish, phrase)) {
            return 0.0;
        }
        return std::nullopt;
    }
    std::size_t end = 0;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    const std::size_t whole = end;
    if (whole == 0 || whole > kMaxWholeDigits) {
        return std::nullopt;
    }
    if (end + 1 < text.size() && text[end] == '.' &&
        std::isdigit(static_cast<unsigned char>(text[end + 1]))) {
        end += 2;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) {
            ++end;
        }
    }
    const std::string_view rest = text.substr(end);
    // "12 fish": blanks, then words; "12fish" and "12-15" are not counts.
    if (!rest.empty() && (!isBlank(rest.front()) || !onlyWords(rest))) {
        return std::nullopt;
    }
    double value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + end, value);
    if (parsed.ec != std::errc() || parsed.ptr != text.data() + end) {
        return std::nullopt;
    }
    return value;
}
