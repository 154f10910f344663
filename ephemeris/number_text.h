#pragma once

#include <string>
#include <string_view>

namespace biteclock {

/// The number a text starts with, as a field's text is read: blanks are skipped, an optional sign,
/// digits, a decimal point and an exponent are read as far as they go; a text that does not start
/// with a number reads as 0.
double leadingNumber(std::string_view text);

/// True when the text is a number and nothing else (blanks around it allowed).
bool isNumberText(std::string_view text);

} // namespace biteclock
