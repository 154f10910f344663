#pragma once

#include "date_offsets.h"

#include <QByteArray>
#include <QTimeZone>
#include <map>
#include <memory>
#include <optional>
#include <vector>

/// The offsets of a named zone's dates, from its rules in the tz database: each date's offset is
/// the zone's UTC offset at 12:00 local time that day (see DateOffsets). Before a zone's first rule
/// the database's local mean time applies (Moscow +2:30:17 in 1901); after its last listed change
/// the zone's standing rule repeats every year, to 2200 and beyond. Each year's offsets are worked
/// out on first use, so an object (and its copies, which share them) is for one thread at a time.
class ZoneDateOffsets final : public biteclock::DateOffsets {
public:
    /// The zone of an IANA name ("America/New_York", "UTC"); none when no such zone is known.
    static std::optional<ZoneDateOffsets> named(const QByteArray& ianaId);
    /// The computer's own zone (the TZ variable, else the system's setting).
    static ZoneDateOffsets system();
    /// The offsets of a zone already at hand (the computer's, as a window was given it).
    static ZoneDateOffsets of(QTimeZone zone) { return ZoneDateOffsets(std::move(zone)); }

    double offsetHours(biteclock::DateSerial date) const override;
    /// The offset in whole seconds east of Greenwich.
    int offsetSeconds(biteclock::DateSerial date) const;

    /// The zone's IANA name.
    QByteArray id() const { return zone_.id(); }
    const QTimeZone& zone() const { return zone_; }

private:
    explicit ZoneDateOffsets(QTimeZone zone);

    struct YearOffsets {
        std::vector<int> seconds; ///< one per day of the year
    };
    const YearOffsets& yearOffsets(int year) const;

    QTimeZone zone_;
    // A zone's rules are costly to ask (several microseconds a call), and windows ask for the same
    // dates over and over: each year is worked out once, on first use. Shared by copies.
    std::shared_ptr<std::map<int, YearOffsets>> years_ = std::make_shared<std::map<int, YearOffsets>>();
};

/// The offset of `date` straight from the zone's rules, without a cache: the offset whose local noon
/// the zone agrees with; when it agrees with none (the clocks jump over noon), the later offset.
int noonOffsetSeconds(const QTimeZone& zone, biteclock::DateSerial date);
