#include "journal_file.h"

#include "journal_text_encoding.h"

namespace biteclock {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

void appendQuoted(std::string& out, std::string_view value) {
    out += '"';
    for (const char c : value) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

/// Reads the items of a decoded file one after the other.
class ItemReader {
public:
    explicit ItemReader(std::string_view text)
        : text_(text) {}

    /// The next item, or false at the end of the text.
    bool next(std::string& value) {
        for (;;) {
            skipBlanks();
            if (atEnd()) {
                // "a," at the very end still announces one more (empty) item.
                if (afterComma_) {
                    afterComma_ = false;
                    value.clear();
                    return true;
                }
                return false;
            }
            if (!isLineEnd(text_[pos_])) {
                break;
            }
            if (afterComma_) {
                // A comma right before a line end: the item between them is empty.
                afterComma_ = false;
                value.clear();
                return true;
            }
            skipLineEnd();
        }
        if (text_[pos_] == '"') {
            readQuoted(value);
        } else {
            readUnquoted(value);
        }
        skipBlanks();
        afterComma_ = false;
        if (!atEnd()) {
            if (text_[pos_] == ',') {
                ++pos_;
                afterComma_ = true;
            } else {
                skipLineEnd();
            }
        }
        return true;
    }

    /// True when a quoted item ran to the end of the text without its closing quote.
    bool unterminated() const { return unterminated_; }

private:
    bool atEnd() const { return pos_ >= text_.size(); }

    void skipBlanks() {
        while (!atEnd() && isBlank(text_[pos_])) {
            ++pos_;
        }
    }

    void skipLineEnd() {
        if (text_[pos_] == '\r') {
            ++pos_;
            if (!atEnd() && text_[pos_] == '\n') {
                ++pos_;
            }
        } else if (text_[pos_] == '\n') {
            ++pos_;
        }
    }

    /// True when only blanks stand between `at` and a separator or the end of the text.
    bool endsItem(std::size_t at) const {
        while (at < text_.size() && isBlank(text_[at])) {
            ++at;
        }
        return at >= text_.size() || text_[at] == ',' || isLineEnd(text_[at]);
    }

    void readQuoted(std::string& value) {
        value.clear();
        ++pos_; // the opening quote
        while (!atEnd()) {
            const char c = text_[pos_];
            if (c != '"') {
                value += c;
                ++pos_;
                continue;
            }
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                value += '"';
                pos_ += 2;
                continue;
            }
            if (endsItem(pos_ + 1)) {
                ++pos_; // the closing quote
                return;
            }
            value += '"';
            ++pos_;
        }
        unterminated_ = true;
    }

    void readUnquoted(std::string& value) {
        const std::size_t start = pos_;
        while (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
            ++pos_;
        }
        std::size_t end = pos_;
        while (end > start && isBlank(text_[end - 1])) {
            --end;
        }
        value.assign(text_.substr(start, end - start));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool afterComma_ = false;
    bool unterminated_ = false;
};

} // namespace

std::string writeJournalFile(const JournalEntry& entry) {
    std::string text;
    for (std::size_t i = 0; i < kJournalItems.size(); ++i) {
        const JournalItem& item = kJournalItems[i];
        if (item.label != nullptr) {
            if (i > 0) {
                text += "\r\n";
            }
            appendQuoted(text, item.label);
        } else {
            text += ',';
            appendQuoted(text, entry.*item.field);
        }
    }
    text += "\r\n";
    return encodeJournalText(text);
}

JournalFileRead readJournalFile(std::string_view bytes) {
    const std::string text = decodeJournalText(bytes);
    JournalFileRead result;
    ItemReader reader(text);
    std::string value;
    while (reader.next(value)) {
        const JournalItem& item = kJournalItems[result.items % kJournalItemsPerEntry];
        if (item.field != nullptr) {
            result.entry.*item.field = value;
        }
        ++result.items;
    }
    result.complete = !reader.unterminated() && result.items > 0 && result.items % kJournalItemsPerEntry == 0;
    return result;
}

} // namespace biteclock
