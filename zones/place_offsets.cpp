#include "place_offsets.h"

#include "shared_settings.h"
#include "vector_state.h"
#include "zone_date_offsets.h"

PlaceZone storedPlaceZone(SettingsStore& store, double gmtHours) {
    const SharedSettings shared(store);
    return {shared.zoneId().trimmed(), shared.customZone(), shared.followDaylight(), gmtHours};
}

std::shared_ptr<const biteclock::DateOffsets> placeDateOffsets(const PlaceZone& zone,
                                                               const biteclock::TimeZoneSource& computer) {
    std::shared_ptr<const biteclock::DateOffsets> offsets;
    if (!zone.zoneId.isEmpty()) {
        // An unknown name (a hand-edited file, a zone this computer's tzdata lacks) keeps the
        // stored offset rather than guessing another zone.
        if (auto named = ZoneDateOffsets::named(zone.zoneId.toUtf8())) {
            offsets = std::make_shared<const ZoneDateOffsets>(std::move(*named));
        }
    } else if (!zone.customZone && zone.followDaylight) {
        offsets = computer.dateOffsets();
    }
    releaseUpperVectorState();
    if (!offsets) {
        offsets = std::make_shared<const biteclock::FixedDateOffsets>(zone.gmtHours);
    }
    return offsets;
}

const std::shared_ptr<const biteclock::DateOffsets>&
PlaceOffsetsCache::offsetsFor(const PlaceZone& zone, const biteclock::TimeZoneSource& computer) {
    // The computer's own rules are the source's to keep; a named zone's are kept here.
    if (!offsets_ || !(zone == zone_) || zone.zoneId.isEmpty()) {
        offsets_ = placeDateOffsets(zone, computer);
        zone_ = zone;
    }
    return offsets_;
}
