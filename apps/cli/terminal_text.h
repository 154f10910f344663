#pragma once

#include <string>
#include <string_view>

namespace biteclock::cli {

/// A text from outside (an argument, a file name, a stored value, a system message) as an error line
/// shows it: on one line and with nothing a terminal would act on. Printable UTF-8 is kept as it is.
/// A backslash becomes "\\" and a single quote "\'" (such texts are shown between single quotes);
/// tab, line feed and carriage return become "\t", "\n" and "\r"; any other control character and
/// every byte that is not part of valid UTF-8 becomes "\xHH"; the Unicode characters that end a
/// line, move or hide text (C1 controls, line and paragraph separators, zero-width and
/// bidirectional marks) become "\uHHHH".
std::string terminalSafe(std::string_view bytes);

/// terminalSafe() between single quotes.
std::string quotedForTerminal(std::string_view bytes);

} // namespace biteclock::cli
