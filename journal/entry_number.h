#pragma once

#include <QString>
#include <optional>

/// The journal's entries are numbered 1 to 32767.
inline constexpr int kFirstEntryNumber = 1;
inline constexpr int kLastEntryNumber = 32767;

/// The entry number a text names: a whole number from 1 to 32767, digits only, blanks around it
/// allowed. None for anything else (signs, fractions, letters, empty text, numbers out of range).
std::optional<int> parseEntryNumber(const QString& text);
