#pragma once

#include <QString>

/// What the graph-days field ends up showing and how many days are graphed.
struct GraphDaysChoice {
    QString fieldText; ///< the field's text afterwards (and what is stored as "graphday")
    int days = 15;     ///< 2 to 60

    friend bool operator==(const GraphDaysChoice&, const GraphDaysChoice&) = default;
};

inline constexpr int kMinGraphDays = 2;
inline constexpr int kMaxGraphDays = 60;
inline constexpr int kDefaultGraphDays = 15;

/// The graph-days rules for the field's text (Enter, focus loss, spinner) given the stored "graphday"
/// text: an empty or non-numeric field falls back to the stored value, values above 60 become 60 and
/// below 2 become 2, fractions round to the nearest whole day. A whole number from 2 to 60 is kept as
/// typed. A stored value that is itself empty or not a number falls back to 15.
GraphDaysChoice resolveGraphDays(const QString& fieldText, const QString& storedText);
