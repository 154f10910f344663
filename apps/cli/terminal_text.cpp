#include "terminal_text.h"

#include <cstdint>

namespace biteclock::cli {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void appendByteEscape(std::string& out, unsigned char byte) {
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 15];
}

void appendCodePointEscape(std::string& out, std::uint32_t code) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out += kHex[(code >> shift) & 15];
    }
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at `i` (overlong forms and surrogates are not valid), or 0.
std::size_t sequenceLength(std::string_view bytes, std::size_t i, std::uint32_t& code) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if (!isContinuation(next)) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    return length;
}

// Characters that a terminal or a text view acts on rather than shows.
bool isInvisibleControl(std::uint32_t code) {
    return (code >= 0x80 && code <= 0x9F) || code == 0x061C || (code >= 0x200B && code <= 0x200F) ||
           (code >= 0x2028 && code <= 0x202E) || (code >= 0x2060 && code <= 0x206F) || code == 0xFEFF;
}

} // namespace

std::string terminalSafe(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            switch (byte) {
            case '\\':
                out += "\\\\";
                break;
            case '\'':
                out += "\\'";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    appendByteEscape(out, byte);
                } else {
                    out += static_cast<char>(byte);
                }
            }
            ++i;
            continue;
        }
        std::uint32_t code = 0;
        const std::size_t length = sequenceLength(bytes, i, code);
        if (length == 0) {
            appendByteEscape(out, byte);
            ++i;
        } else if (isInvisibleControl(code)) {
            appendCodePointEscape(out, code);
            i += length;
        } else {
            out.append(bytes.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string quotedForTerminal(std::string_view bytes) {
    return "'" + terminalSafe(bytes) + "'";
}

} // namespace biteclock::cli
