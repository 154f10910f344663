#pragma once

#include "clock_text.h"
#include "date_offsets.h"
#include "date_serial.h"
#include "moon_events.h"
#include "observer.h"
#include "phase_table.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace biteclock {

/// Which program's windows the routines write.
enum class AlmanacFlavour {
    Main, ///< the main window (and the journal window's caption)
    Tray  ///< the tray companion's data window
};

/// A label's caption and whether it is shown.
struct Caption {
    std::string text;
    bool visible = false;

    friend bool operator==(const Caption&, const Caption&) = default;
};

/// The main window's fields that the routines write, named after its controls.
struct MainWindowFields {
    std::string Text2;     ///< sunrise
    std::string Text32;    ///< sunset
    std::string Text6;     ///< day length
    std::string Text21;    ///< moonrise
    std::string Text39;    ///< moonset
    std::string Text4;     ///< upper major period (Moon above)
    std::string Text5;     ///< lower major period (Moon below)
    std::string Text7;     ///< set minor period
    std::string Text8;     ///< rise minor period
    Caption Label14;       ///< "New Moon" / "Full Moon" on the day of the event
    Caption Label18;       ///< the event's clock time
    std::string Label13;   ///< lunar distance in whole kilometres
    double Image2Left = 0; ///< the distance gauge picture's left edge, window units
    double Line1X2 = 0;    ///< the gauge line's right end
};

/// The journal window's caption.
struct JournalWindowFields {
    Caption Label14; ///< "New Moon hh:mm AMPM" / "Full Moon hh:mm AMPM"
};

/// The tray companion's data window fields.
struct TrayWindowFields {
    std::string sunrise;
    std::string sunset;
    std::string dayLength;
    std::string Text2; ///< moonrise
    std::string Text3; ///< moonset
    std::string Text4; ///< upper major period
    std::string Text5; ///< lower major period
    std::string Text7; ///< set minor period
    std::string Text8; ///< rise minor period
    Caption Label14;   ///< "New Moon:  hh:mm AMPM" / "Full Moon:  hh:mm AMPM"
};

/// 16-bit flag values.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

/// The almanac context of one program: the observer, the date every routine computes for, the
/// state that survives calls, and the results. The routines take no arguments: set the inputs,
/// call, and read the results right after.
struct AlmanacDay {
    explicit AlmanacDay(AlmanacFlavour flavour = AlmanacFlavour::Main, ClockDesignators designators = {});

    // --- Inputs ---
    Observer observer;
    DateSerial AlmanacDate = 0;
    bool moonorth = true;           ///< Moon pictures as seen from the northern hemisphere
    bool ShowPhaseLabels = false;   ///< calcmoon writes the new/full moon captions
    bool JournalPhaseLabel = false; ///< the next caption goes to the journal window (consumed)
    bool lookAhead = false;         ///< tray: rating only, captions left alone
    double gaugeScale = 1;          ///< the distance gauge's scale factor
    /// The offset of each date when the place follows a zone's rules; none (or a fixed offset) when
    /// every date takes the observer's offset. The routines compute with `observer` as it stands:
    /// moveToDate() (daily_refresh.h) puts the observer on a date's own offset.
    std::shared_ptr<const DateOffsets> dateOffsets;

    // --- State that survives calls ---
    PhaseTable phases;
    std::string rise; ///< raw moonrise time "   H : M" of the last moonrise found
    std::string seti; ///< raw moonset time of the last moonset found
    std::int16_t nomoon = kFalse;
    std::int16_t nomoonset = kFalse;
    std::int16_t special = kFalse;
    std::int16_t dai = 0; ///< majorminor's day index: 0 yesterday, 1 the day, 2 tomorrow, 3 after

    // --- Results ---
    std::int16_t DaysToNewMoon = 0;
    std::int16_t DaysToFullMoon = 0;
    std::int16_t PhaseIndex = 0;
    std::int16_t MoonAge = 0;
    std::int16_t MoonPictureId = 0;
    std::int16_t DayRating = 0;
    std::string RatingText;
    std::string RatingColour;
    std::int16_t RatingIconId = 0;

    std::string sunriseText;
    std::string sunsetText;
    std::string dayLengthText;
    std::string moonriseText;
    std::string moonsetText;
    std::string UpperMajorText;
    std::string RiseMinorText;
    std::string LowerMajorText;
    std::string SetMinorText;
    double lunarDistanceEarthRadii = 0;

    MainWindowFields main;
    JournalWindowFields journal;
    TrayWindowFields tray;

    // --- Routines ---
    /// Sunrise, sunset and day length of AlmanacDate.
    void Sunriseset();
    /// Moonrise and moonset of AlmanacDate: rise, seti, the three flags and the moon fields.
    void moonriseset();
    /// The new and full moon table of AlmanacDate's year.
    void calcmoontime();
    /// Phase, age, picture and rating of AlmanacDate from the table (or, when the table does not
    /// reach the date, from the table of the date's own year, leaving the context's table alone).
    void calcmoon();
    /// Moonrise, moonset and the four fishing periods of AlmanacDate; leaves AlmanacDate on the
    /// following day.
    void majorminor();
    /// The Moon's distance on AlmanacDate.
    void lundist();

    AlmanacFlavour flavour() const { return flavour_; }
    const ClockDesignators& designators() const { return designators_; }

    /// Back to the state of a new context, keeping only the cached computations.
    void startFresh();

    /// Clears every result a routine may leave as it was (a day with no row of the phase table, a
    /// day the Sun or Moon sits exactly on the horizon at midnight), so that the next day computed
    /// shows only its own values. The cheap way to compute a run of days as from a new context:
    /// everything else is rewritten by the daily computation.
    void clearDayResults();

private:
    struct CachedTable {
        int year = 0;
        double zoneOffsetHours = 0;
        PhaseTable table;
    };
    struct CachedMoonDay {
        DateSerial date = 0;
        Observer observer;
        MoonDay day;
        bool used = false;
    };
    struct Caches {
        std::array<CachedTable, 3> tables{};
        std::size_t nextTable = 0;
        std::array<CachedMoonDay, 4> moonDays{};
        std::size_t nextMoonDay = 0;
        PhaseTable ownYearTable; ///< the table of a date the context's table does not reach
        MoonPositionMemo moonPositions;
    };

    Caches& caches();
    const PhaseTable& tableFor(int year);
    const MoonDay& moonDayFor(DateSerial date);
    PhaseTable& tableReaching(DateSerial date);
    void writeCaptions(const PhaseTable& table, int dN, int dF);
    // moonriseset's three steps: the times found, a day the Moon never crosses the horizon, and
    // the texts of a rise or set the day lacks.
    void writeMoonEvents(const MoonDay& day);
    void writeAllDayOutcome(DayOutcome outcome);
    void writeMissingMoonEvents(const MoonDay& day);

    AlmanacFlavour flavour_;
    ClockDesignators designators_;
    bool neighbourRun_ = false;
    // Pure results keyed by their inputs; copies of a context may share them.
    std::shared_ptr<Caches> caches_;
};

} // namespace biteclock
