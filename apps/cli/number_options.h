#pragma once

#include <optional>
#include <string>
#include <string_view>

// The number forms the command line's options take: plain numbers, whole numbers, fixed-width
// digit fields and angles in decimal degrees or degrees and minutes with a hemisphere letter.
namespace biteclock::cli {

/// At most one sign, digits and an optional fraction ("-4", "+9.5", "0.25"); none otherwise.
std::optional<double> parseNumber(std::string_view text);
/// A whole number with an optional sign.
std::optional<int> parseWhole(std::string_view text);
/// Digits only, no sign.
std::optional<int> parseDigits(std::string_view text);
/// Decimal degrees below `limit` in size, or "DD:MM" followed by `positive` or `negative`.
std::optional<double> parseAngle(const std::string& text, char positive, char negative, double limit);

} // namespace biteclock::cli
