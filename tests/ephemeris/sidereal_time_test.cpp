// Local sidereal time at zone midnight.
#include "astro_constants.h"
#include "sidereal_time.h"

#include <cmath>
#include <gtest/gtest.h>

namespace biteclock {
namespace {

TEST(SiderealAtZoneMidnight, GreenwichAtJ2000Midnight) {
    // 24110.5 s of sidereal time at 0h UT at the epoch, as a fraction of a turn in radians.
    EXPECT_NEAR(siderealAtZoneMidnight(0, 0, 0), 24110.5 / 86400 * 360 * DR, 1e-12);
}

TEST(SiderealAtZoneMidnight, LongitudeAndZoneShiftTheAngle) {
    const double base = siderealAtZoneMidnight(-0.5, 0, 0);
    // Ninety degrees east adds a quarter turn.
    EXPECT_NEAR(std::remainder(siderealAtZoneMidnight(-0.5, 0, 0.25) - base, P2), 90 * DR, 1e-9);
    // Six hours west: 86636.6 s of sidereal time per day of zone shift.
    EXPECT_NEAR(std::remainder(siderealAtZoneMidnight(-0.5, 0.25, 0) - base, P2),
                std::remainder(86636.6 * 0.25 / 86400 * 360 * DR, P2), 1e-9);
    const double s = siderealAtZoneMidnight(1234.5, -0.3, 0.7);
    EXPECT_GE(s, 0);
    EXPECT_LT(s, 360 * DR);
}

} // namespace
} // namespace biteclock
