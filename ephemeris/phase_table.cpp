#include "phase_table.h"

#include "astro_constants.h"

#include <cmath>

namespace biteclock {
namespace {

// The lunation series works with this value of pi, not a fuller one.
constexpr double kRad = 3.14159265 / 180;

double intOf(double x) {
    return std::floor(x);
}

struct LunationBase {
    double k = 0;
    double t = 0;
    double j0 = 0;
    double f0 = 0;
    double m0 = 0;
    double m1 = 0;
    double f1 = 0;
};

LunationBase lunationBase(int year) {
    LunationBase b;
    const double y = year;
    b.k = intOf((y - 1900) * 12.3685);
    b.t = (y - 1899.5) / 100;
    const double t2 = b.t * b.t;
    const double t3 = b.t * t2;
    b.j0 = 2415020 + 29 * b.k;
    b.f0 = 0.0001178 * t2 - 0.000000155 * t3 + 0.75933 + 0.53058868 * b.k - 0.000837 * b.t - 0.000335 * t2;
    b.m0 = frac(b.k * 0.08084821133) * 360 + 359.2242 - 0.0000333 * t2 - 0.00000347 * t3;
    b.m1 = frac(b.k * 0.07171366128) * 360 + 306.0253 + 0.0107306 * t2 + 0.00001236 * t3;
    b.f1 = frac(b.k * 0.08519585128) * 360 + 21.2964 - 0.0016528 * t2 - 0.00000239 * t3;
    return b;
}

PhaseEvent eventOf(const LunationBase& b, int slot, double zoneOffsetHours) {
    double j = b.j0 + 14 * slot;
    double f = b.f0 + 0.765294 * slot;
    const double h = slot / 2.0;
    const double m = kRad * (b.m0 + 29.10535608 * h);
    const double mp = kRad * (b.m1 + 385.81691806 * h);
    const double fl = kRad * (b.f1 + 390.67050646 * h);

    f = f - 0.4068 * std::sin(mp);
    f = f + (0.1734 - 0.000393 * b.t) * std::sin(m);
    f = f + 0.0161 * std::sin(2 * mp);
    f = f + 0.0104 * std::sin(2 * fl);
    f = f - 0.0074 * std::sin(m - mp);
    f = f - 0.0051 * std::sin(m + mp);
    f = f + 0.0021 * std::sin(2 * m);
    f = f + 0.0010 * std::sin(2 * fl - mp);

    j = j + intOf(f);
    f = frac(f);
    f = f + 0.5;
    if (!(f < 1)) {
        f = f - 1;
        j = j + 1;
    }

    // Julian day number to the Gregorian calendar, keeping the day fraction.
    const double z = j;
    const double alpha = intOf(z / 36524.25 - 51.12264);
    const double a = z + 1 + alpha - intOf(alpha / 4);
    const double bb = a + 1524;
    const double c = intOf(bb / 365.25 - 0.3343);
    const double d = intOf(365.25 * c);
    const double e = intOf((bb - d) / 30.61);
    const double day = bb - d - intOf(30.61 * e) + f;
    double month = e - 1;
    if (e > 13.5) {
        month = e - 13;
    }
    double year = c - 4716;
    if (month < 2.5) {
        year = c - 4715;
    }

    PhaseEvent event;
    event.date = dateSerial(static_cast<int>(year), static_cast<int>(month), static_cast<int>(intOf(day)));
    const double local = 24 * frac(day) + zoneOffsetHours;
    int hour = static_cast<int>(intOf(local));
    const int minute = static_cast<int>(intOf(60 * frac(local)));
    if (hour > 23) {
        hour = hour - 24;
        event.date = event.date + 1;
    } else if (hour < 0) {
        hour = hour + 24;
        event.date = event.date - 1;
    }
    event.time = {hour, minute};
    return event;
}

} // namespace

PhaseEvent phaseEvent(int year, int slot, double zoneOffsetHours) {
    return eventOf(lunationBase(year), slot, zoneOffsetHours);
}

PhaseTable computePhaseTable(int year, double zoneOffsetHours, const ClockDesignators& designators) {
    PhaseTable table;
    table.year = year;
    table.zoneOffsetHours = zoneOffsetHours;
    const LunationBase base = lunationBase(year);
    for (int slot = 0; slot < PhaseTable::kSlots; ++slot) {
        const PhaseEvent event = eventOf(base, slot, zoneOffsetHours);
        const auto i = static_cast<std::size_t>(slot);
        if (slot % 2 == 0) {
            table.NewMoonDate[i] = event.date;
            table.NewMoonText[i] = eventClockText(event.time, designators);
        } else {
            table.FullMoonDate[i] = event.date;
            table.FullMoonText[i] = eventClockText(event.time, designators);
        }
    }
    return table;
}

} // namespace biteclock
