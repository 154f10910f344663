// The statistics of a log against counts made here, trip by trip, in another way.
#include "trip_stats.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr std::array<int, 4> kRatings{0, 33, 66, 100};
constexpr std::array<const char*, 4> kGrades{"Poor", "Fair", "Good", "Excellent"};

// Each text of the log with what it means: the catch, whether it is a good one; the quantity and
// its number; the trip time and the span it names.
struct CatchText {
    const char* text;
    bool good;
};
constexpr std::array<CatchText, 7> kCatches{{{"Poor", false},
                                             {"Fair", false},
                                             {"Good", true},
                                             {"Excellent", true},
                                             {"a great morning", true},
                                             {"not good", false},
                                             {"", false}}};

struct QuantityText {
    const char* text;
    std::optional<double> value;
};
constexpr std::array<QuantityText, 6> kQuantities{
    {{"12", 12}, {"3 fish", 3}, {"", std::nullopt}, {"none", 0}, {"2.5", 2.5}, {"a few", std::nullopt}}};

struct TimeText {
    const char* text;
    std::optional<std::pair<int, int>> span; ///< start and end, minutes
};
const std::array<TimeText, 7> kTimes{{{"06:00-10:00", std::pair{360, 600}},
                                      {"6am-8am", std::pair{360, 480}},
                                      {"1pm - 2pm", std::pair{780, 840}},
                                      {"22:00-02:00", std::pair{1320, 1560}},
                                      {"4 hours", std::nullopt},
                                      {"", std::nullopt},
                                      {"noon-12:30", std::pair{720, 750}}}};

// Written out age by age rather than by the bands' bounds.
constexpr std::array<int, 30> kPhaseOfAge{0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2,
                                          2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 0, 0, 0, 0};

/// 0 major, 1 minor, 2 neither, minute by minute: a minute of the trip inside a period's two hours.
int periodGroupOf(const TripAlmanac& a, int start, int end) {
    auto inside = [](const std::optional<int>& period, int minute) {
        return period && minute >= *period && minute < *period + 120;
    };
    bool major = false;
    bool minor = false;
    for (int minute = start; minute < end; ++minute) {
        major = major || inside(a.upperMajorMinutes, minute) || inside(a.lowerMajorMinutes, minute);
        minor = minor || inside(a.riseMinorMinutes, minute) || inside(a.setMinorMinutes, minute);
    }
    return major ? 0 : (minor ? 1 : 2);
}

struct Expected {
    int trips = 0;
    int good = 0;
    int withQuantity = 0;
    double sum = 0;
};

void add(Expected& e, const CatchText& c, const QuantityText& q) {
    ++e.trips;
    e.good += c.good ? 1 : 0;
    if (q.value) {
        ++e.withQuantity;
        e.sum += *q.value;
    }
}

void expectGroup(const TripGroup& g, const Expected& e, const char* name) {
    EXPECT_EQ(g.name, name);
    EXPECT_EQ(g.trips, e.trips) << name;
    EXPECT_EQ(g.goodCatches, e.good) << name;
    EXPECT_EQ(g.withQuantity, e.withQuantity) << name;
    EXPECT_DOUBLE_EQ(g.quantitySum, e.sum) << name;
    EXPECT_EQ(g.tooFew(), e.trips < 5) << name;
}

std::optional<int> randomPeriod(std::mt19937& random) {
    if (random() % 6 == 0) {
        return std::nullopt;
    }
    return static_cast<int>(random() % 1440);
}

} // namespace

// Five hundred trips with every grade, age, catch, quantity and trip time, some without a date.
TEST(TripStats, GroupsCountWhatTheTripsSay) {
    std::mt19937 random(42);
    std::vector<TripRecord> trips;
    std::array<Expected, 4> byGrade{};
    std::array<Expected, 4> byPhase{};
    std::array<Expected, 3> byPeriod{};
    int dated = 0;
    for (int i = 0; i < 500; ++i) {
        const CatchText& c = kCatches[random() % kCatches.size()];
        const QuantityText& q = kQuantities[random() % kQuantities.size()];
        const TimeText& t = kTimes[random() % kTimes.size()];
        TripRecord r;
        r.number = i + 1;
        r.entry.catchRating = c.text;
        r.entry.quantity = q.text;
        r.entry.tripTime = t.text;
        if (i % 9 != 4) {
            const std::size_t grade = random() % 4;
            TripAlmanac a;
            a.rating = kRatings[grade];
            a.ratingText = kGrades[grade];
            a.moonAge = static_cast<int>(random() % 30);
            a.upperMajorMinutes = randomPeriod(random);
            a.lowerMajorMinutes = randomPeriod(random);
            a.riseMinorMinutes = randomPeriod(random);
            a.setMinorMinutes = randomPeriod(random);
            r.date = 36000 + i;
            r.almanac = a;
            ++dated;
            add(byGrade[grade], c, q);
            add(byPhase[static_cast<std::size_t>(kPhaseOfAge[static_cast<std::size_t>(a.moonAge)])], c, q);
            if (t.span) {
                add(byPeriod[static_cast<std::size_t>(periodGroupOf(a, t.span->first, t.span->second))], c,
                    q);
            }
        }
        trips.push_back(r);
    }

    const TripStats stats = tripStats(trips);
    EXPECT_EQ(stats.trips, 500);
    EXPECT_EQ(stats.dated, dated);
    ASSERT_EQ(stats.byGrade.size(), 4u);
    ASSERT_EQ(stats.byPhase.size(), 4u);
    ASSERT_EQ(stats.byPeriod.size(), 3u);
    for (std::size_t i = 0; i < 4; ++i) {
        expectGroup(stats.byGrade[i], byGrade[i], kGrades[i]);
    }
    const std::array<const char*, 4> phases{"New Moon", "First Quarter", "Full Moon", "Last Quarter"};
    for (std::size_t i = 0; i < 4; ++i) {
        expectGroup(stats.byPhase[i], byPhase[i], phases[i]);
    }
    const std::array<const char*, 3> periods{"Major period", "Minor period", "No period"};
    for (std::size_t i = 0; i < 3; ++i) {
        expectGroup(stats.byPeriod[i], byPeriod[i], periods[i]);
        EXPECT_GT(byPeriod[i].trips, 0) << periods[i];
    }
}

