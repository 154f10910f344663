#pragma once

#include <string>
#include <string_view>

namespace biteclock {

/// Appends one content line of an iCalendar file: folded so that no line is longer than 75 octets
/// (a fold is CR LF and one blank, and never splits a UTF-8 character), ended with CR LF.
void appendContentLine(std::string& out, std::string_view line);

/// A TEXT value with its backslashes, semicolons, commas and line breaks escaped.
std::string icalText(std::string_view text);

} // namespace biteclock
