#pragma once

#include <optional>
#include <string_view>

/// Whether a trip's catch rating counts as a good catch.
///
/// The journal's catch list offers "Poor", "Fair", "Good" and "Excellent"; the upper two count as
/// good, the lower two do not. Free text counts as good when one of its words (any case) is "good",
/// "great", "excellent", "superb", "outstanding", "fantastic", "brilliant", "awesome", "amazing",
/// "terrific", "epic", "bumper" or "best", unless the word just before it is "not", "no", "never" or
/// "hardly" ("not good" is not a good catch; "pretty good" is). Anything else, empty text included,
/// is not a good catch.
bool isGoodCatch(std::string_view catchRating);

/// The quantity of fish a text gives, when it reads as a number: digits with an optional fraction
/// after a point ("12", "2.5"), blanks around it, optionally followed by words ("12 fish", "3 bream
/// kept"); "none", "nil", "zero", "nothing" and "no fish" read as 0. None for anything else: signs,
/// ranges ("3-4"), words first ("about 5"), a number too long to be a count (more than nine digits
/// before the point).
std::optional<double> fishQuantity(std::string_view quantity);