TEST(TripStats, AnEmptyLogHasEveryGroupEmptyAndFlagged) {
    const TripStats stats = tripStats({});
    EXPECT_EQ(stats.trips, 0);
    EXPECT_EQ(stats.dated, 0);
    ASSERT_EQ(stats.byGrade.size(), 4u);
    for (const auto* groups : {&stats.byGrade, &stats.byPhase, &stats.byPeriod}) {
        for (const TripGroup& g : *groups) {
            EXPECT_EQ(g.trips, 0);
            EXPECT_TRUE(g.tooFew());
            EXPECT_FALSE(g.goodCatchShare().has_value());
            EXPECT_FALSE(g.averageQuantity().has_value());
        }
    }
}

TEST(TripStats, SharesAveragesAndTheFewTripsMark) {
    TripGroup g;
    g.trips = 4;
    EXPECT_TRUE(g.tooFew());
    g.trips = 5;
    EXPECT_FALSE(g.tooFew());
    g.trips = 8;
    g.goodCatches = 2;
    EXPECT_EQ(g.goodCatchShare(), 0.25);
    EXPECT_FALSE(g.averageQuantity().has_value());
    g.withQuantity = 3;
    g.quantitySum = 9;
    EXPECT_EQ(g.averageQuantity(), 3.0);
}

TEST(TripStats, PhaseBandsByAge) {
    for (int age = 0; age < 30; ++age) {
        EXPECT_EQ(static_cast<int>(moonPhaseBand(age)), kPhaseOfAge[static_cast<std::size_t>(age)]) << age;
    }
    EXPECT_EQ(moonPhaseBandName(MoonPhaseBand::FirstQuarter), "First Quarter");
    EXPECT_EQ(moonPhaseBandName(MoonPhaseBand::LastQuarter), "Last Quarter");
}

namespace {

struct OverlapCase {
    std::optional<int> upper, lower, rise, set;
    int start, end;
    PeriodOverlap expected;
    const char* why;
};

class PeriodOverlapCases : public ::testing::TestWithParam<OverlapCase> {};

} // namespace

TEST_P(PeriodOverlapCases, WindowsOfTwoHoursFromThePeriodTime) {
    const OverlapCase c = GetParam();
    TripAlmanac a;
    a.upperMajorMinutes = c.upper;
    a.lowerMajorMinutes = c.lower;
    a.riseMinorMinutes = c.rise;
    a.setMinorMinutes = c.set;
    EXPECT_EQ(periodOverlap(a, c.start, c.end), c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PeriodOverlapCases,
    ::testing::Values(OverlapCase{600, std::nullopt, std::nullopt, std::nullopt, 480, 600,
                                  PeriodOverlap::Neither, "ends as the major period begins"},
                      OverlapCase{600, std::nullopt, std::nullopt, std::nullopt, 480, 601,
                                  PeriodOverlap::Major, "ends a minute into it"},
                      OverlapCase{600, std::nullopt, std::nullopt, std::nullopt, 719, 800,
                                  PeriodOverlap::Major, "starts in its last minute"},
                      OverlapCase{600, std::nullopt, std::nullopt, std::nullopt, 720, 800,
                                  PeriodOverlap::Neither, "starts as it ends"},
                      OverlapCase{std::nullopt, 100, 300, std::nullopt, 90, 400, PeriodOverlap::Major,
                                  "a major period beats a minor one"},
                      OverlapCase{std::nullopt, std::nullopt, std::nullopt, 300, 350, 360,
                                  PeriodOverlap::Minor, "inside the set minor"},
                      OverlapCase{std::nullopt, std::nullopt, 1410, std::nullopt, 1380, 1500,
                                  PeriodOverlap::Minor, "past midnight into a late window"},
                      OverlapCase{std::nullopt, std::nullopt, 1410, std::nullopt, 30, 90,
                                  PeriodOverlap::Neither, "the early hours are not the next night's window"},
                      OverlapCase{std::nullopt, std::nullopt, std::nullopt, std::nullopt, 0, 1440,
                                  PeriodOverlap::Neither, "a day without periods"},
                      OverlapCase{0, std::nullopt, std::nullopt, std::nullopt, 1300, 1445,
                                  PeriodOverlap::Neither,
                                  "the date's midnight period is at its start, not its end"}));
