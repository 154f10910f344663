#include "ical_text.h"

namespace biteclock {
namespace {

constexpr std::size_t kMaxLineOctets = 75;

bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

void appendContentLine(std::string& out, std::string_view line) {
    // The first line holds 75 octets; each continuation line holds its blank and 74 more.
    std::size_t room = kMaxLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && continuesCharacter(line[cut])) {
            --cut;
        }
        if (cut == 0) {
            cut = room; // not UTF-8: cut where the line is full
        }
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = kMaxLineOctets - 1;
    }
    out.append(line);
    out += "\r\n";
}

std::string icalText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\\':
        case ';':
        case ',':
            escaped += '\\';
            escaped += c;
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            escaped += "\\n";
            break;
        case '\n':
            escaped += "\\n";
            break;
        default:
            // Other control characters are not allowed in a value.
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
                escaped += c;
            } else if (c == '\t') {
                escaped += ' ';
            }
        }
    }
    return escaped;
}

} // namespace biteclock
