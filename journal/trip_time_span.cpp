#include "trip_time_span.h"

#include <cctype>
#include <string>

namespace {

constexpr int kMinutesPerDay = 24 * 60;

enum class Half { None, Am, Pm };

/// One clock time as written, before the designators are settled.
struct WrittenTime {
    int hour = 0;
    int minute = 0;
    Half half = Half::None;
    bool precise = false; ///< minutes, a designator, the three- or four-digit form, noon or midnight
};

class SpanReader {
public:
    explicit SpanReader(std::string_view text)
        : text_(text) {}

    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    bool atEnd() const { return pos_ >= text_.size(); }

    /// A case-insensitive word at the current place that does not run on into more letters.
    bool word(std::string_view w) {
        if (text_.size() - pos_ < w.size()) {
            return false;
        }
        for (std::size_t i = 0; i < w.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(text_[pos_ + i])) != w[i]) {
                return false;
            }
        }
        const std::size_t after = pos_ + w.size();
        if (after < text_.size() && std::isalpha(static_cast<unsigned char>(text_[after]))) {
            return false;
        }
        pos_ = after;
        return true;
    }

    bool literal(std::string_view s) {
        if (text_.substr(pos_, s.size()) != s) {
            return false;
        }
        pos_ += s.size();
        return true;
    }

    std::optional<WrittenTime> time() {
        if (word("noon")) {
            return WrittenTime{12, 0, Half::Pm, true};
        }
        if (word("midnight")) {
            return WrittenTime{0, 0, Half::Am, true};
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        const std::string_view digits = text_.substr(start, pos_ - start);
        WrittenTime t;
        if (digits.size() == 3 || digits.size() == 4) {
            t.hour = number(digits.substr(0, digits.size() - 2));
            t.minute = number(digits.substr(digits.size() - 2));
            t.precise = true;
        } else if (digits.size() == 1 || digits.size() == 2) {
            t.hour = number(digits);
            if (pos_ + 2 < text_.size() && (text_[pos_] == ':' || text_[pos_] == '.') &&
                std::isdigit(static_cast<unsigned char>(text_[pos_ + 1])) &&
                std::isdigit(static_cast<unsigned char>(text_[pos_ + 2])) &&
                (pos_ + 3 >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[pos_ + 3])))) {
                t.minute = number(text_.substr(pos_ + 1, 2));
                t.precise = true;
                pos_ += 3;
            }
        } else {
            return std::nullopt;
        }
        if (t.minute > 59) {
            return std::nullopt;
        }
        const std::size_t beforeHalf = pos_;
        skipBlanks();
        if (word("a.m.") || word("am") || word("a.m") || word("a")) {
            t.half = Half::Am;
        } else if (word("p.m.") || word("pm") || word("p.m") || word("p")) {
            t.half = Half::Pm;
        } else {
            pos_ = beforeHalf;
        }
        if (t.half != Half::None) {
            t.precise = true;
            if (t.hour < 1 || t.hour > 12) {
                return std::nullopt;
            }
        } else if (t.hour > 24 || (t.hour == 24 && t.minute != 0)) {
            return std::nullopt;
        }
        return t;
    }

    bool separator() {
        skipBlanks();
        const bool found = literal("-") || literal("\xE2\x80\x93") || literal("\xE2\x80\x94") || word("to") ||
                           word("till") || word("til") || word("until");
        skipBlanks();
        return found;
    }

private:
    static int number(std::string_view digits) {
        int value = 0;
        for (const char c : digits) {
            value = value * 10 + (c - '0');
        }
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

int minutesOf(const WrittenTime& t, Half half) {
    int hour = t.hour;
    if (half != Half::None) {
        hour %= 12;
        if (half == Half::Pm) {
            hour += 12;
        }
    }
    return hour * 60 + t.minute;
}

Half opposite(Half half) {
    return half == Half::Am ? Half::Pm : Half::Am;
}

// The designator a side without one takes from the other side, or none when its hour is one of the
// 24-hour clock's afternoon hours.
Half borrowedHalf(const WrittenTime& bare, const WrittenTime& marked, bool bareIsStart) {
    if (bare.hour < 1 || bare.hour > 12) {
        return Half::None;
    }
    const int same = minutesOf(bare, marked.half);
    const int other = minutesOf(marked, marked.half);
    const bool inOrder = bareIsStart ? same < other : other < same;
    return inOrder ? marked.half : opposite(marked.half);
}

} // namespace

std::optional<TripTimeSpan> tripTimeSpan(std::string_view text) {
    SpanReader reader(text);
    reader.skipBlanks();
    const auto from = reader.time();
    if (!from || !reader.separator()) {
        return std::nullopt;
    }
    const auto to = reader.time();
    reader.skipBlanks();
    if (!to || !reader.atEnd() || (!from->precise && !to->precise)) {
        return std::nullopt;
    }
    Half fromHalf = from->half;
    Half toHalf = to->half;
    if (fromHalf == Half::None && toHalf != Half::None) {
        fromHalf = borrowedHalf(*from, *to, true);
    } else if (toHalf == Half::None && fromHalf != Half::None) {
        toHalf = borrowedHalf(*to, *from, false);
    }
    const int start = minutesOf(*from, fromHalf);
    int end = minutesOf(*to, toHalf);
    if (start >= kMinutesPerDay) {
        return std::nullopt;
    }
    if (end == start || (end == kMinutesPerDay && start == 0)) {
        return std::nullopt;
    }
    if (end < start) {
        end += kMinutesPerDay;
    }
    return TripTimeSpan{start, end};
}
