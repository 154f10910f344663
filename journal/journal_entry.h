#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace biteclock {

/// One fishing trip as the user typed it. Every field is text (UTF-8), numbers included, so that
/// whatever was typed is kept exactly.
struct JournalEntry {
    std::string day;
    std::string month; ///< month number, as typed
    std::string year;
    std::string notes; ///< may hold several lines
    std::string temperature;
    std::string tripTime;
    std::string tideType;
    std::string windStrength;
    std::string quantity;
    std::string windDirection;
    std::string tideState;
    std::string catchRating;
    std::string position1;
    std::string position2;
    std::string bestTime;

    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

/// The place of each item in a journal file: 28 items, a label or a field each, in file order.
struct JournalItem {
    const char* label;                ///< the label this item is, or nullptr for a field
    std::string JournalEntry::*field; ///< the field this item fills, or nullptr for a label
};

inline constexpr std::size_t kJournalItemsPerEntry = 28;

/// The 13 lines of a journal file, item by item: the label of each line, then its values.
inline constexpr std::array<JournalItem, kJournalItemsPerEntry> kJournalItems{{
    {"Date:", nullptr},
    {nullptr, &JournalEntry::day},
    {nullptr, &JournalEntry::month},
    {nullptr, &JournalEntry::year},
    {"Notes:", nullptr},
    {nullptr, &JournalEntry::notes},
    {"Temperature:", nullptr},
    {nullptr, &JournalEntry::temperature},
    {"Trip Time:", nullptr},
    {nullptr, &JournalEntry::tripTime},
    {"Tide Type:", nullptr},
    {nullptr, &JournalEntry::tideType},
    {"Wind Strength:", nullptr},
    {nullptr, &JournalEntry::windStrength},
    {"Quantity of Fish:", nullptr},
    {nullptr, &JournalEntry::quantity},
    {"Wind:", nullptr},
    {nullptr, &JournalEntry::windDirection},
    {"Tide:", nullptr},
    {nullptr, &JournalEntry::tideState},
    {"Catch:", nullptr},
    {nullptr, &JournalEntry::catchRating},
    {"G.P.S mark or location:", nullptr},
    {nullptr, &JournalEntry::position1},
    {"G.P.S mark or location:", nullptr},
    {nullptr, &JournalEntry::position2},
    {"Best Time:", nullptr},
    {nullptr, &JournalEntry::bestTime},
}};

} // namespace biteclock
