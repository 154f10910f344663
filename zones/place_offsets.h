#pragma once

#include "date_offsets.h"
#include "settings_store.h"
#include "time_zone.h"

#include <QString>
#include <memory>

/// What decides the offsets of a place's dates.
struct PlaceZone {
    QString zoneId;             ///< the place's IANA zone ("tz"), empty for none
    bool customZone = false;    ///< the offset is one the user typed ("Custom")
    bool followDaylight = true; ///< the daylight box
    double gmtHours = 0;        ///< the offset the place is stored with (today's)

    friend bool operator==(const PlaceZone&, const PlaceZone&) = default;
};

/// The current place's zone as the store holds it; `gmtHours` is the offset the programs compute
/// today's date with (the stored "gmt").
PlaceZone storedPlaceZone(SettingsStore& store, double gmtHours);

/// The offsets a place's dates are computed with:
/// - with a zone the computer knows, that zone's rules, wherever the computer is;
/// - else, with the computer's own zone (not "Custom") and the daylight box ticked, the computer's
///   zone rules (`computer`'s), so that a summer date seen in winter has its summer offset;
/// - else ("Custom", the box unticked, a zone name this computer does not know, or a computer
///   whose rules cannot be asked) `gmtHours` for every date, exactly as before zones existed.
/// Reading a zone's rules leaves the processor's vector state dirty; this clears it before returning.
std::shared_ptr<const biteclock::DateOffsets> placeDateOffsets(const PlaceZone& zone,
                                                               const biteclock::TimeZoneSource& computer);

/// placeDateOffsets for a window that asks on every refresh: the same answer (and its yearly
/// offsets, already worked out) while the place's zone stays as it was.
class PlaceOffsetsCache {
public:
    const std::shared_ptr<const biteclock::DateOffsets>&
    offsetsFor(const PlaceZone& zone, const biteclock::TimeZoneSource& computer);

private:
    PlaceZone zone_;
    std::shared_ptr<const biteclock::DateOffsets> offsets_;
};
