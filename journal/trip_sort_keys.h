#pragma once

#include <optional>
#include <string_view>

/// How the trips list orders the journal's free-text fields: by the number or grade they give, so that
/// "9 fish" comes before "12 fish" and "Good" before "Excellent".

/// The number a text begins with: digits with an optional fraction after a point or a comma, a minus
/// sign allowed, blanks before it allowed, anything after it ("-2.5 C", "18°", "12 fish"). None when
/// the text does not begin with one.
std::optional<double> leadingNumber(std::string_view text);

/// The length of a trip in minutes from its trip time: a span of clock times ("06:00 - 09:30") gives
/// its length; hours and minutes ("2:30") their sum; a number alone or with a word gives hours ("3",
/// "2.5 hrs"), or minutes when the word begins with "m" ("45 min", "90 minutes"). None otherwise.
std::optional<double> tripLengthMinutes(std::string_view tripTime);

/// The place of a catch rating on the journal's list, "Poor" 0, "Fair" 1, "Good" 2, "Excellent" 3
/// (any case, blanks around); none for any other text.
std::optional<int> catchGrade(std::string_view rating);
