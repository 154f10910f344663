#include "moon_phase.h"

#include <array>
#include <cstdlib>

namespace biteclock {
namespace {

std::size_t slot(int i) {
    return static_cast<std::size_t>(i);
}

struct Row {
    enum Kind { NewMoon, FullMoon } kind;
    int days;
    std::int16_t picture;
    std::int16_t rating;
    enum Age { Constant, AbsNew, SincePrevious } age;
    std::int16_t ageValue;
};

// Tested in this order; every matching row assigns, so the last match wins.
constexpr std::array<Row, 32> kRows = {{
    {Row::NewMoon, 0, 100, 66, Row::Constant, 0},        {Row::NewMoon, -1, 100, 100, Row::Constant, 1},
    {Row::NewMoon, -2, 101, 100, Row::Constant, 2},      {Row::NewMoon, -3, 101, 100, Row::Constant, 3},
    {Row::NewMoon, -4, 102, 66, Row::Constant, 4},       {Row::NewMoon, -5, 102, 33, Row::Constant, 5},
    {Row::NewMoon, -6, 103, 0, Row::Constant, 6},        {Row::NewMoon, -7, 103, 0, Row::Constant, 7},
    {Row::NewMoon, -8, 103, 0, Row::Constant, 8},        {Row::NewMoon, -9, 103, 0, Row::Constant, 9},
    {Row::FullMoon, 6, 104, 0, Row::AbsNew, 0},          {Row::FullMoon, 5, 104, 33, Row::AbsNew, 0},
    {Row::FullMoon, 4, 104, 33, Row::AbsNew, 0},         {Row::FullMoon, 3, 105, 100, Row::AbsNew, 0},
    {Row::FullMoon, 2, 105, 66, Row::AbsNew, 0},         {Row::FullMoon, 1, 106, 66, Row::AbsNew, 0},
    {Row::FullMoon, 0, 106, 100, Row::AbsNew, 0},        {Row::FullMoon, -1, 106, 33, Row::SincePrevious, 0},
    {Row::FullMoon, -2, 107, 33, Row::SincePrevious, 0}, {Row::FullMoon, -3, 107, 0, Row::SincePrevious, 0},
    {Row::FullMoon, -4, 108, 0, Row::SincePrevious, 0},  {Row::FullMoon, -5, 108, 0, Row::SincePrevious, 0},
    {Row::FullMoon, -6, 109, 0, Row::SincePrevious, 0},  {Row::FullMoon, -7, 109, 0, Row::SincePrevious, 0},
    {Row::FullMoon, -8, 109, 0, Row::SincePrevious, 0},  {Row::FullMoon, -9, 109, 0, Row::SincePrevious, 0},
    {Row::NewMoon, 6, 110, 33, Row::SincePrevious, 0},   {Row::NewMoon, 5, 110, 66, Row::SincePrevious, 0},
    {Row::NewMoon, 4, 110, 66, Row::SincePrevious, 0},   {Row::NewMoon, 3, 111, 33, Row::SincePrevious, 0},
    {Row::NewMoon, 2, 111, 33, Row::SincePrevious, 0},   {Row::NewMoon, 1, 100, 33, Row::SincePrevious, 0},
}};

constexpr std::array<RatingGrade, 4> kGrades = {{
    {0, "Poor", "16777215", 16777215, 204},
    {33, "Fair", "8454143", 8454143, 203},
    {66, "Good", "65280", 65280, 202},
    {100, "Excellent", "12582912", 12582912, 201},
}};

} // namespace

PhaseSearch searchPhaseTable(const PhaseTable& table, DateSerial date) {
    PhaseSearch s;
    for (int i = 2; i <= 28; ++i) {
        s.phaseIndex = static_cast<std::int16_t>(i);
        s.fullMoonFromNextSlot = !table.FullMoonDate[slot(i)].has_value();
        s.newMoonFromNextSlot = !table.NewMoonDate[slot(i)].has_value();
        const auto& full =
            s.fullMoonFromNextSlot ? table.FullMoonDate[slot(i + 1)] : table.FullMoonDate[slot(i)];
        const auto& fresh =
            s.newMoonFromNextSlot ? table.NewMoonDate[slot(i + 1)] : table.NewMoonDate[slot(i)];
        const auto& previous =
            table.NewMoonDate[slot(i - 2)] ? table.NewMoonDate[slot(i - 2)] : table.NewMoonDate[slot(i - 1)];
        if (!full || !fresh || !previous) {
            continue; // a table that was never computed places nothing
        }
        s.daysToFullMoon = *full - date;
        s.daysToNewMoon = *fresh - date;
        s.daysSincePreviousNewMoon = std::abs(*previous - date);
        if (s.daysToFullMoon >= 0 && s.daysToFullMoon < 29) {
            return s;
        }
        if (s.daysToNewMoon >= 0 && s.daysToNewMoon < 29) {
            return s;
        }
    }
    s.phaseIndex = 29;
    return s;
}

bool tableReaches(const PhaseTable& table, DateSerial date) {
    const auto& secondNewMoon = table.NewMoonDate[2];
    const auto& lastFullMoon = table.FullMoonDate[29];
    return secondNewMoon && lastFullMoon && date >= *secondNewMoon - 6 && date <= *lastFullMoon;
}

std::optional<PhaseRating> ratePhase(int daysToNewMoon, int daysToFullMoon, int daysSincePreviousNewMoon,
                                     bool moonNorth) {
    std::optional<PhaseRating> result;
    for (const Row& row : kRows) {
        const int days = row.kind == Row::NewMoon ? daysToNewMoon : daysToFullMoon;
        if (days != row.days) {
            continue;
        }
        PhaseRating r;
        r.moonPictureId = static_cast<std::int16_t>(moonNorth ? row.picture : mirroredPicture(row.picture));
        r.dayRating = row.rating;
        switch (row.age) {
        case Row::Constant:
            r.moonAge = row.ageValue;
            break;
        case Row::AbsNew:
            r.moonAge = static_cast<std::int16_t>(std::abs(daysToNewMoon));
            break;
        case Row::SincePrevious:
            r.moonAge = static_cast<std::int16_t>(daysSincePreviousNewMoon);
            break;
        }
        result = r;
    }
    return result;
}

std::optional<RatingGrade> ratingGrade(int points) {
    for (const RatingGrade& g : kGrades) {
        if (g.points == points) {
            return g;
        }
    }
    return std::nullopt;
}

} // namespace biteclock
