#include "almanac_day.h"

#include "fishing_periods.h"
#include "horizon_scan.h"
#include "lunar_distance.h"
#include "moon_phase.h"
#include "sun_events.h"

#include <utility>

namespace biteclock {
namespace {

constexpr const char* kCantCalc = "Can't Calc";
constexpr const char* kBlankPeriodField = "     ";
const std::string kBlankPeriodText(15, ' ');
/// The gauge's line ends this many twips short of the Moon picture's left edge.
constexpr double kGaugeLineGapTwips = 15;

std::size_t slot(int i) {
    return static_cast<std::size_t>(i);
}

const char* outcomeText(DayOutcome outcome) {
    return outcome == DayOutcome::StaysUp ? "Stays Up" : "Stays Down";
}

} // namespace

AlmanacDay::AlmanacDay(AlmanacFlavour flavour, ClockDesignators designators)
    : flavour_(flavour)
    , designators_(std::move(designators)) {}

void AlmanacDay::startFresh() {
    std::shared_ptr<Caches> keep = std::move(caches_);
    *this = AlmanacDay(flavour_, designators_);
    caches_ = std::move(keep);
}

void AlmanacDay::clearDayResults() {
    DaysToNewMoon = DaysToFullMoon = PhaseIndex = MoonAge = MoonPictureId = DayRating = RatingIconId = 0;
    RatingText.clear();
    RatingColour.clear();
    sunriseText.clear();
    sunsetText.clear();
    dayLengthText.clear();
    moonriseText.clear();
    moonsetText.clear();
    UpperMajorText.clear();
    RiseMinorText.clear();
    LowerMajorText.clear();
    SetMinorText.clear();
    lunarDistanceEarthRadii = 0;
    main = MainWindowFields{};
    journal = JournalWindowFields{};
    tray = TrayWindowFields{};
    rise.clear();
    seti.clear();
    nomoon = nomoonset = special = kFalse;
    dai = 0;
}

AlmanacDay::Caches& AlmanacDay::caches() {
    if (!caches_) {
        caches_ = std::make_shared<Caches>();
    }
    return *caches_;
}

const PhaseTable& AlmanacDay::tableFor(int year) {
    Caches& cache = caches();
    for (const CachedTable& c : cache.tables) {
        if (c.year == year && c.zoneOffsetHours == observer.zoneOffsetHours) {
            return c.table;
        }
    }
    CachedTable& c = cache.tables[cache.nextTable];
    cache.nextTable = (cache.nextTable + 1) % cache.tables.size();
    c.year = year;
    c.zoneOffsetHours = observer.zoneOffsetHours;
    c.table = computePhaseTable(year, observer.zoneOffsetHours, designators_);
    return c.table;
}

const MoonDay& AlmanacDay::moonDayFor(DateSerial date) {
    // A day's moonrise and moonset are the same whoever asks: the periods of three days in a row
    // share them.
    Caches& cache = caches();
    for (const CachedMoonDay& c : cache.moonDays) {
        if (c.used && c.date == date && c.observer == observer) {
            return c.day;
        }
    }
    CachedMoonDay& c = cache.moonDays[cache.nextMoonDay];
    cache.nextMoonDay = (cache.nextMoonDay + 1) % cache.moonDays.size();
    c.used = true;
    c.date = date;
    c.observer = observer;
    c.day = computeMoonDay(calendarDate(date), observer, &cache.moonPositions);
    return c.day;
}

void AlmanacDay::Sunriseset() {
    const auto texts = sunTexts(computeSunDay(calendarDate(AlmanacDate), observer), designators_);
    if (!texts) {
        return;
    }
    sunriseText = texts->sunrise;
    sunsetText = texts->sunset;
    dayLengthText = texts->dayLength;
    if (flavour_ == AlmanacFlavour::Main) {
        main.Text2 = sunriseText;
        main.Text32 = sunsetText;
        main.Text6 = dayLengthText;
    } else {
        tray.sunrise = sunriseText;
        tray.sunset = sunsetText;
        tray.dayLength = dayLengthText;
    }
}

void AlmanacDay::moonriseset() {
    const MoonDay& day = moonDayFor(AlmanacDate);
    writeMoonEvents(day);
    switch (day.outcome) {
    case DayOutcome::Undetermined:
        return;
    case DayOutcome::StaysUp:
    case DayOutcome::StaysDown:
        writeAllDayOutcome(day.outcome);
        return;
    case DayOutcome::Events:
        break;
    }
    writeMissingMoonEvents(day);
}

void AlmanacDay::writeMoonEvents(const MoonDay& day) {
    const bool isMain = flavour_ == AlmanacFlavour::Main;
    // The runs for the neighbouring days of majorminor only gather rise and set times.
    const bool writeFields = !neighbourRun_;
    if (day.rise) {
        rise = rawEventText(*day.rise);
        const std::string text = eventClockText(*day.rise, designators_);
        if (isMain) {
            moonriseText = text;
            if (dai == 1) {
                main.Text21 = text;
                main.Text7 = text;
            }
        } else if (writeFields) {
            tray.Text2 = text;
        }
    }
    if (day.set) {
        seti = rawEventText(*day.set);
        const std::string text = eventClockText(*day.set, designators_);
        if (isMain) {
            moonsetText = text;
            if (dai == 1) {
                main.Text39 = text;
                main.Text8 = text;
            }
        } else if (writeFields) {
            tray.Text3 = text;
        }
    }
}

void AlmanacDay::writeAllDayOutcome(DayOutcome outcome) {
    const bool isMain = flavour_ == AlmanacFlavour::Main;
    const char* text = outcomeText(outcome);
    if (isMain) {
        moonriseText = text;
        moonsetText = text;
    }
    if (!neighbourRun_) {
        if (isMain) {
            main.Text21 = main.Text39 = text;
            main.Text4 = main.Text5 = main.Text7 = main.Text8 = kCantCalc;
        } else {
            tray.Text2 = tray.Text3 = text;
            tray.Text4 = tray.Text5 = tray.Text7 = tray.Text8 = kCantCalc;
        }
    }
    special = kTrue;
}

void AlmanacDay::writeMissingMoonEvents(const MoonDay& day) {
    const bool isMain = flavour_ == AlmanacFlavour::Main;
    const bool writeFields = !neighbourRun_;
    if (!day.rise) {
        if (isMain) {
            moonriseText = "No Rise";
        }
        if (writeFields) {
            if (isMain) {
                main.Text21 = "No Rise";
                main.Text7.clear();
            } else {
                tray.Text2 = "No moonrise";
                tray.Text7.clear();
            }
        }
        nomoon = kTrue;
    }
    if (!day.set) {
        if (isMain) {
            moonsetText = "No Set";
        }
        if (writeFields) {
            if (isMain) {
                main.Text39 = "No Set";
                main.Text8.clear();
            } else {
                tray.Text3 = "No moonset";
                tray.Text8.clear();
            }
        }
        nomoonset = kTrue;
    }
}

void AlmanacDay::calcmoontime() {
    const int year = calendarDate(AlmanacDate).year;
    // calcmoon only ever copies a neighbouring event's text into an empty slot, and redoes that
    // before every read, so a table already computed for this year and zone is as good as new.
    if (phases.year == year && phases.zoneOffsetHours == observer.zoneOffsetHours) {
        return;
    }
    phases = tableFor(year);
}

PhaseTable& AlmanacDay::tableReaching(DateSerial date) {
    if (tableReaches(phases, date)) {
        return phases;
    }
    const int year = tableYearFor(calendarDate(date));
    PhaseTable& own = caches().ownYearTable;
    if (own.year != year || own.zoneOffsetHours != observer.zoneOffsetHours) {
        own = tableFor(year);
    }
    return own;
}

void AlmanacDay::writeCaptions(const PhaseTable& table, int dN, int dF) {
    const std::size_t i = slot(PhaseIndex);
    const std::string& newText = table.NewMoonText[i];
    const std::string& fullText = table.FullMoonText[i];
    if (flavour_ == AlmanacFlavour::Tray) {
        if (lookAhead) {
            return;
        }
        Caption& c = tray.Label14;
        if (dN != 0 || dF != 0) {
            c.visible = false;
        }
        if (dN == 0) {
            c = {"New Moon:  " + newText, true};
        } else if (dF == 0) {
            c = {"Full Moon:  " + fullText, true};
        }
        return;
    }
    if (!ShowPhaseLabels) {
        return;
    }
    if (JournalPhaseLabel) {
        JournalPhaseLabel = false;
        Caption& c = journal.Label14;
        if (dN != 0 || dF != 0) {
            c.visible = false;
        }
        if (dN == 0) {
            c = {"New Moon " + newText, true};
        } else if (dF == 0) {
            c = {"Full Moon " + fullText, true};
        }
        return;
    }
    if (dN != 0 || dF != 0) {
        main.Label14.visible = false;
        main.Label18.visible = false;
    }
    if (dN == 0) {
        main.Label14 = {"New Moon", true};
        main.Label18 = {newText, true};
    } else if (dF == 0) {
        main.Label14 = {"Full Moon", true};
        main.Label18 = {fullText, true};
    }
}

void AlmanacDay::calcmoon() {
    const DateSerial date = AlmanacDate;
    PhaseTable& table = tableReaching(date);
    const PhaseSearch s = searchPhaseTable(table, date);

    // Every index the search passed fills its empty text slots with the neighbouring event's text,
    // so that the texts at the index where it stopped name the events it used.
    const int last = s.phaseIndex > 28 ? 28 : s.phaseIndex;
    for (int i = 2; i <= last; ++i) {
        if (!table.FullMoonDate[slot(i)]) {
            table.FullMoonText[slot(i)] = table.FullMoonText[slot(i + 1)];
        }
        if (!table.NewMoonDate[slot(i)]) {
            table.NewMoonText[slot(i)] = table.NewMoonText[slot(i + 1)];
        }
    }

    PhaseIndex = s.phaseIndex;
    DaysToNewMoon = static_cast<std::int16_t>(s.daysToNewMoon);
    DaysToFullMoon = static_cast<std::int16_t>(s.daysToFullMoon);
    writeCaptions(table, s.daysToNewMoon, s.daysToFullMoon);

    if (const auto r = ratePhase(s.daysToNewMoon, s.daysToFullMoon, s.daysSincePreviousNewMoon, moonorth)) {
        MoonPictureId = r->moonPictureId;
        DayRating = r->dayRating;
        MoonAge = r->moonAge;
    }
    if (const auto grade = ratingGrade(DayRating)) {
        RatingText = grade->text;
        RatingColour = grade->colour;
        if (flavour_ == AlmanacFlavour::Tray) {
            RatingIconId = grade->fishIconId;
        }
    }
}

void AlmanacDay::majorminor() {
    const DateSerial base = AlmanacDate;
    // Every day's periods are computed from its own three days, never from what was shown before.
    rise.clear();
    seti.clear();
    std::array<MoonDayReading, 3> readings;
    for (int i = 0; i < 3; ++i) {
        dai = static_cast<std::int16_t>(i);
        neighbourRun_ = i != 1;
        AlmanacDate = base + i - 1;
        moonriseset();
        readings[slot(i)] = {rise, seti, nomoon != kFalse, nomoonset != kFalse, special != kFalse};
        nomoon = kFalse;
        nomoonset = kFalse;
        special = kFalse;
    }
    dai = 3;
    neighbourRun_ = false;

    const bool isMain = flavour_ == AlmanacFlavour::Main;
    const auto periods = computeFishingPeriods(base, readings);
    if (!periods) {
        // The Moon stays up or down all day: the fields keep the day's own outcome.
        if (isMain) {
            UpperMajorText = RiseMinorText = LowerMajorText = SetMinorText = kCantCalc;
        }
        return;
    }

    std::string moonrise = periods->noRise ? "No moonrise" : periodClockText(periods->moonRise, designators_);
    std::string moonset = periods->noSet ? "No moonset" : periodClockText(periods->moonSet, designators_);
    auto field = [this](const std::optional<DateTimeSeconds>& t) {
        return t ? periodClockText(*t, designators_) : std::string(kBlankPeriodField);
    };
    auto shared = [this](const std::optional<DateTimeSeconds>& t) {
        return t ? periodClockText(*t, designators_) : kBlankPeriodText;
    };

    if (isMain) {
        main.Text21 = std::move(moonrise);
        main.Text39 = std::move(moonset);
        main.Text8 = field(periods->riseMinor);
        main.Text4 = field(periods->upperMajor);
        main.Text7 = field(periods->setMinor);
        main.Text5 = field(periods->lowerMajor);
        RiseMinorText = shared(periods->riseMinor);
        UpperMajorText = shared(periods->upperMajor);
        SetMinorText = shared(periods->setMinor);
        LowerMajorText = shared(periods->lowerMajor);
    } else {
        tray.Text2 = std::move(moonrise);
        tray.Text3 = std::move(moonset);
        tray.Text8 = field(periods->riseMinor);
        tray.Text4 = field(periods->upperMajor);
        tray.Text7 = field(periods->setMinor);
        tray.Text5 = field(periods->lowerMajor);
    }
}

void AlmanacDay::lundist() {
    const LunarDistance d = lunarDistance(calendarDate(AlmanacDate));
    lunarDistanceEarthRadii = d.earthRadii;
    main.Label13 = std::to_string(d.kilometres);
    main.Image2Left = d.gaugeX * gaugeScale;
    main.Line1X2 = main.Image2Left - kGaugeLineGapTwips;
}

} // namespace biteclock
