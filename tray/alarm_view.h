#pragma once

#include "tray_almanac.h"

#include <QColor>
#include <QString>

/// What the alarm window shows for the good day it found.
struct AlarmView {
    QString heading; ///< "It's Fishing time in:", or "It's Biteclock:" for today
    QString count;   ///< days until the good day, or "To" for today
    QString unit;    ///< "Days", "Day" for one day, "day" for today
    bool unitRed = false;
    QString dateText;  ///< the good day's date
    QString gradeText; ///< its prediction
    QColor gradeColour;
    int fishPictureId = 204;
    int moonPictureId = 100; ///< today's Moon

    friend bool operator==(const AlarmView&, const AlarmView&) = default;
};

/// The alarm window's texts for a good day, with today's Moon picture.
AlarmView alarmViewFor(const AlarmDay& day, int todayMoonPictureId);
