#include "journal_moon.h"

#include "daily_refresh.h"
#include "moon_phase.h"

#include <utility>

namespace biteclock {
namespace {

/// Puts the context back as it was when it goes out of scope.
class ContextRestorer {
public:
    explicit ContextRestorer(AlmanacDay& day)
        : day_(day)
        , saved_(day) {}
    ~ContextRestorer() { day_ = std::move(saved_); }
    ContextRestorer(const ContextRestorer&) = delete;
    ContextRestorer& operator=(const ContextRestorer&) = delete;

private:
    AlmanacDay& day_;
    AlmanacDay saved_;
};

} // namespace

std::optional<JournalMoon> journalMoon(AlmanacDay& day, DateSerial tripDate) {
    const ContextRestorer restorer(day);
    // The trip's own offset (and so its own table) when the place follows a zone.
    moveToDate(day, tripDate);
    loadPhaseTableFor(day, tripDate);

    day.AlmanacDate = tripDate;
    day.journal.Label14 = {};
    day.ShowPhaseLabels = true;
    day.JournalPhaseLabel = true;
    day.calcmoon();

    JournalMoon moon;
    moon.moonPictureId = day.MoonPictureId;
    moon.moonAge = day.MoonAge;
    moon.dayRating = day.DayRating;
    moon.ratingText = day.RatingText;
    moon.caption = day.journal.Label14;
    if (const auto grade = ratingGrade(day.DayRating)) {
        moon.ratingIconId = grade->fishIconId;
    }
    return moon;
}

} // namespace biteclock
