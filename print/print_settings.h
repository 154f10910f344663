#pragma once

#include "calendar_options.h"

class SettingsStore;

/// The print window's choices as kept in application "Biteclock", section "Settings": the boxes as
/// "1"/"0" under "Prediction", "Sunrise", "Moonrise", "Majorminor" and "Newfull", the paper text
/// under "Paper".
class PrintSettings {
public:
    explicit PrintSettings(SettingsStore& store)
        : store_(store) {}

    /// The stored choices; a missing key, or a box value other than "0" or "1", gives its default.
    CalendarOptions load() const;
    void save(const CalendarOptions& options);

private:
    SettingsStore& store_;
};
