#include "date_offsets.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace biteclock {

std::array<ZonedPhaseEvent, PhaseTable::kSlots> zonedPhaseTable(int year, const DateOffsets& offsets,
                                                                const ClockDesignators& designators) {
    std::array<ZonedPhaseEvent, PhaseTable::kSlots> events{};
    for (int slot = 0; slot < PhaseTable::kSlots; ++slot) {
        // No zone is more than a day from UT, so the event's local date is its UT date or a
        // neighbour, and its offset is the offset of one of those three dates.
        const DateSerial utDate = phaseEvent(year, slot, 0).date;
        std::vector<double> candidates;
        for (DateSerial d = utDate - 1; d <= utDate + 1; ++d) {
            const double hours = offsets.offsetHours(d);
            if (std::find(candidates.begin(), candidates.end(), hours) == candidates.end()) {
                candidates.push_back(hours);
            }
        }
        std::optional<PhaseEvent> agreeing;
        std::optional<PhaseEvent> earliest;
        double agreeingHours = 0;
        double earliestHours = 0;
        for (const double hours : candidates) {
            const PhaseEvent e = phaseEvent(year, slot, hours);
            if (offsets.offsetHours(e.date) == hours && (!agreeing || e.date < agreeing->date)) {
                agreeing = e;
                agreeingHours = hours;
            }
            if (!earliest || e.date < earliest->date) {
                earliest = e;
                earliestHours = hours;
            }
        }
        const PhaseEvent& chosen = agreeing ? *agreeing : *earliest;
        ZonedPhaseEvent& out = events[static_cast<std::size_t>(slot)];
        out.isNew = slot % 2 == 0;
        out.date = chosen.date;
        out.text = eventClockText(chosen.time, designators);
        out.offsetHours = agreeing ? agreeingHours : earliestHours;
    }
    return events;
}

} // namespace biteclock
