// Phase, age, picture and rating of a date.
#include "lunation_reference.h"
#include "moon_phase.h"

#include <gtest/gtest.h>
#include <map>

namespace biteclock {
namespace {

struct RowCase {
    int row; // the row of the rating table that decides
    int daysToNewMoon;
    int daysToFullMoon;
    int daysSincePreviousNewMoon;
    int pictureNorth;
    int pictureSouth;
    int rating;
    int age;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << "row " << c.row << " N=" << c.daysToNewMoon << " F=" << c.daysToFullMoon;
}

class RatingRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(RatingRows, PictureRatingAndAge) {
    const RowCase& c = GetParam();
    const auto north = ratePhase(c.daysToNewMoon, c.daysToFullMoon, c.daysSincePreviousNewMoon, true);
    ASSERT_TRUE(north.has_value());
    EXPECT_EQ(north->moonPictureId, c.pictureNorth);
    EXPECT_EQ(north->dayRating, c.rating);
    EXPECT_EQ(north->moonAge, c.age);
    // Seen from the south every picture is mirrored; ratings and ages stay.
    const auto south = ratePhase(c.daysToNewMoon, c.daysToFullMoon, c.daysSincePreviousNewMoon, false);
    ASSERT_TRUE(south.has_value());
    EXPECT_EQ(south->moonPictureId, c.pictureSouth);
    EXPECT_EQ(south->dayRating, c.rating);
    EXPECT_EQ(south->moonAge, c.age);
}

// The rating table, one case per row with the other count outside every row, then dates on which
// two rows match and the later one decides.
INSTANTIATE_TEST_SUITE_P(
    Table, RatingRows,
    ::testing::Values(RowCase{1, 0, -15, 0, 100, 100, 66, 0}, RowCase{2, -1, 13, 1, 100, 100, 100, 1},
                      RowCase{3, -2, 13, 2, 101, 111, 100, 2}, RowCase{4, -3, 12, 3, 101, 111, 100, 3},
                      RowCase{5, -4, 11, 4, 102, 110, 66, 4}, RowCase{6, -5, 10, 5, 102, 110, 33, 5},
                      RowCase{7, -6, 9, 6, 103, 109, 0, 6}, RowCase{8, -7, 8, 7, 103, 109, 0, 7},
                      RowCase{9, -8, 7, 8, 103, 109, 0, 8}, RowCase{10, -9, 7, 9, 103, 109, 0, 9},
                      RowCase{11, -10, 6, 10, 104, 108, 0, 10}, RowCase{12, -10, 5, 10, 104, 108, 33, 10},
                      RowCase{13, -11, 4, 11, 104, 108, 33, 11}, RowCase{14, -12, 3, 12, 105, 107, 100, 12},
                      RowCase{15, -13, 2, 13, 105, 107, 66, 13}, RowCase{16, -14, 1, 14, 106, 106, 66, 14},
                      RowCase{17, -15, 0, 15, 106, 106, 100, 15}, RowCase{18, 14, -1, 16, 106, 106, 33, 16},
                      RowCase{19, 13, -2, 17, 107, 105, 33, 17}, RowCase{20, 12, -3, 18, 107, 105, 0, 18},
                      RowCase{21, 11, -4, 19, 108, 104, 0, 19}, RowCase{22, 10, -5, 20, 108, 104, 0, 20},
                      RowCase{23, 9, -6, 21, 109, 103, 0, 21}, RowCase{24, 8, -7, 22, 109, 103, 0, 22},
                      RowCase{25, 7, -8, 23, 109, 103, 0, 23}, RowCase{26, 7, -9, 22, 109, 103, 0, 22},
                      RowCase{27, 6, -10, 23, 110, 102, 33, 23}, RowCase{28, 5, -10, 24, 110, 102, 66, 24},
                      RowCase{29, 4, -11, 25, 110, 102, 66, 25}, RowCase{30, 3, -12, 26, 111, 101, 33, 26},
                      RowCase{31, 2, -13, 27, 111, 101, 33, 27}, RowCase{32, 1, -14, 28, 100, 100, 33, 28}));

INSTANTIATE_TEST_SUITE_P(
    LaterRowDecides, RatingRows,
    ::testing::Values(
        // Eight days after a new moon whose full moon is six days later: rows 9 and 11, row 11 decides.
        RowCase{11, -8, 6, 8, 104, 108, 0, 8}, RowCase{11, -9, 6, 9, 104, 108, 0, 9},
        RowCase{11, -5, 6, 5, 104, 108, 0, 5}, RowCase{12, -9, 5, 9, 104, 108, 33, 9},
        // Nine days after a full moon, six before the new moon: rows 26 and 27.
        RowCase{27, 6, -9, 22, 110, 102, 33, 22}, RowCase{28, 5, -9, 24, 110, 102, 66, 24}));

TEST(RatingRows, CountsOutsideEveryRowMatchNothing) {
    EXPECT_FALSE(ratePhase(-10, 7, 10, true).has_value());
    EXPECT_FALSE(ratePhase(10, -10, 20, false).has_value());
    EXPECT_FALSE(ratePhase(400, 400, 0, true).has_value());
}

TEST(RatingRows, MirroredPictures) {
    EXPECT_EQ(mirroredPicture(100), 100);
    EXPECT_EQ(mirroredPicture(106), 106);
    EXPECT_EQ(mirroredPicture(101), 111);
    EXPECT_EQ(mirroredPicture(104), 108);
    EXPECT_EQ(mirroredPicture(109), 103);
    for (int n = -16; n <= 16; ++n) {
        for (int f = -16; f <= 16; ++f) {
            const auto north = ratePhase(n, f, 7, true);
            const auto south = ratePhase(n, f, 7, false);
            ASSERT_EQ(north.has_value(), south.has_value());
            if (north) {
                EXPECT_EQ(south->moonPictureId, mirroredPicture(north->moonPictureId)) << n << " " << f;
                EXPECT_EQ(south->dayRating, north->dayRating);
                EXPECT_EQ(south->moonAge, north->moonAge);
            }
        }
    }
}

struct GradeCase {
    int points;
    const char* text;
    const char* colour;
    int red;
    int green;
    int blue;
    int fishIconId;
};

void PrintTo(const GradeCase& c, std::ostream* os) {
    *os << c.points;
}

class RatingGrades : public ::testing::TestWithParam<GradeCase> {};

TEST_P(RatingGrades, TextColourAndIcon) {
    const GradeCase& c = GetParam();
    const auto g = ratingGrade(c.points);
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(g->points, c.points);
    EXPECT_EQ(g->text, c.text);
    EXPECT_EQ(g->colour, c.colour);
    EXPECT_EQ(g->colourValue, c.red + 256 * c.green + 65536 * c.blue);
    EXPECT_EQ(std::to_string(g->colourValue), c.colour);
    EXPECT_EQ(g->fishIconId, c.fishIconId);
}

INSTANTIATE_TEST_SUITE_P(Table, RatingGrades,
                         ::testing::Values(GradeCase{0, "Poor", "16777215", 255, 255, 255, 204},
                                           GradeCase{33, "Fair", "8454143", 255, 255, 128, 203},
                                           GradeCase{66, "Good", "65280", 0, 255, 0, 202},
                                           GradeCase{100, "Excellent", "12582912", 0, 0, 192, 201}));

TEST(RatingGrades, OtherPointsHaveNoGrade) {
    EXPECT_FALSE(ratingGrade(1).has_value());
    EXPECT_FALSE(ratingGrade(50).has_value());
    EXPECT_FALSE(ratingGrade(-1).has_value());
}

TEST(SearchPhaseTable, TableNeverComputedPlacesNothing) {
    const PhaseTable empty;
    EXPECT_EQ(searchPhaseTable(empty, dateSerial(2000, 6, 1)).phaseIndex, 29);
    EXPECT_FALSE(tableReaches(empty, dateSerial(2000, 6, 1)));
}

TEST(SearchPhaseTable, WaxingAndWaningHalves) {
    const PhaseTable table = computePhaseTable(2000, 0);
    // 2000: new moon 4 May, full moon 18 May, new moon 2 June (UT dates of the table).
    ASSERT_EQ(table.NewMoonDate[10], dateSerial(2000, 5, 4));
    ASSERT_EQ(table.FullMoonDate[11], dateSerial(2000, 5, 18));
    ASSERT_EQ(table.NewMoonDate[12], dateSerial(2000, 6, 2));

    PhaseSearch s = searchPhaseTable(table, dateSerial(2000, 5, 10));
    EXPECT_EQ(s.phaseIndex, 10);
    EXPECT_EQ(s.daysToNewMoon, -6);
    EXPECT_EQ(s.daysToFullMoon, 8);
    EXPECT_TRUE(s.fullMoonFromNextSlot);

    s = searchPhaseTable(table, dateSerial(2000, 5, 25));
    EXPECT_EQ(s.phaseIndex, 11);
    EXPECT_EQ(s.daysToFullMoon, -7);
    EXPECT_EQ(s.daysToNewMoon, 8);
    EXPECT_EQ(s.daysSincePreviousNewMoon, 21);
    EXPECT_TRUE(s.newMoonFromNextSlot);

    // New-moon day: the odd index before it. Full-moon day: the even index before it.
    s = searchPhaseTable(table, dateSerial(2000, 6, 2));
    EXPECT_EQ(s.phaseIndex, 11);
    EXPECT_EQ(s.daysToNewMoon, 0);
    s = searchPhaseTable(table, dateSerial(2000, 5, 18));
    EXPECT_EQ(s.phaseIndex, 10);
    EXPECT_EQ(s.daysToFullMoon, 0);
    EXPECT_EQ(s.daysToNewMoon, -14);
}

TEST(TableReaches, FromBeforeTheSecondNewMoonToTheLastFullMoon) {
    const PhaseTable table = computePhaseTable(2000, 0);
    const DateSerial secondNew = *table.NewMoonDate[2];
    const DateSerial lastFull = *table.FullMoonDate[29];
    EXPECT_TRUE(tableReaches(table, secondNew - 6));
    EXPECT_FALSE(tableReaches(table, secondNew - 7));
    EXPECT_TRUE(tableReaches(table, lastFull));
    EXPECT_FALSE(tableReaches(table, lastFull + 1));
    // A year's table reaches February to December and the following January.
    EXPECT_TRUE(tableReaches(table, dateSerial(2000, 2, 1)));
    EXPECT_TRUE(tableReaches(table, dateSerial(2001, 1, 31)));
}

// The landmarks of every lunation from 1901 to 2200, each date rated from the table the almanac
// uses for it.
TEST(Lunations, LandmarkDaysOverTheWholeRange) {
    std::map<int, PhaseTable> tables;
    auto rate = [&](DateSerial date) {
        const int year = tableYearFor(calendarDate(date));
        auto it = tables.find(year);
        if (it == tables.end()) {
            it = tables.emplace(year, computePhaseTable(year, 0)).first;
        }
        const PhaseSearch s = searchPhaseTable(it->second, date);
        return std::make_pair(s,
                              ratePhase(s.daysToNewMoon, s.daysToFullMoon, s.daysSincePreviousNewMoon, true));
    };
    int checked = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const PhaseTable table = computePhaseTable(year, 0);
        for (int slot = 2; slot <= 26; slot += 2) {
            const auto i = static_cast<std::size_t>(slot);
            const DateSerial newMoon = *table.NewMoonDate[i];
            const DateSerial fullMoon = *table.FullMoonDate[i + 1];
            const DateSerial previousNew = *table.NewMoonDate[i - 2];
            if (tableYearFor(calendarDate(newMoon - 1)) != year ||
                tableYearFor(calendarDate(fullMoon + 1)) != year) {
                continue; // rated from another year's table
            }
            ++checked;
            auto [s, r] = rate(newMoon);
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(s.daysToNewMoon, 0);
            EXPECT_EQ(r->moonAge, 0);
            EXPECT_EQ(r->moonPictureId, 100);
            EXPECT_EQ(r->dayRating, 66); // "Good"

            std::tie(s, r) = rate(newMoon + 1);
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(r->moonAge, 1);
            EXPECT_EQ(r->moonPictureId, 100);
            EXPECT_EQ(r->dayRating, 100); // "Excellent"

            std::tie(s, r) = rate(newMoon - 1);
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(r->moonAge, newMoon - 1 - previousNew);
            EXPECT_TRUE(r->moonAge == 28 || r->moonAge == 29) << r->moonAge;
            EXPECT_EQ(r->moonPictureId, 100);
            EXPECT_EQ(r->dayRating, 33); // "Fair"

            std::tie(s, r) = rate(fullMoon);
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(s.daysToFullMoon, 0);
            EXPECT_EQ(r->moonPictureId, 106);
            EXPECT_EQ(r->dayRating, 100);
            EXPECT_EQ(r->moonAge, fullMoon - newMoon);

            std::tie(s, r) = rate(fullMoon + 1);
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(r->moonPictureId, 106);
            EXPECT_EQ(r->dayRating, 33);
            EXPECT_EQ(r->moonAge, fullMoon + 1 - newMoon);

            if (fullMoon - newMoon == 14) {
                // Eight days after the new moon, six before the full moon.
                std::tie(s, r) = rate(newMoon + 8);
                ASSERT_TRUE(r.has_value());
                EXPECT_EQ(r->moonPictureId, 104);
                EXPECT_EQ(r->dayRating, 0);
                EXPECT_EQ(r->moonAge, 8);
            }
        }
    }
    EXPECT_GT(checked, 3000);
}

// Every date of 2000 and 2001 rated from its table agrees with its place in the lunation as the
// list of events gives it.
TEST(Lunations, SearchAgreesWithTheEventList) {
    for (DateSerial date = dateSerial(2000, 1, 1); date <= dateSerial(2001, 12, 31); ++date) {
        const PhaseTable table = computePhaseTable(tableYearFor(calendarDate(date)), 0);
        const auto place = testing::lunationPlace(table, date);
        ASSERT_TRUE(place.has_value()) << date;
        const PhaseSearch s = searchPhaseTable(table, date);
        EXPECT_EQ(s.daysToNewMoon, place->daysToNewMoon) << date;
        EXPECT_EQ(s.daysToFullMoon, place->daysToFullMoon) << date;
        const auto r = ratePhase(s.daysToNewMoon, s.daysToFullMoon, s.daysSincePreviousNewMoon, true);
        ASSERT_TRUE(r.has_value()) << date;
        EXPECT_EQ(r->moonAge, place->daysSinceNewMoon) << date;
    }
}

} // namespace
} // namespace biteclock
