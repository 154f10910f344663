// The new and full moon table with each event in the offset of its own date.
#include "date_offsets.h"
#include "zone_date_offsets.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using namespace biteclock;

TEST(ZonedPhaseTable, OneOffsetGivesTheTableOfThatOffset) {
    for (const int year : {1901, 2000, 2027, 2200}) {
        for (const double hours : {-12.0, -4.0, 0.0, 5.75, 13.0}) {
            const PhaseTable plain = computePhaseTable(year, hours);
            const auto zoned = zonedPhaseTable(year, FixedDateOffsets(hours));
            for (int i = 0; i < PhaseTable::kSlots; ++i) {
                const auto s = static_cast<std::size_t>(i);
                const bool isNew = i % 2 == 0;
                EXPECT_EQ(zoned[s].isNew, isNew);
                EXPECT_EQ(zoned[s].date, isNew ? *plain.NewMoonDate[s] : *plain.FullMoonDate[s])
                    << year << " " << i;
                EXPECT_EQ(zoned[s].text, isNew ? plain.NewMoonText[s] : plain.FullMoonText[s])
                    << year << " " << i;
                EXPECT_EQ(zoned[s].offsetHours, hours);
            }
        }
    }
}

// New York 2027: the winter events are those of the -5 table, the summer events those of the -4
// table, and each carries its own date's offset.
TEST(ZonedPhaseTable, EachEventTakesTheOffsetOfItsDate) {
    const auto ny = ZoneDateOffsets::named("America/New_York");
    ASSERT_TRUE(ny.has_value());
    const auto zoned = zonedPhaseTable(2027, *ny);
    const std::map<double, PhaseTable> tables = {{-5.0, computePhaseTable(2027, -5)},
                                                 {-4.0, computePhaseTable(2027, -4)}};
    int summer = 0;
    for (int i = 0; i < PhaseTable::kSlots; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const ZonedPhaseEvent& e = zoned[s];
        ASSERT_EQ(e.offsetHours, ny->offsetHours(e.date)) << i;
        const PhaseTable& t = tables.at(e.offsetHours);
        EXPECT_EQ(e.date, e.isNew ? *t.NewMoonDate[s] : *t.FullMoonDate[s]) << i;
        EXPECT_EQ(e.text, e.isNew ? t.NewMoonText[s] : t.FullMoonText[s]) << i;
        summer += e.offsetHours == -4.0;
    }
    EXPECT_GT(summer, 10);
    EXPECT_LT(summer, 25);
}

// An offset that changes on the very night of an event: whichever date the event lands on must be
// one whose offset it was computed with, when such a date exists.
class SplitAt final : public DateOffsets {
public:
    SplitAt(DateSerial change, double before, double after)
        : change_(change)
        , before_(before)
        , after_(after) {}
    double offsetHours(DateSerial date) const override { return date < change_ ? before_ : after_; }

private:
    DateSerial change_;
    double before_;
    double after_;
};

TEST(ZonedPhaseTable, AnEventOnTheNightOfAChangeAgreesWithItsDate) {
    // The first new moon of 2027 in UT; try offsets that move it across local midnight.
    const PhaseEvent ut = phaseEvent(2027, 0, 0);
    const double minutesOfDay = ut.time.hour * 60 + ut.time.minute;
    // Forward: from an offset that keeps it on its UT date to one that pushes it into the next.
    const double keep = -minutesOfDay / 60 + 1;            // local time one hour after midnight
    const double push = (24 * 60 - minutesOfDay) / 60 + 1; // local time 1 AM the next day
    const SplitAt forward(ut.date + 1, keep, push);
    // Both dates agree with their offsets here: the earlier one is taken.
    const auto zoned = zonedPhaseTable(2027, forward);
    EXPECT_EQ(zoned[0].date, ut.date);
    EXPECT_EQ(zoned[0].offsetHours, keep);
    EXPECT_EQ(zoned[0].text, "01:00 AM");
    // Backward, where neither date agrees: the earlier date is taken, with its own offset.
    const SplitAt backward(ut.date + 1, push, keep);
    const auto back = zonedPhaseTable(2027, backward);
    EXPECT_EQ(back[0].date, ut.date);
    EXPECT_EQ(back[0].offsetHours, keep);
}

} // namespace
